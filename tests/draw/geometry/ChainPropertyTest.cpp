#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "ChainBuilder.h"
#include "draw/geometry/DevelopmentGeometry.h"

namespace mirota {
namespace {

using Point = std::array<double, 2>;

struct Figure {
    bool up = true;
    bool base = false;
    std::array<double, 3> sides{};  // A, B, C
    int join = 0;
};

// The two vertices of each side: A = {0, 2}, B = {0, 1}, C = {1, 2}.
constexpr std::array<std::array<int, 2>, 3> kSideVertices{{{0, 2}, {0, 1}, {1, 2}}};

double rounded(double value) { return std::round(value * 1000.0) / 1000.0; }

class RandomChains {
public:
    explicit RandomChains(unsigned seed) : random_(seed) {}

    // A tier of valid triangles, each joined by its side to the matching side of the previous one,
    // types alternating up and down, the base on an up figure (not the first, when another tier follows).
    std::vector<Figure> tier(bool anotherFollows) {
        const int count = uniform(anotherFollows ? 3 : 1, 25);
        std::vector<Figure> figures(static_cast<std::size_t>(count));
        bool up = uniform(0, 1) == 1;
        for (int k = 0; k < count; ++k) {
            Figure& f = figures[static_cast<std::size_t>(k)];
            f.up = up;
            up = !up;
            if (k == 0) {
                const double b = rounded(real(2.0, 40.0));
                f.sides = third(rounded(real(2.0, 40.0)), b, 0);
                continue;
            }
            f.join = uniform(0, 2);
            const double shared = figures[static_cast<std::size_t>(k - 1)].sides[static_cast<std::size_t>(2 - f.join)];
            f.sides = third(shared, rounded(real(std::max(2.0, 0.4 * shared), 2.5 * shared)), f.join);
        }
        std::vector<int> candidates;
        for (int k = anotherFollows ? 1 : 0; k < count; ++k) {
            if (figures[static_cast<std::size_t>(k)].up) candidates.push_back(k);
        }
        if (candidates.empty()) {  // a single down figure
            figures[0].up = true;
            candidates.push_back(0);
        }
        figures[static_cast<std::size_t>(
                    candidates[static_cast<std::size_t>(uniform(0, static_cast<int>(candidates.size()) - 1))])]
            .base = true;
        return figures;
    }

    int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

private:
    double real(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }

    // Sides with `fixed` at index `at`, `other` at the next index and a third side well inside
    // the triangle inequality.
    std::array<double, 3> third(double fixed, double other, int at) {
        const double margin = 0.15 * std::min(fixed, other);
        const double length = rounded(real(std::fabs(fixed - other) + margin, fixed + other - margin));
        std::array<double, 3> sides{};
        sides[static_cast<std::size_t>(at)] = fixed;
        sides[static_cast<std::size_t>((at + 1) % 3)] = other;
        sides[static_cast<std::size_t>((at + 2) % 3)] = length;
        return sides;
    }

