// Row operations: input-set switch, type and join changes, insert and delete of a figure.
#include "grid/TierView.h"

#include "model/NumberText.h"
#include "model/ProgramTitle.h"

namespace mirota {

namespace {

int firstTableRow(int figure) { return 2 * (figure - 1); }

}  // namespace

int TierView::moveToFigureFirstRow(ListKind list) {
    TierGrid* g = grid(list);
    int row = g->currentGridRow();
    if (row < 1) row = 1;
    const int first = row % 2 == 0 ? row - 1 : row;
    if (first != g->currentGridRow()) g->setCurrentGridCell(first, g->currentGridColumn() < 0 ? 3 : g->currentGridColumn());
    return first;
}

void TierView::setFigureType(ListKind list, int firstRow, FigureType type) {
    for (int row = firstRow; row <= firstRow + 1; ++row) {
        data_.setCell(list, tier(), row - 1, column::Type, std::string(typeCode(type)));
        grid(list)->showTypeSymbol(row, type);
    }
}

void TierView::switchInputSet(InputSet set) {
    SetGridRedraw(false, "mnuDataChangeType");
    data_.view.currentInputSet = set;
    PaintCellStates();
    showTotals();
    SetGridRedraw(true, "mnuDataChangeType");
}

void TierView::mnuDataModeAllChg_Click(int item) {
    SetGridRedraw(false, "cboMain");
    const int figures = data_.figureCount(ListKind::Chain, tier());
    for (int figure = 1; figure <= figures; ++figure) {
        const bool up = (figure % 2 == 1) == (item == 0);
        setFigureType(ListKind::Chain, 2 * figure - 1, up ? FigureType::TriangleUp : FigureType::TriangleDown);
    }
    SetGridRedraw(true, "cboMain");
    showTotals();
    emit documentEdited();
}

void TierView::ChangeFigureType(int code) {
    const auto type = figureTypeFromCode(std::to_string(code));
    if (!type) return;
    const ListKind list = data_.view.activeList;
    setFigureType(list, moveToFigureFirstRow(list), *type);
    if (list == ListKind::Chain) showTotals();
    emit documentEdited();
}

void TierView::ChangeJoinSide(int code) {
    const auto side = joinSideFromCode(std::to_string(code));
    if (!side || data_.view.activeList != ListKind::Chain) return;
    const int first = moveToFigureFirstRow(ListKind::Chain);
    if (first < 3) return;  // the first figure is joined to nothing
    const int figureRow = first - 1;
    const auto old = joinSideFromCode(data_.cell(ListKind::Chain, tier(), figureRow, column::Join));
    const int oldColumn = joinedColumn(old.value_or(JoinSide::JoinCA));
    const int newColumn = joinedColumn(*side);
    for (int tableRow = figureRow; tableRow <= figureRow + 1; ++tableRow) {
        // The value entered in the side that becomes joined moves into the side that is no longer joined;
        // the new joined side takes the previous figure's paired side.
        const std::string released = data_.cell(ListKind::Chain, tier(), tableRow, newColumn);
        const std::string paired = data_.cell(ListKind::Chain, tier(), tableRow - 2, previousJoinedColumn(*side));
        data_.setCell(ListKind::Chain, tier(), tableRow, oldColumn, released);
        data_.setCell(ListKind::Chain, tier(), tableRow, newColumn, paired);
        data_.setCell(ListKind::Chain, tier(), tableRow, column::Join, std::string(joinSideCode(*side)));
    }
    showFigureValues(ListKind::Chain, first);
    PaintCellStates();
    emit documentEdited();
}

void TierView::copyFigureValues(ListKind list, int from, int to) {
    for (int offset = 0; offset < 2; ++offset) {
        for (int col = column::SideA; col <= column::Area; ++col) {
            data_.setCell(list, tier(), firstTableRow(to) + offset, col,
                          data_.cell(list, tier(), firstTableRow(from) + offset, col));
        }
    }
}

void TierView::clearFigureColumns(ListKind list, int figure, int firstColumn, int lastColumn) {
    for (int offset = 0; offset < 2; ++offset) {
        for (int col = firstColumn; col <= lastColumn; ++col) data_.setCell(list, tier(), firstTableRow(figure) + offset, col, {});
    }
}

// The chain figure takes the previous figure's paired side into its joined side, by its own join code.
void TierView::joinToPrevious(int figure) {
    const int row = firstTableRow(figure);
    const JoinSide side = joinSideFromCode(data_.cell(ListKind::Chain, tier(), row, column::Join)).value_or(JoinSide::JoinCA);
    for (int offset = 0; offset < 2; ++offset) {
        data_.setCell(ListKind::Chain, tier(), row + offset, joinedColumn(side),
                      data_.cell(ListKind::Chain, tier(), row - 2 + offset, previousJoinedColumn(side)));
    }
}

void TierView::mnuDataAddData_Click() {
    const ListKind list = data_.view.activeList;
    const int count = data_.figureCount(list, tier());
    if (count >= data_.maxFigures()) {
        message("最高個数は\"100\"です。", kProgramTitle, Message::Icon::Warning);
        return;
    }
    const int figure = (moveToFigureFirstRow(list) + 1) / 2;
    for (int i = count + 1; i > figure; --i) copyFigureValues(list, i - 1, i);
    clearFigureColumns(list, figure, column::SideA, column::Area);
    if (list == ListKind::Chain) {
        // The figure that moved down is now joined to the new, empty one.
        const JoinSide side =
            joinSideFromCode(data_.cell(list, tier(), firstTableRow(figure + 1), column::Join)).value_or(JoinSide::JoinCA);
        clearFigureColumns(list, figure + 1, joinedColumn(side), joinedColumn(side));
        if (figure >= 2) joinToPrevious(figure);
    } else {
        clearFigureColumns(list, figure + 1, column::SideA, column::SideA);  // shown with its new default name
    }
    pane(list)->countCombo()->setCurrentIndex(count);
}

void TierView::mnuDataDeleteData_Click() {
    const ListKind list = data_.view.activeList;
    const int count = data_.figureCount(list, tier());
    if (count <= 1) {
        message("最低個数は\"1\"です。", kProgramTitle, Message::Icon::Warning);
        return;
    }
    const int figure = (moveToFigureFirstRow(list) + 1) / 2;
    for (int i = figure; i < count; ++i) copyFigureValues(list, i + 1, i);
    if (list == ListKind::Chain && figure >= 2 && figure < count) joinToPrevious(figure);
    pane(list)->countCombo()->setCurrentIndex(count - 2);
}

}  // namespace mirota
