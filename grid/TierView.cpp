#include "grid/TierView.h"

#include <QEvent>

#include "calc/Totals.h"
#include "ui/Twips.h"
#include "model/NumberText.h"
#include "ui/QtText.h"

namespace mirota {

namespace {


// Default type of a chain figure by its position: up for figures 1, 3, 5 ..., down for 2, 4, 6 ...
FigureType defaultType(ListKind list, int row) {
    if (list == ListKind::Exception) return FigureType::DeductCircle;
    return (row - 1) % 4 < 2 ? FigureType::TriangleUp : FigureType::TriangleDown;
}

}  // namespace

TierView::TierView(SurveyData& data, Preferences& prefs, const std::string& phase, QWidget* paneParent)
    : QObject(paneParent), data_(data), prefs_(prefs), phase_(phase) {
    for (ListKind list : {ListKind::Chain, ListKind::Exception}) {
        auto* pane = new FigurePane(list, paneParent);
        panes_[index(list)] = pane;
        TierGrid* grid = pane->grid();
        connect(grid, &TierGrid::characterTyped, this, [this, list](char ch) { startEditOnEditable(list, ch); });
        connect(grid, &TierGrid::enterPressed, this, [this, list] { startEditOnEditable(list, std::nullopt); });
        connect(grid, &TierGrid::f2Released, this, [this, list] { startEditOnEditable(list, std::nullopt); });
        connect(grid, &TierGrid::cellDoubleClicked, this, [this, list] { msgMain_DblClick(list); });
        connect(grid, &TierGrid::mouseReleased, this,
                [this, list](Qt::MouseButton button, QPoint pos) { msgMain_MouseUp(list, button, pos); });
        connect(grid, &TierGrid::scrolled, this, [this, list] { msgMain_Scroll(list); });
        connect(pane->editor(), &CellEditor::commitRequested, this, [this, list] { CommitCellEdit(list); });
        connect(pane->editor(), &CellEditor::cancelRequested, this, &TierView::HideCellEditors);
        QComboBox* combo = pane->countCombo();
        for (int count = 1; count <= SurveyData::kFigureCapacity; ++count) combo->addItem(QString::number(count));
        connect(combo, &QComboBox::currentIndexChanged, this, [this, list] { cboMain_Click(list); });
        for (int box = 0; box < 2; ++box) pane->totalBox(box)->installEventFilter(this);
    }
}

bool TierView::eventFilter(QObject* watched, QEvent* event) {
    // A click on a total box gives the keyboard focus to the grid of its frame.
    if (event->type() == QEvent::MouseButtonRelease) {
        for (FigurePane* pane : panes_) {
            if (watched == pane->totalBox(0) || watched == pane->totalBox(1)) pane->grid()->setFocus();
        }
    }
    return QObject::eventFilter(watched, event);
}

QString TierView::formatted(const std::string& text) const {
    return qt(number::formatDigits(text, prefs_.digitsFormat));
}

bool TierView::isActiveRow(int row) const {
    return (row % 2 == 1) == (data_.view.currentInputSet == InputSet::Design);
}

void TierView::message(const std::string& text, const std::string& title, Message::Icon icon) {
    if (showMessage) showMessage(Message{text, title, icon}, QMessageBox::Ok);
}

void TierView::SetGridRedraw(bool on, const std::string& owner) {
    HideCellEditors();
    if (!on) {
        if (!redrawOwner_.empty()) return;  // an enclosing command holds it
        for (FigurePane* pane : panes_) pane->grid()->setUpdatesEnabled(false);
        redrawOwner_ = owner;
    } else {
        if (redrawOwner_ != owner) return;  // only the command that suspended repainting resumes it
        for (FigurePane* pane : panes_) pane->grid()->setUpdatesEnabled(true);
        redrawOwner_.clear();
    }
}

void TierView::cboMain_Click(ListKind list) {
    SetGridRedraw(false, "cboMain");
    QComboBox* combo = pane(list)->countCombo();
    int count = combo->currentIndex() + 1;
    if (count > data_.maxFigures()) {
        // A document made with a smaller capacity cannot take more figures than it was made for.
        count = data_.maxFigures();
        const QSignalBlocker blocker(combo);
        combo->setCurrentIndex(count - 1);
    }
    const bool edited = phase_.empty() && count != data_.figureCount(list, tier());
    data_.setFigureCount(list, tier(), count);
    grid(list)->setRows(2 * count + 1);
    LoadTierIntoGrid(list);
    if (phase_ != "start") FitGridToFrame(list);
    SetGridRedraw(true, "cboMain");
    if (list == ListKind::Chain) showTotals();
    if (edited) emit documentEdited();
}

void TierView::showFigureValues(ListKind list, int firstRow) {
    TierGrid* g = grid(list);
    for (int row = firstRow; row <= firstRow + 1 && row < g->rows(); ++row) {
        for (int col = 3; col < TierGrid::kColumns; ++col) {
            g->setText(row, col, formatted(data_.cell(list, tier(), row - 1, col - 2)));
        }
    }
}

void TierView::LoadTierIntoGrid(ListKind list) {
    TierGrid* g = grid(list);
    const int rows = g->rows();
    const QString prefix = qt(prefs_.stationPrefix);
    for (int row = 1; row < rows; ++row) {
        const int tableRow = row - 1;
        const int figure = (row + 1) / 2;
        g->setText(row, 0, prefix + QString::number(figure));
        g->setText(row, 2, row % 2 == 1 ? QStringLiteral("設計値") : QStringLiteral("実測値"));
        auto type = figureTypeFromCode(data_.cell(list, tier(), tableRow, column::Type));
        if (!type) {
            type = defaultType(list, row);
            data_.setCell(list, tier(), tableRow, column::Type, std::string(typeCode(*type)));
        }
        g->showTypeSymbol(row, *type);
        for (int col = 3; col < TierGrid::kColumns; ++col) {
            g->setText(row, col, formatted(data_.cell(list, tier(), tableRow, col - 2)));
        }
        if (list == ListKind::Exception && g->text(row, 3).isEmpty()) {
            const std::string name = "名称" + std::to_string(figure);
            g->setText(row, 3, qt(name));
            data_.setCell(list, tier(), tableRow, column::SideA, name);
        }
        if (list == ListKind::Chain && data_.cell(list, tier(), tableRow, column::Join).empty()) {
            data_.setCell(list, tier(), tableRow, column::Join, "0");
        }
    }
    g->mergeFigureCells();
    PaintCellStates();
}

void TierView::PaintCellStates() {
    for (ListKind list : {ListKind::Chain, ListKind::Exception}) {
        TierGrid* g = grid(list);
        const bool chain = list == ListKind::Chain;
        const int firstValue = chain ? 3 : 4;
        const int lastValue = chain ? 5 : 6;
        for (int row = 1; row < g->rows(); ++row) {
            int joined = -1;
            const bool active = isActiveRow(row);
            if (active && chain && row >= 3) {
                if (auto side = joinSideFromCode(data_.cell(list, tier(), row - 1, column::Join))) {
                    joined = static_cast<int>(*side) + 3;
                }
            }
            for (int col = 0; col < TierGrid::kColumns; ++col) {
                CellState state = CellState::Editable;
                if (col <= 2 || col == 7 || (chain && col == 6) || col == joined) {
                    state = CellState::Locked;
                } else if (!active && col >= firstValue && col <= lastValue) {
                    state = CellState::OtherSet;
                }
                g->setState(row, col, state);
            }
        }
    }
}

void TierView::FitGridToFrame(ListKind list) {
    FigurePane* frame = pane(list);
    TierGrid* g = frame->grid();
    frame->placeGrid();
    int share = pixelsToTwips(g->width()) - 120 - pixelsToTwips(g->columnWidth(0) + g->columnWidth(1) + g->columnWidth(2));
    share -= pixelsToTwips(g->height()) >= g->rows() * TierGrid::kRowHeightTwips ? 60 : 240;
    const int width = twipsToPixels(qRound(share / 5.0));
    for (int col = 3; col < TierGrid::kColumns; ++col) g->setColumnWidth(col, width > 0 ? width : 0);
    g->setCurrentGridCell(data_.view.currentInputSet == InputSet::Design ? 1 : 2, 3);
}

void TierView::showTotals() {
    const TierTotals totals = UpdateTotals(data_, tier(), data_.view.currentInputSet);
    pane(ListKind::Chain)->totalBox(0)->setText(qt(number::formatSingle(totals.calculated, prefs_.digitsFormat)));
    pane(ListKind::Chain)->totalBox(1)->setText(qt(number::formatSingle(totals.deducted, prefs_.digitsFormat)));
}

void TierView::showCalculatedColumns() {
    TierGrid* chain = grid(ListKind::Chain);
    for (int row = 1; row < chain->rows(); ++row) {
        bool complete = true;
        for (int col = column::SideA; col <= column::SideC; ++col) {
            complete = complete && !data_.cell(ListKind::Chain, tier(), row - 1, col).empty();
        }
        for (int col = column::HalfPerimeter; col <= column::Area; ++col) {
            chain->setText(row, col + 2,
                           complete ? formatted(data_.cell(ListKind::Chain, tier(), row - 1, col)) : QString());
        }
    }
    TierGrid* exception = grid(ListKind::Exception);
    for (int row = 1; row < exception->rows(); ++row) {
        const auto type = figureTypeFromCode(data_.cell(ListKind::Exception, tier(), row - 1, column::Type));
        const bool element1 = !data_.cell(ListKind::Exception, tier(), row - 1, column::SideB).empty();
        const bool element2 = !data_.cell(ListKind::Exception, tier(), row - 1, column::SideC).empty();
        const bool rectangle = type == FigureType::Square || type == FigureType::DeductSquare;
        const bool circle = type == FigureType::Circle || type == FigureType::DeductCircle;
        const bool computed = (rectangle && element1 && element2) || (circle && element1);
        exception->setText(row, 7,
                           computed ? formatted(data_.cell(ListKind::Exception, tier(), row - 1, column::Area))
                                    : QString());
    }
}

}  // namespace mirota
