#include "draw/engine/Placement.h"

#include <cmath>
#include <cstddef>
#include <numbers>
#include <type_traits>
#include <utility>

namespace mirota::drawing {

Point rotated(Point p, Point centre, double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
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

std::vector<Text> attributeTexts(const Insert& insert, const Block& block) {
    std::vector<Text> texts;
    texts.reserve(block.attributes.size());
    for (std::size_t i = 0; i < block.attributes.size(); ++i) {
        Text text = placed(insert, block.attributes[i].text);
        text.text = i < insert.attributeValues.size() ? insert.attributeValues[i] : block.attributes[i].text.text;
        texts.push_back(std::move(text));
    }
    return texts;
}

std::vector<Primitive> expandedDrawing(const Drawing& drawing) {
    std::vector<Primitive> primitives;
    primitives.reserve(drawing.entities.size());
    for (const Entity& entity : drawing.entities) {
        const auto* insert = std::get_if<Insert>(&entity.shape);
        if (!insert) {
            std::visit(
                [&](const auto& shape) {
                    if constexpr (!std::is_same_v<std::decay_t<decltype(shape)>, Insert>) {
                        primitives.emplace_back(entity.layer, shape);
                    }
                },
                entity.shape);
            continue;
        }
        const Block* block = drawing.findBlock(insert->blockName);
        if (!block) continue;
        for (const BlockShape& shape : block->geometry) {
            std::visit([&](const auto& local) { primitives.emplace_back(entity.layer, placed(*insert, local)); }, shape);
        }
        for (Text& attribute : attributeTexts(*insert, *block)) primitives.emplace_back(entity.layer, std::move(attribute));
    }
    return primitives;
}

}  // namespace mirota::drawing
