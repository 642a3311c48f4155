#include <gtest/gtest.h>

#include <cmath>

#include "draw/geometry/SideAngles.h"

namespace mirota::geometry {
namespace {

constexpr double kQuarterTurn = 3.1415926538 / 2.0;

struct SlopeCase {
    double run;
    double rise;
    double expected;
};

TEST(SideAngles, SlopeAngleIsTheArctangentAndAVerticalSideIsAQuarterTurnBySignOfRise) {
    const SlopeCase cases[] = {
        {1.0, 1.0, 0.78539816339744831},
        {-1.0, 1.0, -0.78539816339744831},
        {2.0, 0.0, 0.0},
        {-2.0, 0.0, 0.0},
        {0.0, 3.0, kQuarterTurn},
        {0.0, -3.0, -kQuarterTurn},
        {0.0, 1e-45, kQuarterTurn},
        {1.0, -1.7320508075688772, -1.0471975511965976},
    };
    for (const auto& c : cases) {
        const auto angle = slopeAngle(c.run, c.rise);
        ASSERT_TRUE(angle) << c.run << " " << c.rise;
        EXPECT_DOUBLE_EQ(*angle, c.expected) << c.run << " " << c.rise;
    }
    EXPECT_FALSE(slopeAngle(0.0, 0.0));
    EXPECT_FALSE(slopeAngle(-0.0, 0.0));
}

TEST(SideAngles, EdgeDirectionAddsTheHalfTurnOnlyForEdgesRunningLeft) {
    EXPECT_DOUBLE_EQ(*edgeDirection(1, 1, 2, 2), 0.78539816339744831);
    // Leftward edges get the program's half turn, 3.1415926538, not the exact one.
    EXPECT_DOUBLE_EQ(*edgeDirection(0, 0, -1, 1), -0.78539816339744831 + 3.1415926538);
    EXPECT_DOUBLE_EQ(*edgeDirection(0, 0, -1, 0), 3.1415926538);
    EXPECT_DOUBLE_EQ(*edgeDirection(4, 0, 4, 3), kQuarterTurn);
    EXPECT_DOUBLE_EQ(*edgeDirection(4, 3, 4, 0), -kQuarterTurn);
    EXPECT_FALSE(edgeDirection(5, 5, 5, 5));
}

TEST(SideAngles, InteriorAngleByTheHalfAngleFormula) {
    // 3-4-5: the angle between 3 and 4 is a right angle; between 4 and 5 it is atan(3/4).
    EXPECT_DOUBLE_EQ(std::get<double>(interiorAngle(6, 4, 3, 5)), 2.0 * std::atan(1.0));
    EXPECT_NEAR(std::get<double>(interiorAngle(6, 5, 4, 3)), std::atan(0.75), 1e-15);
    EXPECT_NEAR(std::get<double>(interiorAngle(15, 10, 10, 10)), 1.0471975511965976, 1e-15);
    // Flat figure: the angle opposite a vanishing side is zero.
    EXPECT_DOUBLE_EQ(std::get<double>(interiorAngle(10, 10, 10, 0)), 0.0);
}

TEST(SideAngles, InteriorAngleFaults) {
    struct Case {
        double s, x, y, z;
        AngleFault fault;
    };
    const Case cases[] = {
        {4, 2, 1, 5, AngleFault::NegativeRadicand},  // sides 1, 2, 5
        {3, 2, 1, 3, AngleFault::ZeroDivisor},       // sides 1, 2, 3: S - C = 0
        {0, 1, 1, -2, AngleFault::ZeroDivisor},      // S = 0 under a non-zero product
        {0, 0, 0, 0, AngleFault::ZeroByZero},
        {10, 0, 10, 10, AngleFault::ZeroByZero},  // (S - 10)(S - 0) / S / (S - 10)
    };
    for (const auto& c : cases) {
        const auto result = interiorAngle(c.s, c.x, c.y, c.z);
        ASSERT_TRUE(std::holds_alternative<AngleFault>(result)) << c.s << " " << c.x << " " << c.y << " " << c.z;
        EXPECT_EQ(std::get<AngleFault>(result), c.fault) << c.s << " " << c.x << " " << c.y << " " << c.z;
    }
}

}  // namespace
}  // namespace mirota::geometry
