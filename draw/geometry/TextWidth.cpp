#include "draw/geometry/TextWidth.h"

namespace mirota {

namespace {

constexpr double kHalfWidth = 0.6;
constexpr double kFullWidth = 1.0;

}  // namespace

double estimatedTextWidth(std::string_view text) {
    double width = 0.0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            width += kHalfWidth;
        } else if ((byte & 0xC0) == 0xC0) {  // the lead byte of a longer character
            width += kFullWidth;
        }
    }
    return width;
}

}  // namespace mirota
