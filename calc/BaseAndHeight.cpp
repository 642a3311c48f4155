#include "calc/BaseAndHeight.h"

#include <cmath>

#include "calc/ComputedRows.h"
#include "model/NumberText.h"

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

std::optional<BaseAndHeight> baseAndHeightOfRow(const SurveyData& data, int tier, int row) {
    const std::string& area = data.cell(ListKind::Chain, tier, row, column::Area);
    if (!hasAllSides(data, tier, row) || area.empty()) return std::nullopt;
    std::array<double, 3> sides{};
    for (int side = 0; side < 3; ++side) {
        sides[static_cast<std::size_t>(side)] =
            number::leadingNumber(data.cell(ListKind::Chain, tier, row, column::SideA + side));
    }
    return baseAndHeightOf(sides, number::leadingNumber(area));
}

}  // namespace mirota
