// Start-up, the single running copy, menus and toolbar, the enabling rules and the layout limits.
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QLockFile>
#include <QProcess>
#include <QTimer>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "app/SingleInstance.h"
#include "app/SplitterBar.h"
#include "ui/Twips.h"
#include "settings/PreferencesStore.h"
#include "WindowFixture.h"

using namespace mirota;
using test::WindowFixture;

namespace {

// The captions of a menu in order, separators as "-", submenus followed by their items in brackets.
QStringList captions(const QMenu* menu) {
    QStringList out;
    for (QAction* item : menu->actions()) {
        if (item->isSeparator()) {
            out << "-";
        } else if (item->menu()) {
            out << item->text() + "[" + captions(item->menu()).join(",") + "]";
        } else {
            out << item->text();
        }
    }
    return out;
}

QMenu* topMenu(MainWindow& window, const QString& name) { return window.findChild<QMenu*>(name); }

// The items of a menu and its submenus, by name.
QHash<QString, QAction*> itemsByName(const QMenu* menu) {
    QHash<QString, QAction*> out;
    for (QAction* item : menu->actions()) {
        if (item->menu()) out.insert(itemsByName(item->menu()));
        else if (!item->isSeparator()) out.insert(item->objectName(), item);
    }
    return out;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    test::SettingsFolder folder_;

    // A lock file as the platform writes it for this process, read while the lock is held.
    QByteArray lockFileOfThisProcess() {
        QLockFile probe(folder_.filePath("probe.lock"));
        if (!probe.tryLock(0)) return {};
        QFile written(folder_.filePath("probe.lock"));
        return written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray();
    }

private slots:
    void appFolderEndsInOneSeparator_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "/opt/mirota" << "/opt/mirota/";
        QTest::newRow("root") << "/" << "/";
    }
    void appFolderEndsInOneSeparator() {
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        QCOMPARE(appFolderFor(folder), QDir::toNativeSeparators(expected));
    }

