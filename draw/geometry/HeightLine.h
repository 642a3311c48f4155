#pragma once

#include <optional>
#include <string>

#include "calc/AreaRules.h"
#include "draw/FigureGeometry.h"
#include "model/SurveyData.h"

namespace mirota {

// A triangle's height in the base-and-height (三斜) form, in the coordinates of its laid-out figure: from
// the vertex opposite the base (the longest side as typed) straight down onto the base.
struct HeightLine {
    int baseSide = 0;  // 0, 1, 2: side A, B, C
    double height = 0.0;  // 2 × calculated area ÷ base, as the 三斜 form writes it
    double apexX = 0.0;
    double apexY = 0.0;
    double footX = 0.0;  // where the height meets the base
    double footY = 0.0;
    double alongBaseX = 1.0;  // unit direction along the base from the foot towards its farther end
    double alongBaseY = 0.0;
    // Where the height's value is written: two thirds of the way up, clear of the figure number at the
    // centre (a third of the way up), along the line's slope (radians, -π/2..π/2).
    double textX = 0.0;
    double textY = 0.0;
    float slope = 0.0f;
};

// For a placed chain row with its three sides and calculated area; nothing for a row without them (an
// area not calculated yet) or whose base has no length in the layout.
std::optional<HeightLine> heightLineOf(const SurveyData& data, const FigureGeometry& geometry, int tier, int row);

// The height's value as the 三斜 sheet writes it: brought to the rules' places by their rounding rule.
std::string heightText(const HeightLine& line, const AreaRules& rules);

}  // namespace mirota
