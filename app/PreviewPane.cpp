#include "app/PreviewPane.h"

#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "draw/geometry/DevelopmentGeometry.h"
#include "grid/ShownRules.h"
#include "ui/QtText.h"
#include "ui/Twips.h"
#include "viewer/DevelopmentView.h"

namespace mirota {

namespace {

constexpr int kStartWidth = 6000;  // twips

}  // namespace

PreviewPane::PreviewPane(const SurveyData& data, const Preferences& prefs, QWidget* parent)
    : QWidget(parent), data_(data), prefs_(prefs) {
    setObjectName(QStringLiteral("fraPreview"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 2, 2, 2);
    layout->setSpacing(2);

    auto* header = new QHBoxLayout;
    auto* title = new QLabel(QStringLiteral("展開図プレビュー"), this);
    auto* fit = new QToolButton(this);
    fit->setObjectName(QStringLiteral("cmdPreviewFit"));
    fit->setText(QStringLiteral("全体表示"));
    fit->setToolTip(QStringLiteral("展開図全体を表示"));
    header->addWidget(title);
    header->addStretch();
    header->addWidget(fit);
    layout->addLayout(header);

    view_ = new DevelopmentView(this);
    view_->setToolTip(QStringLiteral("図形をクリックすると、その行を表に表示します"));
    layout->addWidget(view_, 1);

    faultLine_ = new QLabel(this);
    faultLine_->setObjectName(QStringLiteral("lblPreviewFault"));
    QPalette red = faultLine_->palette();
    red.setColor(QPalette::WindowText, QColor(0xc0, 0, 0));
    faultLine_->setPalette(red);
    faultLine_->setWordWrap(true);
    faultLine_->hide();
    layout->addWidget(faultLine_);

    connect(fit, &QToolButton::clicked, view_, &DevelopmentView::fitToWindow);
    connect(view_, &DevelopmentView::figureClicked, this, &PreviewPane::figureClicked);
}

void PreviewPane::refresh() {
    if (!isVisible()) return;
    const PartialDevelopment development = computePartialDevelopment(data_, prefs_.stationPrefix);
    view_->setScene(DevelopmentScene(data_, development, prefs_.sideDigits(), prefs_.drawHeightLines,
                                     areaRulesOf(prefs_)));
    view_->setEmphasis({data_.view.currentTier, currentFigure_});
    if (development.faults.empty()) {
        faultLine_->hide();
    } else {
        QString line = qt(faultMessageLine(development.faults.front()));
        if (development.faults.size() > 1) {
            line += QStringLiteral("（ほかに %1 段で配置できない図形があります）").arg(development.faults.size() - 1);
        }
        faultLine_->setText(line);
        faultLine_->show();
    }
}

void PreviewPane::setCurrentFigure(std::optional<int> figure) {
    currentFigure_ = figure;
    view_->setEmphasis({data_.view.currentTier, currentFigure_});
}

void PreviewPane::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
}

QSize PreviewPane::sizeHint() const {
    return {twipsToPixels(kStartWidth), QWidget::sizeHint().height()};
}

}  // namespace mirota
