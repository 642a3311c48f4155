// The whole drawing run into the embedded engine, checked on the drawing it leaves: the base figure
// stands on the reference point at the reference angle, every outline keeps its sides, and joined
// figures share their side.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "draw/engine/EngineCadLink.h"
#include "draw/stream/DrawingRun.h"
#include "model/FigureType.h"
#include "model/NumberText.h"

namespace mirota {
namespace {

using drawing::Line;
using drawing::Point;

constexpr double kPi = 3.14159265358979323846;

struct Outline {
    Point v0, v1, v2;
};

double distance(Point p, Point q) { return std::hypot(p.x - q.x, p.y - q.y); }

std::string sideText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// A random survey whose chains are valid: each figure's joined side is the side it shares, the other
// two sides form a triangle with it, types alternate up and down, and every tier but the last has its
// base at figure 2 or later so that the next tier can be laid out beside it.
class RandomSurvey {
public:
    explicit RandomSurvey(unsigned seed) : random_(seed) {}

    SurveyData make() {
        SurveyData data;
        const int tiers = pick(1, 3);
        data.changeTierCount(tiers);
        data.view.currentInputSet = pick(0, 1) ? InputSet::Measured : InputSet::Design;
        for (int tier = 0; tier < tiers; ++tier) fillTier(data, tier, tier + 1 < tiers);
        DrawingConditions& c = data.conditions;
        c.referenceX = static_cast<float>(uniform(-500, 500));
        c.referenceY = static_cast<float>(uniform(-500, 500));
        c.referenceAngle = static_cast<float>(uniform(-180, 180));
        c.dimensionPosition = static_cast<DimensionPosition>(pick(0, 2));
        c.displayUnit = DisplayUnit::Metre;
        c.additionalDrawing = Switch::Off;
        c.areaTable = pick(0, 1) ? Switch::On : Switch::Off;
        return data;
    }

private:
    void fillTier(SurveyData& data, int tier, bool baseAfterFirst) {
        const int count = pick(baseAfterFirst ? 2 : 1, 12);
        data.setFigureCount(ListKind::Chain, tier, count);
        const bool firstUp = pick(0, 1) == 1;
        // The base is up: a figure whose position has the parity of the up figures.
        std::vector<int> candidates;
        for (int k = baseAfterFirst ? 1 : 0; k < count; ++k) {
            if ((k % 2 == 0) == firstUp) candidates.push_back(k);
        }
        const int base = candidates.empty() ? -1 : candidates[static_cast<std::size_t>(pick(0, static_cast<int>(candidates.size()) - 1))];
        if (base < 0) return fillTier(data, tier, baseAfterFirst);
        for (int set = 0; set < 2; ++set) {
            for (int k = 0; k < count; ++k) {
                const int row = 2 * k + set;
                const bool up = (k % 2 == 0) == firstUp;
                const char* type = k == base ? "0" : (up ? (pick(0, 4) ? "10" : "20") : (pick(0, 4) ? "11" : "21"));
                const JoinSide join = static_cast<JoinSide>(pick(0, 2));
                data.setCell(ListKind::Chain, tier, row, column::Type, type);
                data.setCell(ListKind::Chain, tier, row, column::Join, std::string(joinSideCode(join)));
                fillSides(data, tier, row, k == 0 ? std::nullopt : std::optional<JoinSide>(join));
            }
        }
    }

    void fillSides(SurveyData& data, int tier, int row, std::optional<JoinSide> join) {
        double shared = uniform(4, 15);
        int sharedColumn = column::SideA;
        if (join) {
            shared = number::leadingNumber(data.cell(ListKind::Chain, tier, row - 2, previousJoinedColumn(*join)));
            sharedColumn = joinedColumn(*join);
        }
        const double other1 = uniform(0.6, 1.4) * shared;
        const double low = std::fabs(shared - other1), high = shared + other1;
        const double other2 = low + (high - low) * uniform(0.15, 0.85);
        int next = 0;
        const double others[2] = {other1, other2};
        for (int col = column::SideA; col <= column::SideC; ++col) {
            const double value = col == sharedColumn ? shared : others[next++];
            data.setCell(ListKind::Chain, tier, row, col, col == sharedColumn && join ? data.cell(ListKind::Chain, tier, row - 2, previousJoinedColumn(*join)) : sideText(value));
        }
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    double uniform(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random_); }

