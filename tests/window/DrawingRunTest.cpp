// The drawing run from the menu and from the toolbar: the checks, the progress window and the busy
// pointer, the links the preference chooses and what the user is told when one fails.
#include <functional>

#include <QFile>
#include <QProgressBar>

#include <QDir>
#include <QStandardPaths>

#include "app/DrawingProgress.h"
#include "viewer/DrawingView.h"
#include "draw/stream/RecordingCadLink.h"
#include "model/CodePage.h"
#include "WindowFixture.h"

using namespace mirota;
using test::WindowFixture;

using ConditionNumber = float DrawingConditions::*;
Q_DECLARE_METATYPE(ConditionNumber)

namespace {

const Message kFinished{"図面の作図が終了しました。", "LTミロタ展開図", Message::Icon::Information};

Message notFinished(const std::string& cause) {
    return {"図面の作図が完了しませんでした。\r\n\r\n" + cause, "LTミロタ展開図", Message::Icon::Critical};
}

// Two figures typed into the grid: 3, 4, 5 as the base, then 5 (joined), 4, 3.
void typeTwoFigures(WindowFixture& f) {
    f.enter(1, 3, "3");
    f.enter(1, 4, "4");
    f.enter(1, 5, "5");
    f.enter(3, 4, "4");
    f.enter(3, 5, "3");
    f.select(1, 3);
    f.view().ChangeFigureType(0);
    f.takeMessages();
}

int countOf(const drawing::Drawing& d, std::size_t shapeIndex) {
    int count = 0;
    for (const drawing::Entity& entity : d.entities) count += entity.shape.index() == shapeIndex ? 1 : 0;
    return count;
}
constexpr std::size_t kLine = 0, kCircle = 1, kText = 2;

// What the user saw at each command that went out.
struct Screen {
    bool progressShown;
    int value;
    int maximum;
    bool busyPointer;

    bool operator==(const Screen&) const = default;
};

// A link to a CAD program that notes the screen at every request and can fail one of them.
class WatchingLink : public RecordingCadLink {
public:
    explicit WatchingLink(DrawingProgress* progress, std::vector<Screen>& screens)
        : progress_(progress), screens_(screens) {}

    std::optional<LinkError> execute(const std::string& text) override {
        const QCursor* pointer = QApplication::overrideCursor();
        screens_.push_back({progress_->isVisible(), progress_->bar()->value(), progress_->bar()->maximum(),
                            pointer && pointer->shape() == Qt::WaitCursor});
        return RecordingCadLink::execute(text);
    }

private:
    DrawingProgress* progress_;
    std::vector<Screen>& screens_;
};

// The screens while the progress window was up, each change once.
std::vector<std::pair<int, int>> progressSteps(const std::vector<Screen>& screens) {
    std::vector<std::pair<int, int>> steps;
    for (const Screen& s : screens) {
        if (s.progressShown && (steps.empty() || steps.back() != std::pair{s.value, s.maximum})) {
            steps.emplace_back(s.value, s.maximum);
        }
    }
    return steps;
}

}  // namespace

class DrawingRunTest : public QObject {
    Q_OBJECT

    test::SettingsFolder folder_;

    // Runs the drawing into a WatchingLink, given as the link to the CAD program ("dde").
    static void runWatched(WindowFixture& f, std::vector<Screen>& screens,
                           const std::function<void(WatchingLink&)>& prepare = {}) {
        f.prefs.drawingOutput = "dde";
        f.window->outsideLink = [&](LinkKind kind, const std::string&) -> std::unique_ptr<CadLink> {
            if (kind != LinkKind::Dde) return nullptr;
            auto link = std::make_unique<WatchingLink>(f.window->progressWindow(), screens);
            if (prepare) prepare(*link);
            return link;
        };
        f.window->mnuToolDraw_Click();
    }

private slots:
    void menuDrawsIntoTheDrawingWindow() {
        WindowFixture f;
        typeTwoFigures(f);
        QVERIFY(!f.window->drawingWindow()->isVisible());
        f.window->menuItem("mnuToolDraw")->trigger();
        QCOMPARE(f.takeMessages(), std::vector<Message>{kFinished});
        DrawingWindow* shown = f.window->drawingWindow();
        QVERIFY(shown->isVisible());
        const drawing::Drawing& d = shown->drawing();
        QCOMPARE(countOf(d, kLine), 6);    // two closed outlines of three sides
        QCOMPARE(countOf(d, kText), 8);    // six side labels and two figure numbers
        QCOMPARE(countOf(d, kCircle), 2);  // one around each number
        QVERIFY(d.findLayer("図面"));
        QCOMPARE(d.findLayer("図面")->colour, 7);
        QCOMPARE(d.findLayer("寸法値")->colour, 1);
        QVERIFY(!shown->view()->scene().empty());
        // The run recalculated: the computed columns and the totals are on screen.
        QCOMPARE(f.grid()->text(1, 7), QString("6.00"));
        QCOMPARE(f.view().pane(ListKind::Chain)->totalBox(0)->text(), QString("12.00"));
        QVERIFY(!f.window->progressWindow()->isVisible());
        QVERIFY(!QApplication::overrideCursor());
    }

