#pragma once

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace mirota {

// Plane coordinates of every chain figure, handed from the geometry to the command stream.
// Per figure row and vertex v (0: between A and B, 1: between B and C, 2: between A and C) the
// vertex itself, and for side v (A, B, C) the point its label stands on (the side's midpoint) and
// the side's slope angle. Only the rows of the input set being drawn are written; every other
// element reads 0.
class FigureGeometry {
public:
    static constexpr int kVertices = 3;
    enum Component : int {
        VertexX,
        VertexY,
        LabelX,
        LabelY,
        Slope,  // radians, -π/2..π/2: the text angle of the side's label
    };
    static constexpr int kComponents = 5;

    FigureGeometry() = default;
    FigureGeometry(int tiers, int rows)
        : tiers_(tiers), rows_(rows),
          values_(static_cast<std::size_t>(tiers) * rows * kVertices * kComponents, 0.0f),
          baseFigureNumber_(static_cast<std::size_t>(tiers), 0) {}

    int tiers() const { return tiers_; }
    int rows() const { return rows_; }

    float& at(int tier, int row, int vertex, int component) { return values_[index(tier, row, vertex, component)]; }
    float at(int tier, int row, int vertex, int component) const {
        return values_[index(tier, row, vertex, component)];
    }

    // 1-based number of the tier's base figure within the input set drawn; -1 while not found.
    std::int16_t& baseFigureNumber(int tier) { return baseFigureNumber_.at(static_cast<std::size_t>(tier)); }
    std::int16_t baseFigureNumber(int tier) const { return baseFigureNumber_.at(static_cast<std::size_t>(tier)); }

private:
    std::size_t index(int tier, int row, int vertex, int component) const {
        if (tier < 0 || tier >= tiers_ || row < 0 || row >= rows_ || vertex < 0 || vertex >= kVertices ||
            component < 0 || component >= kComponents) {
            return outOfRange();
        }
        return ((static_cast<std::size_t>(tier) * rows_ + row) * kVertices + vertex) * kComponents + component;
    }
    [[noreturn]] static std::size_t outOfRange() { throw std::out_of_range("figure geometry index out of range"); }

    int tiers_ = 0;
    int rows_ = 0;
    std::vector<float> values_;
    std::vector<std::int16_t> baseFigureNumber_;
};

}  // namespace mirota
