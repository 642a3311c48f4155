#include "calc/BaseAndHeight.h"

#include <cmath>

namespace mirota {

std::optional<BaseAndHeight> baseAndHeightOf(const std::array<double, 3>& sides, double area) {
    int longest = 0;
    for (int side = 1; side < 3; ++side) {
        if (sides[static_cast<std::size_t>(side)] > sides[static_cast<std::size_t>(longest)]) longest = side;
    }
    const double base = sides[static_cast<std::size_t>(longest)];
    if (!(base > 0.0) || !std::isfinite(base) || !std::isfinite(area)) return std::nullopt;
    return BaseAndHeight{longest, base, 2.0 * area / base};
}

}  // namespace mirota
