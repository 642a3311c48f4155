#include "grid/TierGrid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "grid/GridCoordinates.h"
#include "model/ColumnCaption.h"
#include "ui/Twips.h"

namespace mirota {

namespace {

constexpr int kSymbolPointSize = 15;
// The two lines of the base symbol at the symbols' size would not fit the figure's two rows.
constexpr int kTwoLineSymbolPointSize = 11;

QColor symbolColour(FigureType type) {
    switch (typeColour(type)) {
        case SymbolColour::Red: return Qt::red;
        case SymbolColour::Blue: return Qt::blue;
        case SymbolColour::Black: break;
    }
    return Qt::black;
}

QStringList headerLabels(ListKind list) {
    QStringList labels{QStringLiteral("番号"), QStringLiteral("タイプ"), QStringLiteral("識別")};
    for (int col = column::SideA; col <= column::Area; ++col) {
        const std::string_view caption = columnCaption(list, col);
        labels << QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    }
    return labels;
}

}  // namespace

TierGrid::TierGrid(ListKind list, QWidget* parent) : QTableWidget(parent), list_(list) {
    setObjectName(list == ListKind::Chain ? "msgMain0" : "msgMain1");
    setColumnCount(kColumns);
    setHorizontalHeaderLabels(headerLabels(list));
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setFixedHeight(twipsToPixels(kRowHeightTwips) + 2);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(twipsToPixels(kRowHeightTwips));
    setColumnWidth(0, twipsToPixels(650));
    setColumnWidth(1, twipsToPixels(700));
    setColumnWidth(2, twipsToPixels(700));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);
    // The area outside the cells is white whatever the style's base colour.
    QPalette outside = viewport()->palette();
    outside.setColor(QPalette::Base, Qt::white);
    viewport()->setPalette(outside);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &TierGrid::scrolled);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &TierGrid::scrolled);
    setRows(3);
}

void TierGrid::setRows(int rows) {
    const int oldCount = rowCount();
    const int newCount = rows > 1 ? rows - 1 : 0;
    if (newCount < oldCount) {
        clearSpans();
        mergedFigures_ = 0;
    }
    setRowCount(newCount);
    const int exceptionNameColumn = list_ == ListKind::Exception ? 3 : -1;
    for (int row = oldCount; row < newCount; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
            const bool centred = col <= 2 || col == exceptionNameColumn;
            item->setTextAlignment(centred ? Qt::AlignCenter : (Qt::AlignRight | Qt::AlignVCenter));
            if (col == 1) {
                QFont symbolFont = item->font();
                symbolFont.setPointSize(kSymbolPointSize);
                item->setFont(symbolFont);
            }
            setItem(row, col, item);
        }
    }
    states_.resize(static_cast<std::size_t>(newCount) * kColumns, CellState::Editable);
}

QTableWidgetItem* TierGrid::cellItem(int row, int col) const {
    if (row < 1 || row > rowCount() || col < 0 || col >= kColumns) return nullptr;
    return item(row - 1, col);
}

QString TierGrid::text(int row, int col) const {
    const auto* cell = cellItem(row, col);
    return cell ? cell->text() : QString();
}

void TierGrid::setText(int row, int col, const QString& text) {
    if (auto* cell = cellItem(row, col); cell && cell->text() != text) cell->setText(text);
}

void TierGrid::setCurrentGridCell(int row, int col) {
    if (row >= 1 && row <= rowCount() && col >= 0 && col < kColumns) setCurrentCell(row - 1, col);
}

std::size_t TierGrid::stateIndex(int row, int col) const {
    return static_cast<std::size_t>(row - 1) * kColumns + static_cast<std::size_t>(col);
}

CellState TierGrid::state(int row, int col) const {
    if (row < 1 || row > rowCount() || col < 0 || col >= kColumns) return CellState::Locked;
    return states_[stateIndex(row, col)];
}

void TierGrid::setState(int row, int col, CellState state) {
    auto* cell = cellItem(row, col);
    if (!cell) return;
    auto& stored = states_[stateIndex(row, col)];
    if (stored == state && cell->data(Qt::BackgroundRole).isValid()) return;
    stored = state;
    switch (state) {
        case CellState::Editable: cell->setBackground(palette().color(QPalette::Base)); break;
        case CellState::Locked: cell->setBackground(lockedColour()); break;
        case CellState::OtherSet: cell->setBackground(otherSetColour()); break;
    }
}

