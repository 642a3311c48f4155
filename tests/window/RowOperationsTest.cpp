// Figures as a whole: insert, delete, types, join sides, the input-set switch, the Data menu's
// enabling, and cut, copy and paste through the editor.
#include <QClipboard>
#include <QComboBox>
#include <QMenu>

#include "WindowFixture.h"

using namespace mirota;
using test::WindowFixture;

namespace {

// Fills sides A, B, C of both rows of each chain figure with "figure.column" style values (1.1, 1.2, ...).
void numberFigures(WindowFixture& f, int figures, ListKind list = ListKind::Chain) {
    f.setCount(list, figures);
    for (int figure = 1; figure <= figures; ++figure) {
        for (int offset = 0; offset < 2; ++offset) {
            for (int col = 1; col <= 3; ++col) {
                f.setCell(2 * (figure - 1) + offset, col,
                          std::to_string(figure) + "." + std::to_string(offset) + std::to_string(col), list);
            }
        }
    }
    f.reload();
}

QStringList enabledTypeItems(MainWindow& w) {
    QStringList out;
    for (int code : {10, 11, 12, 13}) {
        if (w.menuItem(QStringLiteral("mnuDataModeCalcType%1").arg(code))->isEnabled()) out << QString::number(code);
    }
    for (int code : {20, 21, 22, 23}) {
        if (w.menuItem(QStringLiteral("mnuDataModeDeductType%1").arg(code))->isEnabled()) out << QString::number(code);
    }
    if (w.menuItem("mnuDataModeStandard0")->isEnabled()) out << "0";
    return out;
}

const Message kMaxCount{"最高個数は\"100\"です。", "LTミロタ展開図", Message::Icon::Warning};
const Message kMinCount{"最低個数は\"1\"です。", "LTミロタ展開図", Message::Icon::Warning};

}  // namespace

class RowOperationsTest : public QObject {
    Q_OBJECT

    test::SettingsFolder folder_;

private slots:
    void insertAtTheFirstFigure() {
        WindowFixture f;
        numberFigures(f, 3);
        f.select(2, 4);
        f.window->toolMain_ButtonClick(Command::InsertFigure);
        QCOMPARE(f.data().figureCount(ListKind::Chain, 0), 4);
        QCOMPARE(f.grid()->rows(), 9);
        QCOMPARE(f.cell(0, column::SideA), std::string());
        QCOMPARE(f.cell(0, column::SideB), std::string());
        QCOMPARE(f.cell(0, column::SideC), std::string("1.01"));  // the side figure 2 is joined to
        QCOMPARE(f.cell(2, column::SideA), std::string("1.01"));  // figure 2 keeps the A typed
        QCOMPARE(f.cell(2, column::SideB), std::string("1.02"));
        QCOMPARE(f.cell(7, column::SideC), std::string("3.13"));
        QCOMPARE(f.grid()->text(1, 1), QString("△"));
        QCOMPARE(f.grid()->text(3, 1), QString("▽"));
        QCOMPARE(f.grid()->text(5, 1), QString("△"));
        QCOMPARE(f.grid()->text(7, 1), QString("▽"));
    }

    void insertedFigureTakesThePreviousC() {
        WindowFixture f;
        numberFigures(f, 3);
        f.select(5, 4);
        f.view().mnuDataAddData_Click();
        QCOMPARE(f.grid()->currentGridRow(), 5);  // on the new figure, in the set being edited
        QCOMPARE(f.grid()->currentGridColumn(), 4);
        QCOMPARE(f.cell(4, column::SideA), std::string("2.03"));
        QCOMPARE(f.cell(5, column::SideA), std::string("2.13"));
        QCOMPARE(f.grid()->text(5, 3), QString("2.03"));
        QCOMPARE(f.cell(4, column::SideB), std::string());
        QCOMPARE(f.cell(6, column::SideB), std::string("3.02"));
        QCOMPARE(f.cell(6, column::SideA), std::string("3.01"));  // kept, and shared with the new figure's C
        QCOMPARE(f.cell(4, column::SideC), std::string("3.01"));
    }

