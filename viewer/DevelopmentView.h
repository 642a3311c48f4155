#pragma once

#include "viewer/DevelopmentScene.h"
#include "viewer/ZoomPanView.h"

namespace mirota {

// The development on screen, zoomed and panned like the drawing; a click on a figure names it.
class DevelopmentView : public ZoomPanView {
    Q_OBJECT

public:
    explicit DevelopmentView(QWidget* parent = nullptr);

    // Keeps the user's zoom and pan, or everything in view while there is none.
    void setScene(DevelopmentScene scene);
    const DevelopmentScene& scene() const { return scene_; }
    void setEmphasis(const DevelopmentEmphasis& emphasis);
    const DevelopmentEmphasis& emphasis() const { return emphasis_; }

signals:
    void figureClicked(int tier, int figure);

protected:
    drawing::Extents contentExtents() const override { return scene_.extents(); }
    void paintContent(QPainter& painter, const QTransform& toView) const override;
    void clicked(QPointF position) override;

private:
    DevelopmentScene scene_;
    DevelopmentEmphasis emphasis_;
};

}  // namespace mirota
