#include "viewer/DrawingView.h"

#include <algorithm>
#include <cmath>

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace mirota {

namespace {

constexpr double kFitMargin = 24.0;           // pixels left free around a fitted drawing
constexpr double kWheelStep = 1.2;            // zoom of one notch of the wheel
constexpr double kMinTextPixels = 1.5;        // smaller texts are not legible: left out on screen
constexpr double kScaleLimit = 1e4;           // how far the view zooms in and out from the fit

}  // namespace

DrawingView::DrawingView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picDrawing"));
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::WheelFocus);
    setMinimumSize(200, 150);
}

void DrawingView::setDrawing(const drawing::Drawing& drawing) {
    scene_ = DrawingScene(drawing);
    fitToWindow();
}

void DrawingView::fitToWindow() {
    toScreen_ = scene_.fitting(QRectF(rect()), kFitMargin);
    fitted_ = true;
    update();
}

double DrawingView::scale() const { return std::hypot(toScreen_.m11(), toScreen_.m12()); }

QPointF DrawingView::toScreen(drawing::Point point) const { return toScreen_.map(QPointF(point.x, point.y)); }

drawing::Point DrawingView::toDrawing(QPointF position) const {
    const QPointF p = toScreen_.inverted().map(position);
    return {p.x(), p.y()};
}

void DrawingView::zoomBy(double factor, QPointF position) {
    const double fitScale = scene_.fitting(QRectF(rect()), kFitMargin).m11();
    const double next = scale() * factor;
    if (!(factor > 0.0) || next > fitScale * kScaleLimit || next < fitScale / kScaleLimit) return;
    // Screen = zoom about the position after the old transform.
    QTransform about;
    about.translate(position.x(), position.y());
    about.scale(factor, factor);
    about.translate(-position.x(), -position.y());
    toScreen_ = toScreen_ * about;
    fitted_ = false;
    update();
}

void DrawingView::panBy(QPointF offset) {
    toScreen_ = toScreen_ * QTransform::fromTranslate(offset.x(), offset.y());
    fitted_ = false;
    update();
}

void DrawingView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (scene_.empty()) {
        painter.setPen(QColor(140, 140, 140));
        painter.drawText(rect(), Qt::AlignCenter,
                         QStringLiteral("図面はまだありません。\n主画面の［図面作成］で作図すると、ここに表示されます。"));
        return;
    }
    scene_.paint(painter, toScreen_, 0.0, kMinTextPixels);
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

void DrawingView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fitted_) {
        fitToWindow();
    } else {
        update();
    }
}

void DrawingView::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0.0) zoomBy(std::pow(kWheelStep, notches), event->position());
    event->accept();
}

void DrawingView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton || event->button() == Qt::LeftButton) {
        dragFrom_ = event->position();
        setCursor(Qt::ClosedHandCursor);
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void DrawingView::mouseMoveEvent(QMouseEvent* event) {
    if (dragFrom_) {
        panBy(event->position() - *dragFrom_);
        dragFrom_ = event->position();
    }
    const drawing::Point point = toDrawing(event->position());
    emit pointerMoved(point.x, point.y);
}

void DrawingView::mouseReleaseEvent(QMouseEvent* event) {
    if (dragFrom_ && (event->button() == Qt::MiddleButton || event->button() == Qt::LeftButton)) {
        dragFrom_.reset();
        setCursor(Qt::CrossCursor);
        event->accept();
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void DrawingView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        fitToWindow();
        event->accept();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

}  // namespace mirota