QString TierGrid::symbolText(FigureType type) {
    // The base shows two lines; the cell breaks them at the newline.
    return QString::fromUtf8(typeSymbol(type).data(), static_cast<qsizetype>(typeSymbol(type).size()))
        .replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

void TierGrid::showTypeSymbol(int row, FigureType type) {
    auto* cell = cellItem(row, grid::kTypeColumn);
    if (!cell) return;
    const QString symbol = symbolText(type);
    const QColor colour = symbolColour(type);
    if (cell->text() != symbol) {
        cell->setText(symbol);
        QFont font = cell->font();
        font.setPointSize(symbol.contains('\n') ? kTwoLineSymbolPointSize : kSymbolPointSize);
        cell->setFont(font);
    }
    if (cell->foreground().color() != colour) cell->setForeground(colour);
}

void TierGrid::markFaulty(int row, int col, const QString& reason) {
    auto* cell = cellItem(row, col);
    if (!cell) return;
    const QColor colour = reason.isEmpty() ? QColor(Qt::black) : QColor(Qt::red);
    if (cell->foreground().color() != colour) cell->setForeground(colour);
    if (cell->toolTip() != reason) cell->setToolTip(reason);
}

void TierGrid::mergeFigureCells() {
    const int figures = rowCount() / 2;
    for (int figure = mergedFigures_; figure < figures; ++figure) {
        setSpan(2 * figure, grid::kNumberColumn, 2, 1);
        setSpan(2 * figure, grid::kTypeColumn, 2, 1);
        if (list_ == ListKind::Exception) setSpan(2 * figure, grid::gridColumn(column::SideA), 2, 1);  // the name
    }
    mergedFigures_ = figures;
}

QRect TierGrid::currentCellRect() const { return visualRect(currentIndex()); }

// The widget's row r is the grid's row r + 1, the header being outside the widget's rows.
QRect TierGrid::selectedBlock() const {
    QRect block;
    for (const QTableWidgetSelectionRange& range : selectedRanges()) {
        block |= QRect(QPoint(range.leftColumn(), grid::gridRow(range.topRow())),
                       QPoint(range.rightColumn(), grid::gridRow(range.bottomRow())));
    }
    return block;
}

bool TierGrid::hasBlock() const {
    const QRect block = selectedBlock();
    const int row = currentRow();
    const int col = currentColumn();
    const QRect current = row < 0 || col < 0 ? QRect()
                                             : QRect(col, grid::gridRow(row), columnSpan(row, col), rowSpan(row, col));
    return block.isValid() && !current.contains(block);
}

void TierGrid::keyPressEvent(QKeyEvent* event) {
    // The clipboard keys act on the selected block, not on the current cell alone as the view's own do.
    static constexpr std::pair<QKeySequence::StandardKey, void (TierGrid::*)()> kClipboardKeys[] = {
        {QKeySequence::Copy, &TierGrid::copyPressed},
        {QKeySequence::Cut, &TierGrid::cutPressed},
        {QKeySequence::Paste, &TierGrid::pastePressed},
        {QKeySequence::Delete, &TierGrid::deletePressed},
    };
    for (const auto& [key, signal] : kClipboardKeys) {
        if (event->matches(key)) {
            emit(this->*signal)();
            return;
        }
    }
    if (event->key() == Qt::Key_Menu || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        emit contextMenuKeyPressed();
        return;
    }
    const QString text = event->text();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    if (text.size() == 1 && text.at(0).unicode() >= 32 && text.at(0).unicode() <= 126 &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        emit characterTyped(static_cast<char>(text.at(0).unicode()));
        return;
    }
    if (!text.isEmpty() && text.at(0).isPrint()) return;  // other characters never open an editor
    QTableWidget::keyPressEvent(event);
}

void TierGrid::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F2 && !event->isAutoRepeat()) {
        emit f2Released();
        return;
    }
    QTableWidget::keyReleaseEvent(event);
}

void TierGrid::mouseReleaseEvent(QMouseEvent* event) {
    QTableWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::RightButton) {
        // As a spreadsheet: the cell under the pointer becomes current, a block it lies in stays selected.
        const QModelIndex under = indexAt(event->position().toPoint());
        if (under.isValid() && !(hasBlock() && selectionModel()->isSelected(under))) setCurrentIndex(under);
    }
    // The release that ends a double-click would drop the editor the double-click has just opened.
    if (releaseEndsDoubleClick_) {
        releaseEndsDoubleClick_ = false;
        return;
    }
    emit mouseReleased(event->button(), event->globalPosition().toPoint());
}

void TierGrid::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    viewport()->update();
    emit focusEntered();
}

void TierGrid::focusOutEvent(QFocusEvent* event) {
    QTableWidget::focusOutEvent(event);
    viewport()->update();
}

// The current cell framed while the keys go to the grid, whatever the style draws (also while another
// program's window is in front: the frame shows where typing will go).
void TierGrid::paintEvent(QPaintEvent* event) {
    QTableWidget::paintEvent(event);
    if (window()->focusWidget() != this || !currentIndex().isValid()) return;
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Text), 2));
    painter.drawRect(currentCellRect().adjusted(1, 1, -1, -1));
}

void TierGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableWidget::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton) return;
    releaseEndsDoubleClick_ = true;
    emit cellDoubleClicked();
}

}  // namespace mirota
