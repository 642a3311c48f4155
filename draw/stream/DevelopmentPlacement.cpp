#include "draw/stream/DevelopmentPlacement.h"

#include <cmath>
#include <numbers>

#include "draw/stream/Angles.h"

namespace mirota {

int baseRowOf(const SurveyData& data, const FigureGeometry& geometry) {
    return static_cast<int>(data.view.currentInputSet) + 2 * (geometry.baseFigureNumber(0) - 1);
}

std::optional<DevelopmentPlacement> DevelopmentPlacement::of(const SurveyData& data, const FigureGeometry& geometry) {
    const int baseRow = baseRowOf(data, geometry);
    const auto alignment = alignBaseFigure(geometry, baseRow);
    if (!alignment) return std::nullopt;
    const DrawingConditions& conditions = data.conditions;
    return DevelopmentPlacement({geometry.at(0, baseRow, 0, FigureGeometry::VertexX),
                                 geometry.at(0, baseRow, 0, FigureGeometry::VertexY)},
                                {conditions.referenceX, conditions.referenceY},
                                alignment->alignAngle + conditions.referenceAngle);
}

DevelopmentPlacement::DevelopmentPlacement(PlanePoint from, PlanePoint to, float turn)
    : from_(from), to_(to), turn_(turn) {
    // As the drawing engine turns: full-precision π, an unturned drawing left exactly as it is.
    if (turn != 0.0f) {
        const double radians = double{turn} * std::numbers::pi / 180.0;
        cos_ = std::cos(radians);
        sin_ = std::sin(radians);
    }
}

PlanePoint DevelopmentPlacement::place(float x, float y) const {
    const double dx = x - from_.x;
    const double dy = y - from_.y;
    return {to_.x + dx * cos_ - dy * sin_, to_.y + dx * sin_ + dy * cos_};
}

PlanePoint DevelopmentPlacement::unplace(double x, double y) const {
    const double dx = x - to_.x;
    const double dy = y - to_.y;
    return {from_.x + dx * cos_ + dy * sin_, from_.y - dx * sin_ + dy * cos_};
}

}  // namespace mirota
