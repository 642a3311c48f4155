// The geometry of the drawing options: the 三斜 height, the exception figures at their positions and
// the hatching of deductions.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/AreaCalculation.h"
#include "draw/geometry/DevelopmentGeometry.h"
#include "draw/geometry/ExceptionLayout.h"
#include "draw/geometry/Hatching.h"
#include "draw/geometry/HeightLine.h"

namespace mirota {
namespace {

double shoelace(const std::vector<hatching::Point>& p) {
    double twice = 0.0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const auto& q = p[(i + 1) % p.size()];
        twice += p[i].x * q.y - q.x * p[i].y;
    }
    return std::fabs(twice) / 2.0;
}

TEST(HeightLineTest, TheHeightOfA345TriangleStandsOnSide5) {
    // The same triangle typed three ways round: the base is always the side of 5.
    for (const auto& [sides, baseSide] :
         {std::pair{std::array{"3", "4", "5"}, 2}, {std::array{"5", "3", "4"}, 0}, {std::array{"4", "5", "3"}, 1}}) {
        SurveyData data;
        data.setFigureCount(ListKind::Chain, 0, 1);
        data.setRow(ListKind::Chain, 0, 0, {"0", sides[0], sides[1], sides[2], "", "", "0"});
        ASSERT_FALSE(calculateAreas(data, "No."));
        FigureGeometry geometry;
        const auto failure = computeDevelopmentGeometry(data, "No.", geometry);
        ASSERT_FALSE(failure) << failure->text;
        const auto line = heightLineOf(data, geometry, 0, 0);
        ASSERT_TRUE(line);
        EXPECT_EQ(line->baseSide, baseSide);
        EXPECT_NEAR(line->height, 2.4, 1e-6);
        const double dx = line->apexX - line->footX;
        const double dy = line->apexY - line->footY;
        EXPECT_NEAR(std::hypot(dx, dy), 2.4, 1e-5) << "the line is as long as the height";
        EXPECT_NEAR(dx * line->alongBaseX + dy * line->alongBaseY, 0.0, 1e-5) << "square to the base";
        // The foot divides the base 1.8 : 3.2 (the squares of 3 and 4 over 5); the mark points along the longer part.
        const std::array<int, 2> ends = baseSide == 0   ? std::array{0, 2}
                                        : baseSide == 1 ? std::array{0, 1}
                                                        : std::array{1, 2};
        std::array<double, 2> toEnd{};
        for (int i = 0; i < 2; ++i) {
            toEnd[i] = std::hypot(geometry.at(0, 0, ends[i], FigureGeometry::VertexX) - line->footX,
                                  geometry.at(0, 0, ends[i], FigureGeometry::VertexY) - line->footY);
        }
        EXPECT_NEAR(std::min(toEnd[0], toEnd[1]), 1.8, 1e-5);
        EXPECT_NEAR(toEnd[0] + toEnd[1], 5.0, 1e-5) << "the foot lies on the base";
    }
}

TEST(HeightLineTest, TheHeightIsWrittenByTheRoundingRuleAsOnTheSheet) {
    // 10-10-10: height 8.66025…; 3-4-5: height exactly 2.4.
    struct Case {
        const char* side;
        int decimals;
        RoundingRule rounding;
        const char* text;
    };
    const Case cases[] = {{"10", 1, RoundingRule::HalfUp, "8.7"}, {"10", 1, RoundingRule::Down, "8.6"},
                          {"10", 2, RoundingRule::Up, "8.67"},    {"10", 2, RoundingRule::Down, "8.66"}};
    for (const Case& c : cases) {
        SurveyData data;
        data.setFigureCount(ListKind::Chain, 0, 1);
        data.setRow(ListKind::Chain, 0, 0, {"0", c.side, c.side, c.side, "", "", "0"});
        ASSERT_FALSE(calculateAreas(data, "No."));
        FigureGeometry geometry;
        ASSERT_FALSE(computeDevelopmentGeometry(data, "No.", geometry));
        const auto line = heightLineOf(data, geometry, 0, 0);
        ASSERT_TRUE(line);
        EXPECT_EQ(heightText(*line, AreaRules{.decimals = c.decimals, .rounding = c.rounding}), c.text);
    }
    HeightLine exact;
    exact.height = 2.4;  // no binary 2.39999… cut down to 2.39
    EXPECT_EQ(heightText(exact, AreaRules{.decimals = 2, .rounding = RoundingRule::Down}), "2.40");
}

TEST(ExceptionLayoutTest, RectanglesLieAlongTheReferenceAngleAndFiguresWithoutPositionAreListed) {
    SurveyData data;
    data.conditions.referenceAngle = 30.0f;
    data.setFigureCount(ListKind::Exception, 0, 4);
    data.setRow(ListKind::Exception, 0, 0, {"12", "物置", "2", "6", "10,20", "12", ""});
    data.setRow(ListKind::Exception, 0, 2, {"23", "池", "4", "", "-5.5,3", "12.56637", ""});
    data.setRow(ListKind::Exception, 0, 4, {"12", "花壇", "1", "1", "", "1", ""});
    data.setRow(ListKind::Exception, 0, 6, {"12", "未入力", "1", "", "1,1", "", ""});  // no area: not a figure yet
    const ExceptionLayout layout = layOutExceptionFigures(data, "No.");

    ASSERT_EQ(layout.placed.size(), 2u);
    const PlacedExceptionFigure& rectangle = layout.placed[0];
    ASSERT_EQ(rectangle.corners.size(), 4u);
    EXPECT_NEAR(shoelace(rectangle.corners), 12.0, 1e-9);
    // Element 2 (6) along the reference angle, element 1 (2) across it.
    const double alongX = rectangle.corners[1].x - rectangle.corners[0].x;
    const double alongY = rectangle.corners[1].y - rectangle.corners[0].y;
    EXPECT_NEAR(std::hypot(alongX, alongY), 6.0, 1e-9);
    EXPECT_NEAR(std::atan2(alongY, alongX) * 180.0 / 3.141592653589793, 30.0, 1e-9);
    double sumX = 0.0, sumY = 0.0;
    for (const auto& corner : rectangle.corners) sumX += corner.x, sumY += corner.y;
    EXPECT_NEAR(sumX / 4.0, 10.0, 1e-9);
    EXPECT_NEAR(sumY / 4.0, 20.0, 1e-9);
    EXPECT_FALSE(rectangle.deduction);

    const PlacedExceptionFigure& circle = layout.placed[1];
    EXPECT_TRUE(circle.circle);
    EXPECT_TRUE(circle.deduction);
    EXPECT_DOUBLE_EQ(circle.radius, 2.0);
    EXPECT_DOUBLE_EQ(circle.centre.x, -5.5);

    EXPECT_EQ(layout.withoutPosition,
              std::vector<std::string>{"例外処理 1段目 No.3「花壇」は位置（X,Y）がないため作図していません"});
}

TEST(HatchingTest, LinesStayInsideTheFigureAndCoverIt) {
    // A 4 × 4 square, lines at 45° 0.5 apart: the widest is the diagonal, the count covers the width.
    const auto square = hatching::convexPolygon({{0, 0}, {4, 0}, {4, 4}, {0, 4}}, 0.5);
    EXPECT_EQ(square.size(), 11u);  // across the lines the square is 4√2 = 5.66 wide: 11 lines 0.5 apart
    double longest = 0.0;
    for (const auto& s : square) {
        for (const auto& p : {s.from, s.to}) {
            EXPECT_GE(p.x, -1e-9);
            EXPECT_LE(p.x, 4 + 1e-9);
            EXPECT_GE(p.y, -1e-9);
            EXPECT_LE(p.y, 4 + 1e-9);
        }
        longest = std::max(longest, std::hypot(s.to.x - s.from.x, s.to.y - s.from.y));
    }
    EXPECT_NEAR(longest, 4 * std::sqrt(2.0), 1e-9);

    for (const auto& s : hatching::circle({1, 1}, 2, 0.3)) {
        EXPECT_NEAR(std::hypot(s.from.x - 1, s.from.y - 1), 2.0, 1e-9);
        EXPECT_NEAR(std::hypot(s.to.x - 1, s.to.y - 1), 2.0, 1e-9);
    }
    EXPECT_TRUE(hatching::convexPolygon({{0, 0}, {1, 1}}, 0.5).empty());
    EXPECT_TRUE(hatching::circle({0, 0}, 1, 0.0).empty());
}

}  // namespace
}  // namespace mirota
