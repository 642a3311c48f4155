#include "draw/engine/Extents.h"

#include <algorithm>
#include <string_view>
#include <type_traits>

#include "draw/engine/Placement.h"
#include "draw/geometry/TextWidth.h"

namespace mirota::drawing {

namespace {

constexpr double kDescent = 0.2;  // how far below the baseline the bottom of a text lies, in heights

double estimatedWidth(const Text& text) { return estimatedTextWidth(text.text) * text.height * text.widthFactor; }

}  // namespace

void Extents::include(Point p) {
    if (empty) {
        min = max = p;
        empty = false;
        return;
    }
    min = {std::min(min.x, p.x), std::min(min.y, p.y)};
    max = {std::max(max.x, p.x), std::max(max.y, p.y)};
}

double baselineOffset(const Justification& justification) {
    if (justification.horizontal == HorizontalAlignment::Middle) return -0.5;
    switch (justification.vertical) {
    case VerticalAlignment::Baseline: return 0.0;
    case VerticalAlignment::Bottom: return kDescent;
    case VerticalAlignment::Middle: return -0.5;
    case VerticalAlignment::Top: return -1.0;
    }
    return 0.0;
}

std::array<Point, 4> estimatedTextBox(const Text& text) {
    const double w = estimatedWidth(text);
    const double h = text.height;
    double left = 0.0;
    switch (text.justification.horizontal) {
    case HorizontalAlignment::Left: left = 0.0; break;
    case HorizontalAlignment::Center:
    case HorizontalAlignment::Middle: left = -w / 2.0; break;
    case HorizontalAlignment::Right: left = -w; break;
    }
    const double bottom = (baselineOffset(text.justification) - kDescent) * h;
    const double top = bottom + (1.0 + kDescent) * h;
    const Point& p = text.position;
    std::array<Point, 4> box{Point{p.x + left, p.y + bottom}, Point{p.x + left + w, p.y + bottom},
                             Point{p.x + left + w, p.y + top}, Point{p.x + left, p.y + top}};
    for (Point& corner : box) corner = rotated(corner, p, text.rotation);
    return box;
}

Extents drawingExtents(const Drawing& drawing) {
    Extents extents;
    forEachPrimitive(drawing, [&extents](std::string_view, const auto& shape) {
        using Shape = std::decay_t<decltype(shape)>;
        if constexpr (std::is_same_v<Shape, Line>) {
            extents.include(shape.start);
            extents.include(shape.end);
        } else if constexpr (std::is_same_v<Shape, Circle>) {
            extents.include({shape.centre.x - shape.radius, shape.centre.y - shape.radius});
            extents.include({shape.centre.x + shape.radius, shape.centre.y + shape.radius});
        } else {
            for (const Point& corner : estimatedTextBox(shape)) extents.include(corner);
        }
    });
    return extents;
}

}  // namespace mirota::drawing
