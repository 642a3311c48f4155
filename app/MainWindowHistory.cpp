// Undo and redo: the commands, their state, and the window brought to the step they took.
#include "app/MainWindow.h"

#include <algorithm>

#include <QAction>
#include <QComboBox>
#include <QTabWidget>

#include "calc/AreaCalculation.h"
#include "edit/StepName.h"
#include "grid/GridCoordinates.h"
#include "ui/QtText.h"

namespace mirota {

namespace {

// Steps of the whole document happen on no cell of their own.
bool happensOnACell(EditKind kind) {
    return kind != EditKind::TierCount && kind != EditKind::Settings && kind != EditKind::TitleBlock;
}

// The grid column that shows the step's cell; a figure's type shows as its symbol.
int shownColumn(const CellAddress& place) {
    if (place.col == column::Type) return grid::kTypeColumn;
    const int col = grid::gridColumn(place.col);
    return grid::showsTableColumn(col) ? col : grid::kFirstValueColumn;
}

void describe(QAction* action, const QString& command, const EditStep* step) {
    action->setEnabled(step != nullptr);
    action->setToolTip(step ? command + QStringLiteral(": ") + qt(stepName(*step)) : command);
}

}  // namespace

void MainWindow::updateHistoryCommands() {
    describe(command(Command::Undo), QStringLiteral("元に戻す"), edits_.history().nextUndo());
    describe(command(Command::Redo), QStringLiteral("やり直し"), edits_.history().nextRedo());
}

void MainWindow::mnuEditUndo_Click() {
    tierView_->HideCellEditors();
    if (const EditStep* step = edits_.undo()) {
        steppedBack_ = true;
        showStep(*step);
        steppedBack_ = false;
    }
}

void MainWindow::mnuEditRedo_Click() {
    tierView_->HideCellEditors();
    if (const EditStep* step = edits_.redo()) showStep(*step);
}

void MainWindow::showStep(const EditStep& step) {
    {
        const QSignalBlocker blocker(cboBlk_);
        cboBlk_->setCurrentIndex(data_.tierCount() - 1);
    }
    syncTabsToTierCount();
    const CellAddress& place = step.place;
    const bool onCell = happensOnACell(step.kind);
    {
        const QSignalBlocker blocker(tabMain_);
        tabMain_->setCurrentIndex(onCell ? place.tier : std::min(data_.view.currentTier, data_.tierCount() - 1));
    }
    // The computed columns follow the sides as they are again; an input error is reported by 面積 and by
    // the next edit, not by a step back.
    calculateAreas(data_, prefs_.stationPrefix);
    tabMain_Click();  // both lists of the tier, the totals and the preview
    tierView_->showCalculatedColumns();
    if (step.kind == EditKind::Settings) Form_Resize();
    if (onCell) {
        if (place.list == ListKind::Exception && !exceptionPaneShown_) setExceptionPaneShown(true);
        TierGrid* grid = tierView_->grid(place.list);
        grid->setCurrentGridCell(std::min(grid::gridRow(place.row), grid->rows() - 1), shownColumn(place));
        grid->setFocus();
        tierView_->setActiveList(place.list);
    }
    UpdateCommandState();
    emit tierView_->documentEdited();
}

}  // namespace mirota
