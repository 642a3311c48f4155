#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include <QPolygonF>
#include <QTransform>

#include "calc/AreaRules.h"
#include "draw/engine/Drawing.h"
#include "draw/engine/Extents.h"
#include "draw/geometry/DevelopmentGeometry.h"
#include "model/SurveyData.h"

class QPainter;

namespace mirota {

// One placed chain figure as the drawing shows it, in drawing units after the drawing's move to the
// reference point and turn to the reference angle.
struct DevelopmentFigure {
    int tier = 0;
    int number = 0;  // 1-based within its tier
    QPolygonF outline;  // vertex 0, 1, 2
    bool base = false;
    bool deduction = false;
    std::vector<drawing::Text> sideLabels;  // none when the drawing conditions draw no side labels
    drawing::Text numberText;
    drawing::Circle numberCircle;
    std::optional<drawing::Line> heightLine;  // 三斜: from the apex to the base, when the option is on
    drawing::Text heightText;
};

// What the view brings out: the tier on screen, and the figure of the current grid row in it.
struct DevelopmentEmphasis {
    int currentTier = 0;
    std::optional<int> currentFigure;
};

// The development of the document as far as it can be laid out, ready to paint and to point at:
// outlines, side labels, circled numbers, the base figure marked and deduction figures hatched.
class DevelopmentScene {
public:
    DevelopmentScene() = default;
    // Side labels are formatted with sideDigitsFormat, as the drawing writes them; heightLines adds every
    // triangle's 三斜 height, as the drawing option does, its value by the area rules.
    DevelopmentScene(const SurveyData& data, const PartialDevelopment& development, std::string_view sideDigitsFormat,
                     bool heightLines = false, const AreaRules& heightRules = AreaRules{});

    const std::vector<DevelopmentFigure>& figures() const { return figures_; }
    const drawing::Extents& extents() const { return extents_; }

    // The figure whose outline holds the point, one of preferredTier first.
    const DevelopmentFigure* figureAt(drawing::Point point, int preferredTier) const;

    // Paints with toDevice, a uniform scale with y turned down.
    void paint(QPainter& painter, const QTransform& toDevice, const DevelopmentEmphasis& emphasis) const;

private:
    std::vector<DevelopmentFigure> figures_;
    drawing::Extents extents_;
};

}  // namespace mirota