    // The CAD release matters to the program over DDE only: the button draws into the viewer at once.
    void toolbarDrawsWithoutTheReleaseQuestion() {
        WindowFixture f;
        typeTwoFigures(f);
        f.answer = QMessageBox::No;
        QTest::mouseClick(f.window->toolbarControl("mnuToolDraw"), Qt::LeftButton);
        QCOMPARE(f.takeMessages(), std::vector<Message>{kFinished});
        QCOMPARE(f.window->drawingWindow()->drawing().entities.size(), std::size_t{16});
        QVERIFY(f.window->drawingWindow()->isVisible());
    }

    void missingSizeOpensTheSettingsDialog_data() {
        QTest::addColumn<ConditionNumber>("entry");
        QTest::addColumn<QString>("text");
        QTest::newRow("number size") << &DrawingConditions::numberHeight << "Noサイズの入力を確認してください。 Noサイズ：0";
        QTest::newRow("dimension size") << &DrawingConditions::labelHeight << "寸法値の入力を確認してください。 寸法値：0";
        QTest::newRow("scale") << &DrawingConditions::scale << "縮尺の入力を確認してください。 縮尺：0";
    }
    void missingSizeOpensTheSettingsDialog() {
        QFETCH(ConditionNumber, entry);
        QFETCH(QString, text);
        WindowFixture f;
        typeTwoFigures(f);
        f.setCell(0, column::Area, "");
        f.grid()->setText(1, 7, QString());
        f.data().conditions.*entry = 0.0f;
        // only the first missing one is told
        if (entry == &DrawingConditions::numberHeight) f.data().conditions.scale = 0.0f;
        f.window->mnuToolDraw_Click();
        QCOMPARE(f.takeMessages(), (std::vector<Message>{{text.toStdString(), "", Message::Icon::Warning}}));
        QCOMPARE(f.cell(0, column::Area), std::string());  // nothing calculated
        QCOMPARE(f.grid()->text(1, 7), QString());
        QVERIFY(f.window->drawingWindow()->drawing().entities.empty());
        auto* settings = f.window->findChild<QWidget*>("frmSetUp");
        QVERIFY(settings);
        QTRY_VERIFY(settings->isVisible());
        QCOMPARE(settings->windowModality(), Qt::NonModal);
    }

    void documentWithoutBaseSendsNothing() {
        WindowFixture f;
        typeTwoFigures(f);
        f.select(1, 3);
        f.view().ChangeFigureType(10);
        std::vector<Screen> screens;
        runWatched(f, screens);
        const std::vector<Message> shown = f.takeMessages();
        QCOMPARE(shown.size(), std::size_t{1});  // the geometry's own message
        QVERIFY(shown[0] != kFinished);
        QVERIFY(screens.empty());
        QCOMPARE(f.grid()->text(1, 7), QString("6.00"));  // but the areas were calculated
        QVERIFY(!QApplication::overrideCursor());
    }

    void progressWhileTheCommandsGoOut() {
        WindowFixture f;
        typeTwoFigures(f);
        std::vector<Screen> screens;
        runWatched(f, screens);
        QCOMPARE(f.takeMessages(), std::vector<Message>{kFinished});
        // Per figure: the outline at its row, then one step for its labels and one for its number.
        QCOMPARE(progressSteps(screens), (std::vector<std::pair<int, int>>{{0, 8}, {2, 8}, {3, 8}, {4, 8}, {5, 8}, {6, 8}}));
        for (const Screen& s : screens) QVERIFY(s.busyPointer);
        QVERIFY(screens.back().progressShown);
        QVERIFY(!f.window->progressWindow()->isVisible());
        QVERIFY(!QApplication::overrideCursor());
    }