    void insertIntoTheExceptionList() {
        WindowFixture f;
        f.window->setExceptionPaneShown(true);
        f.setCount(ListKind::Exception, 2);
        f.setCell(2, column::SideA, "杭", ListKind::Exception);
        f.setCell(2, column::SideB, "4", ListKind::Exception);
        f.reload();
        f.select(3, 4, ListKind::Exception);
        f.view().mnuDataAddData_Click();
        QCOMPARE(f.data().figureCount(ListKind::Exception, 0), 3);
        QCOMPARE(f.data().figureCount(ListKind::Chain, 0), 2);
        QCOMPARE(f.grid(ListKind::Exception)->text(3, 3), QString("名称2"));
        QCOMPARE(f.grid(ListKind::Exception)->text(5, 3), QString("杭"));  // the moved figure keeps its name
        QCOMPARE(f.cell(4, column::SideB, ListKind::Exception), std::string("4"));
    }

    void countLimits() {
        WindowFixture f;
        f.setCount(ListKind::Chain, 1);
        f.select(1, 3);
        f.view().mnuDataDeleteData_Click();
        QCOMPARE(f.takeMessages(), std::vector<Message>{kMinCount});
        QCOMPARE(f.data().figureCount(ListKind::Chain, 0), 1);
        numberFigures(f, 100);
        f.select(199, 3);
        f.view().mnuDataAddData_Click();
        QCOMPARE(f.takeMessages(), std::vector<Message>{kMaxCount});
        QCOMPARE(f.data().figureCount(ListKind::Chain, 0), 100);
        QCOMPARE(f.cell(198, column::SideB), std::string("100.02"));
        f.select(199, 3);
        f.view().mnuDataDeleteData_Click();
        QCOMPARE(f.data().figureCount(ListKind::Chain, 0), 99);
        QVERIFY(f.messages.empty());
    }

    void deleteTheLastOfTwo() {
        WindowFixture f;
        numberFigures(f, 2);
        f.select(4, 4);
        f.view().mnuDataDeleteData_Click();
        QCOMPARE(f.data().figureCount(ListKind::Chain, 0), 1);
        QCOMPARE(f.cell(0, column::SideA), std::string("1.01"));
        QCOMPARE(f.grid()->rows(), 3);
    }

    void deleteRejoinsByTheJoinCode() {
        WindowFixture f;
        numberFigures(f, 4);
        f.setCell(4, column::Join, "1");  // figure 3, which moves up, joined B-B
        f.setCell(5, column::Join, "1");
        f.select(3, 5);
        f.view().mnuDataDeleteData_Click();
        QCOMPARE(f.data().figureCount(ListKind::Chain, 0), 3);
        QCOMPARE(f.cell(2, column::SideB), std::string("1.02"));  // figure 1's B
        QCOMPARE(f.cell(3, column::SideB), std::string("1.12"));
        QCOMPARE(f.cell(2, column::SideA), std::string("3.01"));  // the rest came from figure 3
        QCOMPARE(f.cell(4, column::SideC), std::string("4.03"));
    }

    void deleteInTheExceptionList() {
        WindowFixture f;
        f.window->setExceptionPaneShown(true);
        numberFigures(f, 3, ListKind::Exception);
        f.select(3, 4, ListKind::Exception);
        f.view().mnuDataDeleteData_Click();
        QCOMPARE(f.data().figureCount(ListKind::Exception, 0), 2);
        QCOMPARE(f.data().figureCount(ListKind::Chain, 0), 2);
        QCOMPARE(f.cell(2, column::SideB, ListKind::Exception), std::string("3.02"));
    }

