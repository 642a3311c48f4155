#pragma once

#include <string_view>

namespace mirota {

// How wide a text of UTF-8 characters is, in text heights, without a font: half-width characters 0.6
// and full-width characters 1 text height wide. What the drawing's extents and the hatching's gaps
// around texts are estimated from.
double estimatedTextWidth(std::string_view text);

}  // namespace mirota