    void lockNamingThisProcessIsTakenOver() {
        // A copy that ended left its lock, and this copy has been given the same process number.
        const QString path = folder_.filePath("same-number.lock");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lockFileOfThisProcess());
        file.close();
        SingleInstanceLock lock(path);
        QVERIFY(lock.acquire());
    }

    void secondCopyIsRefusedWhileTheFirstRuns() {
        const QString path = folder_.filePath("instance.lock");
        SingleInstanceLock first(path);
        QVERIFY(first.acquire());
        SingleInstanceLock second(path);
        QVERIFY(!second.acquire());
    }

    void lockOfAnEndedCopyIsTakenOver() {
        // A copy that ended without releasing its lock leaves a file naming a process that is gone.
        QProcess ended;  // this test program, which lists its tests and ends, on every platform
        ended.start(QCoreApplication::applicationFilePath(), {"-functions"});
        QVERIFY(ended.waitForStarted());
        const qint64 pid = ended.processId();
        QVERIFY(ended.waitForFinished());
        const QByteArray content = lockFileOfThisProcess();  // with the name of the machine as the platform writes it
        const QString path = folder_.filePath("crashed.lock");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::number(pid) + content.mid(content.indexOf('\n')));
        file.close();
        SingleInstanceLock lock(path);
        QVERIFY(lock.acquire());
    }

    void startingState() {
        QGuiApplication::clipboard()->setText("left over");
        WindowFixture f;
        MainWindow& w = *f.window;
        QCOMPARE(w.windowTitle(), QString("LTミロタ展開図"));
        QCOMPARE(w.tag(), std::string());
        QCOMPARE(w.helpFile(), QString("/opt/mirota/Mirota_Help.chm"));
        QVERIFY(f.shellRequests.isEmpty());  // the embedded engine stands in for the CAD program
        QVERIFY(!f.window->drawingWindow()->isVisible());
        QCOMPARE(w.data().acadVersion, std::string("2000"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
        QCOMPARE(w.findChild<QWidget*>("centralArea")->width(), twipsToPixels(11500));  // the preview beside it
        QCOMPARE(w.height(), twipsToPixels(6100));
        QCOMPARE(w.tierCountCombo()->count(), 20);
        QCOMPARE(w.tierCountCombo()->itemText(0), QString("1段"));
        QCOMPARE(w.tierCountCombo()->itemText(19), QString("20段"));
        QStringList digits;
        for (int i = 0; i < w.digitsCombo()->count(); ++i) digits << w.digitsCombo()->itemText(i);
        QCOMPARE(digits, (QStringList{"0", "0.0", "0.00", "0.000", "0.0000", "0.00000"}));
        QCOMPARE(w.tierTabs()->count(), 1);
        QCOMPARE(w.tierTabs()->tabText(0), QString("入力データ"));
        QCOMPARE(w.tierTabs()->tabBar()->tabData(0).toString(), QString("Base"));
        for (ListKind list : {ListKind::Chain, ListKind::Exception}) {
            QComboBox* counts = f.view().pane(list)->countCombo();
            QCOMPARE(counts->count(), 100);
            QCOMPARE(counts->itemText(99), QString("100"));
        }
        QCOMPARE(f.grid()->text(1, 0), QString("No.1"));
        QVERIFY(f.messages.empty());
        QVERIFY(!f.view().pane(ListKind::Exception)->isVisible());
    }

    void controlsCarryTheirNames() {
        WindowFixture f;
        for (const char* name : {"frmMain", "toolMain", "tabMain", "cboBlk", "cboKeta", "fraMain0", "fraMain1", "msgMain0",
                                 "msgMain1", "txtMain0", "txtMain1", "cboMain0", "cboMain1", "Label10", "Label11", "txtSum0",
                                 "txtSum1", "txtSum2", "txtSum3", "picSplitter0", "picSplitter1"}) {
            QVERIFY2(f.window->objectName() == name || f.window->findChild<QWidget*>(name), name);
        }
        QCOMPARE(WindowFixture::focused(), f.grid());
    }

    void totalBoxClickFocusesItsGrid() {
        WindowFixture f;
        QWidget* other = f.view().pane(ListKind::Chain)->countCombo();
        other->setFocus();
        QTest::mouseClick(f.view().pane(ListKind::Chain)->totalBox(1), Qt::LeftButton);
        QCOMPARE(WindowFixture::focused(), f.grid());
    }

    void digitsItemFollowsTheFormat_data() {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("applied");
        QTest::newRow("two") << "0.00" << 2 << "0.00";
        QTest::newRow("none") << "0." << 0 << "0.";
        QTest::newRow("five") << "0.00000" << 5 << "0.00000";
        QTest::newRow("missing") << "" << 0 << "0.";
    }
    void digitsItemFollowsTheFormat() {
        QFETCH(QString, format);
        QFETCH(int, item);
        QFETCH(QString, applied);
        WindowFixture f(format.toStdString());
        QCOMPARE(f.window->digitsCombo()->currentIndex(), item);
        QCOMPARE(QString::fromStdString(f.prefs.digitsFormat), applied);
    }

    void menuTree() {
        WindowFixture f;
        MainWindow& w = *f.window;
        QStringList bar;
        for (QAction* menu : w.menuBar()->actions()) bar << menu->text();
        QCOMPARE(bar, (QStringList{"ファイル(&F)", "編集(&E)", "表示(&V)", "データ(&D)", "ツール(&T)", "ヘルプ(&H)"}));
        for (QAction* menu : w.menuBar()->actions()) {
            QCOMPARE(test::menuItemsWithoutOwnLetter(menu->menu()), QStringList());
        }
        QCOMPARE(captions(topMenu(w, "mnuFile")),
                 (QStringList{"新規作成(&N)", "開く(&O)", "名前を付けて保存(&A)", "保存(&S)", "-", "CSV で書き出し(&V)", "求積表(&R)...",
                              "-", "終了(&E)"}));
        QCOMPARE(captions(topMenu(w, "mnuEdit")),
                 (QStringList{"元に戻す(&U)", "やり直し(&R)", "-", "切り取り(&T)", "コピー(&C)", "貼り付け(&P)"}));
        QCOMPARE(captions(topMenu(w, "mnuWindow")),
                 (QStringList{"例外処理を表示しない(&H)", "例外処理を下に表示(&B)", "例外処理を右に表示(&R)", "-", "図面ウィンドウ(&W)",
                              "展開図プレビュー(&P)", "集計(&S)"}));
        const QString types = "三角形〔上向き〕(&T),三角形〔下向き〕(&B),四角形(&S),円(&C)";
        QCOMPARE(captions(topMenu(w, "mnuData")),
                 (QStringList{"入力切替(&C)[設計値(&D),実測値(&S)]",
                              "タイプ変更(&M)[一括変更(&A)[△→▽(&0),▽→△(&1)],計算(&C)[" + types + "],控除(&D)[" + types +
                                  "],-,基準(&S)]",
                              "接合辺変更(&J)[C-A(&0),B-B(&1),A-C(&2)]", "挿入(&A)", "削除(&D)"}));
        QCOMPARE(captions(topMenu(w, "mnuTool")), (QStringList{"面積計算(&C)", "図面作成(&D)", "-", "設定(&O)"}));
        QCOMPARE(captions(topMenu(w, "mnuHelp")), (QStringList{"ヘルプ(&H)", "バージョン情報(&V)"}));
        for (const char* name : {"mnuDataModeCalcType10", "mnuDataModeCalcType13", "mnuDataModeDeductType20",
                                 "mnuDataModeDeductType23", "mnuDataModeStandard0", "mnuDataJoinChg2", "mnuDataChangeType1"}) {
            QVERIFY2(w.menuItem(name), name);
        }
    }

    void toolbarButtons() {
        WindowFixture f;
        auto* bar = f.window->findChild<QToolBar*>("toolMain");
        QVERIFY(bar);
        QStringList keys;
        QStringList texts;
        QStringList tips;
        for (QAction* button : bar->actions()) {
            if (button->isSeparator()) {
                keys << "-";
                continue;
            }
            if (button == f.window->toolbarButton("cboKeta")) {
                keys << "cboKeta";
                continue;
            }
            keys << button->data().toString();
            texts << button->iconText();
            tips << button->toolTip();
            QVERIFY(!button->icon().isNull());
        }
        QCOMPARE(keys, (QStringList{"mnuNewFile", "mnuOpen", "mnuSave", "-", "mnuEditCut", "mnuEditCopy", "mnuEditPaste",
                                    "mnuEditUndo", "mnuEditRedo", "-",
                                    "mnuDataChangeType0", "mnuDataChangeType1", "-", "mnuToolCalc", "mnuToolDraw",
                                    "mnuDataAddData", "mnuDataDeleteData", "mnuHelp1", "mnuToolSetUp", "-", "cboKeta"}));
        QCOMPARE(texts, (QStringList{"新規", "開く", "保存", "切り取り", "コピー", "貼付", "元に戻す", "やり直し", "設計値", "実測値", "面積", "作図",
                                     "挿入", "削除", "ヘルプ", "設定"}));
        QCOMPARE(tips, (QStringList{"新規作成", "開く", "保存", "切り取り", "コピー", "貼り付け", "元に戻す", "やり直し",
                                    "設計値を入力", "実測値を入力",
                                    "面積計算", "図面作成", "データ挿入", "データ削除", "ヘルプ", "設定"}));
        QWidget* digits = bar->widgetForAction(f.window->toolbarButton("cboKeta"));
        QCOMPARE(digits->width(), twipsToPixels(2000));
        QCOMPARE(digits->toolTip(), QString("桁数指定"));
        QVERIFY(digits->isAncestorOf(f.window->digitsCombo()));
        // Every button and the digits combo are on screen at the starting width, none in an overflow menu.
        QVERIFY(digits->isVisible());
    }

    // Each command is one action: its menu bar item, its toolbar button and its item on the right-button
    // menu are that action, so they cannot disagree.
    void everyCommandIsOneAction() {
        WindowFixture f;
        MainWindow& w = *f.window;
        QHash<QString, QAction*> menuBarItems;
        for (QAction* menu : w.menuBar()->actions()) menuBarItems.insert(itemsByName(menu->menu()));
        QCOMPARE(menuBarItems.size(), qsizetype(kCommandCount));
        TierGrid* g = f.grid();
        QTest::mouseClick(g->viewport(), Qt::RightButton, {}, g->visualRect(g->model()->index(1, 4)).center());
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        auto* rightButtonMenu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        const QHash<QString, QAction*> rightButtonItems = itemsByName(rightButtonMenu);
        rightButtonMenu->hide();
        QVERIFY(rightButtonItems.contains("mnuDataModeStandard0"));
        for (const CommandEntry<Command>& entry : commandTable()) {
            QCOMPARE(menuBarItems.value(entry.face.objectName), w.command(entry.id));
        }
        for (auto item = rightButtonItems.cbegin(); item != rightButtonItems.cend(); ++item) {
            QCOMPARE(menuBarItems.value(item.key()), item.value());
        }
        auto* bar = w.findChild<QToolBar*>("toolMain");
        for (QAction* button : bar->actions()) {
            if (button->isSeparator() || button == w.toolbarButton("cboKeta")) continue;
            QCOMPARE(menuBarItems.value(button->data().toString()), button);
            QCOMPARE(qobject_cast<QToolButton*>(bar->widgetForAction(button))->defaultAction(), button);
        }
    }

    // The standard keys, shown beside the menu items.
    void commandKeys_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("new") << "mnuNewFile" << QStringList{"Ctrl+N"};
        QTest::newRow("open") << "mnuOpen" << QStringList{"Ctrl+O"};
        QTest::newRow("save") << "mnuSave" << QStringList{"Ctrl+S"};
        QTest::newRow("save as") << "mnuSaveNew" << QStringList{"Ctrl+Shift+S"};
        QTest::newRow("undo") << "mnuEditUndo" << QStringList{"Ctrl+Z"};
        QTest::newRow("redo") << "mnuEditRedo" << QStringList{"Ctrl+Y", "Ctrl+Shift+Z"};
        QTest::newRow("cut") << "mnuEditCut" << QStringList{"Ctrl+X"};
        QTest::newRow("copy") << "mnuEditCopy" << QStringList{"Ctrl+C"};
        QTest::newRow("paste") << "mnuEditPaste" << QStringList{"Ctrl+V"};
        QTest::newRow("help") << "mnuHelp1" << QStringList{"F1"};
    }
    void commandKeys() {
        QFETCH(QString, item);
        QFETCH(QStringList, keys);
        WindowFixture f;
        QStringList shortcuts;
        for (const QKeySequence& key : f.window->menuItem(item)->shortcuts()) shortcuts << key.toString();
        QCOMPARE(shortcuts, keys);
    }

    void startingCommandState() {
        WindowFixture f;
        MainWindow& w = *f.window;
        for (const char* key : {"mnuDataChangeType0", "mnuToolCalc", "mnuToolDraw", "mnuEditPaste", "mnuEditUndo",
                                "mnuEditRedo"}) {
            QVERIFY2(!w.toolbarControl(key)->isEnabled(), key);
        }
        for (const char* key : {"mnuNewFile", "mnuOpen", "mnuSave", "mnuEditCut", "mnuEditCopy", "mnuDataChangeType1",
                                "mnuDataAddData", "mnuDataDeleteData", "mnuHelp1", "mnuToolSetUp"}) {
            QVERIFY2(w.toolbarControl(key)->isEnabled(), key);
        }
        QVERIFY(!w.menuItem("mnuToolCalc")->isEnabled());
        QVERIFY(!w.menuItem("mnuToolDraw")->isEnabled());
        QVERIFY(!w.menuItem("mnuDataChangeType0")->isEnabled());
        QVERIFY(w.menuItem("mnuDataChangeType1")->isEnabled());
        QVERIFY(w.menuItem("mnuDataModeStandard0")->isEnabled());
        QVERIFY(w.menuItem("mnuEditPaste")->isEnabled());
    }

    void calculationFollowsCompleteSides() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.enter(1, 3, "3");
        f.enter(1, 4, "4");
        QVERIFY(!w.menuItem("mnuToolCalc")->isEnabled());
        f.enter(1, 5, "5");
        for (const char* name : {"mnuToolCalc", "mnuToolDraw"}) {
            QVERIFY(w.menuItem(name)->isEnabled());
            QVERIFY(w.toolbarButton(name)->isEnabled());
        }
        f.enter(1, 4, "");
        for (const char* name : {"mnuToolCalc", "mnuToolDraw"}) {
            QVERIFY(!w.menuItem(name)->isEnabled());
            QVERIFY(!w.toolbarButton(name)->isEnabled());
        }
    }

    // The rules read the document: the rows of both input sets of every tier, within its figure count.
    void calculationFollowsTheDocument_data() {
        QTest::addColumn<int>("tier");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("design row") << 0 << 2 << true;
        QTest::newRow("measured row") << 0 << 3 << true;
        QTest::newRow("row past the figure count") << 0 << 4 << false;
        QTest::newRow("row of another tier") << 1 << 0 << true;  // the calculation and the drawing take every tier
        QTest::newRow("row of a tier past the tier count") << 2 << 0 << false;
    }
    void calculationFollowsTheDocument() {
        QFETCH(int, tier);
        QFETCH(int, row);
        QFETCH(bool, enabled);
        WindowFixture f;
        MainWindow& w = *f.window;
        f.data().changeTierCount(2);
        for (int col : {column::SideA, column::SideB, column::SideC}) f.data().setCell(ListKind::Chain, tier, row, col, "4");
        w.UpdateCommandState();
        for (const char* name : {"mnuToolCalc", "mnuToolDraw"}) {
            QCOMPARE(w.menuItem(name)->isEnabled(), enabled);
            QCOMPARE(w.toolbarControl(name)->isEnabled(), enabled);
        }
    }

    void baseItemFollowsTheDocument_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("figure's first row") << 2 << false;
        QTest::newRow("figure's second row") << 3 << true;
        QTest::newRow("row past the figure count") << 4 << true;
    }
    void baseItemFollowsTheDocument() {
        QFETCH(int, row);
        QFETCH(bool, enabled);
        WindowFixture f;
        f.setCell(row, column::Type, "0");
        f.window->UpdateCommandState();
        QCOMPARE(f.window->menuItem("mnuDataModeStandard0")->isEnabled(), enabled);
    }

    void baseItemFollowsTheChain() {
        WindowFixture f;
        f.select(3, 3);
        f.view().ChangeFigureType(0);
        f.enter(1, 3, "1");
        QVERIFY(!f.window->menuItem("mnuDataModeStandard0")->isEnabled());
        f.select(3, 3);
        f.view().ChangeFigureType(10);
        f.enter(1, 3, "1");
        QVERIFY(f.window->menuItem("mnuDataModeStandard0")->isEnabled());
    }

    void newAsksBeforeDiscarding() {
        WindowFixture f;
        f.enter(1, 3, "7");
        f.answer = QMessageBox::No;
        f.window->toolMain_ButtonClick(Command::NewFile);
        QCOMPARE(f.takeMessages(), (std::vector<Message>{{"現在のデータを破棄してもよろしいですか？", "確認メッセージ", Message::Icon::None}}));
        QCOMPARE(f.cell(0, 1), std::string("7.00"));
        f.answer = QMessageBox::Yes;
        f.window->menuItem("mnuNewFile")->trigger();
        QCOMPARE(f.takeMessages().size(), std::size_t{1});
        QCOMPARE(f.cell(0, 1), std::string());
        QCOMPARE(f.grid()->text(1, 3), QString());
        QCOMPARE(f.window->tag(), std::string());
    }

    // A new document starts on the design values, whichever set was being entered.
    void newStartsOnDesignValues() {
        WindowFixture f;
        f.window->toolMain_ButtonClick(Command::EditMeasured);
        QCOMPARE(f.data().view.currentInputSet, InputSet::Measured);
        f.window->mnuNewFile_Click();
        QCOMPARE(f.data().view.currentInputSet, InputSet::Design);
        QVERIFY(!f.window->toolbarControl("mnuDataChangeType0")->isEnabled());
        QVERIFY(f.window->toolbarControl("mnuDataChangeType1")->isEnabled());
        QCOMPARE(f.grid()->state(1, 3), CellState::Editable);
        QCOMPARE(f.grid()->state(2, 3), CellState::OtherSet);
    }

    void newAsksNothingWithoutChanges() {
        QTemporaryDir folder;
        WindowFixture f;
        f.window->mnuNewFile_Click();
        f.enter(1, 3, "7");
        f.fileNames.push_back(folder.filePath("saved.txt"));
        f.window->mnuSave_Click();
        f.window->toolMain_ButtonClick(Command::NewFile);
        QCOMPARE(f.takeMessages(), std::vector<Message>{});
        QCOMPARE(f.cell(0, 1), std::string());
    }

    void drawButtonAsksWhichRelease_data() {
        QTest::addColumn<QString>("release");
        QTest::addColumn<QString>("text");
        QTest::newRow("98") << "98" << "AutoCAD LT98 で図面を作図します。よろしいですか？";
        QTest::newRow("2000") << "2000" << "AutoCAD LT2000以降のバージョン で図面を作図します。よろしいですか？";
    }
    void drawButtonAsksWhichRelease() {
        QFETCH(QString, release);
        QFETCH(QString, text);
        WindowFixture f("0.00", "dde");
        f.data().acadVersion = release.toStdString();
        f.answer = QMessageBox::No;
        f.window->toolMain_ButtonClick(Command::Draw);
        QCOMPARE(f.takeMessages(),
                 (std::vector<Message>{{text.toStdString(), "作図（AutoCAD LTバージョン確認)", Message::Icon::Question}}));
        f.window->menuItem("mnuToolDraw")->setEnabled(true);
        f.window->menuItem("mnuToolDraw")->trigger();
        for (const Message& message : f.takeMessages()) QVERIFY(message.title != "作図（AutoCAD LTバージョン確認)");
    }

    // The release matters to the CAD program over DDE only: the built-in viewer and a script go without the question.
    void drawButtonAsksNoReleaseElsewhere_data() {
        QTest::addColumn<QString>("output");
        QTest::newRow("viewer") << "engine";
        QTest::newRow("script") << "script";
    }
    void drawButtonAsksNoReleaseElsewhere() {
        QFETCH(QString, output);
        WindowFixture f("0.00", output.toStdString());
        f.window->toolMain_ButtonClick(Command::Draw);
        for (const Message& message : f.takeMessages()) QVERIFY(message.title != "作図（AutoCAD LTバージョン確認)");
        QCOMPARE(f.takeFileRequests().size(), std::size_t(output == "script" ? 1 : 0));
    }

    void closingStoresGeometryAndPreferences() {
        openSettingsKey()->clear();
        {
            WindowFixture f;
            f.prefs.windowGeometry.width = 11500;
            f.prefs.windowGeometry.height = 6100;
            f.window->showMaximized();
            QTRY_VERIFY(f.window->isMaximized());
            f.window->close();
        }
        auto key = openSettingsKey();
        // The nine of the settings key, the drawing output, the preview, the five area rules, the sides'
        // digits, the three drawing options and the sheet dialog's three.
        QCOMPARE(key->allKeys().size(), 23);
        QCOMPARE(readSettingText(*key, "DrawHeightLines"), std::optional<std::string>("0"));
        QCOMPARE(readSettingText(*key, "ShowPreview"), std::optional<std::string>("1"));
        QCOMPARE(readSettingText(*key, "DrawOutput"), std::optional<std::string>("engine"));
        QCOMPARE(readSettingText(*key, "WindowState"), std::optional<std::string>("2"));
        QCOMPARE(readSettingText(*key, "Width"), std::optional<std::string>("11500"));
        QCOMPARE(readSettingText(*key, "Height"), std::optional<std::string>("6100"));
        QCOMPARE(readSettingText(*key, "SetUpStr(1)"), std::optional<std::string>("No."));
    }

    void windowSpringsBackFromBelowItsMinimum() {
        WindowFixture f("0.00", "engine", /*showPreview=*/false);
        MainWindow& w = *f.window;
        w.resize(twipsToPixels(9000), w.height());
        QTRY_COMPARE(w.width(), twipsToPixels(11500));
        w.resize(w.width(), twipsToPixels(5000));
        QTRY_COMPARE(w.height(), twipsToPixels(6100));
    }

    void gridAreaSpringsBackBesideThePreview() {
        WindowFixture f;
        MainWindow& w = *f.window;
        const QSize start = w.size();
        w.resize(twipsToPixels(9000), w.height());
        QTRY_COMPARE(w.size(), start);
        QTRY_COMPARE(w.findChild<QWidget*>("centralArea")->width(), twipsToPixels(11500));
    }

    void resizingSharesTheValueColumns() {
        WindowFixture f;
        MainWindow& w = *f.window;
        TierGrid* grid = f.grid();
        const int fixed[] = {grid->columnWidth(0), grid->columnWidth(1), grid->columnWidth(2)};
        const int before = grid->columnWidth(3);
        w.resize(w.width() + 150, w.height());
        QTRY_VERIFY(grid->columnWidth(3) > before);
        QCOMPARE(grid->columnWidth(0), fixed[0]);
        QCOMPARE(grid->columnWidth(1), fixed[1]);
        QCOMPARE(grid->columnWidth(2), fixed[2]);
        for (int col = 4; col <= 7; ++col) QCOMPARE(grid->columnWidth(col), grid->columnWidth(3));
        QCOMPARE(grid->columnWidth(0), twipsToPixels(650));
        QCOMPARE(grid->columnWidth(1), twipsToPixels(700));
    }

    void minimisedWindowIsNotLaidOut() {
        WindowFixture f;
        MainWindow& w = *f.window;
        w.showMinimized();
        QTRY_COMPARE(w.tag(), std::string("min"));
        w.showNormal();
        QTRY_COMPARE(w.tag(), std::string());
    }

    void exceptionPaneArrangements() {
        WindowFixture f;
        MainWindow& w = *f.window;
        FigurePane* chain = f.view().pane(ListKind::Chain);
        FigurePane* exception = f.view().pane(ListKind::Exception);
        const int fullHeight = chain->height();
        w.menuItem("mnuWindowExtUnder")->trigger();
        QVERIFY(exception->isVisible());
        QVERIFY(w.splitter(0)->isVisible());
        QVERIFY(!w.splitter(1)->isVisible());
        QVERIFY(chain->height() < fullHeight);
        QVERIFY(exception->y() > chain->y() + chain->height());
        QCOMPARE(f.prefs.extWindowPos, false);
        w.menuItem("mnuWindowExtRight")->trigger();
        QVERIFY(w.splitter(1)->isVisible());
        QVERIFY(!w.splitter(0)->isVisible());
        QCOMPARE(f.prefs.extWindowPos, true);
        QCOMPARE(exception->x(), w.splitter(1)->x() + w.splitter(1)->width());
        QCOMPARE(chain->y(), exception->y());
        w.menuItem("mnuWindowExtHide")->trigger();
        QVERIFY(!exception->isVisible());
        QVERIFY(!w.splitter(1)->isVisible());
        QCOMPARE(chain->height(), fullHeight);
    }

    // At the start size, in either arrangement, every total box lies inside its pane and every value column
    // shows a position "1.50,2.00" whole; a wider window widens both panes, the chain's the more.
    void exceptionPaneReadableAtTheStartSize_data() {
        QTest::addColumn<QString>("arrangement");
        QTest::newRow("under") << "mnuWindowExtUnder";
        QTest::newRow("right") << "mnuWindowExtRight";
    }
    void exceptionPaneReadableAtTheStartSize() {
        QFETCH(QString, arrangement);
        WindowFixture f;
        MainWindow& w = *f.window;
        w.menuItem(arrangement)->trigger();
        QTest::qWait(50);
        for (ListKind list : {ListKind::Chain, ListKind::Exception}) {
            FigurePane* pane = f.view().pane(list);
            for (int box = 0; box < FigurePane::kTotalBoxes; ++box) {
                QVERIFY(pane->totalBox(box)->isVisible());
                QVERIFY(pane->rect().contains(pane->totalBox(box)->geometry()));
                QVERIFY(!pane->totalBox(box)->geometry().intersects(pane->countCombo()->geometry()));
                QVERIFY(!pane->totalBox(box)->geometry().intersects(pane->grid()->geometry()));
                QWidget* central = w.findChild<QWidget*>("centralArea");
                const QPoint end = pane->totalBox(box)->mapTo(central, pane->totalBox(box)->rect().bottomRight());
                QVERIFY(central->rect().contains(end));
            }
        }
        TierGrid* exceptions = f.grid(ListKind::Exception);
        const int position = exceptions->fontMetrics().horizontalAdvance("1.50,2.00");
        for (int col = 3; col < TierGrid::kColumns; ++col) QVERIFY(exceptions->columnWidth(col) > position);
        QVERIFY(w.splitter(arrangement.endsWith("Right") ? 1 : 0)->isVisible());

        const bool right = arrangement.endsWith("Right");
        const auto size = [right](QWidget* pane) { return right ? pane->width() : pane->height(); };
        FigurePane* chain = f.view().pane(ListKind::Chain);
        FigurePane* exception = f.view().pane(ListKind::Exception);
        const int chainBefore = size(chain);
        const int exceptionBefore = size(exception);
        w.resize(w.width() + (right ? 300 : 0), w.height() + (right ? 0 : 300));
        QTRY_VERIFY(size(chain) > chainBefore + 100);
        QVERIFY(size(exception) > exceptionBefore);
        QVERIFY(size(chain) - chainBefore > size(exception) - exceptionBefore);
    }

    // A closed message box gives the keyboard back to the window and the cell it came from, so that the
    // window's shortcuts work at once (nothing else does so without a window manager).
    void messageBoxGivesTheFocusBack() {
        WindowFixture f;
        f.select(3, 4);
        QWidget* before = QApplication::focusWidget();
        QCOMPARE(before, static_cast<QWidget*>(f.grid()));
        QTimer::singleShot(0, [] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            QWidget* box = QApplication::activeModalWidget();
            box->hide();
            QApplication::setActiveWindow(nullptr);  // as X leaves it when the box's window goes
            box->close();
        });
        showMessageBox(f.window.get(), Message{"確認", "", Message::Icon::None}, QMessageBox::Ok);
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(f.window.get()));
        QCOMPARE(QApplication::focusWidget(), before);
    }

    void splitterDragHidesTheContentsAndStopsAtItsLimit() {
        WindowFixture f("0.00", "engine", /*showPreview=*/false);  // the grids across the whole window
        MainWindow& w = *f.window;
        w.menuItem("mnuWindowExtRight")->trigger();
        SplitterBar* bar = w.splitter(1);
        QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(1, 10));
        QVERIFY(!f.grid()->isVisible());
        QVERIFY(!f.view().pane(ListKind::Chain)->totalBox(0)->isVisible());
        QMouseEvent move(QEvent::MouseMove, QPointF(-2000, 10), bar->mapToGlobal(QPointF(-2000, 10)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
        QCOMPARE(bar->x(), twipsToPixels(1200));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(1, 10));
        QVERIFY(f.grid()->isVisible());
        QVERIFY(f.view().pane(ListKind::Chain)->countCombo()->isVisible());
        QVERIFY(f.view().pane(ListKind::Exception)->totalBox(0)->isVisible());  // the chain pane is too narrow now
        QCOMPARE(f.view().pane(ListKind::Exception)->x(), bar->x() + bar->width());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