    void inputSetSwitchTogglesItsPair() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.enter(1, 4, "12");
        w.toolMain_ButtonClick(Command::EditMeasured);
        QVERIFY(!w.menuItem("mnuDataChangeType1")->isEnabled());
        QVERIFY(!w.toolbarButton("mnuDataChangeType1")->isEnabled());
        QVERIFY(w.menuItem("mnuDataChangeType0")->isEnabled());
        QVERIFY(w.toolbarButton("mnuDataChangeType0")->isEnabled());
        QCOMPARE(f.data().view.currentInputSet, InputSet::Measured);
        QCOMPARE(f.grid()->state(2, 4), CellState::Editable);
        QCOMPARE(f.grid()->state(1, 4), CellState::OtherSet);
        w.menuItem("mnuDataChangeType0")->trigger();
        QVERIFY(w.menuItem("mnuDataChangeType1")->isEnabled());
        QVERIFY(!w.toolbarButton("mnuDataChangeType0")->isEnabled());
        QCOMPARE(f.data().view.currentInputSet, InputSet::Design);
        QCOMPARE(f.cell(0, column::SideB), std::string("12.00"));
    }

    void bulkOrientationOverwritesEveryFigure() {
        WindowFixture f;
        f.setCount(ListKind::Chain, 3);
        f.select(3, 3);
        f.view().ChangeFigureType(0);
        f.select(5, 3);
        f.view().ChangeFigureType(20);
        f.window->menuItem("mnuDataModeAllChg0")->trigger();
        const std::string codes[] = {"10", "11", "10"};
        for (int figure = 0; figure < 3; ++figure) {
            QCOMPARE(f.cell(2 * figure, column::Type), codes[figure]);
            QCOMPARE(f.cell(2 * figure + 1, column::Type), codes[figure]);
        }
        QCOMPARE(f.grid()->text(3, 1), QString("▽"));
        QCOMPARE(f.grid()->item(2, 1)->foreground().color(), QColor(Qt::black));
        f.window->menuItem("mnuDataModeAllChg1")->trigger();
        QCOMPARE(f.cell(0, column::Type), std::string("11"));
        QCOMPARE(f.grid()->text(5, 1), QString("▽"));
    }

    void typeChangeAppliesToTheWholeFigureAndTheTotals() {
        WindowFixture f;
        const char* sides[] = {"3.00", "4.00", "5.00"};
        for (int side = 0; side < 3; ++side) f.setCell(2, column::SideA + side, sides[side]);
        f.reload();
        f.select(4, 4);  // the figure's second row
        f.view().ChangeFigureType(21);
        QCOMPARE(f.cell(2, column::Type), std::string("21"));
        QCOMPARE(f.cell(3, column::Type), std::string("21"));
        QCOMPARE(f.grid()->text(3, 1), QString("▼"));
        QCOMPARE(f.grid()->text(4, 1), QString("▼"));
        QCOMPARE(f.grid()->item(2, 1)->foreground().color(), QColor(Qt::red));
        QCOMPARE(f.view().pane(ListKind::Chain)->totalBox(1)->text(), QString("6.00"));
    }

    void joinChangeMovesTheSides() {
        WindowFixture f;
        f.setCount(ListKind::Chain, 3);
        f.setCell(0, column::SideA, "7");
        f.setCell(2, column::SideA, "10");
        f.setCell(2, column::SideB, "20");
        f.setCell(2, column::SideC, "30");
        f.setCell(4, column::SideA, "30");  // figure 3 joined C-A to figure 2
        f.reload();
        f.select(3, 4);
        f.window->menuItem("mnuDataJoinChg2")->trigger();
        QCOMPARE(f.cell(2, column::SideA), std::string("30"));
        QCOMPARE(f.cell(2, column::SideB), std::string("20"));
        QCOMPARE(f.cell(2, column::SideC), std::string("7"));
        QCOMPARE(f.cell(2, column::Join), std::string("2"));
        QCOMPARE(f.cell(3, column::Join), std::string("2"));
        QCOMPARE(f.grid()->text(3, 3), QString("30.00"));
        QCOMPARE(f.grid()->state(3, 5), CellState::Locked);
        QCOMPARE(f.grid()->state(3, 3), CellState::Editable);
        QCOMPARE(f.grid()->state(3, 4), CellState::Editable);
        QCOMPARE(f.cell(4, column::SideA), std::string("7"));  // still joined to figure 2's C
        QCOMPARE(f.grid()->text(5, 3), QString("7.00"));
    }

    void dataMenuOffersWhatTheFigureAllows_data() {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("chainHasBase");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("chain ▽") << 0 << "11" << false << QStringList{"21", "0"};
        QTest::newRow("chain ▽, base elsewhere") << 0 << "11" << true << QStringList{"21"};
        QTest::newRow("chain △") << 0 << "10" << false << QStringList{"20", "0"};
        QTest::newRow("chain ▲") << 0 << "20" << false << QStringList{"10", "0"};
        QTest::newRow("chain ▼") << 0 << "21" << false << QStringList{"11", "0"};
        QTest::newRow("chain base") << 0 << "0" << false << QStringList{"10", "20"};
        QTest::newRow("exception ●") << 1 << "23" << false << QStringList{"10", "11", "12", "13", "20", "21", "22"};
        QTest::newRow("exception □") << 1 << "12" << false << QStringList{"10", "11", "13", "20", "21", "22", "23"};
    }
    void dataMenuOffersWhatTheFigureAllows() {
        QFETCH(int, list);
        QFETCH(QString, type);
        QFETCH(bool, chainHasBase);
        QFETCH(QStringList, offered);
        WindowFixture f;
        const ListKind kind = static_cast<ListKind>(list);
        f.window->setExceptionPaneShown(true);
        f.setCount(ListKind::Chain, 3);
        f.setCell(2, column::Type, type.toStdString(), kind);
        f.setCell(3, column::Type, type.toStdString(), kind);
        if (kind == ListKind::Exception) f.setCount(ListKind::Exception, 2);
        if (chainHasBase) {
            f.setCell(4, column::Type, "0");
            f.setCell(5, column::Type, "0");
        }
        f.reload();
        f.select(4, 4, kind);
        f.window->PrepareDataMenu();
        QCOMPARE(enabledTypeItems(*f.window), offered);
        QCOMPARE(f.grid(kind)->currentGridRow(), 4);  // the current cell stays where it is
        QCOMPARE(f.window->menuItem("mnuDataJoin")->isEnabled(), kind == ListKind::Chain);
        QCOMPARE(f.window->menuItem("mnuDataModeAll")->isEnabled(), kind == ListKind::Chain);
    }

    void joinItemsOfTheFirstAndSecondFigure() {
        WindowFixture f;
        MainWindow& w = *f.window;
        f.select(2, 4);
        w.PrepareDataMenu();
        QVERIFY(!w.menuItem("mnuDataJoin")->isEnabled());
        f.select(3, 4);
        w.PrepareDataMenu();
        QVERIFY(w.menuItem("mnuDataJoin")->isEnabled());
        QVERIFY(!w.menuItem("mnuDataJoinChg0")->isEnabled());
        QVERIFY(w.menuItem("mnuDataJoinChg1")->isEnabled());
        QVERIFY(w.menuItem("mnuDataJoinChg2")->isEnabled());
    }

    void rightClickSelectsTheCellAndItsInputSet() {
        WindowFixture f;
        TierGrid* g = f.grid();
        f.select(1, 3);
        const QPoint measuredB = g->visualRect(g->model()->index(3, 4)).center();  // figure 2's 実測値 B
        QTest::mouseClick(g->viewport(), Qt::RightButton, {}, measuredB);
        QMenu* menu = f.window->dataMenu();
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(g->currentGridRow(), 4);
        QCOMPARE(g->currentGridColumn(), 4);
        QCOMPARE(f.data().view.currentInputSet, InputSet::Measured);
        QVERIFY(!f.window->menuItem("mnuDataChangeType1")->isEnabled());
        f.window->menuItem("mnuDataModeDeductType21")->trigger();  // the whole figure
        menu->hide();
        QCOMPARE(f.cell(2, column::Type), std::string("21"));
        QCOMPARE(f.cell(3, column::Type), std::string("21"));
        g->setFocus();
        f.type("7");
        QTest::keyClick(f.editor(), Qt::Key_Return);
        QCOMPARE(f.cell(3, column::SideB), std::string("7.00"));  // typed where the pointer was
        QCOMPARE(f.cell(2, column::SideB), std::string());
    }

    void copyKeepsTheValueAndEnablesPaste() {
        WindowFixture f;
        f.enter(1, 4, "12");
        QVERIFY(!f.window->toolbarControl("mnuEditPaste")->isEnabled());
        f.select(1, 4);
        f.window->toolMain_ButtonClick(Command::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("12.00"));
        QCOMPARE(f.cell(0, column::SideB), std::string("12.00"));
        QVERIFY(f.window->toolbarControl("mnuEditPaste")->isEnabled());
        QVERIFY(f.editor()->isVisible());
        QCOMPARE(f.grid()->currentGridColumn(), 5);
    }

    void cutEmptiesTheCell() {
        WindowFixture f;
        f.enter(1, 4, "12");
        f.select(1, 4);
        f.window->menuItem("mnuEditCut")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("12.00"));
        QCOMPARE(f.cell(0, column::SideB), std::string());
        QCOMPARE(f.grid()->text(1, 4), QString());
        QVERIFY(f.window->toolbarControl("mnuEditPaste")->isEnabled());
    }

    void pasteIsCheckedAndFormatted_data() {
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("clip");
        QTest::addColumn<QString>("stored");
        QTest::newRow("side") << 0 << 4 << "3.14159" << "3.14";
        QTest::newRow("side with a line end") << 0 << 4 << "2.5\n" << "2.50";
        QTest::newRow("position") << 1 << 6 << "1,2" << "1.00,2.00";
        QTest::newRow("nothing") << 0 << 4 << "" << "";
    }
    void pasteIsCheckedAndFormatted() {
        QFETCH(int, list);
        QFETCH(int, col);
        QFETCH(QString, clip);
        QFETCH(QString, stored);
        WindowFixture f;
        const ListKind kind = static_cast<ListKind>(list);
        f.window->setExceptionPaneShown(true);
        f.setCell(0, col - 2, "9", kind);
        f.reload();
        QGuiApplication::clipboard()->setText(clip);
        f.select(1, col, kind);
        f.window->menuItem("mnuEditPaste")->trigger();  // the menu item works before any copy
        QCOMPARE(QString::fromStdString(f.cell(0, col - 2, kind)), stored);
        QCOMPARE(f.grid(kind)->text(1, col), stored);
        QVERIFY(!f.window->toolbarControl("mnuEditPaste")->isEnabled());
    }

    void refusedPasteKeepsTheDocument() {
        WindowFixture f;
        f.enter(1, 4, "12");
        QGuiApplication::clipboard()->setText("abc");
        f.select(1, 4);
        f.view().mnuEditPaste_Click();
        QCOMPARE(f.takeMessages(),
                 (std::vector<Message>{{"数値を入力してください！", "入力形式指定", Message::Icon::Critical}}));
        QCOMPARE(f.grid()->text(1, 4), QString("12.00"));  // what the document holds
        QCOMPARE(f.cell(0, column::SideB), std::string("12.00"));
        QVERIFY(f.editor()->isVisible());
    }

    void clipboardCommandsSkipLockedCells_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("S") << 1 << 6;
        QTest::newRow("area") << 1 << 7;
        QTest::newRow("joined side") << 3 << 3;
        QTest::newRow("other input set") << 2 << 4;
    }
    void clipboardCommandsSkipLockedCells() {
        QFETCH(int, row);
        QFETCH(int, col);
        WindowFixture f;
        f.setCell(row - 1, col - 2, "5");
        f.reload();
        QGuiApplication::clipboard()->setText("8");
        f.select(row, col);
        f.view().mnuEditCut_Click();
        f.view().mnuEditPaste_Click();
        f.view().mnuEditCopy_Click();
        QCOMPARE(f.cell(row - 1, col - 2), std::string("5"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("8"));
        QVERIFY(!f.editor()->isVisible());
    }

    void clipboardActsOnTheGridLastClicked() {
        WindowFixture f;
        f.window->setExceptionPaneShown(true);
        f.window->tierCountCombo()->setCurrentIndex(1);
        f.window->tierTabs()->setCurrentIndex(1);
        f.enter(1, 4, "6", ListKind::Exception);
        f.select(1, 4, ListKind::Exception);
        f.view().mnuEditCopy_Click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("6.00"));
        QCOMPARE(f.editor(ListKind::Exception)->isVisible(), true);
        QVERIFY(!f.editor(ListKind::Chain)->isVisible());
    }

    void pasteCompletingTheSidesCalculates() {
        WindowFixture f;
        f.enter(1, 3, "3");
        f.enter(1, 4, "4");
        QGuiApplication::clipboard()->setText("5");
        f.select(1, 5);
        f.view().mnuEditPaste_Click();
        QCOMPARE(f.grid()->text(1, 7), QString("6.00"));
        QCOMPARE(f.view().pane(ListKind::Chain)->totalBox(0)->text(), QString("6.00"));
    }

    void calculationErrorIsReportedAndTotalsStay() {
        WindowFixture f;
        f.setCount(ListKind::Chain, 3);
        f.enter(1, 3, "3");
        f.enter(1, 4, "4");
        f.enter(1, 5, "5");
        f.takeMessages();
        f.enter(5, 4, "1");
        f.enter(5, 5, "3");
        f.setCell(4, column::SideA, "1");
        f.window->menuItem("mnuToolCalc")->trigger();
        QCOMPARE(f.takeMessages(),
                 (std::vector<Message>{{"数値入力に誤りがあります。（1段目 No.3）\r\n\r\n計算を中止します！", "データ入力エラー",
                                        Message::Icon::Warning}}));
        QCOMPARE(f.view().pane(ListKind::Chain)->totalBox(0)->text(), QString("6.00"));
    }
};

QTEST_MAIN(RowOperationsTest)
#include "RowOperationsTest.moc"
