#pragma once

#include <optional>

#include "draw/FigureGeometry.h"

namespace mirota {

// The half turn the drawing has always converted its angles with; kept so that every angle text
// comes out the same.
constexpr double kHalfTurn = 3.1415926538;

double degreesFromRadians(double radians);

// How the development is turned into place: the base figure's side from vertex 0 to vertex 1 is
// made horizontal. The slope alone cannot tell a side running towards -x from one running towards
// +x; such a base is flipped: the turn gains a half turn, and so do the side labels, which the turn
// would otherwise leave upside down.
struct BaseAlignment {
    bool flipped = false;
    float alignAngle = 0.0f;  // degrees
};

// For the base row of tier 0. A vertical side gives -90 when it rises and 90 when it falls (so it
// too ends up running towards +x); coinciding vertices 0 and 1 give no direction (nullopt).
std::optional<BaseAlignment> alignBaseFigure(const FigureGeometry& geometry, int baseRow);

// The text angle in degrees of a side label from the side's slope in radians.
double labelAngle(float slope, bool flipped);

}  // namespace mirota
