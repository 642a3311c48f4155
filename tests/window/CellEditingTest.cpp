// Typing into the grids: the keys that open and commit an editor, how a refused entry shows, the carry
// into the next figure, the automatic calculation and the cursor's path. (The entry rules themselves
// are tested in the core, CellEntryTest.)
#include "WindowFixture.h"

using namespace mirota;
using test::WindowFixture;

namespace {

const Message kNotNumeric{"数値を入力してください！", "入力形式指定", Message::Icon::Critical};
const Message kNotPositive{"辺長・要素には0より大きい数値を入力してください！", "入力形式指定", Message::Icon::Critical};
const Message kNotPosition{"位置入力はＸＹ値を入力して下さい！\r\n\r\n例：123.45,67.89", "LTミロタ展開図",
                           Message::Icon::Warning};

}  // namespace

Q_DECLARE_METATYPE(mirota::Message)

class CellEditingTest : public QObject {
    Q_OBJECT

    test::SettingsFolder folder_;

private slots:
    void typedCharacterReplacesTheValue() {
        WindowFixture f;
        f.enter(1, 4, "12");
        f.select(1, 4);
        WindowFixture::type("5");
        QVERIFY(f.editor()->isVisible());
        QCOMPARE(f.editor()->text(), QString("5"));
        QCOMPARE(f.editor()->selectedText(), QString());
        QCOMPARE(WindowFixture::focused(), f.editor());
    }

