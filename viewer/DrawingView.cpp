#include "viewer/DrawingView.h"

#include <QPainter>

namespace mirota {

namespace {

constexpr double kMinTextPixels = 1.5;  // smaller texts are not legible: left out on screen

}  // namespace

DrawingView::DrawingView(QWidget* parent) : ZoomPanView(parent) {
    setObjectName(QStringLiteral("picDrawing"));
    setMinimumSize(200, 150);
}

void DrawingView::setDrawing(const drawing::Drawing& drawing) {
    scene_ = DrawingScene(drawing);
    fitToWindow();
}

void DrawingView::paintContent(QPainter& painter, const QTransform& toView) const {
    if (scene_.empty()) {
        painter.setPen(QColor(140, 140, 140));
        painter.drawText(rect(), Qt::AlignCenter,
                         QStringLiteral("図面はまだありません。\n主画面の［図面作成］で作図すると、ここに表示されます。"));
        return;
    }
    scene_.paint(painter, toView, 0.0, kMinTextPixels);
    paintAxes(painter);
}

// The axes in the lower left corner, as CAD programs show them.
void DrawingView::paintAxes(QPainter& painter) const {
    const QPointF origin(14, height() - 14);
    const double length = 28;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(120, 120, 120), 1.2));
    painter.drawLine(origin, origin + QPointF(length, 0));
    painter.drawLine(origin, origin - QPointF(0, length));
    painter.drawPolyline(QPolygonF({origin + QPointF(length - 5, -3), origin + QPointF(length, 0),
                                    origin + QPointF(length - 5, 3)}));
    painter.drawPolyline(QPolygonF({origin + QPointF(-3, -length + 5), origin - QPointF(0, length),
                                    origin + QPointF(3, -length + 5)}));
    QFont font = painter.font();
    font.setPixelSize(10);
    painter.setFont(font);
    painter.drawText(origin + QPointF(length + 3, 4), QStringLiteral("X"));
    painter.drawText(origin + QPointF(-4, -length - 4), QStringLiteral("Y"));
}

}  // namespace mirota
