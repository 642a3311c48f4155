#pragma once

#include <variant>
#include <vector>

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QTransform>

#include "draw/engine/Drawing.h"
#include "draw/engine/Extents.h"

class QPainter;

namespace mirota {

// The transform from drawing units (y up) to the device (y down) that fits the extents into target,
// leaving margin device units free on every side, centred.
QTransform fitExtents(const drawing::Extents& extents, const QRectF& target, double margin);

// The font drawing texts are painted in, at the size paintDrawingText expects.
QFont drawingTextFont();

// Paints one text of the drawing with toDevice, at its height, angle and justification, in the
// painter's font (drawingTextFont); left out when it would be lower than minHeight device units.
void paintDrawingText(QPainter& painter, const QTransform& toDevice, const drawing::Text& text, const QColor& colour,
                      double minHeight = 0.0);

// A drawing of the engine made ready to paint on any device (screen, PDF, printer): every line,
// circle and text in drawing coordinates, inserts expanded, each in its layer's colour on white.
class DrawingScene {
public:
    DrawingScene() = default;
    explicit DrawingScene(const drawing::Drawing& drawing);

    bool empty() const { return items_.empty(); }
    const drawing::Extents& extents() const { return extents_; }

    // fitExtents for the scene's extents.
    QTransform fitting(const QRectF& target, double margin) const { return fitExtents(extents_, target, margin); }

    // Paints with toDevice, a uniform scale with y turned down; lines lineWidth device units wide
    // (0: one pixel whatever the scale). Texts below minTextHeight device units are left out.
    void paint(QPainter& painter, const QTransform& toDevice, double lineWidth, double minTextHeight = 0.0) const;

private:
    struct Item {
        std::variant<drawing::Line, drawing::Circle, drawing::Text> shape;
        QColor colour;
    };

    std::vector<Item> items_;
    drawing::Extents extents_;
};

}  // namespace mirota
