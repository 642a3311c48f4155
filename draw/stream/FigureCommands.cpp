#include "draw/stream/FigureCommands.h"

#include <cmath>

#include "draw/stream/Angles.h"
#include "draw/stream/CommandText.h"
#include "model/NumberText.h"

namespace mirota {

namespace {

std::string vertexPoint(const FigureGeometry& geometry, int tier, int row, int vertex) {
    return command::singlePoint(geometry.at(tier, row, vertex, FigureGeometry::VertexX),
                                geometry.at(tier, row, vertex, FigureGeometry::VertexY));
}

std::int64_t roundedSum(std::int64_t sum, float addend) {
    return static_cast<std::int64_t>(std::nearbyint(static_cast<double>(sum) + addend));
}

}  // namespace

std::string outlineCommand(const FigureGeometry& geometry, int tier, int row) {
    return command::answers({"line", vertexPoint(geometry, tier, row, 0), vertexPoint(geometry, tier, row, 1),
                             vertexPoint(geometry, tier, row, 2), "c"});
}

std::optional<std::string_view> labelJustification(DimensionPosition position) {
    switch (position) {
        case DimensionPosition::Above: return "BC";
        case DimensionPosition::Middle: return "M";
        case DimensionPosition::Below: return "TC";
    }
    return std::nullopt;
}

std::string sideLabelCommand(const FigureGeometry& geometry, int tier, int row, int side,
                             std::string_view justification, bool flipped, float height, std::string_view text) {
    const std::string at = command::singlePoint(geometry.at(tier, row, side, FigureGeometry::LabelX),
                                                geometry.at(tier, row, side, FigureGeometry::LabelY));
    const double angle = labelAngle(geometry.at(tier, row, side, FigureGeometry::Slope), flipped);
    return command::answers(
        {"_dtext", "j", justification, at, number::singleText(height), number::doubleText(angle), text, ""});
}

NumberCentre numberCentre(const FigureGeometry& geometry, int tier, int row) {
    std::int64_t sumX = 0;
    std::int64_t sumY = 0;
    for (int vertex = 0; vertex < FigureGeometry::kVertices; ++vertex) {
        sumX = roundedSum(sumX, geometry.at(tier, row, vertex, FigureGeometry::VertexX));
        sumY = roundedSum(sumY, geometry.at(tier, row, vertex, FigureGeometry::VertexY));
    }
    return {static_cast<double>(sumX) / 3.0, static_cast<double>(sumY) / 3.0};
}

std::string figureNumberCommand(NumberCentre centre, float height, float alignAngle, int number) {
    return command::answers({"_dtext", "m", command::doublePoint(centre.x, centre.y), number::singleText(height),
                             number::singleText(-alignAngle), std::to_string(number), ""});
}

std::string numberCircleCommand(NumberCentre centre, float radius) {
    std::string text = command::answers({"_circle", command::doublePoint(centre.x, centre.y), number::singleText(radius)});
    text += command::kEscape;
    return text;
}

}  // namespace mirota
