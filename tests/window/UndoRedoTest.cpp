// Undo and redo in the main window: every operation taken back and taken again leaves the document,
// the totals and the caption exactly as they were.
#include <functional>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "WindowFixture.h"
#include "app/SettingsDialog.h"
#include "calc/ShownValue.h"
#include "calc/Totals.h"
#include "edit/DocumentSettings.h"
#include "grid/GridCoordinates.h"
#include "model/NumberText.h"

namespace mirota::test {

namespace {

// Everything a step may change and the user can see.
struct Snapshot {
    std::vector<std::string> cells;
    std::vector<int> figureCounts;
    int tiers = 0;
    DocumentSettings settings;
    std::vector<ExactDecimal> totals;  // of every tier and input set
    bool modified = false;
    QString caption;

    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(WindowFixture& f) {
    Snapshot s;
    const SurveyData& data = f.data();
    for (ListKind list : {ListKind::Chain, ListKind::Exception}) {
        for (int tier = 0; tier < data.maxTiers(); ++tier) {
            s.figureCounts.push_back(data.figureCount(list, tier));
            for (int row = 0; row < data.rowCapacity(); ++row) {
                for (int col = 0; col < SurveyData::kColumnCount; ++col) s.cells.push_back(data.cell(list, tier, row, col));
            }
        }
    }
    s.tiers = data.tierCount();
    s.settings = DocumentSettings::of(data);
    for (int tier = 0; tier < data.maxTiers(); ++tier) {
        for (InputSet set : {InputSet::Design, InputSet::Measured}) {
            const ListTotals totals = updateTotals(data, tier, set);
            s.totals.insert(s.totals.end(), {totals.sums.calculated, totals.sums.deducted});
        }
    }
    s.modified = f.window->documentModified();
    s.caption = f.window->windowTitle();
    return s;
}

// Where two snapshots first differ, for the failure message.
QByteArray difference(const Snapshot& got, const Snapshot& expected) {
    for (std::size_t i = 0; i < got.cells.size(); ++i) {
        if (got.cells[i] != expected.cells[i]) {
            return QStringLiteral("cell #%1: \"%2\" instead of \"%3\"")
                .arg(i)
                .arg(QString::fromStdString(got.cells[i]), QString::fromStdString(expected.cells[i]))
                .toUtf8();
        }
    }
    if (got.totals != expected.totals) return "totals";
    if (got.caption != expected.caption) return ("caption " + got.caption + " instead of " + expected.caption).toUtf8();
    return "counts, settings or modified state";
}

// The total boxes show the totals of the tier and input set on screen.
void verifyTotalBoxes(WindowFixture& f) {
    const ListTotals totals = updateTotals(f.data(), f.data().view.currentTier, f.data().view.currentInputSet);
    FigurePane* chain = f.view().pane(ListKind::Chain);
    QCOMPARE(chain->totalBox(0)->text(), QString::fromStdString(shownValue(totals.sums.calculated, AreaRules{})));
    QCOMPARE(chain->totalBox(1)->text(), QString::fromStdString(shownValue(totals.sums.deducted, AreaRules{})));
}

void undo(WindowFixture& f) { f.window->command(Command::Undo)->trigger(); }
void redo(WindowFixture& f) { f.window->command(Command::Redo)->trigger(); }

// Save answers the dialog for the untitled document with path.
void saveAs(WindowFixture& f, const QString& path) {
    f.fileNames.push_back(path);
    f.window->mnuSave_Click();
}

// A tier of three calculated chain triangles, saved as it stands.
void startWithThreeFigures(WindowFixture& f, const QString& file) {
    f.setCount(ListKind::Chain, 3);
    for (auto [row, col, text] : {std::tuple{1, 3, "3"}, {1, 4, "4"}, {1, 5, "5"}, {3, 4, "4"}, {3, 5, "3"},
                                  {5, 4, "4"}, {5, 5, "5"}}) {
        f.enter(row, col, text);
    }
    f.view().HideCellEditors();
    f.window->mnuToolCalc_Click();
    saveAs(f, file);
    QVERIFY(!f.window->documentModified());
}

using Operation = std::function<void(WindowFixture&)>;

// A command of the grid on the cell at (row, col) of the chain.
Operation atCell(int row, int col, void (TierView::*command)()) {
    return [=](WindowFixture& f) {
        f.select(row, col);
        (f.view().*command)();
    };
}

}  // namespace

}  // namespace mirota::test

Q_DECLARE_METATYPE(mirota::test::Operation)

namespace mirota::test {

class UndoRedoTest : public QObject {
    Q_OBJECT

private slots:
    void everyOperationIsTakenBackAndAgain_data() {
        QTest::addColumn<Operation>("prepare");
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<int>("tier");
        QTest::addColumn<QString>("name");
        const auto row = [](const char* name, int tier, const char* step, Operation operation, Operation prepare = {}) {
            QTest::newRow(name) << prepare << operation << tier << QString::fromUtf8(step);
        };
        row("typing", 0, "No.1 の B辺 入力", [](WindowFixture& f) { f.enter(1, 4, "6"); });
        row("cut", 0, "No.2 の C辺 切り取り", atCell(3, 5, &TierView::mnuEditCut_Click));
        row("paste of a cell", 0, "No.3 の B辺 貼り付け", [](WindowFixture& f) {
            f.select(1, 5);
            f.view().mnuEditCopy_Click();
            f.select(5, 4);
            f.view().mnuEditPaste_Click();
        });
        row("insert", 0, "No.2 の 挿入", atCell(3, 4, &TierView::mnuDataAddData_Click));
        row("delete", 0, "No.2 の 削除", atCell(3, 4, &TierView::mnuDataDeleteData_Click));
        row("type change", 0, "No.1 の タイプ変更", [](WindowFixture& f) {
            f.select(1, 3);
            f.view().ChangeFigureType(static_cast<int>(FigureType::Base));
        });
        row("bulk change", 0, "タイプの一括変更", [](WindowFixture& f) { f.view().mnuDataModeAllChg_Click(1); });
        row("join change", 0, "No.3 の 接合辺変更", [](WindowFixture& f) {
            f.select(5, 4);
            f.view().ChangeJoinSide(static_cast<int>(JoinSide::JoinBB));
        });
        row("figure count", 0, "個数変更", [](WindowFixture& f) { f.setCount(ListKind::Chain, 5); });
        row("tier count", 0, "段数変更", [](WindowFixture& f) { f.window->tierCountCombo()->setCurrentIndex(2); });
        row("settings dialog", 0, "設定変更", [](WindowFixture& f) {
            f.window->mnuToolSetUp_Click();
            auto* dialog = f.window->findChild<SettingsDialog*>();
            dialog->txtDrawIni(10)->setText("250");
            dialog->cmdSetUp(0)->click();
        });
        row(
            "typing on tier 2", 1, "No.1 の A辺 入力",
            [](WindowFixture& f) {
                f.window->tierTabs()->setCurrentIndex(1);
                f.enter(1, 3, "7");
                f.window->tierTabs()->setCurrentIndex(0);
            },
            [](WindowFixture& f) { f.window->tierCountCombo()->setCurrentIndex(1); });
    }
    void everyOperationIsTakenBackAndAgain() {
        QFETCH(Operation, prepare);
        QFETCH(Operation, operation);
        QFETCH(int, tier);
        QFETCH(QString, name);
        QTemporaryDir folder;
        WindowFixture f;
        startWithThreeFigures(f, folder.filePath("survey.txt"));
        if (prepare) prepare(f);
        const Snapshot before = snapshot(f);
        operation(f);
        f.view().HideCellEditors();
        // The areas as the calculation leaves them after the change.
        f.window->mnuToolCalc_Click();
        const Snapshot after = snapshot(f);
        QVERIFY(after != before);
        QCOMPARE(f.window->command(Command::Undo)->toolTip(), "元に戻す: " + name);
        QVERIFY(!f.window->command(Command::Redo)->isEnabled());

        undo(f);
        const Snapshot undone = snapshot(f);
        QVERIFY2(undone == before, difference(undone, before).constData());
        QCOMPARE(f.data().view.currentTier, tier);
        verifyTotalBoxes(f);
        QCOMPARE(f.window->command(Command::Redo)->toolTip(), "やり直し: " + name);

        redo(f);
        const Snapshot redone = snapshot(f);
        QVERIFY2(redone == after, difference(redone, after).constData());
        QCOMPARE(f.data().view.currentTier, tier);
        verifyTotalBoxes(f);
    }

