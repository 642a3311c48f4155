// Cut, copy and paste of one cell value through its in-cell editor, finished as by Enter.
#include "grid/TierView.h"

namespace mirota {

std::optional<ListKind> TierView::editableActiveCell() const {
    const ListKind list = data_.view.activeList;
    const TierGrid* g = grid(list);
    if (g->state(g->currentGridRow(), g->currentGridColumn()) != CellState::Editable) return std::nullopt;
    return list;
}

void TierView::mnuEditCopy_Click() {
    const auto list = editableActiveCell();
    if (!list) return;
    StartCellEdit(*list, std::nullopt);
    editor(*list)->copy();
    emit pasteAvailable();
    CommitCellEdit(*list);
}

void TierView::mnuEditCut_Click() {
    const auto list = editableActiveCell();
    if (!list) return;
    TierGrid* g = grid(*list);
    const int row = g->currentGridRow();
    const int col = g->currentGridColumn();
    StartCellEdit(*list, std::nullopt);
    editor(*list)->copy();
    const bool hadText = !data_.cell(*list, tier(), row - 1, col - 2).empty();
    data_.setCell(*list, tier(), row - 1, col - 2, {});
    g->setText(row, col, QString());
    editor(*list)->cut();
    emit pasteAvailable();
    CommitCellEdit(*list);
    if (hadText) emit documentEdited();  // the commit itself sees the cell already empty
}

void TierView::mnuEditPaste_Click() {
    const auto list = editableActiveCell();
    if (!list) return;
    TierGrid* g = grid(*list);
    StartCellEdit(*list, std::nullopt);
    editor(*list)->paste();
    // The document takes the pasted text only once the commit has checked it.
    g->setText(g->currentGridRow(), g->currentGridColumn(), editor(*list)->text());
    CommitCellEdit(*list);
}

}  // namespace mirota
