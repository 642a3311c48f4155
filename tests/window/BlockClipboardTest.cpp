// Blocks of cells and the clipboard: selecting with Shift+arrows and the mouse, copying as
// tab-separated text, pasting several values as one step or refusing them all, and Delete.
// (Which values a paste accepts is tested in the core, BlockPasteTest.)
#include <QClipboard>
#include <QComboBox>

#include "WindowFixture.h"

using namespace mirota;
using test::WindowFixture;

namespace {

// Every cell of both lists of the tier on screen, and the figure counts.
std::vector<std::string> documentCells(WindowFixture& f) {
    std::vector<std::string> cells;
    for (ListKind list : {ListKind::Chain, ListKind::Exception}) {
        cells.push_back(std::to_string(f.data().figureCount(list, 0)));
        for (int row = 0; row < f.data().rowCapacity(); ++row) {
            // S and area are the calculation's, not the user's; the undo test of every operation checks them.
            for (int col = 0; col < SurveyData::kColumnCount; ++col) {
                const bool computed = col == column::Area || (list == ListKind::Chain && col == column::HalfPerimeter);
                if (!computed) cells.push_back(f.cell(row, col, list));
            }
        }
    }
    return cells;
}

void pressOnGrid(WindowFixture& f, QKeySequence::StandardKey key) {
    const QKeySequence sequence(key);
    QTest::keySequence(f.grid(), sequence);
}

}  // namespace

class BlockClipboardTest : public QObject {
    Q_OBJECT

