#pragma once

#include <optional>

#include <QPoint>
#include <QTransform>
#include <QWidget>

#include "viewer/DrawingScene.h"

namespace mirota {

// The drawing on screen, white like paper: the wheel zooms about the pointer, the middle button or a
// drag with the left button pans, a double click of the middle button fits the drawing to the view.
class DrawingView : public QWidget {
    Q_OBJECT

public:
    explicit DrawingView(QWidget* parent = nullptr);

    // Shows the drawing fitted to the view.
    void setDrawing(const drawing::Drawing& drawing);
    const DrawingScene& scene() const { return scene_; }

    void fitToWindow();
    // Zooms by factor (above 1: closer) keeping the drawing point under position where it is.
    void zoomBy(double factor, QPointF position);
    // Moves the drawing by offset pixels.
    void panBy(QPointF offset);

    // Pixels per drawing unit, and the conversions between the two.
    double scale() const;
    QPointF toScreen(drawing::Point point) const;
    drawing::Point toDrawing(QPointF position) const;

signals:
    // The pointer is over the drawing point (x, y).
    void pointerMoved(double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void paintAxes(QPainter& painter) const;

    DrawingScene scene_;
    QTransform toScreen_;
    bool fitted_ = true;  // refit on resize until the user zooms or pans
    std::optional<QPointF> dragFrom_;
};

}  // namespace mirota