    std::mt19937 random_;
};

std::vector<Outline> outlines(const drawing::Drawing& drawing) {
    std::vector<Point> starts;
    for (const auto& entity : drawing.entities) {
        if (const auto* line = std::get_if<Line>(&entity.shape)) starts.push_back(line->start);
    }
    std::vector<Outline> result;
    for (std::size_t i = 0; i + 2 < starts.size(); i += 3) result.push_back({starts[i], starts[i + 1], starts[i + 2]});
    return result;
}

Point vertex(const Outline& o, int v) { return v == 0 ? o.v0 : v == 1 ? o.v1 : o.v2; }

TEST(DrawingOnEngine, BaseOnTheReferencePointAtTheReferenceAngleAndOutlinesKeepTheirSides) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        SurveyData data = RandomSurvey(seed).make();
        EngineCadLink link;
        const DrawingRunResult result = drawToLink(data, {"0.00", "No."}, link, ProgressCallback());
        ASSERT_TRUE(result.finished()) << (result.messages.empty() ? "" : result.messages.front().text);

        const auto drawn = outlines(link.drawing());
        const int set = static_cast<int>(data.view.currentInputSet);
        std::size_t index = 0;
        int baseIndex = -1;
        for (int tier = 0; tier < data.tierCount(); ++tier) {
            for (int k = 0; k < data.figureCount(ListKind::Chain, tier); ++k, ++index) {
                ASSERT_LT(index, drawn.size());
                const int row = 2 * k + set;
                const Outline& o = drawn[index];
                auto side = [&](int col) { return number::leadingNumber(data.cell(ListKind::Chain, tier, row, col)); };
                EXPECT_NEAR(distance(o.v0, o.v2), side(column::SideA), 2e-3);
                EXPECT_NEAR(distance(o.v0, o.v1), side(column::SideB), 2e-3);
                EXPECT_NEAR(distance(o.v1, o.v2), side(column::SideC), 2e-3);
                if (tier == 0 && baseIndex < 0 && data.cell(ListKind::Chain, 0, row, column::Type) == "0") {
                    baseIndex = static_cast<int>(index);
                }
                if (k == 0) continue;
                // The copied vertices of a joined figure are the previous figure's.
                const auto join = joinSideFromCode(data.cell(ListKind::Chain, tier, row, column::Join));
                ASSERT_TRUE(join.has_value());
                const Outline& p = drawn[index - 1];
                const int pairs[3][2][2] = {{{0, 2}, {2, 1}}, {{0, 0}, {1, 1}}, {{1, 2}, {2, 0}}};
                for (const auto& pair : pairs[static_cast<int>(*join)]) {
                    EXPECT_NEAR(distance(vertex(o, pair[0]), vertex(p, pair[1])), 0.0, 2e-3);
                }
            }
        }
        ASSERT_GE(baseIndex, 0);
        const Outline& base = drawn[static_cast<std::size_t>(baseIndex)];
        const DrawingConditions& c = data.conditions;
        EXPECT_NEAR(base.v0.x, c.referenceX, 2e-3);
        EXPECT_NEAR(base.v0.y, c.referenceY, 2e-3);
        const double angle = std::atan2(base.v1.y - base.v0.y, base.v1.x - base.v0.x) * 180.0 / kPi;
        const double off = std::remainder(angle - c.referenceAngle, 360.0);
        EXPECT_NEAR(off, 0.0, 1e-2);
    }
}

}  // namespace
}  // namespace mirota
