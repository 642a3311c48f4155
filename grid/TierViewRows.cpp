// Row operations: input-set switch, type and join changes, insert and delete of a figure.
#include "grid/TierView.h"

#include "grid/GridCoordinates.h"

namespace mirota {

int TierView::figureFirstRow(ListKind list) const {
    return grid::gridRow(grid::figureOf(std::max(1, grid(list)->currentGridRow())), InputSet::Design);
}

void TierView::switchInputSet(InputSet set) {
    SetGridRedraw(false, "mnuDataChangeType");
    view_.currentInputSet = set;
    PaintCellStates();
    showTotals();
    SetGridRedraw(true, "mnuDataChangeType");
}

void TierView::mnuDataModeAllChg_Click(int item) {
    SetGridRedraw(false, "cboMain");
    const bool edited = edits_.setChainOrientation(tier(), item == 0);
    for (int figure = 0; figure < data_.figureCount(ListKind::Chain, tier()); ++figure) {
        showFigureType(ListKind::Chain, grid::gridRow(figure, InputSet::Design));
    }
    SetGridRedraw(true, "cboMain");
    showTotals();
    if (edited) emit documentEdited();
}

void TierView::ChangeFigureType(int code) {
    const auto type = figureTypeFromCode(std::to_string(code));
    if (!type) return;
    const ListKind list = view_.activeList;
    const int first = figureFirstRow(list);
    const bool edited = edits_.setFigureType(list, tier(), grid::figureOf(first), *type);
    showFigureType(list, first);
    showTotals();
    if (edited) emit documentEdited();
}

void TierView::ChangeJoinSide(int code) {
    const auto side = joinSideFromCode(std::to_string(code));
    if (!side || view_.activeList != ListKind::Chain) return;
    const int first = figureFirstRow(ListKind::Chain);
    if (!edits_.setJoinSide(tier(), grid::figureOf(first), *side)) return;
    // The figures after it stay joined to the sides they were joined to.
    for (int row = first; row < grid(ListKind::Chain)->rows(); row += 2) showFigureValues(ListKind::Chain, row);
    PaintCellStates();
    emit documentEdited();
}

void TierView::showFigureCount(ListKind list) {
    QComboBox* combo = pane(list)->countCombo();
    const int index = data_.figureCount(list, tier()) - 1;
    if (combo->currentIndex() == index) {
        cboMain_Click(list);
    } else {
        combo->setCurrentIndex(index);  // rebuilds the grid
    }
    emit documentEdited();
}

// After an insert or a delete the current cell stays at the figure's place, on the row being edited.
void TierView::stayAtFigure(ListKind list, int figure, int col) {
    const int last = data_.figureCount(list, tier()) - 1;
    grid(list)->setCurrentGridCell(grid::gridRow(std::min(figure, last), view_.currentInputSet),
                                   col < 0 ? grid::kFirstValueColumn : col);
}

void TierView::mnuDataAddData_Click() {
    const ListKind list = view_.activeList;
    const int figure = grid::figureOf(std::max(1, grid(list)->currentGridRow()));
    const int col = grid(list)->currentGridColumn();
    if (const auto refused = edits_.insertFigure(list, tier(), figure)) {
        showMessageOk(*refused);
        return;
    }
    showFigureCount(list);
    stayAtFigure(list, figure, col);
}

void TierView::mnuDataDeleteData_Click() {
    const ListKind list = view_.activeList;
    const int figure = grid::figureOf(std::max(1, grid(list)->currentGridRow()));
    const int col = grid(list)->currentGridColumn();
    if (const auto refused = edits_.deleteFigure(list, tier(), figure)) {
        showMessageOk(*refused);
        return;
    }
    showFigureCount(list);
    stayAtFigure(list, figure, col);
}

}  // namespace mirota
