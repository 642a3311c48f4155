#pragma once

#include <array>
#include <optional>

#include "model/SurveyData.h"

namespace mirota {

// A triangle in the base-and-height (三斜) form: the longest side is the base, so that the height
// falls inside the triangle, and the height is what gives the calculated area on that base.
struct BaseAndHeight {
    int baseSide = 0;     // 0, 1, 2: side A, B, C (the first of equally long sides)
    double base = 0.0;
    double height = 0.0;  // 2 × area ÷ base
};

// From the three sides A, B, C and the triangle's calculated area. Nothing when no side is greater
// than 0 or a value is not finite.
std::optional<BaseAndHeight> baseAndHeightOf(const std::array<double, 3>& sides, double area);
// The same for a chain row by its typed sides and calculated area; nothing before it is calculated.
std::optional<BaseAndHeight> baseAndHeightOfRow(const SurveyData& data, int tier, int row);

}  // namespace mirota
