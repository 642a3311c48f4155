#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/ExactDecimal.h"

namespace mirota {

// The values of a figure computed exactly from its typed decimal texts (read by the leading-number rule)
// and written as the cell texts the table keeps. A value that is a finite decimal is written with every
// digit; an irrational area with its first kAreaDecimals decimals and a final 1 after them, so that
// every rounding rule at up to kAreaDecimals − 1 places gives what it gives the true value, and sums of
// such values stay exact far beyond the places shown.
inline constexpr int kAreaDecimals = 15;

struct TriangleValues {
    std::string halfPerimeter;
    std::string area;
};

// Half perimeter and area (Heron) of a triangle of sides A, B, C. Nothing when a side is not greater
// than 0, the sides form no triangle or a value leaves the single-precision range.
std::optional<TriangleValues> triangleValues(std::string_view a, std::string_view b, std::string_view c);

// An exception rectangle (element 2 × element 1) and circle (diameter² × 3.1415926538 ÷ 4). An element of
// 0 gives the area 0; nothing when an element is no number, is negative or the area leaves the range.
std::optional<std::string> rectangleArea(std::string_view element1, std::string_view element2);
std::optional<std::string> circleArea(std::string_view diameter);

// An exact sum of cell texts, each read as ExactDecimal::fromTextOrZero reads it. The usual texts (digits and
// a point, at most kAreaDecimals + 1 decimals) are added as whole numbers in 128 bits, the rest digit by digit.
class ExactSum {
public:
    void add(std::string_view text);
    ExactDecimal value() const;

private:
    unsigned __int128 scaled_ = 0;  // × 10^−(kAreaDecimals + 1)
    ExactDecimal rest_;
};

}  // namespace mirota
