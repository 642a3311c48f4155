#include "draw/engine/Placement.h"

#include <cmath>
#include <cstddef>
#include <numbers>
#include <utility>

namespace mirota::drawing {

Point rotated(Point p, Point centre, double degrees) {
    // Most things are not turned: the exact cosine and sine of 0 without the cost of computing them.
    const double radians = degrees * std::numbers::pi / 180.0;
    const double c = degrees == 0.0 ? 1.0 : std::cos(radians);
    const double s = degrees == 0.0 ? 0.0 : std::sin(radians);
    const double dx = p.x - centre.x;
    const double dy = p.y - centre.y;
    return {centre.x + dx * c - dy * s, centre.y + dx * s + dy * c};
}

double normalizedDegrees(double degrees) {
    double d = std::fmod(degrees, 360.0);
    if (d < 0.0) d += 360.0;
    // A tiny negative angle comes back as 360 after the addition.
    return d >= 360.0 ? 0.0 : d + 0.0;  // + 0.0 turns a negative zero positive
}

Point placed(const Insert& insert, Point local) {
    const Point scaled{insert.position.x + local.x * insert.xScale, insert.position.y + local.y * insert.yScale};
    return rotated(scaled, insert.position, insert.rotation);
}

Line placed(const Insert& insert, const Line& local) {
    return {placed(insert, local.start), placed(insert, local.end)};
}

Text placed(const Insert& insert, const Text& local) {
    Text text = local;
    text.position = placed(insert, local.position);
    text.height = local.height * std::fabs(insert.yScale);
    // The engine refuses a zero scale; a drawing made otherwise keeps the block's own width.
    if (insert.yScale != 0.0) text.widthFactor = local.widthFactor * std::fabs(insert.xScale / insert.yScale);
    text.rotation = normalizedDegrees(local.rotation + insert.rotation);
    return text;
}

Text attributeText(const Insert& insert, const Block& block, std::size_t index) {
    Text text = placed(insert, block.attributes[index].text);
    if (index < insert.attributeValues.size()) text.text = insert.attributeValues[index];
    return text;
}

std::vector<Primitive> expandedDrawing(const Drawing& drawing) {
    std::vector<Primitive> primitives;
    primitives.reserve(drawing.entities.size());
    forEachPrimitive(drawing, [&](std::string_view layer, auto&& shape) {
        primitives.push_back(Primitive{layer, std::forward<decltype(shape)>(shape)});
    });
    return primitives;
}

}  // namespace mirota::drawing
