#include "grid/FigurePane.h"

#include "ui/Twips.h"

namespace mirota {

namespace {

constexpr int kGridLeft = 120;
constexpr int kGridTop = 600;
constexpr int kGridBottomMargin = 120;
constexpr int kTotalBoxWidth = 1500;
constexpr int kTotalGap = 60;

}  // namespace

FigurePane::FigurePane(ListKind list, QWidget* parent) : QGroupBox(parent) {
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

void FigurePane::placeGrid() {
    const int left = twipsToPixels(kGridLeft);
    const int top = twipsToPixels(kGridTop);
    grid_->setGeometry(left, top, width() - 2 * left, height() - top - twipsToPixels(kGridBottomMargin));
}

void FigurePane::placeTotals() {
    const int boxWidth = twipsToPixels(kTotalBoxWidth);
    const int boxHeight = 22;
    const int top = grid_->y() - boxHeight - 2;
    const int step = boxWidth + twipsToPixels(kTotalGap);
    const int leftLeft = grid_->x() + grid_->width() - boxWidth - (kTotalBoxes - 1) * step;
    for (int i = 0; i < kTotalBoxes; ++i) {
        totals_[static_cast<std::size_t>(i)]->setGeometry(leftLeft + i * step, top, boxWidth, boxHeight);
    }
    // In a pane too narrow for them the boxes would cover the count combo: they stay out of sight there.
    const bool shown = grid_->isVisibleTo(this) && leftLeft >= countCombo_->geometry().right() + 8;
    for (int i = 0; i < kTotalBoxes; ++i) {
        QLineEdit* box = totals_[static_cast<std::size_t>(i)];
        QLabel* caption = captions_[static_cast<std::size_t>(i)];
        const int captionHeight = caption->fontMetrics().height();
        caption->setGeometry(box->x(), box->y() - captionHeight, boxWidth, captionHeight);
        box->setVisible(shown);
        caption->setVisible(shown);
    }
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
