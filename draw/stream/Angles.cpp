#include "draw/stream/Angles.h"

#include <cmath>

#include "model/NumberText.h"

namespace mirota {

double degreesFromRadians(double radians) { return radians / kHalfTurn * 180.0; }

std::optional<BaseAlignment> alignBaseFigure(const FigureGeometry& geometry, int baseRow) {
    const double x0 = geometry.at(0, baseRow, 0, FigureGeometry::VertexX);
    const double y0 = geometry.at(0, baseRow, 0, FigureGeometry::VertexY);
    const double x1 = geometry.at(0, baseRow, 1, FigureGeometry::VertexX);
    const double y1 = geometry.at(0, baseRow, 1, FigureGeometry::VertexY);

    BaseAlignment alignment;
    alignment.flipped = x1 < x0;
    double degrees = 0.0;
    if (x1 != x0) {
        degrees = -degreesFromRadians(std::atan((y1 - y0) / (x1 - x0)));
    } else if (y1 != y0) {
        degrees = y1 > y0 ? -90.0 : 90.0;
    } else {
        return std::nullopt;
    }
    if (alignment.flipped) degrees += 180.0;
    alignment.alignAngle = number::toSingle(degrees);
    return alignment;
}

double labelAngle(float slope, bool flipped) {
    const double degrees = degreesFromRadians(slope);
    return flipped ? degrees + 180.0 : degrees;
}

}  // namespace mirota