    void progressPastTheFirstTierShowsAFullBar() {
        WindowFixture f;
        f.fileNames = {MIROTA_SOURCE_DIR "/examples/sample-survey.txt"};
        f.window->mnuOpen_Click();  // two tiers of 7 and 5 figures
        std::vector<Screen> screens;
        runWatched(f, screens);
        QCOMPARE(f.takeMessages(), std::vector<Message>{kFinished});
        // The maximum counts the first tier's 7 figures. Outlines at their rows, tier by tier, then a
        // step for each figure's labels and one for its number: 13 to 36, shown full from 28 on.
        std::vector<std::pair<int, int>> expected;
        for (int row = 0; row <= 12; row += 2) expected.emplace_back(row, 28);
        for (int row = 0; row <= 8; row += 2) expected.emplace_back(row, 28);
        for (int value = 9; value <= 28; ++value) expected.emplace_back(value, 28);
        QCOMPARE(progressSteps(screens), expected);
    }

    void failingLinkStopsAndSaysWhy() {
        WindowFixture f;
        typeTwoFigures(f);
        std::vector<Screen> screens;
        runWatched(f, screens, [](WatchingLink& link) { link.failAtExecute(5, "応答がありません。"); });
        QCOMPARE(f.takeMessages(), std::vector<Message>{notFinished("応答がありません。")});
        QCOMPARE(screens.size(), std::size_t{5});  // nothing after the failing command
        QVERIFY(!f.window->progressWindow()->isVisible());
        QVERIFY(!QApplication::overrideCursor());
        QVERIFY(!f.window->drawingWindow()->isVisible());  // the engine was not used
    }

    void linkThatCannotOpen() {
        WindowFixture f;
        typeTwoFigures(f);
        std::vector<Screen> screens;
        runWatched(f, screens, [](WatchingLink& link) { link.failOnOpen("AutoCAD LT が起動していません。"); });
        QCOMPARE(f.takeMessages(), std::vector<Message>{notFinished("AutoCAD LT が起動していません。")});
        QVERIFY(screens.empty());
        QVERIFY(!QApplication::overrideCursor());
    }

    void ddeWhereThePlatformHasNone() {
        WindowFixture f("0.00", "dde");
        QCOMPARE(f.shellRequests, QStringList{"/opt/mirota/vorn.dwt"});  // the CAD program is started
        typeTwoFigures(f);
        f.setCell(0, column::Area, "");
        f.window->outsideLink = [](LinkKind, const std::string&) { return std::unique_ptr<CadLink>(); };
        f.window->mnuToolDraw_Click();
        QCOMPARE(f.takeMessages(),
                 (std::vector<Message>{{"この環境では AutoCAD LT との DDE による接続は使えません。\r\n"
                                        "設定の図面の出力先で、内蔵ビューアかスクリプトファイル (.scr) を選んでください。",
                                        "LTミロタ展開図", Message::Icon::Warning}}));
        QCOMPARE(f.cell(0, column::Area), std::string());  // not run at all
    }

    void scriptIsWrittenWhereTheUserSays() {
        WindowFixture f("0.00", "script");
        typeTwoFigures(f);
        const QString file = folder_.filePath("drawing.scr");
        f.fileNames = {file};
        f.window->mnuToolDraw_Click();
        QCOMPARE(f.takeFileRequests(),
                 (std::vector<FileDialogRequest>{{FileDialogRequest::Kind::Save, "スクリプトファイルの保存",
                                                  QDir(test::firstDialogFolder()).filePath("展開図.scr"),
                                                  "スクリプト ファイル (*.scr)", "scr"}}));
        QCOMPARE(f.takeMessages(), std::vector<Message>{kFinished});
        QFile script(file);
        QVERIFY(script.open(QIODevice::ReadOnly));
        const QByteArray bytes = script.readAll();
        // The first command (the erase) with every Enter as a line end, then the drawing layer.
        QVERIFY(bytes.startsWith("erase\r\nall\r\n\r\n-layer\r\nn\r\n"));
        const std::string layer = codepage::fromUtf8("図面").text;
        QVERIFY(bytes.contains(QByteArray("\r\nn\r\n") + QByteArray::fromStdString(layer) + "\r\n\r\n"));
        QVERIFY(f.window->drawingWindow()->drawing().entities.empty());
    }