    void enterAndF2OpenWithTheValueSelected_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("F2") << int(Qt::Key_F2);
    }
    void enterAndF2OpenWithTheValueSelected() {
        QFETCH(int, key);
        WindowFixture f;
        f.enter(1, 4, "12");
        f.select(1, 4);
        WindowFixture::press(static_cast<Qt::Key>(key));
        QVERIFY(f.editor()->isVisible());
        QCOMPARE(f.editor()->text(), QString("12.00"));
        QCOMPARE(f.editor()->selectedText(), QString("12.00"));
        QCOMPARE(f.editor()->geometry(), f.grid()->currentCellRect());
    }

    void keysThatOpenNothing() {
        WindowFixture f;
        f.select(1, 4);
        QKeyEvent wide(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("５"));
        QApplication::sendEvent(f.grid(), &wide);
        QVERIFY(!f.editor()->isVisible());
        f.select(1, 6);  // S is computed
        WindowFixture::type("5");
        QVERIFY(!f.editor()->isVisible());
        f.select(2, 4);  // the measured row while design values are edited
        WindowFixture::press(Qt::Key_F2);
        QVERIFY(!f.editor()->isVisible());
    }

    void escapeDropsTheEdit() {
        WindowFixture f;
        f.enter(1, 4, "12");
        f.select(1, 4);
        WindowFixture::type("7");
        WindowFixture::press(Qt::Key_Escape);
        QVERIFY(!f.editor()->isVisible());
        QCOMPARE(f.cell(0, column::SideB), std::string("12.00"));
        QCOMPARE(f.grid()->text(1, 4), QString("12.00"));
    }

    void committedValuesAreFormatted_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("rounded") << "1.239" << "1.24";
    }
    void committedValuesAreFormatted() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        WindowFixture f;
        f.enter(1, 4, typed);
        QCOMPARE(QString::fromStdString(f.cell(0, column::SideB)), stored);
        QCOMPARE(f.grid()->text(1, 4), stored);
        QVERIFY(f.messages.empty());
    }

    void clearedValueIsStoredEmpty() {
        WindowFixture f;
        f.enter(1, 4, "12");
        f.enter(1, 4, "");
        QCOMPARE(f.cell(0, column::SideB), std::string());
        QCOMPARE(f.grid()->text(1, 4), QString());
    }

    void nonNumericEntryIsRefused_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Message>("refusal");
        QTest::newRow("word") << "abc" << kNotNumeric;
        QTest::newRow("zero") << "0" << kNotPositive;
        QTest::newRow("negative") << "-3" << kNotPositive;
    }
    void nonNumericEntryIsRefused() {
        QFETCH(QString, typed);
        QFETCH(Message, refusal);
        WindowFixture f;
        f.enter(1, 4, "12");
        f.enter(1, 4, typed);
        QCOMPARE(f.takeMessages(), std::vector<Message>{refusal});
        QCOMPARE(f.grid()->text(1, 4), QString("12.00"));  // what the document holds
        QCOMPARE(f.cell(0, column::SideB), std::string("12.00"));
        QVERIFY(f.editor()->isVisible());
        QCOMPARE(f.editor()->text(), QString());
        QCOMPARE(f.grid()->currentGridColumn(), 4);
        WindowFixture::type("4");
        WindowFixture::press(Qt::Key_Return);
        QCOMPARE(f.cell(0, column::SideB), std::string("4.00"));
    }

    void doubleQuoteIsRefused() {
        WindowFixture f;
        f.window->setExceptionPaneShown(true);
        f.enter(1, 3, "A\"B", ListKind::Exception);
        QCOMPARE(f.messages.size(), std::size_t{1});
        QCOMPARE(f.messages[0].title, std::string("入力形式指定"));
        QVERIFY(f.messages[0].text.find("データファイル") != std::string::npos);
        QCOMPARE(f.cell(0, column::SideA, ListKind::Exception), std::string("名称1"));
        QVERIFY(f.editor(ListKind::Exception)->isVisible());
    }

    void positionEntry_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("X and Y") << "1.5,2" << "1.50,2.00";
    }
    void positionEntry() {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        WindowFixture f;
        f.window->setExceptionPaneShown(true);
        f.enter(1, 6, typed, ListKind::Exception);
        QVERIFY(f.messages.empty());
        QCOMPARE(QString::fromStdString(f.cell(0, column::HalfPerimeter, ListKind::Exception)), stored);
        QCOMPARE(f.grid(ListKind::Exception)->text(1, 6), stored);
    }

    void positionOtherThanXAndYIsRefused_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("three values") << "1,2,3";
        QTest::newRow("one number") << "13";
        QTest::newRow("no Y") << "13,";
    }
    void positionOtherThanXAndYIsRefused() {
        QFETCH(QString, typed);
        WindowFixture f;
        f.window->setExceptionPaneShown(true);
        f.enter(1, 6, "1,2", ListKind::Exception);
        f.enter(1, 6, typed, ListKind::Exception);
        QCOMPARE(f.takeMessages(), std::vector<Message>{kNotPosition});
        QCOMPARE(f.grid(ListKind::Exception)->text(1, 6), QString("1.00,2.00"));
        QCOMPARE(f.cell(0, column::HalfPerimeter, ListKind::Exception), std::string("1.00,2.00"));
        QVERIFY(f.editor(ListKind::Exception)->isVisible());
    }

    void sideIsCarriedIntoTheNextFigureByItsJoin_data() {
        QTest::addColumn<QString>("join");
        QTest::addColumn<int>("edited");  // grid column of figure 1
        QTest::addColumn<int>("carried"); // grid column of figure 2
        QTest::newRow("C-A") << "0" << 5 << 3;
        QTest::newRow("B-B") << "1" << 4 << 4;
        QTest::newRow("A-C") << "2" << 3 << 5;
    }
    void sideIsCarriedIntoTheNextFigureByItsJoin() {
        QFETCH(QString, join);
        QFETCH(int, edited);
        QFETCH(int, carried);
        WindowFixture f;
        f.setCell(2, column::Join, join.toStdString());
        f.setCell(3, column::Join, join.toStdString());
        f.reload();
        for (int col = 3; col <= 5; ++col) {
            if (col != edited) f.enter(1, col, "9");
        }
        QCOMPARE(f.grid()->text(3, carried), QString());
        f.enter(1, edited, "7");
        QCOMPARE(f.grid()->text(3, carried), QString("7.00"));
        QCOMPARE(f.cell(2, carried - 2), std::string("7.00"));
        QCOMPARE(f.cell(3, carried - 2), std::string());  // the other input set is not touched
        for (int col = 3; col <= 5; ++col) {
            if (col != carried) QCOMPARE(f.cell(2, col - 2), std::string());
        }
    }

    void calculationFollowsEveryEntry() {
        WindowFixture f;
        f.select(1, 3);
        WindowFixture::type("3");
        WindowFixture::press(Qt::Key_Return);
        WindowFixture::type("4");
        WindowFixture::press(Qt::Key_Tab);
        QCOMPARE(f.grid()->text(1, 7), QString());  // two sides: no area yet
        WindowFixture::type("5");
        WindowFixture::press(Qt::Key_Return);
        QCOMPARE(f.grid()->text(1, 6), QString("6.00"));
        QCOMPARE(f.grid()->text(1, 7), QString("6.00"));
        QCOMPARE(f.cell(0, column::Area), std::string("6"));
        QCOMPARE(f.view().pane(ListKind::Chain)->totalBox(0)->text(), QString("6.00"));
        QCOMPARE(f.view().pane(ListKind::Chain)->totalBox(1)->text(), QString("0.00"));
        QVERIFY(f.data().view.calculationDone);
        // The cursor skipped S and the area and the joined A of figure 2.
        QCOMPARE(f.grid()->currentGridRow(), 3);
        QCOMPARE(f.grid()->currentGridColumn(), 4);
        QVERIFY(f.editor()->isVisible());
        // The exception list too: a deducted circle of diameter 2, in its own totals and the net areas.
        f.window->setExceptionPaneShown(true);
        f.enter(1, 4, "2", ListKind::Exception);
        FigurePane* exception = f.view().pane(ListKind::Exception);
        QCOMPARE(f.grid(ListKind::Exception)->text(1, 7), QString("3.14"));
        QCOMPARE(exception->totalBox(FigurePane::CalculatedTotal)->text(), QString("0.00"));
        QCOMPARE(exception->totalBox(FigurePane::DeductedTotal)->text(), QString("3.14"));
        QCOMPARE(exception->totalBox(FigurePane::NetArea)->text(), QString("-3.14"));
        QCOMPARE(f.view().pane(ListKind::Chain)->totalBox(FigurePane::NetArea)->text(), QString("6.00"));
        QVERIFY(f.messages.empty());
    }

    void chainOfTrianglesTypedWithTheKeyboard() {
        WindowFixture f;
        f.select(1, 3);
        for (const char* value : {"3", "4", "5", "4", "5"}) {
            WindowFixture::type(value);
            WindowFixture::press(Qt::Key_Tab);
        }
        // figure 2 took figure 1's C into its A; its own B and C were typed
        QCOMPARE(f.cell(2, column::SideA), std::string("5.00"));
        QCOMPARE(f.cell(2, column::SideB), std::string("4.00"));
        QCOMPARE(f.cell(2, column::SideC), std::string("5.00"));
        QCOMPARE(f.grid()->text(3, 7), QString("9.17"));  // sides 5, 4, 5
        QCOMPARE(f.view().pane(ListKind::Chain)->totalBox(0)->text(), QString("15.17"));
        // after the last figure the cursor is back on figure 1, no editor open, the grid ready for keys
        QVERIFY(!f.editor()->isVisible());
        QCOMPARE(f.grid()->currentGridRow(), 1);
        QCOMPARE(f.grid()->currentGridColumn(), 3);
        QCOMPARE(WindowFixture::focused(), f.grid());
    }

    void cursorWrapsAfterTheLastFigure_data() {
        QTest::addColumn<int>("set");
        QTest::newRow("design") << 0;
        QTest::newRow("measured") << 1;
    }
    void cursorWrapsAfterTheLastFigure() {
        QFETCH(int, set);
        WindowFixture f;
        f.window->mnuDataChangeType_Click(set);
        const int first = set == 0 ? 1 : 2;
        f.select(first, 4);
        QList<int> visited;
        for (int step = 0; step < 4 && f.grid()->currentGridRow() > 0; ++step) {
            WindowFixture::press(Qt::Key_F2);
            if (!f.editor()->isVisible()) break;
            visited << f.grid()->currentGridRow() * 10 + f.grid()->currentGridColumn();
            QTest::keyClick(f.editor(), Qt::Key_Return);
            while (f.editor()->isVisible()) {
                visited << f.grid()->currentGridRow() * 10 + f.grid()->currentGridColumn();
                QTest::keyClick(f.editor(), Qt::Key_Return);
            }
            break;
        }
        const int second = first + 2;
        QCOMPARE(visited, (QList<int>{first * 10 + 4, first * 10 + 5, second * 10 + 4, second * 10 + 5}));
        QVERIFY(!f.editor()->isVisible());
        QCOMPARE(f.grid()->currentGridRow(), first);
        QCOMPARE(f.grid()->currentGridColumn(), 3);
    }

    void exceptionCursorVisitsNameElementsAndPosition() {
        WindowFixture f;
        f.window->setExceptionPaneShown(true);
        f.select(1, 3, ListKind::Exception);
        WindowFixture::press(Qt::Key_Return);
        QList<int> visited;
        while (f.editor(ListKind::Exception)->isVisible()) {
            visited << f.grid(ListKind::Exception)->currentGridColumn();
            QTest::keyClick(f.editor(ListKind::Exception), Qt::Key_Return);
        }
        QCOMPARE(visited, (QList<int>{3, 4, 5, 6}));
    }

    void nameOnTheSecondRowEditsTheFigure() {
        WindowFixture f;
        f.window->setExceptionPaneShown(true);
        TierGrid* g = f.grid(ListKind::Exception);
        f.select(2, 3, ListKind::Exception);
        QTest::mouseDClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(1, 3)).center());
        QVERIFY(f.editor(ListKind::Exception)->isVisible());
        QCOMPARE(g->currentGridRow(), 1);
        f.editor(ListKind::Exception)->setText("杭A");
        QTest::keyClick(f.editor(ListKind::Exception), Qt::Key_Return);
        QCOMPARE(f.cell(0, column::SideA, ListKind::Exception), std::string("杭A"));
        QCOMPARE(f.cell(1, column::SideA, ListKind::Exception), std::string("杭A"));
        QCOMPARE(g->text(2, 3), QString("杭A"));
    }

    void measuredNameEditStaysInItsFigure() {
        WindowFixture f;
        f.window->setExceptionPaneShown(true);
        f.setCount(ListKind::Exception, 2);
        f.window->mnuDataChangeType_Click(1);
        f.enter(2, 3, "杭B", ListKind::Exception);
        QCOMPARE(f.cell(0, column::SideA, ListKind::Exception), std::string("杭B"));
        QCOMPARE(f.cell(1, column::SideA, ListKind::Exception), std::string("杭B"));
        QCOMPARE(f.cell(2, column::SideA, ListKind::Exception), std::string("名称2"));
    }

    void mouseReleaseDropsTheEditAndSetsTheActiveList() {
        WindowFixture f;
        f.window->setExceptionPaneShown(true);
        f.select(1, 4);
        WindowFixture::type("8");
        TierGrid* g = f.grid(ListKind::Exception);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(0, 4)).center());
        QVERIFY(!f.editor()->isVisible());
        QCOMPARE(f.cell(0, column::SideB), std::string());
        QCOMPARE(f.data().view.activeList, ListKind::Exception);
    }
};

QTEST_MAIN(CellEditingTest)
#include "CellEditingTest.moc"
