#include "viewer/DevelopmentView.h"

#include <QPainter>

namespace mirota {

DevelopmentView::DevelopmentView(QWidget* parent) : ZoomPanView(parent) {
    setObjectName(QStringLiteral("picPreview"));
    setMinimumSize(120, 120);
}

void DevelopmentView::setScene(DevelopmentScene scene) {
    scene_ = std::move(scene);
    contentChanged();
}

void DevelopmentView::setEmphasis(const DevelopmentEmphasis& emphasis) {
    emphasis_ = emphasis;
    update();
}

void DevelopmentView::paintContent(QPainter& painter, const QTransform& toView) const {
    if (scene_.figures().empty()) {
        painter.setPen(QColor(140, 140, 140));
        painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                         QStringLiteral("基準と三辺を入力すると、ここに展開図が表示されます。"));
        return;
    }
    scene_.paint(painter, toView, emphasis_);
}

void DevelopmentView::clicked(QPointF position) {
    if (const DevelopmentFigure* figure = scene_.figureAt(toDrawing(position), emphasis_.currentTier)) {
        emit figureClicked(figure->tier, figure->number);
    }
}

}  // namespace mirota
