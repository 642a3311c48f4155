// The hatching leaves texts and circled numbers free, keeps its spacing on paper, and never gives a
// figure more than a few dozen lines whatever its size.
#include "draw/geometry/HatchClipping.h"

#include <gtest/gtest.h>

#include <cmath>

namespace mirota::hatching {
namespace {

// 2 mm on paper in the document's unit; a square 10,000 wide at a spacing of 0.4 would take 35,000
// lines, and gets every n-th of them.
TEST(HatchSpacing, AFigureGetsAFewDozenLinesOnTheSameGrid) {
    EXPECT_DOUBLE_EQ(spacingOnPaper(500.0f, DisplayUnit::Centimetre), 100.0);
    EXPECT_EQ(spacingOnPaper(-100.0f, DisplayUnit::Metre), 0.0);
    for (const double side : {10'000.0, 100'000.0, 1e12}) {
        const auto lines = convexPolygon({{0, 0}, {side, 0}, {side, side}, {0, side}}, 0.4, kMostLines);
        EXPECT_GE(lines.size(), static_cast<std::size_t>(kMostLines / 2)) << side;
        EXPECT_LE(lines.size(), static_cast<std::size_t>(kMostLines + 1)) << side;
        // Still on the grid of 0.4 along the normal (-1, 1)/√2, as a neighbour's lines are.
        const double distance = (lines[0].from.y - lines[0].from.x) / std::sqrt(2.0) / 0.4;
        EXPECT_NEAR(distance, std::round(distance), 1e-6 * std::fabs(distance)) << side;
    }
    // Far from the origin a small figure still ends: a step of one is lost in the rounding there.
    EXPECT_LE(convexPolygon({{1e16, -1e16}, {1e16 + 4, -1e16}, {1e16, -1e16 + 4}}, 0.4).size(), 20u);
    // Without a limit (the sheet, on paper already) every line is drawn.
    EXPECT_EQ(convexPolygon({{0, 0}, {100, 0}, {100, 100}, {0, 100}}, 1.0).size(), 141u);
}

TEST(HatchKeepOuts, ASegmentIsCutAroundCirclesAndTextBoxes) {
    // "12" is 1.2 heights wide; with a quarter height's gap its box runs from 1.15 to 2.85 at 2.
    const KeepOuts keepOuts({circleKeepOut({7, 0}, 1), textKeepOut({2, 0}, "12", 1.0, 0.0, TextAnchor::Middle),
                             circleKeepOut({7.5, 0}, 1)});
    const auto pieces = keepOuts.clip({{{0, 0}, {10, 0}}});
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_NEAR(pieces[0].to.x, 1.15, 1e-9);
    EXPECT_NEAR(pieces[1].from.x, 2.85, 1e-9);
    EXPECT_NEAR(pieces[1].to.x, 6.0, 1e-9);  // the two circles overlap: one gap from 6 to 8.5
    EXPECT_NEAR(pieces[2].from.x, 8.5, 1e-9);
    EXPECT_NEAR(pieces[2].to.x, 10.0, 1e-9);
    // A text turned upright at (5, 5), as a label along a vertical side: its width runs along y, from
    // 4.15 to 5.85; its height across, from its baseline side at x = 5.25 to 3.55.
    const KeepOuts upright({textKeepOut({5, 5}, "12", 1.0, 90.0, TextAnchor::Bottom)});
    const auto vertical = upright.clip({{{4.5, 0}, {4.5, 10}}});
    ASSERT_EQ(vertical.size(), 2u);
    EXPECT_NEAR(vertical[0].to.y, 4.15, 1e-9);
    EXPECT_NEAR(vertical[1].from.y, 5.85, 1e-9);
    EXPECT_EQ(upright.clip({{{6, 0}, {6, 10}}}).size(), 1u);  // beyond the box, below the baseline side
    EXPECT_TRUE(KeepOuts({circleKeepOut({0, 0}, 5)}).clip({{{-1, 0}, {1, 0}}}).empty());
}

}  // namespace
}  // namespace mirota::hatching
