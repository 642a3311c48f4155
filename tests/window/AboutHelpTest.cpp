// The version box and the help: the version text, one box at a time, F1 and the help pages.
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>

#include "app/HelpWindow.h"
#include "app/AboutBox.h"
#include "WindowFixture.h"

using namespace mirota;
using test::WindowFixture;

namespace {

// A started main window whose program folder is a folder of the test's own.
struct FolderWindow {
    Preferences prefs;
    std::unique_ptr<MainWindow> window;
    QStringList shellRequests;

    explicit FolderWindow(const QString& folder) {
        setDefaultSettings(prefs);
        window = std::make_unique<MainWindow>(prefs, appFolderFor(folder));
        window->showMessage = [](const Message&, QMessageBox::StandardButtons) { return QMessageBox::Ok; };
        window->shellOpen = [this](const QString& path) { shellRequests << path; };
        window->Form_Load();
        window->show();
        window->activateWindow();
        [&] { QVERIFY(QTest::qWaitForWindowActive(window.get())); }();
        shellRequests.clear();  // the drawing template asked for at start-up
    }
};

QString pageText(const QString& file) {
    QFile page(":/help/" + file);
    if (!page.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(page.readAll());
}

}  // namespace

class AboutHelpTest : public QObject {
    Q_OBJECT

    test::SettingsFolder folder_;

private slots:
    void initTestCase() {
        HelpWindow::pageTitle("index.html");  // registers the pages
    }

    void versionText_data() {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("revision");
        QTest::addColumn<QString>("text");
        // Minor and revision stand side by side after the one point.
        QTest::newRow("this release") << 1 << 0 << 7 << "ﾊﾞｰｼﾞｮﾝ 1.07";
        QTest::newRow("two-digit revision") << 2 << 1 << 13 << "ﾊﾞｰｼﾞｮﾝ 2.113";
        QTest::newRow("revision 0") << 1 << 10 << 0 << "ﾊﾞｰｼﾞｮﾝ 1.100";
    }
    void versionText() {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, revision);
        QFETCH(QString, text);
        QCOMPARE(versionCaption({major, minor, revision}), text);
    }

    void versionBoxShowsTitleAndVersion() {
        AboutBox box;
        QCOMPARE(box.windowTitle(), QString("LTミロタ展開図 のﾊﾞｰｼﾞｮﾝ情報"));
        QCOMPARE(box.lblTitle()->text(), QString("LTミロタ展開図"));
        QCOMPARE(box.lblVersion()->text(), QString("ﾊﾞｰｼﾞｮﾝ 1.07"));
        QVERIFY(!box.lblDescription()->text().isEmpty());
        QCOMPARE(box.cmdOK()->text(), QString("OK"));
        box.show();
        box.cmdOK()->click();
        QVERIFY(!box.isVisible());
    }

    void versionBoxIsOneModelessWindow() {
        WindowFixture w;
        w.window->mnuVersion_Click();
        auto* box = w.window->findChild<AboutBox*>();
        QVERIFY(box && box->isVisible());
        QVERIFY(!box->isModal());
        QCOMPARE(box->windowModality(), Qt::NonModal);
        w.window->mnuVersion_Click();
        QCOMPARE(w.window->findChildren<AboutBox*>().size(), 1);
        QPointer<AboutBox> closed = box;
        box->cmdOK()->click();
        QTRY_VERIFY(closed.isNull());
        w.window->mnuVersion_Click();
        QVERIFY(w.window->findChild<AboutBox*>()->isVisible());
    }

