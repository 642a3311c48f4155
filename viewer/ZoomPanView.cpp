#include "viewer/ZoomPanView.h"

#include <cmath>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "viewer/DrawingScene.h"

namespace mirota {

namespace {

constexpr double kFitMargin = 24.0;  // pixels left free around a fitted drawing
constexpr double kWheelStep = 1.2;   // zoom of one notch of the wheel
constexpr double kScaleLimit = 1e4;  // how far the view zooms in and out from the fit

}  // namespace

ZoomPanView::ZoomPanView(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::WheelFocus);
}

QTransform ZoomPanView::fittedTransform() const { return fitExtents(contentExtents(), QRectF(rect()), kFitMargin); }

void ZoomPanView::fitToWindow() {
    toScreen_ = fittedTransform();
    fitted_ = true;
    update();
}

void ZoomPanView::contentChanged() {
    if (fitted_) {
        fitToWindow();
    } else {
        update();
    }
}

double ZoomPanView::scale() const { return std::hypot(toScreen_.m11(), toScreen_.m12()); }

QPointF ZoomPanView::toScreen(drawing::Point point) const { return toScreen_.map(QPointF(point.x, point.y)); }

drawing::Point ZoomPanView::toDrawing(QPointF position) const {
    const QPointF p = toScreen_.inverted().map(position);
    return {p.x(), p.y()};
}

void ZoomPanView::zoomBy(double factor, QPointF position) {
    const double fitScale = fittedTransform().m11();
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

void ZoomPanView::panBy(QPointF offset) {
    toScreen_ = toScreen_ * QTransform::fromTranslate(offset.x(), offset.y());
    fitted_ = false;
    update();
}

void ZoomPanView::clicked(QPointF) {}

void ZoomPanView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paintContent(painter, toScreen_);
}

void ZoomPanView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    contentChanged();
}

void ZoomPanView::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0.0) zoomBy(std::pow(kWheelStep, notches), event->position());
    event->accept();
}

void ZoomPanView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton || event->button() == Qt::LeftButton) {
        dragFrom_ = event->position();
        pressedAt_ = event->position();
        setCursor(Qt::ClosedHandCursor);
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void ZoomPanView::mouseMoveEvent(QMouseEvent* event) {
    if (dragFrom_) {
        const QPointF offset = event->position() - *dragFrom_;
        if (!offset.isNull()) panBy(offset);
        dragFrom_ = event->position();
    }
    const drawing::Point point = toDrawing(event->position());
    emit pointerMoved(point.x, point.y);
}

void ZoomPanView::mouseReleaseEvent(QMouseEvent* event) {
    if (dragFrom_ && (event->button() == Qt::MiddleButton || event->button() == Qt::LeftButton)) {
        dragFrom_.reset();
        setCursor(Qt::CrossCursor);
        event->accept();
        const bool dragged = (event->position() - pressedAt_).manhattanLength() >= QApplication::startDragDistance();
        if (event->button() == Qt::LeftButton && !dragged) clicked(event->position());
        return;
    }
    QWidget::mouseReleaseEvent(event);
}

void ZoomPanView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton) {
        fitToWindow();
        event->accept();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

}  // namespace mirota