    test::SettingsFolder folder_;

private slots:
    void shiftArrowsSelectABlockThatCopiesAsShown() {
        WindowFixture f;
        f.enter(1, 3, "3");
        f.enter(1, 4, "4");
        f.enter(1, 5, "5");  // completes the row: S and area are calculated
        f.setCell(1, column::SideA, "3.1");
        f.reload();
        f.select(1, 4);
        QTest::keyClick(f.grid(), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(f.grid(), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(f.grid(), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(f.grid(), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(f.grid()->selectedBlock(), QRect(QPoint(4, 1), QPoint(7, 2)));
        pressOnGrid(f, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("4.00\t5.00\t6.00\t6.00\r\n\t\t\t"));
        QVERIFY(f.window->toolbarControl("mnuEditPaste")->isEnabled());
        QVERIFY(!f.editor()->isVisible());
    }

    void draggedBlockCopiesMergedCellsOnce() {
        WindowFixture f;
        f.enter(1, 3, "3");
        TierGrid* g = f.grid();
        f.select(1, 1);
        const auto centre = [g](int row, int col) { return g->visualRect(g->model()->index(row - 1, col)).center(); };
        QTest::mousePress(g->viewport(), Qt::LeftButton, {}, centre(1, 1));
        QMouseEvent move(QEvent::MouseMove, centre(2, 3), g->viewport()->mapToGlobal(centre(2, 3)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(g->viewport(), &move);
        QTest::mouseRelease(g->viewport(), Qt::LeftButton, {}, centre(2, 3));
        QCOMPARE(g->selectedBlock(), QRect(QPoint(1, 1), QPoint(3, 2)));
        f.window->menuItem("mnuEditCopy")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("△\t設計値\t3.00\r\n\t実測値\t"));
    }

    void pasteFillsFiguresAsOneStep() {
        WindowFixture f;
        f.window->mnuDataChangeType_Click(static_cast<int>(InputSet::Measured));
        const std::size_t steps = f.window->editHistory().size();
        const std::vector<std::string> before = documentCells(f);
        // Three figures that can be laid out, so that the calculation after the paste has nothing to report.
        QGuiApplication::clipboard()->setText("3\t4\t5\r\n\t4.5\t6\r\n\t5\t3\r\n");
        f.select(2, 3);
        pressOnGrid(f, QKeySequence::Paste);
        QVERIFY(f.messages.empty());
        QCOMPARE(f.data().figureCount(ListKind::Chain, 0), 3);
        QCOMPARE(f.view().pane(ListKind::Chain)->countCombo()->currentText(), QString("3"));
        QCOMPARE(f.grid()->rows(), 7);
        QCOMPARE(f.cell(1, column::SideC), std::string("5.00"));
        QCOMPARE(f.cell(3, column::SideA), std::string("5.00"));  // carried into the joined side
        QCOMPARE(f.cell(5, column::SideC), std::string("3.00"));
        QCOMPARE(f.cell(4, column::SideB), std::string());  // the design rows stay as they were
        QCOMPARE(f.grid()->text(6, 4), QString("5.00"));
        QVERIFY(f.window->documentModified());

        QCOMPARE(f.window->editHistory().size(), steps + 1);
        const EditStep* step = f.window->editHistory().nextUndo();
        QCOMPARE(step->kind, EditKind::BlockPaste);
        f.window->mnuEditUndo_Click();
        QCOMPARE(documentCells(f), before);
    }

    void refusedPasteChangesNothing() {
        WindowFixture f;
        f.enter(1, 3, "3");
        const std::size_t steps = f.window->editHistory().size();
        const std::vector<std::string> before = documentCells(f);
        QGuiApplication::clipboard()->setText("7\t8\n\t9\tabc");
        f.select(1, 3);
        f.window->menuItem("mnuEditPaste")->trigger();
        QCOMPARE(f.takeMessages(),
                 (std::vector<Message>{{"貼り付けできません。\r\n\r\nNo.2 の Ｃ辺：数値を入力してください！", "LTミロタ展開図",
                                        Message::Icon::Warning}}));
        QCOMPARE(documentCells(f), before);
        QCOMPARE(f.grid()->text(1, 3), QString("3.00"));
        QCOMPARE(f.grid()->text(1, 4), QString());
        QCOMPARE(f.window->editHistory().size(), steps);
        QVERIFY(!f.editor()->isVisible());
    }

    void pasteNoListCanTakeIsRefusedAtOnce_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("more lines than figures") << QString("1\r\n").repeated(101);
        QTest::newRow("one value of two megabytes") << QString(2 * 1024 * 1024, '7');
    }
    void pasteNoListCanTakeIsRefusedAtOnce() {
        QFETCH(QString, text);
        WindowFixture f;
        f.enter(1, 3, "3");
        const std::size_t steps = f.window->editHistory().size();
        const std::vector<std::string> before = documentCells(f);
        QGuiApplication::clipboard()->setText(text);
        f.select(1, 4);
        f.window->menuItem("mnuEditPaste")->trigger();
        const auto shown = f.takeMessages();
        QCOMPARE(shown.size(), std::size_t{1});
        QVERIFY2(shown[0].text.rfind("貼り付けできません。", 0) == 0, shown[0].text.c_str());
        QCOMPARE(documentCells(f), before);
        QCOMPARE(f.window->editHistory().size(), steps);
        QVERIFY(!f.editor()->isVisible());
    }

    void deleteClearsTheEditableCellsOfTheBlock() {
        WindowFixture f;
        for (int col = 3; col <= 5; ++col) f.enter(1, col, "5");
        f.enter(3, 4, "4");
        f.setCell(1, column::SideB, "9");  // the measured row is not being edited
        f.reload();
        const std::size_t steps = f.window->editHistory().size();
        f.select(1, 4);
        QTest::keyClick(f.grid(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(f.grid(), Qt::Key_Down, Qt::ShiftModifier);
        QTest::keyClick(f.grid(), Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(f.grid(), Qt::Key_Delete);
        QCOMPARE(f.window->editHistory().size(), steps + 1);
        QCOMPARE(f.window->editHistory().nextUndo()->kind, EditKind::ClearCells);
        QCOMPARE(f.cell(0, column::SideB), std::string());
        QCOMPARE(f.cell(0, column::SideC), std::string());
        QCOMPARE(f.cell(2, column::SideA), std::string());  // carried from the cleared side
        QCOMPARE(f.cell(2, column::SideB), std::string());
        QCOMPARE(f.cell(0, column::SideA), std::string("5.00"));
        QCOMPARE(f.cell(1, column::SideB), std::string("9"));
        QCOMPARE(f.grid()->text(3, 4), QString());
    }
};

QTEST_MAIN(BlockClipboardTest)
#include "BlockClipboardTest.moc"
