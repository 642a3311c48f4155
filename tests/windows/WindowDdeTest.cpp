// 図面作成 with the drawing output AutoCAD LT (DDE), on Windows: the window's drawing of the example
// reaches the CAD program's DDE server byte for byte as the command stream gives it, in code page 932.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "StandInServerThread.h"
#include "WindowFixture.h"
#include "app/CadLinkFactory.h"
#include "draw/stream/RecordingCadLink.h"
#include "model/CodePage.h"

using namespace mirota;

namespace {

// Keeps the texts of a drawing run where the test can read them after the run has let the link go.
class KeepingLink : public RecordingCadLink {
public:
    explicit KeepingLink(std::vector<std::string>& kept) : kept_(kept) {}
    std::optional<LinkError> execute(const std::string& text) override {
        kept_.push_back(codepage::fromUtf8(text).text);
        return RecordingCadLink::execute(text);
    }

private:
    std::vector<std::string>& kept_;
};

}  // namespace

class WindowDdeTest : public QObject {
    Q_OBJECT

    test::SettingsFolder folder_;

private slots:
    void exampleReachesTheServerByteForByte() {
        test::WindowFixture f("0.00", "dde");
        f.window->openRequestedFile(QStringLiteral(MIROTA_SOURCE_DIR "/examples/sample-survey.txt"));
        QVERIFY(f.takeMessages().empty());

        std::vector<std::string> expected;
        f.window->outsideLink = [&expected](LinkKind, const std::string&) {
            return std::unique_ptr<CadLink>(std::make_unique<KeepingLink>(expected));
        };
        f.window->mnuToolDraw_Click();
        f.takeMessages();
        QVERIFY(expected.size() > 50);  // the outlines, labels and area table of fourteen figures
        const std::string layer = codepage::fromUtf8("展開図").text;  // Japanese text, not only ASCII
        QVERIFY(std::any_of(expected.begin(), expected.end(),
                            [&layer](const std::string& bytes) { return bytes.find(layer) != std::string::npos; }));

        test::ServerThread server;
        QVERIFY2(!server.failure(), server.failure().value_or("").c_str());
        f.window->outsideLink = makeOutsideLink;
        f.window->mnuToolDraw_Click();
        QCOMPARE(f.takeMessages(), (std::vector<Message>{{"図面の作図が終了しました。", "LTミロタ展開図",
                                                          Message::Icon::Information}}));
        const std::vector<std::string> delivered = server.requests();
        QCOMPARE(delivered.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QVERIFY2(delivered[i] == expected[i], ("request " + std::to_string(i + 1) + ": " + delivered[i]).c_str());
        }
    }
};

QTEST_MAIN(WindowDdeTest)
#include "WindowDdeTest.moc"
