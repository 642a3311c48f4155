#include "grid/TierView.h"

#include <QEvent>
#include <QLineEdit>
#include <QStringList>

#include "calc/ComputedRows.h"
#include "calc/ShownValue.h"
#include "calc/Totals.h"
#include "grid/GridCoordinates.h"
#include "grid/ShownRules.h"
#include "ui/Twips.h"
#include "model/NumberText.h"
#include "ui/QtText.h"

namespace mirota {

TierView::TierView(DocumentEditor& edits, SurveyData::ViewState& view, Preferences& prefs, const std::string& phase,
                   QWidget* paneParent)
    : QObject(paneParent), edits_(edits), data_(edits.document()), view_(view), prefs_(prefs), phase_(phase) {
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
        connect(grid, &TierGrid::focusEntered, this, [this, list] { setActiveList(list); });
        connect(grid, &TierGrid::contextMenuKeyPressed, this, [this, list, grid] {
            HideCellEditors();
            setActiveList(list);
            emit dataMenuRequested(grid->viewport()->mapToGlobal(grid->currentCellRect().bottomLeft()));
        });
        const auto onKey = [this, list](void (TierView::*command)()) {
            return [this, list, command] {
                setActiveList(list);
                (this->*command)();
            };
        };
        connect(grid, &TierGrid::copyPressed, this, onKey(&TierView::mnuEditCopy_Click));
        connect(grid, &TierGrid::cutPressed, this, onKey(&TierView::mnuEditCut_Click));
        connect(grid, &TierGrid::pastePressed, this, onKey(&TierView::mnuEditPaste_Click));
        connect(grid, &TierGrid::deletePressed, this, onKey(&TierView::clearSelectedCells));
        connect(pane->editor(), &CellEditor::commitRequested, this, [this, list] { CommitCellEdit(list); });
        connect(pane->editor(), &CellEditor::cancelRequested, this, &TierView::HideCellEditors);
        QComboBox* combo = pane->countCombo();
        for (int count = 1; count <= SurveyData::kFigureCapacity; ++count) combo->addItem(QString::number(count));
        connect(combo, &QComboBox::currentIndexChanged, this, [this, list] { cboMain_Click(list); });
        for (int box = 0; box < FigurePane::kTotalBoxes; ++box) pane->totalBox(box)->installEventFilter(this);
    }
}

