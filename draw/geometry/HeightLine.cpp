#include "draw/geometry/HeightLine.h"

#include <array>
#include <cmath>

#include "calc/BaseAndHeight.h"
#include "calc/ShownValue.h"
#include "draw/geometry/SideAngles.h"
#include "model/NumberText.h"

namespace mirota {

namespace {

// The ends of side A, B, C and the vertex opposite it.
struct SideVertices {
    int from;
    int to;
    int opposite;
};
constexpr std::array<SideVertices, 3> kSides{{{0, 2, 1}, {0, 1, 2}, {1, 2, 0}}};

}  // namespace

std::optional<HeightLine> heightLineOf(const SurveyData& data, const FigureGeometry& geometry, int tier, int row) {
    const auto form = baseAndHeightOfRow(data, tier, row);  // nothing before the area is calculated
    if (!form) return std::nullopt;

    const auto vertex = [&](int v) {
        return std::array<double, 2>{geometry.at(tier, row, v, FigureGeometry::VertexX),
                                     geometry.at(tier, row, v, FigureGeometry::VertexY)};
    };
    const SideVertices& ends = kSides[static_cast<std::size_t>(form->baseSide)];
    const auto p = vertex(ends.from);
    const auto q = vertex(ends.to);
    const auto apex = vertex(ends.opposite);
    const double length = std::hypot(q[0] - p[0], q[1] - p[1]);
    if (!(length > 0.0) || !std::isfinite(length)) return std::nullopt;
    const double ux = (q[0] - p[0]) / length;
    const double uy = (q[1] - p[1]) / length;
    const double along = (apex[0] - p[0]) * ux + (apex[1] - p[1]) * uy;

    HeightLine line;
    line.baseSide = form->baseSide;
    line.height = form->height;
    line.apexX = apex[0];
    line.apexY = apex[1];
    line.footX = p[0] + along * ux;
    line.footY = p[1] + along * uy;
    // The right-angle mark stands on the base: towards the end the foot is farther from.
    const double towardsTo = along < length / 2.0 ? 1.0 : -1.0;
    line.alongBaseX = towardsTo * ux;
    line.alongBaseY = towardsTo * uy;
    line.textX = line.footX + (apex[0] - line.footX) * 2.0 / 3.0;
    line.textY = line.footY + (apex[1] - line.footY) * 2.0 / 3.0;
    line.slope = static_cast<float>(geometry::slopeAngle(apex[0] - line.footX, apex[1] - line.footY).value_or(0.0));
    return line;
}

// Through its 15-digit text, as the sheet's hand calculation takes it.
std::string heightText(const HeightLine& line, const AreaRules& rules) {
    return shownValue(number::doubleText(line.height), rules);
}

}  // namespace mirota
