#pragma once

#include <cstddef>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "draw/engine/Drawing.h"

// Where things land when they are turned, and where a block's geometry and attributes land when the
// block is inserted. Shared by the engine and the writers so that all of them place alike.
namespace mirota::drawing {

// Turns a point about a centre by an angle in degrees, counter-clockwise.
Point rotated(Point p, Point centre, double degrees);

// An angle in degrees brought into [0, 360).
double normalizedDegrees(double degrees);

// A point of a block in the drawing: scaled, turned by the insert's rotation, moved to its position.
Point placed(const Insert& insert, Point local);
Line placed(const Insert& insert, const Line& local);
Text placed(const Insert& insert, const Text& local);

// The attribute text of an insert for the block's definition at index, with the insert's value.
Text attributeText(const Insert& insert, const Block& block, std::size_t index);

// A line, circle or text in drawing coordinates with the layer of the object it belongs to.
struct Primitive {
    std::string_view layer;
    std::variant<Line, Circle, Text> shape;
};

// Calls visit(shape) with the Line or Text of every piece of the block as the insert places it: the
// block's geometry, then its attribute texts with the insert's values.
template <class Visit>
void forEachPlacedShape(const Insert& insert, const Block& block, Visit&& visit) {
    for (const BlockShape& shape : block.geometry) {
        std::visit([&](const auto& local) { visit(placed(insert, local)); }, shape);
    }
    for (std::size_t i = 0; i < block.attributes.size(); ++i) visit(attributeText(insert, block, i));
}

// Calls visit(layer, shape) with a Line, Circle or Text for every primitive of the drawing in drawing
// order, every insert expanded into its block's geometry and its attribute texts (an insert of a block
// the drawing does not define shows nothing). Nothing is collected: fit for walks over large drawings.
template <class Visit>
void forEachPrimitive(const Drawing& drawing, Visit&& visit) {
    for (const Entity& entity : drawing.entities) {
        const std::string_view layer = entity.layer;
        const auto* insert = std::get_if<Insert>(&entity.shape);
        if (!insert) {
            std::visit(
                [&](const auto& shape) {
                    if constexpr (!std::is_same_v<std::decay_t<decltype(shape)>, Insert>) visit(layer, shape);
                },
                entity.shape);
            continue;
        }
        if (const Block* block = drawing.findBlock(insert->blockName)) {
            forEachPlacedShape(*insert, *block, [&](const auto& shape) { visit(layer, shape); });
        }
    }
}

// The same primitives in one list.
std::vector<Primitive> expandedDrawing(const Drawing& drawing);

}  // namespace mirota::drawing
