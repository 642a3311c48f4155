#include "calc/BaseAndHeight.h"

#include <gtest/gtest.h>

#include <limits>

namespace mirota {
namespace {

struct Case {
    std::array<double, 3> sides;
    double area;
    int baseSide;
    double base;
    double height;
};

TEST(BaseAndHeightTest, LongestSideIsTheBaseAndTheHeightGivesTheArea) {
    const Case cases[] = {
        {{3, 4, 5}, 6, 2, 5, 2.4},          // the base and height of a 3-4-5 triangle
        {{5, 3, 4}, 6, 0, 5, 2.4},          // wherever the longest side stands
        {{4, 5, 3}, 6, 1, 5, 2.4},
        {{10, 10, 10}, 43.30127, 0, 10, 8.660254},  // equal sides: the first is the base
        {{10.25, 10.5, 10.125}, 46.0, 1, 10.5, 2 * 46.0 / 10.5},
    };
    for (const Case& c : cases) {
        const auto result = baseAndHeightOf(c.sides, c.area);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->baseSide, c.baseSide);
        EXPECT_DOUBLE_EQ(result->base, c.base);
        EXPECT_NEAR(result->height, c.height, 1e-12);
        EXPECT_NEAR(result->base * result->height / 2.0, c.area, 1e-9);  // 倍面積 ÷ 2 is the area again
    }
}

TEST(BaseAndHeightTest, NoBaseWithoutAPositiveSideOrAFiniteArea) {
    EXPECT_FALSE(baseAndHeightOf({0, 0, 0}, 0));
    EXPECT_FALSE(baseAndHeightOf({-1, -2, -3}, 1));
    EXPECT_FALSE(baseAndHeightOf({3, 4, 5}, std::numeric_limits<double>::infinity()));
}

}  // namespace
}  // namespace mirota
