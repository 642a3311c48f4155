#pragma once

#include <string_view>
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

// The attribute texts of an insert, one per definition, with the insert's values.
std::vector<Text> attributeTexts(const Insert& insert, const Block& block);

// A line, circle or text in drawing coordinates with the layer of the object it belongs to.
struct Primitive {
    std::string_view layer;
    std::variant<Line, Circle, Text> shape;
};

// The whole drawing as primitives in drawing order, every insert expanded into its block's geometry
// and its attribute texts (an insert of a block the drawing does not define shows nothing).
std::vector<Primitive> expandedDrawing(const Drawing& drawing);

}  // namespace mirota::drawing
