#pragma once

#include <array>

#include "draw/engine/Drawing.h"

// The extents of a drawing: what its objects cover, inserts expanded. Text has no font here, so its
// box is estimated: half-width characters 0.6 and full-width characters 1 text height wide.
namespace mirota::drawing {

struct Extents {
    Point min;
    Point max;
    bool empty = true;

    void include(Point p);
};

// Where the baseline of a text lies from its position, upwards in text heights: 0 for baseline
// text, above the point for bottom text (by the descent of 0.2), below it for middle and top text.
double baselineOffset(const Justification& justification);

// The four corners of a text's estimated box, counter-clockwise from the lower left.
std::array<Point, 4> estimatedTextBox(const Text& text);

Extents drawingExtents(const Drawing& drawing);

}  // namespace mirota::drawing
