// A tier in the grids: default types and names, counts, tiers, cell states and the digits format.
#include <QComboBox>
#include <QMenu>
#include <QTabWidget>

#include "ui/Twips.h"
#include "WindowFixture.h"

using namespace mirota;
using test::WindowFixture;

namespace {

QColor background(TierGrid* grid, int row, int col) {
    return grid->item(row - 1, col)->background().color();
}

}  // namespace

class GridViewTest : public QObject {
    Q_OBJECT

    test::SettingsFolder folder_;

private slots:
    void newDocumentShowsDefaultFigures() {
        WindowFixture f;
        TierGrid* chain = f.grid();
        QCOMPARE(chain->rows(), 5);
        QCOMPARE(chain->text(1, 1), QString("△"));
        QCOMPARE(chain->text(3, 1), QString("▽"));
        QCOMPARE(chain->text(3, 0), QString("No.2"));
        QCOMPARE(chain->text(4, 0), QString("No.2"));
        QCOMPARE(chain->text(1, 2), QString("設計値"));
        QCOMPARE(chain->text(2, 2), QString("実測値"));
        QCOMPARE(chain->rowSpan(0, 1), 2);
        QCOMPARE(chain->rowSpan(2, 0), 2);
        QCOMPARE(chain->item(0, 1)->font().pointSize(), 15);
        QCOMPARE(chain->item(0, 1)->foreground().color(), QColor(Qt::black));
        const std::string chainCodes[] = {"10", "10", "11", "11"};
        for (int row = 0; row < 4; ++row) {
            QCOMPARE(f.cell(row, column::Type), chainCodes[row]);
            QCOMPARE(f.cell(row, column::Join), std::string("0"));
        }
        TierGrid* exception = f.grid(ListKind::Exception);
        QCOMPARE(exception->rows(), 3);
        QCOMPARE(exception->text(1, 1), QString("●"));
        QCOMPARE(exception->item(0, 1)->foreground().color(), QColor(Qt::red));
        QCOMPARE(exception->text(1, 3), QString("名称1"));
        QCOMPARE(exception->rowSpan(0, 3), 2);
        for (int row = 0; row < 2; ++row) {
            QCOMPARE(f.cell(row, column::Type, ListKind::Exception), std::string("23"));
            QCOMPARE(f.cell(row, column::SideA, ListKind::Exception), std::string("名称1"));
        }
    }

