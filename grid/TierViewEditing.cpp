// Cell editing: opening the in-cell editor, checking and storing its text, moving on.
#include "grid/TierView.h"

#include "grid/GridCoordinates.h"
#include "ui/QtText.h"

namespace mirota {

namespace {

constexpr int kNameColumn = grid::gridColumn(column::SideA);  // exception list

}  // namespace

void TierView::HideCellEditors() {
    for (FigurePane* pane : panes_) {
        CellEditor* editor = pane->editor();
        if (!editor->isVisible()) continue;
        const bool hadFocus = editor->hasFocus();
        editor->hide();
        if (hadFocus) pane->grid()->setFocus();
    }
}

void TierView::startEditOnEditable(ListKind list, std::optional<char> character) {
    const TierGrid* g = grid(list);
    if (g->state(g->currentGridRow(), g->currentGridColumn()) == CellState::Editable) StartCellEdit(list, character);
}

void TierView::StartCellEdit(ListKind list, std::optional<char> character) {
    HideCellEditors();
    TierGrid* g = grid(list);
    const int row = g->currentGridRow();
    const int col = g->currentGridColumn();
    if (row < 1 || col < 0 || g->state(row, col) == CellState::Locked) return;
    CellEditor* e = editor(list);
    const QString text = g->text(row, col);
    if (character) {
        e->setText(QString(QChar(*character)));  // the typed character replaces the old value
        e->end(false);
    } else {
        e->setText(text);
        if (text.isEmpty()) e->end(false);
        else e->selectAll();
    }
    g->scrollTo(g->currentIndex());
    e->setGeometry(g->currentCellRect());
    e->show();
    e->raise();
    e->setFocus();
}

void TierView::CommitCellEdit(ListKind list) { commitCellEdit(list, EditKind::CellEntry); }

void TierView::commitCellEdit(ListKind list, EditKind kind) {
    TierGrid* g = grid(list);
    CellEditor* e = editor(list);
    const int row = g->currentGridRow();
    const int col = g->currentGridColumn();
    if (row < 1 || !grid::showsTableColumn(col)) {
        HideCellEditors();
        return;
    }
    const CellAddress cell{list, tier(), grid::tableRow(row), grid::tableColumn(col)};
    const auto entry = enterCellText(e->text().toStdString(), list, cell.col, prefs_.sideDigits());
    if (const auto* refused = std::get_if<RefusedEntry>(&entry)) {
        refuseEntry(list, *refused);
        return;
    }
    const std::string& stored = std::get<std::string>(entry);
    const bool edited = edits_.enterCell(cell, stored, kind);
    if (list == ListKind::Exception && cell.col == column::SideA) {
        // The name belongs to the figure: both of its rows, whichever row the editor was opened on.
        for (InputSet set : {InputSet::Design, InputSet::Measured}) {
            g->setText(grid::gridRow(grid::figureOf(row), set), col, qt(stored));
        }
    } else {
        g->setText(row, col, qt(stored));
        if (list == ListKind::Chain) {
            // A side carried into the next figure, and on from there, shows there.
            for (int later = row + 2; later < g->rows(); later += 2) {
                for (int side = column::SideA; side <= column::SideC; ++side) {
                    g->setText(later, grid::gridColumn(side), formatted(data_.cell(list, tier(), grid::tableRow(later), side)));
                }
            }
            if (updateCommandState) updateCommandState();
        }
    }
    e->hide();
    if (edited) emit documentEdited();
    MoveToNextCell(list);
}

void TierView::refuseEntry(ListKind list, const RefusedEntry& refused) {
    TierGrid* g = grid(list);
    CellEditor* e = editor(list);
    showMessageOk(refused.message);
    // The cell goes on showing what the document holds.
    g->setText(g->currentGridRow(), g->currentGridColumn(), shownText(list, g->currentGridRow(), g->currentGridColumn()));
    if (refused.reason == EntryRefusal::NotNumeric || refused.reason == EntryRefusal::NotPositive) e->clear();
    e->setFocus();
}

void TierView::MoveToNextCell(ListKind list) {
    TierGrid* g = grid(list);
    int row = g->currentGridRow();
    int col = g->currentGridColumn();
    if (row < 1) return;
    while (true) {
        if (col < grid::kLastValueColumn) {
            ++col;
        } else if (grid::figureOf(row) == grid::figureOf(g->rows() - 1)) {
            // After the last figure the cursor goes back to the first one and the editing chain stops.
            g->setCurrentGridCell(grid::gridRow(0, view_.currentInputSet), grid::kFirstValueColumn);
            g->setFocus();
            return;
        } else {
            row = grid::gridRow(grid::figureOf(row) + 1, grid::inputSetOf(row));
            col = grid::kFirstValueColumn;
        }
        if (g->state(row, col) == CellState::Editable) {
            g->setCurrentGridCell(row, col);
            StartCellEdit(list, std::nullopt);
            return;
        }
    }
}

void TierView::msgMain_DblClick(ListKind list) {
    TierGrid* g = grid(list);
    const int row = g->currentGridRow();
    const int col = g->currentGridColumn();
    if (g->state(row, col) != CellState::Editable) return;
    if (list == ListKind::Exception && col == kNameColumn && grid::inputSetOf(row) == InputSet::Measured) {
        g->setCurrentGridCell(grid::gridRow(grid::figureOf(row), InputSet::Design), col);
    }
    StartCellEdit(list, std::nullopt);
}

void TierView::msgMain_MouseUp(ListKind list, Qt::MouseButton button, QPoint globalPos) {
    HideCellEditors();
    setActiveList(list);
    TierGrid* g = grid(list);
    const int row = g->currentGridRow();
    const int col = g->currentGridColumn();
    if (list == ListKind::Exception && col == kNameColumn && row >= 1 &&
        grid::inputSetOf(row) == InputSet::Measured && !g->hasBlock()) {
        g->setCurrentGridCell(grid::gridRow(grid::figureOf(row), InputSet::Design), kNameColumn);
    }
    if (button != Qt::RightButton) return;
    // A value cell of one row belongs to one input set: the menu and typing act on it there.
    const bool oneRow = row >= 1 && col >= 0 && g->rowSpan(row - 1, col) == 1;
    if (oneRow && grid::showsTableColumn(col) && grid::inputSetOf(row) != view_.currentInputSet) {
        emit inputSetChosen(grid::inputSetOf(row));
    }
    emit dataMenuRequested(globalPos);
}

void TierView::msgMain_Scroll(ListKind list) {
    if (editor(list)->isVisible()) editor(list)->hide();
}

}  // namespace mirota
