// Cut, copy and paste of one cell value through its in-cell editor, finished as by Enter.
#include "grid/TierView.h"

namespace mirota {

std::optional<ListKind> TierView::editableActiveCell() const {
    const ListKind list = view_.activeList;
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
    StartCellEdit(*list, std::nullopt);
    editor(*list)->copy();
    editor(*list)->clear();
    emit pasteAvailable();
    commitCellEdit(*list, EditKind::CellCut);
}

void TierView::mnuEditPaste_Click() {
    const auto list = editableActiveCell();
    if (!list) return;
    StartCellEdit(*list, std::nullopt);
    editor(*list)->paste();
    commitCellEdit(*list, EditKind::CellPaste);
}

}  // namespace mirota