    std::mt19937 random_;
};

std::string typeOf(const Figure& f, RandomChains& random) {
    if (f.base) return "0";
    static const char* const kUp[] = {"10", "20"};
    static const char* const kDown[] = {"11", "12", "13", "21", "22", "23"};
    return f.up ? kUp[random.uniform(0, 1)] : kDown[random.uniform(0, 5)];
}

Point vertex(const FigureGeometry& g, int tier, int row, int v) {
    return {g.at(tier, row, v, FigureGeometry::VertexX), g.at(tier, row, v, FigureGeometry::VertexY)};
}
double cross(Point o, Point p, Point q) { return (p[0] - o[0]) * (q[1] - o[1]) - (p[1] - o[1]) * (q[0] - o[0]); }
double distance(Point p, Point q) { return std::hypot(q[0] - p[0], q[1] - p[1]); }

// Slope angle of the line through p and q, in -π/2 .. π/2.
double slope(Point p, Point q) {
    const double run = q[0] - p[0];
    const double rise = q[1] - p[1];
    return run == 0.0 ? std::copysign(3.1415926538 / 2.0, rise) : std::atan(rise / run);
}

TEST(DevelopmentGeometryProperties, RandomValidChainsArePlacedAsTheirSidesSay) {
    RandomChains random(20240517u);
    for (int document = 0; document < 300; ++document) {
        SurveyData data;
        const int tierCount = random.uniform(1, 4);
        const InputSet set = random.uniform(0, 1) ? InputSet::Measured : InputSet::Design;
        data.conditions.numberHeight = static_cast<float>(random.uniform(1, 20)) / 10.0f;
        std::vector<std::vector<Figure>> tiers;
        for (int t = 0; t < tierCount; ++t) {
            tiers.push_back(random.tier(t + 1 < tierCount));
            std::vector<test::FigureInput> inputs;
            for (const Figure& f : tiers.back()) {
                inputs.push_back({typeOf(f, random), std::to_string(f.sides[0]), std::to_string(f.sides[1]),
                                  std::to_string(f.sides[2]), std::to_string(f.join)});
            }
            test::fillTier(data, t, inputs, set);
        }
        FigureGeometry g;
        const auto failure = computeDevelopmentGeometry(data, "No.", g);
        ASSERT_FALSE(failure) << "document " << document << ": " << failure->text;

        const int own = set == InputSet::Measured ? 1 : 0;
        double extent = 1.0;
        for (int t = 0; t < tierCount; ++t) {
            for (int row = 0; row < g.rows(); ++row) {
                for (int v = 0; v < 3; ++v) {
                    for (int k = 0; k < 5; ++k) {
                        const float value = g.at(t, row, v, k);
                        ASSERT_TRUE(std::isfinite(value));
                        const bool written = row % 2 == own && row / 2 < static_cast<int>(tiers[t].size());
                        if (!written) {
                            ASSERT_EQ(value, 0.0f) << "document " << document << " row " << row;
                        }
                        if (k < 2) extent = std::max(extent, std::fabs(double{value}));
                    }
                }
            }
        }
        const double tolerance = 2e-6 * extent;

        for (int t = 0; t < tierCount; ++t) {
            const auto& figures = tiers[static_cast<std::size_t>(t)];
            const auto base = std::find_if(figures.begin(), figures.end(), [](const Figure& f) { return f.base; });
            EXPECT_EQ(g.baseFigureNumber(t), base - figures.begin() + 1);
            for (std::size_t k = 0; k < figures.size(); ++k) {
                const Figure& f = figures[k];
                const int row = 2 * static_cast<int>(k) + own;
                const std::array<Point, 3> n{vertex(g, t, row, 0), vertex(g, t, row, 1), vertex(g, t, row, 2)};
                SCOPED_TRACE("document " + std::to_string(document) + " tier " + std::to_string(t) + " figure " +
                             std::to_string(k + 1));
                for (int side = 0; side < 3; ++side) {
                    const auto [i, j] = kSideVertices[static_cast<std::size_t>(side)];
                    EXPECT_NEAR(distance(n[i], n[j]), f.sides[side], tolerance) << "side " << side;
                    EXPECT_NEAR(g.at(t, row, side, FigureGeometry::LabelX), (n[i][0] + n[j][0]) / 2.0, tolerance);
                    EXPECT_NEAR(g.at(t, row, side, FigureGeometry::LabelY), (n[i][1] + n[j][1]) / 2.0, tolerance);
                    const double label = g.at(t, row, side, FigureGeometry::Slope);
                    EXPECT_LE(std::fabs(label), 3.1415926538 / 2.0 + 1e-6);
                    // The label runs along the side.
                    EXPECT_NEAR(std::cos(label) * (n[j][1] - n[i][1]) - std::sin(label) * (n[j][0] - n[i][0]), 0.0,
                                tolerance + 1e-5 * f.sides[side]);
                }
                // Up figures run counter-clockwise, down figures clockwise.
                EXPECT_EQ(cross(n[0], n[1], n[2]) > 0.0, f.up);
                if (k == 0) continue;
                const int previousRow = row - 2;
                const std::array<Point, 3> p{vertex(g, t, previousRow, 0), vertex(g, t, previousRow, 1),
                                             vertex(g, t, previousRow, 2)};
                // The joined side of this figure is the previous figure's side: the same two points.
                const auto [ni, nj] = kSideVertices[static_cast<std::size_t>(f.join)];
                const auto [pi, pj] = kSideVertices[static_cast<std::size_t>(2 - f.join)];
                const bool same = n[ni] == p[pi] && n[nj] == p[pj];
                const bool swapped = n[ni] == p[pj] && n[nj] == p[pi];
                EXPECT_TRUE(same || swapped);
                // ... and the two figures lie on either side of it.
                const Point newThird = n[3 - ni - nj];
                const Point previousThird = p[3 - pi - pj];
                EXPECT_LT(cross(p[pi], p[pj], newThird) * cross(p[pi], p[pj], previousThird), 0.0);
            }
            if (t == 0) continue;
            // The base stands at the anchor beside the previous tier, its side B at the slope -β.
            const int s = own;
            const int previousBase = g.baseFigureNumber(t - 1);
            const int rowR = 2 * (previousBase - 2) + s;
            const double alpha = slope(vertex(g, t - 1, rowR, 2), vertex(g, t - 1, rowR, 0));
            const double beta = std::fabs(slope(vertex(g, t - 1, rowR, 0), vertex(g, t - 1, rowR, 1)));
            const int baseRow = 2 * (g.baseFigureNumber(t) - 1) + s;
            const Point q0 = vertex(g, t - 1, baseRow, 0);
            const double h = data.conditions.numberHeight;
            const Point b0 = vertex(g, t, baseRow, 0);
            const Point b1 = vertex(g, t, baseRow, 1);
            EXPECT_NEAR(b0[0], q0[0] + h * std::cos(alpha), tolerance);
            EXPECT_NEAR(b0[1], q0[1] + h * std::sin(alpha), tolerance);
            const double run = b1[0] - b0[0];
            const double rise = b1[1] - b0[1];
            EXPECT_NEAR(run * std::sin(-beta) - rise * std::cos(-beta), 0.0, tolerance + 1e-6 * std::hypot(run, rise));
        }
    }
}

}  // namespace
}  // namespace mirota
