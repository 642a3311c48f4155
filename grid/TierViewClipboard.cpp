// Cut, copy, paste and Delete: a selected block as tab-separated text, as spreadsheets exchange it, and
// several values pasted as one step; one cell value through its in-cell editor, finished as by Enter.
#include "grid/TierView.h"

#include <algorithm>

#include <QClipboard>
#include <QGuiApplication>

#include "grid/GridCoordinates.h"

namespace mirota {

namespace {

const QString kFieldSeparator = QStringLiteral("\t");
const QString kLineSeparator = QStringLiteral("\r\n");

// The selected block, or the current cell alone.
QRect cellsToEdit(const TierGrid* g) {
    return g->hasBlock() ? g->selectedBlock() : QRect(g->currentGridColumn(), g->currentGridRow(), 1, 1);
}

}  // namespace

std::optional<ListKind> TierView::editableActiveCell() const {
    const ListKind list = view_.activeList;
    const TierGrid* g = grid(list);
    if (g->state(g->currentGridRow(), g->currentGridColumn()) != CellState::Editable) return std::nullopt;
    return list;
}

QString TierView::blockText(ListKind list) const {
    const TierGrid* g = grid(list);
    const QRect block = g->selectedBlock();
    QStringList lines;
    for (int row = block.top(); row <= block.bottom(); ++row) {
        QStringList fields;
        for (int col = block.left(); col <= block.right(); ++col) {
            // A figure's merged cell shows its text once, on its design row; a two-line symbol goes on one line.
            const bool covered = grid::inputSetOf(row) == InputSet::Measured && g->rowSpan(row - 1, col) > 1;
            fields << (covered ? QString() : g->text(row, col).replace(QLatin1Char('\n'), QLatin1Char(' ')));
        }
        lines << fields.join(kFieldSeparator);
    }
    return lines.join(kLineSeparator);
}

std::vector<CellAddress> TierView::editableCells(ListKind list) const {
    const TierGrid* g = grid(list);
    const QRect cells = cellsToEdit(g);
    std::vector<CellAddress> editable;
    for (int row = std::max(1, cells.top()); row <= cells.bottom(); ++row) {
        for (int col = cells.left(); col <= cells.right(); ++col) {
            if (g->state(row, col) != CellState::Editable || !grid::showsTableColumn(col)) continue;
            editable.push_back({list, tier(), grid::tableRow(row), grid::tableColumn(col)});
        }
    }
    return editable;
}

void TierView::showEditedList(ListKind list, int oldFigureCount) {
    if (updateCommandState) updateCommandState();
    if (data_.figureCount(list, tier()) != oldFigureCount) {
        showFigureCount(list);
        return;
    }
    LoadTierIntoGrid(list);
    if (list == ListKind::Chain) showTotals();
    emit documentEdited();
}

void TierView::clearCells(ListKind list, EditKind kind) {
    HideCellEditors();
    if (edits_.clearCells(editableCells(list), kind)) showEditedList(list, data_.figureCount(list, tier()));
}

void TierView::clearSelectedCells() { clearCells(view_.activeList, EditKind::ClearCells); }

void TierView::pasteBlock(ListKind list, TextTable values) {
    HideCellEditors();
    const QRect cells = cellsToEdit(grid(list));
    if (cells.top() < 1 || cells.left() < 0) return;
    // Values that fall on the figure's number, type or input set are passed over, as computed ones are.
    const auto passed = static_cast<std::size_t>(std::max(0, grid::kFirstValueColumn - cells.left()));
    for (std::vector<std::string>& line : values) line.erase(line.begin(), line.begin() + std::min(passed, line.size()));
    const BlockPaste paste{list,
                           tier(),
                           view_.currentInputSet,
                           grid::figureOf(cells.top()),
                           grid::tableColumn(std::max(cells.left(), grid::kFirstValueColumn)),
                           std::move(values),
                           prefs_.sideDigits(),
                           prefs_.stationPrefix};
    const int oldFigureCount = data_.figureCount(list, tier());
    if (const auto refused = edits_.pasteBlock(paste)) {
        showMessageOk(*refused);
        return;
    }
    showEditedList(list, oldFigureCount);
}

void TierView::mnuEditCopy_Click() {
    const ListKind list = view_.activeList;
    if (grid(list)->hasBlock()) {
        HideCellEditors();
        QGuiApplication::clipboard()->setText(blockText(list));
        emit pasteAvailable();
        return;
    }
    if (!editableActiveCell()) return;
    StartCellEdit(list, std::nullopt);
    editor(list)->copy();
    emit pasteAvailable();
    CommitCellEdit(list);
}

void TierView::mnuEditCut_Click() {
    const ListKind list = view_.activeList;
    if (grid(list)->hasBlock()) {
        HideCellEditors();
        QGuiApplication::clipboard()->setText(blockText(list));
        emit pasteAvailable();
        clearCells(list, EditKind::CellCut);
        return;
    }
    if (!editableActiveCell()) return;
    StartCellEdit(list, std::nullopt);
    editor(list)->copy();
    editor(list)->clear();
    emit pasteAvailable();
    commitCellEdit(list, EditKind::CellCut);
}

void TierView::mnuEditPaste_Click() {
    const ListKind list = view_.activeList;
    auto split = splitPastedText(QGuiApplication::clipboard()->text().toStdString(), data_.maxFigures());
    if (const auto* refused = std::get_if<Message>(&split)) {
        HideCellEditors();
        showMessageOk(*refused);
        return;
    }
    TextTable& values = std::get<TextTable>(split);
    if (values.size() > 1 || (values.size() == 1 && values.front().size() > 1)) {
        pasteBlock(list, std::move(values));
        return;
    }
    if (!editableActiveCell()) return;
    StartCellEdit(list, std::nullopt);
    editor(list)->paste();
    commitCellEdit(list, EditKind::CellPaste);
}

}  // namespace mirota
