#pragma once

#include <optional>
#include <string>
#include <string_view>

// Colour numbers as the CAD program knows them: 1..255, seven of them also by name.
namespace mirota::drawing {

// "red", "BLUE", "5": the colour number the answer names; nothing for any other answer.
std::optional<int> colourNumber(std::string_view answer);

// The colour as "#RRGGBB" for a white background (colour 7, white on a dark screen, shows black).
std::string colourOnWhite(int colourNumber);

}  // namespace mirota::drawing