    void scriptCancelledOrUnwritable() {
        WindowFixture f("0.00", "script");
        typeTwoFigures(f);
        f.setCell(0, column::Area, "");
        f.window->mnuToolDraw_Click();  // the dialog is cancelled
        QVERIFY(f.takeMessages().empty());
        QCOMPARE(f.cell(0, column::Area), std::string());

        f.fileNames = {folder_.filePath("no-such-folder/drawing.scr")};
        f.window->mnuToolDraw_Click();
        const std::vector<Message> shown = f.takeMessages();
        QCOMPARE(shown.size(), std::size_t{1});
        QVERIFY(QString::fromStdString(shown[0].text).startsWith("図面の作図が完了しませんでした。\r\n\r\n"));
        QCOMPARE(shown[0].icon, Message::Icon::Critical);
    }

    void additionalDrawingKeepsWhatWasDrawn_data() {
        QTest::addColumn<int>("additional");
        QTest::addColumn<int>("drawings");
        QTest::addColumn<bool>("locked");
        QTest::newRow("off: the drawing is erased first") << 0 << 1 << false;
        QTest::newRow("on: the earlier drawing stays") << 1 << 2 << true;
    }
    void additionalDrawingKeepsWhatWasDrawn() {
        QFETCH(int, additional);
        QFETCH(int, drawings);
        QFETCH(bool, locked);
        WindowFixture f;
        typeTwoFigures(f);
        // The first drawing makes the area table's layer, which an additional drawing locks with the others.
        f.data().conditions.areaTable = Switch::On;
        f.window->mnuToolDraw_Click();
        f.data().conditions.additionalDrawing = static_cast<Switch>(additional);
        f.window->mnuToolDraw_Click();
        QCOMPARE(f.takeMessages(), (std::vector<Message>{kFinished, kFinished}));
        const drawing::Drawing& d = f.window->drawingWindow()->drawing();
        QCOMPARE(countOf(d, kLine), 6 * drawings);
        QCOMPARE(countOf(d, kCircle), 2 * drawings);
        for (const char* layer : {"図面", "寸法値", "面積表"}) QCOMPARE(d.findLayer(layer)->locked, locked);
    }

    // After an additional drawing its layers are locked: a drawing onto them could not be placed, so
    // the run refuses before sending anything, until other layer names are chosen.
    void drawingOntoLockedLayersIsRefused() {
        WindowFixture f;
        typeTwoFigures(f);
        f.data().conditions.additionalDrawing = Switch::On;
        f.window->mnuToolDraw_Click();
        QCOMPARE(f.takeMessages(), std::vector<Message>{kFinished});
        const std::size_t drawn = f.window->drawingWindow()->drawing().entities.size();
        f.window->mnuToolDraw_Click();
        const auto refused = f.takeMessages();
        QCOMPARE(refused.size(), std::size_t{1});
        QVERIFY(refused[0].text.starts_with("画層「図面」は前回の追加作図でロックされているため、作図できません。"));
        QCOMPARE(f.window->drawingWindow()->drawing().entities.size(), drawn);
        f.data().conditions.drawingLayerName = "図面2";
        f.data().conditions.dimensionLayerName = "寸法値2";
        f.data().conditions.areaTableLayerName = "面積表2";
        f.window->mnuToolDraw_Click();
        QCOMPARE(f.takeMessages(), std::vector<Message>{kFinished});
        QCOMPARE(f.window->drawingWindow()->drawing().entities.size(), 2 * drawn);
    }

    void areaTableIsDrawnExpanded() {
        WindowFixture f;
        typeTwoFigures(f);
        f.data().conditions.areaTable = Switch::On;
        f.window->mnuToolDraw_Click();
        QCOMPARE(f.takeMessages(), std::vector<Message>{kFinished});
        const drawing::Drawing& d = f.window->drawingWindow()->drawing();
        constexpr std::size_t kInsert = 3;
        QCOMPARE(countOf(d, kInsert), 4);  // the header, a row per figure, the footer
        QCOMPARE(d.findLayer("面積表")->colour, 5);
        // The scene paints the inserts' lines and attribute texts, not the inserts themselves.
        QVERIFY(!f.window->drawingWindow()->view()->scene().empty());
    }
};

QTEST_MAIN(DrawingRunTest)
#include "DrawingRunTest.moc"