    void typeCodesThatAreNoCodeGetTheDefault_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("leading zero") << "010";
        QTest::newRow("word") << "up";
        QTest::newRow("empty") << "";
    }
    void typeCodesThatAreNoCodeGetTheDefault() {
        QFETCH(QString, stored);
        WindowFixture f;
        f.setCell(2, column::Type, stored.toStdString());
        f.setCell(3, column::Type, stored.toStdString());
        f.setCell(0, column::Type, "0");
        f.setCell(1, column::Type, "0");
        f.reload();
        QCOMPARE(f.cell(2, column::Type), std::string("11"));
        QCOMPARE(f.grid()->text(3, 1), QString("▽"));
        QCOMPARE(f.grid()->text(1, 1), QString("基準\n△"));
        QCOMPARE(f.grid()->item(0, 1)->foreground().color(), QColor(Qt::blue));
    }

    void loweredCountKeepsTheRowsBeyond() {
        WindowFixture f;
        f.setCount(ListKind::Chain, 5);
        f.setCell(8, column::SideB, "9.00");
        f.setCount(ListKind::Chain, 2);
        QCOMPARE(f.data().figureCount(ListKind::Chain, 0), 2);
        QCOMPARE(f.grid()->rows(), 5);
        f.setCount(ListKind::Chain, 5);
        QCOMPARE(f.grid()->rows(), 11);
        QCOMPARE(f.grid()->text(9, 4), QString("9.00"));
        QCOMPARE(f.grid()->text(9, 1), QString("△"));  // figure 5 defaults to up
        QCOMPARE(f.grid()->text(7, 1), QString("▽"));
    }

    void raisedCountJoinsTheNewFigure() {
        WindowFixture f;
        for (const auto& [row, col, side] : {std::tuple{1, 3, "3"}, {1, 4, "4"}, {1, 5, "5"}, {3, 4, "5"}, {3, 5, "6"}}) {
            f.enter(row, col, side);
        }
        f.setCount(ListKind::Chain, 3);
        QCOMPARE(f.grid()->text(5, 3), QString("6.00"));  // No.3's A joined to No.2's C
        QCOMPARE(f.cell(4, column::SideA), std::string("6.00"));
        QCOMPARE(f.grid()->state(5, 3), CellState::Locked);
        f.enter(3, 5, "7");
        QCOMPARE(f.grid()->text(5, 3), QString("7.00"));
    }

    // Typing and the Data menu act on the one cell the marker shows, in whichever list it is.
    void oneCurrentCell() {
        WindowFixture f;
        f.window->setExceptionPaneShown(true);
        TierGrid* chain = f.grid();
        TierGrid* exception = f.grid(ListKind::Exception);
        const auto click = [](TierGrid* g, int row, int col) {
            QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(row - 1, col)).center());
        };
        click(exception, 1, 4);
        QCOMPARE(f.data().view.activeList, ListKind::Exception);
        QVERIFY(chain->selectedItems().isEmpty());
        QCOMPARE(exception->selectedItems().size(), 1);
        f.window->menuItem("mnuNewFile")->trigger();  // a new document starts at the chain's No.1
        QVERIFY(exception->selectedItems().isEmpty());
        QCOMPARE(f.data().view.activeList, ListKind::Chain);
        QVERIFY(chain->hasFocus());
        QCOMPARE(chain->currentGridRow(), 1);
        QCOMPARE(chain->currentGridColumn(), 3);
        f.type("9");
        QTest::keyClick(f.editor(), Qt::Key_Return);
        QCOMPARE(f.cell(0, column::SideA), std::string("9.00"));
        QCOMPARE(f.cell(0, column::SideA, ListKind::Exception), std::string("名称1"));

        click(chain, 3, 4);  // the marker moves with the click
        QCOMPARE(f.data().view.activeList, ListKind::Chain);
        QVERIFY(exception->selectedItems().isEmpty());
        exception->setFocus();  // and with the keyboard focus
        QCOMPARE(f.data().view.activeList, ListKind::Exception);
        QVERIFY(chain->selectedItems().isEmpty());
    }

    void currentCellIsFramedWhileTheGridHasTheFocus() {
        WindowFixture f;
        f.window->setExceptionPaneShown(true);
        f.select(3, 4);
        TierGrid* g = f.grid();
        const QRect cell = g->currentCellRect();
        const auto edge = [&] { return g->viewport()->grab().toImage().pixelColor(cell.left() + 1, cell.center().y()); };
        QCOMPARE(edge(), g->palette().color(QPalette::Text));
        f.grid(ListKind::Exception)->setFocus();
        QVERIFY(edge() != g->palette().color(QPalette::Text));
    }

    void menuKeyOpensTheDataMenuAtTheCurrentCell_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Menu") << int(Qt::Key_Menu) << int(Qt::NoModifier);
        QTest::newRow("Shift+F10") << int(Qt::Key_F10) << int(Qt::ShiftModifier);
    }
    void menuKeyOpensTheDataMenuAtTheCurrentCell() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        WindowFixture f;
        f.select(3, 4);
        QTest::keyClick(f.grid(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QMenu* menu = f.window->dataMenu();
        QTRY_VERIFY(menu->isVisible());
        const QRect cell = f.grid()->currentCellRect();
        QCOMPARE(menu->pos(), f.grid()->viewport()->mapToGlobal(cell.bottomLeft()));
        QCOMPARE(f.grid()->currentGridRow(), 3);
        menu->hide();
    }

    void tierCountUpDownUp() {
        WindowFixture f;
        QComboBox* tiers = f.window->tierCountCombo();
        QTabWidget* tabs = f.window->tierTabs();
        tiers->setCurrentIndex(2);
        QCOMPARE(tabs->count(), 3);
        QCOMPARE(tabs->tabText(1), QString("2段目"));
        QCOMPARE(tabs->tabText(2), QString("3段目"));
        QCOMPARE(tabs->currentIndex(), 0);
        for (int tier = 1; tier < 3; ++tier) {
            QCOMPARE(f.data().figureCount(ListKind::Chain, tier), 2);
            QCOMPARE(f.data().figureCount(ListKind::Exception, tier), 1);
        }
        tabs->setCurrentIndex(2);
        QCOMPARE(f.data().view.currentTier, 2);
        QCOMPARE(f.grid()->rows(), 5);
        QCOMPARE(f.grid(ListKind::Exception)->text(1, 3), QString("名称1"));
        f.setCount(ListKind::Chain, 3);
        f.data().setCell(ListKind::Chain, 2, 5, column::SideB, "8.00");  // the measured row of the last figure

        tiers->setCurrentIndex(0);
        QCOMPARE(tabs->count(), 1);
        QCOMPARE(f.data().view.currentTier, 0);
        QCOMPARE(f.data().cell(ListKind::Chain, 2, 5, column::SideB), std::string());
        QCOMPARE(f.data().cell(ListKind::Chain, 2, 0, column::Type), std::string());

        tiers->setCurrentIndex(2);
        QCOMPARE(f.data().figureCount(ListKind::Chain, 2), 2);
        tabs->setCurrentIndex(2);
        QCOMPARE(f.grid()->rows(), 5);
        for (int row = 1; row < 5; ++row) {
            for (int col = 3; col <= 7; ++col) QCOMPARE(f.grid()->text(row, col), QString());
        }
    }

    void cellStatesOfBothInputSets_data() {
        QTest::addColumn<int>("set");
        QTest::newRow("design") << 0;
        QTest::newRow("measured") << 1;
    }
    void cellStatesOfBothInputSets() {
        QFETCH(int, set);
        WindowFixture f;
        f.window->mnuDataChangeType_Click(set);
        for (ListKind list : {ListKind::Chain, ListKind::Exception}) {
            TierGrid* g = f.grid(list);
            const int firstValue = list == ListKind::Chain ? 3 : 4;
            for (int row = 1; row < g->rows(); ++row) {
                const bool active = (row % 2 == 1) == (set == 0);
                for (int col = firstValue; col < firstValue + 3; ++col) {
                    if (list == ListKind::Chain && row >= 3 && col == 3 && active) continue;  // joined side
                    QCOMPARE(g->state(row, col), active ? CellState::Editable : CellState::OtherSet);
                    QCOMPARE(background(g, row, col),
                             active ? g->palette().color(QPalette::Base) : QColor(192, 255, 255));
                }
                for (int col = 0; col <= 2; ++col) QCOMPARE(background(g, row, col), QColor(224, 224, 224));
                QCOMPARE(g->state(row, 7), CellState::Locked);
            }
        }
        QCOMPARE(f.grid()->state(1, 6), CellState::Locked);
        QCOMPARE(f.grid(ListKind::Exception)->state(set == 0 ? 2 : 1, 3), CellState::Editable);  // the name
    }

    void joinedSideIsGreyOnTheActiveRow_data() {
        QTest::addColumn<QString>("join");
        QTest::addColumn<int>("column");
        QTest::newRow("C-A") << "0" << 3;
        QTest::newRow("B-B") << "1" << 4;
        QTest::newRow("A-C") << "2" << 5;
    }
    void joinedSideIsGreyOnTheActiveRow() {
        QFETCH(QString, join);
        QFETCH(int, column);
        WindowFixture f;
        for (int row = 0; row < 4; ++row) f.setCell(row, column::Join, join.toStdString());
        f.reload();
        for (int col = 3; col <= 5; ++col) {
            QCOMPARE(f.grid()->state(3, col), col == column ? CellState::Locked : CellState::Editable);
            QCOMPARE(f.grid()->state(1, col), CellState::Editable);  // the first figure is joined to nothing
            QCOMPARE(f.grid()->state(4, col), CellState::OtherSet);
        }
        QCOMPARE(background(f.grid(), 3, column), QColor(224, 224, 224));
    }

    void digitsFormatShowsStoredText_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("none") << 0 << "12.345" << "12.";
        QTest::newRow("three, empty") << 3 << "" << "";
        QTest::newRow("three, word") << 3 << "abc" << "abc";
        QTest::newRow("two, half") << 2 << "0.5" << "0.50";
        QTest::newRow("five") << 5 << "1.23" << "1.23000";
    }
    void digitsFormatShowsStoredText() {
        QFETCH(int, item);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        WindowFixture f;
        f.setCell(0, column::SideB, stored.toStdString());
        f.window->digitsCombo()->setCurrentIndex(item);
        f.reload();
        QCOMPARE(f.grid()->text(1, 4), shown);
        QCOMPARE(f.cell(0, column::SideB), stored.toStdString());  // a format change rewrites nothing
    }

    void fullListNarrowsTheValueColumnsForTheScrollBar() {
        WindowFixture f;
        const int fitting = f.grid()->columnWidth(3);
        f.setCount(ListKind::Chain, 100);
        QCOMPARE(f.grid()->rows(), 201);
        // 180 twips less in all for the scroll bar: 36 twips per column.
        QVERIFY(qAbs(pixelsToTwips(fitting - f.grid()->columnWidth(3)) - 36) <= 15);
        QCOMPARE(f.grid()->text(200, 0), QString("No.100"));
    }

    void tabSwitchRebuildsWithTheSameCount() {
        WindowFixture f;
        f.window->tierCountCombo()->setCurrentIndex(1);
        f.data().setCell(ListKind::Chain, 1, 0, column::SideA, "4");
        f.window->tierTabs()->setCurrentIndex(1);
        QCOMPARE(f.grid()->text(1, 3), QString("4.00"));
    }

    void totalsFollowTierAndInputSet() {
        WindowFixture f;
        for (int row = 0; row < 4; ++row) {
            for (int side = column::SideA; side <= column::SideC; ++side) f.setCell(row, side, "1.00");
        }
        f.setCell(0, column::Area, "6");
        f.setCell(1, column::Area, "5");
        f.setCell(2, column::Type, "21");
        f.setCell(3, column::Type, "21");
        f.setCell(2, column::Area, "1.5");
        f.setCell(3, column::Area, "2");
        f.reload();
        FigurePane* pane = f.view().pane(ListKind::Chain);
        QCOMPARE(pane->totalBox(0)->text(), QString("6.00"));
        QCOMPARE(pane->totalBox(1)->text(), QString("1.50"));
        f.window->toolMain_ButtonClick(Command::EditMeasured);
        QCOMPARE(pane->totalBox(0)->text(), QString("5.00"));
        QCOMPARE(pane->totalBox(1)->text(), QString("2.00"));
    }
};

QTEST_MAIN(GridViewTest)
#include "GridViewTest.moc"
