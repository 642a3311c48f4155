#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// The drawing the embedded engine keeps: layers, block definitions and the objects of model space.
// Coordinates are drawing units, angles degrees counter-clockwise from the x axis.
namespace mirota::drawing {

struct Point {
    double x = 0.0;
    double y = 0.0;

    bool operator==(const Point&) const = default;
};

// Text placement as the CAD program keeps it: a horizontal and a vertical rule for the one point.
enum class HorizontalAlignment { Left, Center, Right, Middle };  // Middle: centred on both axes
enum class VerticalAlignment { Baseline, Bottom, Middle, Top };

struct Justification {
    HorizontalAlignment horizontal = HorizontalAlignment::Left;
    VerticalAlignment vertical = VerticalAlignment::Baseline;

    bool operator==(const Justification&) const = default;
};

struct Line {
    Point start;
    Point end;
};

struct Circle {
    Point centre;
    double radius = 0.0;
};

// One line of text. For left/baseline text the position is the start of the baseline; for every
// other justification it is the alignment point the justification names.
struct Text {
    Point position;
    double height = 1.0;
    double rotation = 0.0;
    double widthFactor = 1.0;
    Justification justification;
    std::string text;
};

// A block placed in the drawing; attribute values are in the order of the block's definitions.
struct Insert {
    std::string blockName;
    Point position;
    double xScale = 1.0;
    double yScale = 1.0;
    double rotation = 0.0;
    std::vector<std::string> attributeValues;
};

using Shape = std::variant<Line, Circle, Text, Insert>;

struct Entity {
    std::uint64_t id = 0;  // rises with every object added; selections refer to objects by it
    std::string layer;
    Shape shape;
};

// A layer's colour is a colour number 1..255 (1 red, 5 blue, 7 white/black).
struct Layer {
    std::string name;
    int colour = 7;
    bool locked = false;
};

// An attribute asked for at insertion, in prompt order. text.text is the default value.
struct AttributeDefinition {
    std::string tag;
    std::string prompt;
    Text text;
};

// Block geometry lies on layer "0" and so takes the layer of the insert, as the CAD program does.
using BlockShape = std::variant<Line, Text>;

struct Block {
    std::string name;
    std::vector<BlockShape> geometry;
    std::vector<AttributeDefinition> attributes;
};

struct Drawing {
    std::vector<Layer> layers{Layer{"0", 7, false}};
    std::string currentLayer = "0";
    std::vector<Block> blocks;
    // Definitions the drawing takes into its blocks when one is first inserted, as a CAD program takes a
    // block from a library; until then they are no part of it.
    std::vector<Block> reserveBlocks;
    // In the order drawn, ids rising. A deque: a large drawing grows without moving what it holds.
    std::deque<Entity> entities;
    std::uint64_t nextEntityId = 1;

    // Names compare as the CAD program compares them: ASCII letters without regard to case.
    const Layer* findLayer(std::string_view name) const;
    const Block* findBlock(std::string_view name) const;
    // Moves the block of that name from the reserve into the drawing's blocks.
    void takeInReserveBlock(std::string_view name);

    // Adds an object on the current layer.
    void add(Shape shape);
};

bool sameName(std::string_view a, std::string_view b);

// The item of that name in a list of layers or blocks, or nothing.
template <typename List>
auto findByName(List& list, std::string_view name) -> decltype(&*list.begin()) {
    for (auto& item : list) {
        if (sameName(item.name, name)) return &item;
    }
    return nullptr;
}

}  // namespace mirota::drawing