    void theCommandsFollowTheHistory() {
        WindowFixture f;
        QAction* undoCommand = f.window->command(Command::Undo);
        QAction* redoCommand = f.window->command(Command::Redo);
        QVERIFY(!undoCommand->isEnabled());
        QVERIFY(!redoCommand->isEnabled());
        QCOMPARE(undoCommand->toolTip(), QString("元に戻す"));
        f.enter(3, 5, "2");
        QVERIFY(undoCommand->isEnabled());
        QVERIFY(f.window->toolbarControl("mnuEditUndo")->isEnabled());
        undo(f);
        QVERIFY(!undoCommand->isEnabled());
        QVERIFY(redoCommand->isEnabled());
        QVERIFY(f.window->toolbarControl("mnuEditRedo")->isEnabled());
        QCOMPARE(f.grid()->currentGridRow(), 3);
        QCOMPARE(f.grid()->currentGridColumn(), 5);
        f.answer = QMessageBox::Yes;
        f.window->mnuNewFile_Click();  // a fresh history
        QVERIFY(!undoCommand->isEnabled());
        QVERIFY(!redoCommand->isEnabled());
    }

    // An open editor is closed without storing its text, and the step before it is taken back.
    void undoKeyClosesTheEditorFirst() {
        WindowFixture f;
        f.enter(1, 3, "3");
        f.view().HideCellEditors();
        f.select(1, 4);
        WindowFixture::type("9");
        QVERIFY(f.editor()->isVisible());
        QTest::keyClick(f.editor(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!f.editor()->isVisible());
        QCOMPARE(f.cell(0, column::SideA), std::string());
        QCOMPARE(f.cell(0, column::SideB), std::string());
        QTest::keyClick(WindowFixture::focused(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(f.cell(0, column::SideA), std::string("3.00"));
        QCOMPARE(f.grid()->text(1, 3), QString("3.00"));
    }

    // The asterisk goes with the saved state: undone back to it, it goes; redone past it, it comes back.
    void theAsteriskFollowsTheSavedState() {
        QTemporaryDir folder;
        WindowFixture f;
        f.enter(1, 3, "3");
        saveAs(f, folder.filePath("saved.txt"));
        f.enter(1, 4, "4");
        QVERIFY(f.window->windowTitle().endsWith('*'));
        undo(f);
        QVERIFY(!f.window->windowTitle().endsWith('*'));
        undo(f);
        QVERIFY(f.window->windowTitle().endsWith('*'));
        redo(f);
        QVERIFY(!f.window->windowTitle().endsWith('*'));
    }

    void aFailedSaveKeepsTheHistory() {
        QTemporaryDir folder;
        WindowFixture f;
        f.enter(1, 3, "3");
        saveAs(f, folder.filePath("no such folder/saved.txt"));
        QCOMPARE(f.takeMessages().size(), std::size_t{1});
        QVERIFY(f.window->documentModified());
        QCOMPARE(f.window->command(Command::Undo)->toolTip(), QString("元に戻す: No.1 の A辺 入力"));
        undo(f);
        QVERIFY(!f.window->documentModified());
    }
};

}  // namespace mirota::test

QTEST_MAIN(mirota::test::UndoRedoTest)
#include "UndoRedoTest.moc"