    void helpWithoutAHelpViewerOpensOurPages() {
        QTemporaryDir program;
        QFile chm(program.filePath("Mirota_Help.chm"));
        QVERIFY(chm.open(QIODevice::WriteOnly));
        chm.close();
        FolderWindow f(program.path());
        f.window->mnuHelp1_Click();
#ifdef Q_OS_WIN
        QCOMPARE(f.shellRequests, QStringList{QDir::toNativeSeparators(program.filePath("Mirota_Help.chm"))});
        QVERIFY(!f.window->findChild<HelpWindow*>());
#else
        QVERIFY(f.shellRequests.isEmpty());
        auto* help = f.window->findChild<HelpWindow*>();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->browser()->source().fileName(), QString("index.html"));
#endif
    }

    void helpFileMissingOpensOurPages() {
        QTemporaryDir program;
        FolderWindow f(program.path());
        f.window->mnuHelp1_Click();
        QVERIFY(f.shellRequests.isEmpty());
        QVERIFY(f.window->findChild<HelpWindow*>());
    }

    void f1AndTheToolbarOpenOneHelpWindow() {
        WindowFixture w;
        QTest::keyClick(w.window.get(), Qt::Key_F1);
        auto* help = w.window->findChild<HelpWindow*>();
        QVERIFY(help && help->isVisible());
        help->showPage("types.html");
        w.window->toolMain_ButtonClick(Command::Help);
        QCOMPARE(w.window->findChildren<HelpWindow*>().size(), 1);
        QCOMPARE(help->browser()->source().fileName(), QString("types.html"));  // the page being read stays
        QVERIFY(!w.shellRequests.join('|').contains(".chm"));
    }

    void helpWindowClosesWithEscAndCtrlW_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("Esc") << QKeySequence(Qt::Key_Escape);
        QTest::newRow("Ctrl+W") << QKeySequence(Qt::CTRL | Qt::Key_W);
    }
    void helpWindowClosesWithEscAndCtrlW() {
        QFETCH(QKeySequence, keys);
        WindowFixture w;
        w.window->toolMain_ButtonClick(Command::Help);
        auto* help = w.window->findChild<HelpWindow*>();
        QVERIFY(help);
        QApplication::setActiveWindow(help);
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(help));
        QTest::keySequence(help->browser(), keys);
        QTRY_VERIFY(w.window->findChildren<HelpWindow*>().isEmpty() || !help->isVisible());
    }

    void contentsListEveryPageByItsTitle() {
        HelpWindow help;
        const QStringList files = HelpWindow::pageFiles();
        QCOMPARE(help.contents()->count(), files.size());
        QCOMPARE(files.first(), QString("index.html"));
        for (int row = 0; row < files.size(); ++row) {
            const QString title = HelpWindow::pageTitle(files[row]);
            QVERIFY2(!title.isEmpty(), qPrintable(files[row]));
            QCOMPARE(help.contents()->item(row)->text(), title);
        }
        help.contents()->setCurrentRow(3);
        emit help.contents()->itemActivated(help.contents()->item(3));
        QCOMPARE(help.browser()->source().fileName(), files[3]);
        QVERIFY(help.browser()->toPlainText().contains(HelpWindow::pageTitle(files[3])));
        help.showPage("datafile.html");
        QCOMPARE(help.contents()->currentRow(), files.indexOf("datafile.html"));
    }

    void everyLinkLeadsToAPageAndItsPlace() {
        static const QRegularExpression link(QStringLiteral("href=\"([^\"#]*)(#([^\"]*))?\""));
        for (const QString& file : HelpWindow::pageFiles()) {
            const QString text = pageText(file);
            QVERIFY2(!text.isEmpty(), qPrintable(file));
            auto links = link.globalMatch(text);
            while (links.hasNext()) {
                const auto found = links.next();
                const QString target = found.captured(1).isEmpty() ? file : found.captured(1);
                const QString where = file + " -> " + found.captured(0);
                if (target.startsWith("http")) continue;
                QVERIFY2(target == "help.css" || HelpWindow::pageFiles().contains(target), qPrintable(where));
                if (!found.captured(3).isEmpty()) {
                    QVERIFY2(pageText(target).contains("name=\"" + found.captured(3) + "\""), qPrintable(where));
                }
            }
        }
    }

    void pagesQuoteTheProgramsOwnTexts() {
        // The texts a user sees on screen, as the pages quote them.
        const std::pair<const char*, const char*> quoted[] = {
            {"input.html", "数値を入力してください！"},
            {"input.html", "最高個数は\"100\"です。"},
            {"input.html", "位置入力はＸＹ値を入力して下さい！"},
            {"types.html", "タイプ変更で基準を指定して下さい！"},
            {"calculation.html", "計算を中止します！"},
            {"conditions.html", "作図条件 ( 赤字は必須項目 ）"},
            {"conditions.html", "縮尺を入力してください！(0以上)"},
            {"conditions.html", "Noサイズ(㎜)："},
            {"conditions.html", "スクリプトファイル (.scr)"},
            {"drawing.html", "図面の作図が終了しました。"},
            {"drawing.html", "図面ファイル書き出し中"},
            {"datafile.html", "現在のデータを破棄してもよろしいですか？"},
            {"datafile.html", "LTミロタ展開図のデータではありません。"},
        };
        for (const auto& [file, text] : quoted) {
            QVERIFY2(pageText(file).contains(QString::fromUtf8(text)), qPrintable(QString(file) + ": " + text));
        }
    }
};

QTEST_MAIN(AboutHelpTest)
#include "AboutHelpTest.moc"
