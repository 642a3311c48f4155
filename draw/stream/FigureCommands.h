#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "draw/FigureGeometry.h"
#include "model/DrawingConditions.h"

// The commands that draw one chain figure: its outline, the labels of its sides and its number.
namespace mirota {

// The closed outline vertex 0 -> 1 -> 2 -> back to 0.
std::string outlineCommand(const FigureGeometry& geometry, int tier, int row);

// Where side labels sit for the dimension-position choice: "BC" (上段), "M" (中段), "TC" (下段);
// any other choice draws no side labels.
std::optional<std::string_view> labelJustification(DimensionPosition position);

// The label of side 0, 1 or 2 (A, B, C) at the side's midpoint along its slope.
std::string sideLabelCommand(const FigureGeometry& geometry, int tier, int row, int side,
                             std::string_view justification, bool flipped, float height, std::string_view text);

struct NumberCentre {
    double x = 0.0;
    double y = 0.0;
};

// The centre of a figure number: a third of the vertex sums, each running sum kept as a whole
// number (rounded to nearest, ties to even, after every addition). Coordinates must be finite and
// well inside the range of a 64-bit whole number.
NumberCentre numberCentre(const FigureGeometry& geometry, int tier, int row);

// The figure number, written at minus the alignment angle so that it lies at the reference angle
// once the drawing has been turned.
std::string figureNumberCommand(NumberCentre centre, float height, float alignAngle, int number);
// The circle around a number, its radius the number height. The trailing escape leaves the
// command prompt clean whatever the circle command still asks.
std::string numberCircleCommand(NumberCentre centre, float radius);

}  // namespace mirota