bool TierView::eventFilter(QObject* watched, QEvent* event) {
    // A click on a total box gives the keyboard focus to the grid of its frame.
    if (event->type() == QEvent::MouseButtonRelease) {
        for (FigurePane* pane : panes_) {
            for (int box = 0; box < FigurePane::kTotalBoxes; ++box) {
                if (watched == pane->totalBox(box)) pane->grid()->setFocus();
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

QString TierView::formatted(const std::string& text) const {
    return qt(number::formatDigits(text, prefs_.sideDigits()));
}

bool TierView::isActiveRow(int row) const { return grid::inputSetOf(row) == view_.currentInputSet; }

void TierView::showMessageOk(const Message& message) {
    if (showMessage) showMessage(message, QMessageBox::Ok);
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
    const bool edited = count != data_.figureCount(list, tier()) && edits_.setFigureCount(list, tier(), count);
    edits_.completeFigures(list, tier());
    grid(list)->setRows(grid::rowsFor(count));
    LoadTierIntoGrid(list);
    if (phase_ != "start") FitGridToFrame(list);
    SetGridRedraw(true, "cboMain");
    showTotals();
    if (edited) emit documentEdited();
}

void TierView::showFigureValues(ListKind list, int firstRow) {
    TierGrid* g = grid(list);
    for (int row = firstRow; row <= firstRow + 1 && row < g->rows(); ++row) {
        for (int col = grid::kFirstValueColumn; col <= grid::kLastValueColumn; ++col) g->setText(row, col, shownText(list, row, col));
    }
}

void TierView::showFigureType(ListKind list, int firstRow) {
    for (int row = firstRow; row <= firstRow + 1 && row < grid(list)->rows(); ++row) {
        const auto type = figureTypeFromCode(data_.cell(list, tier(), grid::tableRow(row), column::Type));
        if (type) grid(list)->showTypeSymbol(row, *type);
    }
}

void TierView::LoadTierIntoGrid(ListKind list) {
    TierGrid* g = grid(list);
    const QString prefix = qt(prefs_.stationPrefix);
    for (int row = 1; row < g->rows(); ++row) {
        g->setText(row, grid::kNumberColumn, prefix + QString::number(grid::figureOf(row) + 1));
        g->setText(row, grid::kInputSetColumn,
                   grid::inputSetOf(row) == InputSet::Design ? QStringLiteral("設計値") : QStringLiteral("実測値"));
    }
    for (int row = 1; row < g->rows(); row += 2) {
        showFigureType(list, row);
        showFigureValues(list, row);
    }
    g->mergeFigureCells();
    PaintCellStates();
}

void TierView::PaintCellStates() {
    for (ListKind list : {ListKind::Chain, ListKind::Exception}) {
        TierGrid* g = grid(list);
        const bool chain = list == ListKind::Chain;
        // The values of the other input set: a chain's sides, an exception figure's elements and position.
        const int firstValue = grid::gridColumn(chain ? column::SideA : column::SideB);
        const int lastValue = grid::gridColumn(chain ? column::SideC : column::HalfPerimeter);
        for (int row = 1; row < g->rows(); ++row) {
            int joined = -1;
            const bool active = isActiveRow(row);
            if (active && chain && grid::figureOf(row) >= 1) {
                if (auto side = joinSideFromCode(data_.cell(list, tier(), grid::tableRow(row), column::Join))) {
                    joined = grid::gridColumn(joinedColumn(*side));
                }
            }
            for (int col = 0; col < TierGrid::kColumns; ++col) {
                CellState state = CellState::Editable;
                const int tableColumn = grid::tableColumn(col);
                if (!grid::showsTableColumn(col) || tableColumn == column::Area ||
                    (chain && tableColumn == column::HalfPerimeter) || col == joined) {
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
    for (int col = grid::kFirstValueColumn; col <= grid::kLastValueColumn; ++col) {
        g->setColumnWidth(col, width > 0 ? width : 0);
    }
    g->setCurrentGridCell(grid::gridRow(0, view_.currentInputSet), grid::kFirstValueColumn);
    if (list != view_.activeList) g->clearSelection();
}

void TierView::setActiveList(ListKind list) {
    view_.activeList = list;
    TierGrid* other = grid(list == ListKind::Chain ? ListKind::Exception : ListKind::Chain);
    other->clearSelection();
    // Also while a message box is in front: the keys go back to the grid when it closes.
    if (other->window()->focusWidget() == other) grid(list)->setFocus();
}

namespace {

constexpr const char* kLeftOutMark = "計算不可";

// Faulty figures are named by the window's prefix: "No.3、No.5".
QString figureNames(const std::vector<int>& figures, const std::string& prefix) {
    QStringList names;
    for (int figure : figures) names << qt(prefix + std::to_string(figure + 1));
    return names.join(QStringLiteral("、"));
}

}  // namespace

void TierView::showTotals() {
    const AreaRules rules = areaRulesOf(prefs_);
    for (ListKind list : {ListKind::Chain, ListKind::Exception}) {
        const ListTotals totals = listTotalsByRule(data_, list, tier(), view_.currentInputSet, rules);
        const ExactDecimal shown[FigurePane::kTotalBoxes] = {totals.sums.calculated, totals.sums.deducted,
                                                             totals.sums.net()};
        // Totals that leave figures out say so: a tinted box, and the figures named in its tooltip.
        const QString leftOut =
            totals.leftOut.empty()
                ? QString()
                : QStringLiteral("%1段目の %2 は数値入力の誤りで計算できないため、合計に含めていません")
                      .arg(tier() + 1)
                      .arg(figureNames(totals.leftOut, prefs_.stationPrefix));
        for (int box = 0; box < FigurePane::kTotalBoxes; ++box) {
            QLineEdit* field = pane(list)->totalBox(box);
            field->setText(qt(shownValue(shown[box], rules)));
            field->setToolTip(leftOut);
            field->setStyleSheet(leftOut.isEmpty() ? QString() : QStringLiteral("background-color: #ffd8d8;"));
        }
    }
}

QString TierView::shownText(ListKind list, int gridRow, int gridColumn) const {
    const int row = grid::tableRow(gridRow);
    const int col = grid::tableColumn(gridColumn);
    const bool computed = col == column::Area || (list == ListKind::Chain && col == column::HalfPerimeter);
    if (!computed) return formatted(data_.cell(list, tier(), row, col));
    if (!hasComputedArea(data_, list, tier(), row)) return {};
    if (isLeftOut(data_, list, tier(), row)) return col == column::Area ? QString::fromUtf8(kLeftOutMark) : QString();
    return qt(shownValue(data_.cell(list, tier(), row, col), areaRulesOf(prefs_)));
}

void TierView::showCalculatedColumns() {
    for (ListKind list : {ListKind::Chain, ListKind::Exception}) {
        TierGrid* g = grid(list);
        const int first = grid::gridColumn(list == ListKind::Chain ? column::HalfPerimeter : column::Area);
        for (int row = 1; row < g->rows(); ++row) {
            for (int col = first; col <= grid::kLastValueColumn; ++col) g->setText(row, col, shownText(list, row, col));
            const bool faulty = isLeftOut(data_, list, tier(), grid::tableRow(row));
            g->markFaulty(row, grid::gridColumn(column::Area),
                          faulty ? QStringLiteral("入力値に誤りがあるため計算できません（合計に含めていません）") : QString());
        }
    }
}

}  // namespace mirota
