#pragma once

#include "viewer/DrawingScene.h"
#include "viewer/ZoomPanView.h"

namespace mirota {

// The drawing on screen, white like paper, with the axes in the lower left corner.
class DrawingView : public ZoomPanView {
    Q_OBJECT

public:
    explicit DrawingView(QWidget* parent = nullptr);

    // Shows the drawing fitted to the view.
    void setDrawing(const drawing::Drawing& drawing);
    const DrawingScene& scene() const { return scene_; }

protected:
    drawing::Extents contentExtents() const override { return scene_.extents(); }
    void paintContent(QPainter& painter, const QTransform& toView) const override;

private:
    void paintAxes(QPainter& painter) const;

    DrawingScene scene_;
};

}  // namespace mirota
