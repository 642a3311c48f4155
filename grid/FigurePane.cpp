#include "grid/FigurePane.h"

#include "grid/GridCoordinates.h"

#include <algorithm>

#include <QHeaderView>

#include "ui/Twips.h"

namespace mirota {

namespace {

constexpr int kGridLeft = 120;
constexpr int kGridTop = 600;
constexpr int kGridBottomMargin = 120;
constexpr int kTotalBoxWidth = 1500;
constexpr int kTotalGap = 60;
constexpr int kTotalBoxHeight = 22;
constexpr int kValueColumns = grid::kLastValueColumn - grid::kFirstValueColumn + 1;

}  // namespace

FigurePane::FigurePane(ListKind list, QWidget* parent) : QGroupBox(parent), list_(list) {
    const int index = static_cast<int>(list);
    setObjectName(QStringLiteral("fraMain%1").arg(index));
    if (list == ListKind::Exception) setTitle(QStringLiteral("例外処理"));

    grid_ = new TierGrid(list, this);
    editor_ = new CellEditor(grid_->viewport());
    editor_->setObjectName(QStringLiteral("txtMain%1").arg(index));

    countLabel_ = new QLabel(QStringLiteral("個数："), this);
    countLabel_->setObjectName(QStringLiteral("Label1%1").arg(index));
    countCombo_ = new QComboBox(this);
    countCombo_->setObjectName(QStringLiteral("cboMain%1").arg(index));
    countCombo_->setMaxVisibleItems(20);
    countLabel_->setBuddy(countCombo_);

    const QString captionTexts[kTotalBoxes] = {QStringLiteral("計算面積合計"), QStringLiteral("控除面積合計"),
                                               QStringLiteral("差引面積")};
    for (int i = 0; i < kTotalBoxes; ++i) {
        auto* box = new QLineEdit(this);
        // txtSum0..3 stay the two panes' calculated and deducted totals; the net area's boxes are named apart.
        box->setObjectName(i == NetArea ? QStringLiteral("txtNet%1").arg(index)
                                        : QStringLiteral("txtSum%1").arg(2 * index + i));
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setFocusPolicy(Qt::ClickFocus);
        auto* caption = new QLabel(captionTexts[i], this);
        caption->setObjectName(i == NetArea ? QStringLiteral("lblNet%1").arg(index)
                                            : QStringLiteral("lblSum%1").arg(2 * index + i));
        QFont small = caption->font();
        small.setPointSizeF(small.pointSizeF() * 0.85);
        caption->setFont(small);
        caption->setAlignment(Qt::AlignCenter);
        totals_[static_cast<std::size_t>(i)] = box;
        captions_[static_cast<std::size_t>(i)] = caption;
    }
    const int comboTop = twipsToPixels(kGridTop) - 28;
    countLabel_->setGeometry(twipsToPixels(kGridLeft), comboTop, 44, 24);
    countCombo_->setGeometry(twipsToPixels(kGridLeft) + 44, comboTop, 72, 24);
}

bool FigurePane::totalsBesideCount() const {
    const int totalsWidth = kTotalBoxes * twipsToPixels(kTotalBoxWidth) + (kTotalBoxes - 1) * twipsToPixels(kTotalGap);
    return countCombo_->geometry().right() + 8 + totalsWidth + twipsToPixels(kGridLeft) <= width();
}

int FigurePane::gridTop() const {
    if (totalsBesideCount()) return twipsToPixels(kGridTop);
    // A line of their own: captions, then boxes, under the count combo.
    return countCombo_->geometry().bottom() + 4 + captions_[0]->fontMetrics().height() + kTotalBoxHeight + 4;
}

void FigurePane::placeGrid() {
    const int left = twipsToPixels(kGridLeft);
    const int top = gridTop();
    grid_->setGeometry(left, top, width() - 2 * left, height() - top - twipsToPixels(kGridBottomMargin));
}

void FigurePane::placeTotals() {
    const int boxWidth = twipsToPixels(kTotalBoxWidth);
    const int top = grid_->y() - kTotalBoxHeight - 2;
    const int step = boxWidth + twipsToPixels(kTotalGap);
    const int leftLeft = grid_->x() + grid_->width() - boxWidth - (kTotalBoxes - 1) * step;
    for (int i = 0; i < kTotalBoxes; ++i) {
        totals_[static_cast<std::size_t>(i)]->setGeometry(leftLeft + i * step, top, boxWidth, kTotalBoxHeight);
    }
    const bool shown = grid_->isVisibleTo(this);
    for (int i = 0; i < kTotalBoxes; ++i) {
        QLineEdit* box = totals_[static_cast<std::size_t>(i)];
        QLabel* caption = captions_[static_cast<std::size_t>(i)];
        const int captionHeight = caption->fontMetrics().height();
        caption->setGeometry(box->x(), box->y() - captionHeight, boxWidth, captionHeight);
        box->setVisible(shown);
        caption->setVisible(shown);
    }
}

int FigurePane::smallestWidth() const {
    // A common value at two decimals: a side, or a position "x,y".
    const QString common = list_ == ListKind::Chain ? QStringLiteral("000.00") : QStringLiteral("0.00,0.00");
    const int column = grid_->fontMetrics().horizontalAdvance(common) + 6;
    int fixed = 0;
    for (int col = 0; col < grid::kFirstValueColumn; ++col) fixed += grid_->columnWidth(col);
    const int totals = kTotalBoxes * twipsToPixels(kTotalBoxWidth) + (kTotalBoxes - 1) * twipsToPixels(kTotalGap);
    // What the value columns share of the grid leaves room for the border and the scroll bar.
    const int gridWidth = fixed + kValueColumns * column + twipsToPixels(120 + 240);
    return std::max(gridWidth, totals) + 2 * twipsToPixels(kGridLeft);
}

int FigurePane::smallestHeight() const {
    return twipsToPixels(kGridTop) + grid_->horizontalHeader()->height() + 2 * twipsToPixels(TierGrid::kRowHeightTwips) +
           2 * grid_->frameWidth() + twipsToPixels(kGridBottomMargin);
}

void FigurePane::setContentsVisible(bool visible) {
    for (QWidget* widget : {static_cast<QWidget*>(grid_), static_cast<QWidget*>(countLabel_),
                            static_cast<QWidget*>(countCombo_)}) {
        widget->setVisible(visible);
    }
    for (int i = 0; i < kTotalBoxes; ++i) {
        totals_[static_cast<std::size_t>(i)]->setVisible(visible);
        captions_[static_cast<std::size_t>(i)]->setVisible(visible);
    }
}

}  // namespace mirota
