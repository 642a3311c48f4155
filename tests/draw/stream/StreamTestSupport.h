#pragma once

#include <array>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "draw/FigureGeometry.h"
#include "model/SurveyData.h"

namespace mirota::test {

struct Vertex {
    float x;
    float y;
};

// Fills one figure row as the geometry leaves it: the vertices, the side midpoints (A: 0-2,
// B: 0-1, C: 1-2) and the given slopes of sides A, B, C.
inline void setFigure(FigureGeometry& geometry, int tier, int row, Vertex v0, Vertex v1, Vertex v2,
                      std::array<float, 3> slopes) {
    const std::array<Vertex, 3> vertices{v0, v1, v2};
    const std::array<std::array<int, 2>, 3> ends{{{0, 2}, {0, 1}, {1, 2}}};
    for (int v = 0; v < 3; ++v) {
        geometry.at(tier, row, v, FigureGeometry::VertexX) = vertices[v].x;
        geometry.at(tier, row, v, FigureGeometry::VertexY) = vertices[v].y;
        const Vertex& p = vertices[ends[v][0]];
        const Vertex& q = vertices[ends[v][1]];
        geometry.at(tier, row, v, FigureGeometry::LabelX) = (p.x + q.x) / 2;
        geometry.at(tier, row, v, FigureGeometry::LabelY) = (p.y + q.y) / 2;
        geometry.at(tier, row, v, FigureGeometry::Slope) = slopes[v];
    }
}

// Sets the row's type and the five value columns A, B, C, S, area.
inline void setRow(SurveyData& data, int tier, int row, const std::string& type,
                   const std::array<std::string, 5>& values) {
    data.setCell(ListKind::Chain, tier, row, column::Type, type);
    for (int i = 0; i < 5; ++i) data.setCell(ListKind::Chain, tier, row, column::SideA + i, values[i]);
}

// The command text made of the answers, each ended by the Enter key.
inline std::string typed(const std::vector<std::string>& answers) {
    std::string text;
    for (const auto& answer : answers) text += answer + "\r";
    return text;
}

inline ::testing::AssertionResult startsWith(const std::string& text, const std::string& prefix) {
    if (text.compare(0, prefix.size(), prefix) == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "'" << text << "' does not start with '" << prefix << "'";
}

}  // namespace mirota::test
