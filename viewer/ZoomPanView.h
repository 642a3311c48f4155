#pragma once

#include <optional>

#include <QPoint>
#include <QTransform>
#include <QWidget>

#include "draw/engine/Drawing.h"
#include "draw/engine/Extents.h"

namespace mirota {

// Drawing units on a white view: the wheel zooms about the pointer, the middle button or a drag with
// the left button pans, a double click of the middle button fits everything to the view. Until the
// user zooms or pans, the view keeps everything in sight through resizes and changes of content.
class ZoomPanView : public QWidget {
    Q_OBJECT

public:
    explicit ZoomPanView(QWidget* parent = nullptr);

    void fitToWindow();
    // Zooms by factor (above 1: closer) keeping the drawing point under position where it is.
    void zoomBy(double factor, QPointF position);
    // Moves the drawing by offset pixels.
    void panBy(QPointF offset);
    // False once the user has zoomed or panned, until the next fit.
    bool fitted() const { return fitted_; }

    // Pixels per drawing unit, and the conversions between the two.
    double scale() const;
    QPointF toScreen(drawing::Point point) const;
    drawing::Point toDrawing(QPointF position) const;

signals:
    // The pointer is over the drawing point (x, y).
    void pointerMoved(double x, double y);

protected:
    virtual drawing::Extents contentExtents() const = 0;
    // Paints on the white view with the transform from drawing units to the view.
    virtual void paintContent(QPainter& painter, const QTransform& toView) const = 0;
    // A press and release of the left button without a drag.
    virtual void clicked(QPointF position);
    // After the content changed: fitted again unless the user has zoomed or panned.
    void contentChanged();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QTransform fittedTransform() const;

    QTransform toScreen_;
    bool fitted_ = true;
    std::optional<QPointF> dragFrom_;
    QPointF pressedAt_;
};

}  // namespace mirota
