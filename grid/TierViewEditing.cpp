// Cell editing: opening the in-cell editor, checking and storing its text, moving on.
#include "grid/TierView.h"

#include "model/NumberText.h"
#include "ui/QtText.h"
#include "model/ProgramTitle.h"

namespace mirota {

namespace {

constexpr int kNameColumn = 3;      // exception list
constexpr int kPositionColumn = 6;  // exception list


bool isBlankText(const std::string& text) { return text.find_first_not_of(" \t\r\n") == std::string::npos; }

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

void TierView::commitName(int row, const std::string& text) {
    // The name belongs to the figure: both of its rows, whichever row the editor was opened on.
    const int first = row % 2 == 1 ? row : row - 1;
    TierGrid* g = grid(ListKind::Exception);
    for (int r = first; r <= first + 1; ++r) {
        g->setText(r, kNameColumn, qt(text));
        data_.setCell(ListKind::Exception, tier(), r - 1, column::SideA, text);
    }
}

// The text to store for a value cell, or nothing when the entry was refused (the message is shown).
std::optional<std::string> TierView::checkedValue(ListKind list, int row, int col, const std::string& text) {
    TierGrid* g = grid(list);
    CellEditor* e = editor(list);
    if (isBlankText(text)) return std::string();
    const bool position = list == ListKind::Exception && col == kPositionColumn;
    const bool numeric = position ? number::isNumericEntry(text) : number::strictNumber(text).has_value();
    if (!numeric) {
        message("数値を入力してください！", "入力形式指定", Message::Icon::Critical);
        g->setText(row, col, QString());
        e->clear();
        e->setFocus();
        return std::nullopt;
    }
    g->setText(row, col, qt(text));
    if (!position) return number::formatDigits(text, prefs_.digitsFormat);
    const std::size_t comma = text.find(',');
    const std::string x = comma == std::string::npos ? std::string() : text.substr(0, comma);
    const std::string y = comma == std::string::npos ? text : text.substr(comma + 1);
    if (y.find(',') != std::string::npos) {
        message("位置入力はＸＹ値を入力して下さい！\r\n\r\n例：123.45,67.89", kProgramTitle, Message::Icon::Warning);
        g->setText(row, col, QString());
        e->setFocus();
        return std::nullopt;
    }
    return number::formatDigits(x, prefs_.digitsFormat) + "," + number::formatDigits(y, prefs_.digitsFormat);
}

void TierView::carryIntoNextFigure(int row, int col, const std::string& text) {
    TierGrid* g = grid(ListKind::Chain);
    if (row >= g->rows() - 2) return;  // the last figure has no next one
    const auto side = joinSideFromCode(data_.cell(ListKind::Chain, tier(), row + 1, column::Join));
    if (!side || col != previousJoinedColumn(*side) + 2) return;
    g->setText(row + 2, joinedColumn(*side) + 2, qt(text));
    data_.setCell(ListKind::Chain, tier(), row + 1, joinedColumn(*side), text);
}

void TierView::CommitCellEdit(ListKind list) {
    TierGrid* g = grid(list);
    CellEditor* e = editor(list);
    const int row = g->currentGridRow();
    const int col = g->currentGridColumn();
    if (row < 1 || col < 3) {
        HideCellEditors();
        return;
    }
    std::string text = e->text().toStdString();
    if (text.find('"') != std::string::npos) {
        // The data file keeps texts between double quotes and cannot hold one inside.
        message("「\"」（ダブルクォーテーション）はデータファイルに保存できないため入力できません。", "入力形式指定",
                Message::Icon::Warning);
        e->setFocus();
        return;
    }
    bool edited = false;
    if (list == ListKind::Exception && col == kNameColumn) {
        std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });  // one value per line in the file
        edited = data_.cell(list, tier(), row - 1, column::SideA) != text;
        commitName(row, text);
    } else {
        const auto value = checkedValue(list, row, col, text);
        if (!value) return;
        edited = data_.cell(list, tier(), row - 1, col - 2) != *value;
        g->setText(row, col, qt(*value));
        data_.setCell(list, tier(), row - 1, col - 2, *value);
        if (list == ListKind::Chain) {
            carryIntoNextFigure(row, col, *value);
            if (!g->text(row, 3).isEmpty() && !g->text(row, 4).isEmpty() && !g->text(row, 5).isEmpty() && calculate) {
                calculate();
                g->setCurrentGridCell(row, col);
            }
            if (updateCommandState) updateCommandState();
        }
    }
    e->hide();
    if (edited) emit documentEdited();
    MoveToNextCell(list);
}

void TierView::MoveToNextCell(ListKind list) {
    TierGrid* g = grid(list);
    int row = g->currentGridRow();
    int col = g->currentGridColumn();
    if (row < 1) return;
    while (true) {
        if (col < TierGrid::kColumns - 1) {
            ++col;
        } else if (row >= g->rows() - 2) {
            // After the last figure the cursor goes back to the first one and the editing chain stops.
            g->setCurrentGridCell(data_.view.currentInputSet == InputSet::Design ? 1 : 2, 3);
            g->setFocus();
            return;
        } else {
            row += 2;
            col = 3;
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
    if (list == ListKind::Exception && col == kNameColumn && row % 2 == 0) g->setCurrentGridCell(row - 1, col);
    StartCellEdit(list, std::nullopt);
}

void TierView::msgMain_MouseUp(ListKind list, Qt::MouseButton button, QPoint globalPos) {
    HideCellEditors();
    data_.view.activeList = list;
    TierGrid* g = grid(list);
    const int row = g->currentGridRow();
    if (list == ListKind::Exception && g->currentGridColumn() == kNameColumn && row >= 1 && row % 2 == 0) {
        g->setCurrentGridCell(row - 1, kNameColumn);
    }
    if (button == Qt::RightButton) emit dataMenuRequested(globalPos);
}

void TierView::msgMain_Scroll(ListKind list) {
    if (editor(list)->isVisible()) editor(list)->hide();
}

}  // namespace mirota
