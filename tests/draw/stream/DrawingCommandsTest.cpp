#include "draw/stream/DrawingCommands.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include <gtest/gtest.h>

#include "StreamTestSupport.h"
#include "draw/stream/RecordingCadLink.h"

namespace mirota {
namespace {

using test::setFigure;
using test::setRow;
using test::startsWith;

const float kAtan2 = static_cast<float>(std::atan(2.0));
const float kAtanTwoThirds = static_cast<float>(std::atan(2.0 / 3.0));

// Two figures of tier 0: the base (0,0) (4,0) (1,2) and below it its mirror across side B.
// Reference point (100, 200) at 30 degrees; number height 0.5, label height 0.25; no area table.
class DrawingCommandsTest : public ::testing::Test {
protected:
    DrawingCommandsTest() : geometry(data.maxTiers(), data.rowCapacity()) {}

    void SetUp() override {
        auto& c = data.conditions;
        c.referenceX = 100.0f;
        c.referenceY = 200.0f;
        c.referenceAngle = 30.0f;
        c.numberHeight = 0.5f;
        c.labelHeight = 0.25f;
        setRow(data, 0, 0, "0", {"2.236", "4", "3.606", "4.92", "4"});
        setRow(data, 0, 2, "11", {"2.236", "4", "3.606", "4.92", "4"});
        setFigure(geometry, 0, 0, {0, 0}, {4, 0}, {1, 2}, {kAtan2, 0, -kAtanTwoThirds});
        setFigure(geometry, 0, 2, {0, 0}, {4, 0}, {1, -2}, {-kAtan2, 0, kAtanTwoThirds});
        geometry.baseFigureNumber(0) = 1;
    }

    std::optional<Message> send() {
        return sendDrawingCommands(data, geometry, StreamSettings{"0.00"}, link,
                                   [this](int value, int maximum) { progress.emplace_back(value, maximum); });
    }

    std::vector<std::string> requestsStartingWith(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const auto& text : link.requests()) {
            if (text.compare(0, prefix.size(), prefix) == 0) found.push_back(text);
        }
        return found;
    }

    SurveyData data;
    FigureGeometry geometry;
    RecordingCadLink link;
    std::vector<std::pair<int, int>> progress;
};

// Label angles: atan 2 and atan 2/3 as singles, ÷ 3.1415926538 × 180, written with 15 digits.
TEST_F(DrawingCommandsTest, WholeSequenceOfASmallDrawing) {
    EXPECT_EQ(send(), std::nullopt);
    ASSERT_EQ(link.opened().size(), 1u);
    EXPECT_EQ(link.opened()[0], std::make_pair(std::string("AutoCAD LT.DDE"), std::string("System")));

    const std::string centre1 = "1.66666666666667,0.666666666666667";
    const std::string centre2 = "1.66666666666667,-0.666666666666667";
    const std::vector<std::string> expected{
        "erase\rall\r\r",
        "-layer\rn\r図面\r\r",
        "-layer\rs\r図面\r\r",
        "line\r0,0\r4,0\r1,2\rc\r",
        "line\r0,0\r4,0\r1,-2\rc\r",
        "-layer\rn\r寸法値\r\r",
        "-layer\rs\r寸法値\r\r",
        "-layer\rc\rred\r寸法値\r\r",
        "_dtext\rj\rBC\r0.5,1\r0.25\r63.4349516103312\r2.24\r\r",
        "_dtext\rj\rBC\r2,0\r0.25\r0\r4.00\r\r",
        "_dtext\rj\rBC\r2.5,1\r0.25\r-33.6900685882792\r3.61\r\r",
        "_dtext\rj\rBC\r0.5,-1\r0.25\r-63.4349516103312\r2.24\r\r",
        "_dtext\rj\rBC\r2,0\r0.25\r0\r4.00\r\r",
        "_dtext\rj\rBC\r2.5,-1\r0.25\r33.6900685882792\r3.61\r\r",
        "_dtext\rm\r" + centre1 + "\r0.5\r0\r1\r\r",
        "_circle\r" + centre1 + "\r0.5\r\x1b",
        "_dtext\rm\r" + centre2 + "\r0.5\r0\r2\r\r",
        "_circle\r" + centre2 + "\r0.5\r\x1b",
        "_move\rall\r\r0,0\r100,200\r",
        "_rotate\rp\r\r100,200\r30\r",
    };
    EXPECT_EQ(link.requests(), expected);
    // The maximum is 4 × 2 figures: outlines give their row, labels and numbers count on by one.
    const std::vector<std::pair<int, int>> expectedProgress{{0, 8}, {2, 8}, {3, 8}, {4, 8}, {5, 8}, {6, 8}};
    EXPECT_EQ(progress, expectedProgress);
}

TEST_F(DrawingCommandsTest, LayerCommandIsThirteenCharacters) {
    ASSERT_EQ(send(), std::nullopt);
    const std::string& layer = link.requests()[1];
    EXPECT_EQ(layer, std::string("-layer") + '\r' + "n" + '\r' + "図面" + '\r' + '\r');
    std::size_t characters = 0;
    for (unsigned char byte : layer) characters += (byte & 0xC0) != 0x80;
    EXPECT_EQ(characters, 13u);
}

TEST_F(DrawingCommandsTest, JustificationByDimensionPosition) {
    struct Case {
        DimensionPosition position;
        const char* justification;  // nullptr: no labels
    };
    const Case cases[] = {{DimensionPosition::Above, "BC"},
                          {DimensionPosition::Middle, "M"},
                          {DimensionPosition::Below, "TC"},
                          {DimensionPosition{3}, nullptr},
                          {DimensionPosition{-1}, nullptr}};
    for (const Case& c : cases) {
        RecordingCadLink fresh;
        data.conditions.dimensionPosition = c.position;
        ASSERT_EQ(sendDrawingCommands(data, geometry, {}, fresh, {}), std::nullopt);
        std::size_t labels = 0;
        std::size_t numbers = 0;
        for (const auto& text : fresh.requests()) {
            if (text.starts_with("_dtext\rj\r")) {
                ++labels;
                EXPECT_TRUE(startsWith(text, std::string("_dtext\rj\r") + c.justification + "\r"));
            }
            if (text.starts_with("_dtext\rm\r")) ++numbers;
        }
        EXPECT_EQ(labels, c.justification ? 6u : 0u) << "position " << static_cast<int>(c.position);
        EXPECT_EQ(numbers, 2u) << "position " << static_cast<int>(c.position);
        EXPECT_EQ(fresh.requests().back(), "_rotate\rp\r\r100,200\r30\r");
    }
}

// A base whose side v0→v1 runs towards -x: the turn and the labels gain a half turn.
TEST_F(DrawingCommandsTest, BaseRunningTowardsMinusXIsFlipped) {
    setFigure(geometry, 0, 0, {0, 0}, {-4, 0}, {-1, -2}, {-kAtan2, 0, -0.5f});
    ASSERT_EQ(send(), std::nullopt);
    const auto labels = requestsStartingWith("_dtext\rj\r");
    ASSERT_EQ(labels.size(), 6u);
    // -atan 2 → 116.565048389669 after the half turn; 0 → 180.
    EXPECT_EQ(labels[0], "_dtext\rj\rBC\r-0.5,-1\r0.25\r116.565048389669\r2.24\r\r");
    EXPECT_EQ(labels[1], "_dtext\rj\rBC\r-2,0\r0.25\r180\r4.00\r\r");
    // Every figure's labels turn, the second figure's too: atan 2/3 → 213.690068588279.
    EXPECT_EQ(labels[5], "_dtext\rj\rBC\r2.5,-1\r0.25\r213.690068588279\r3.61\r\r");
    const auto numbers = requestsStartingWith("_dtext\rm\r");
    ASSERT_EQ(numbers.size(), 2u);
    EXPECT_EQ(numbers[0], "_dtext\rm\r-1.66666666666667,-0.666666666666667\r0.5\r-180\r1\r\r");
    EXPECT_EQ(link.requests().back(), "_rotate\rp\r\r100,200\r210\r");
}

// Vertex 2 left of vertex 0 (an obtuse angle at vertex 0) says nothing about the side's direction:
// a base running towards +x keeps its labels and turn.
TEST_F(DrawingCommandsTest, ObtuseAngleAtVertexZeroIsNotFlipped) {
    setFigure(geometry, 0, 0, {0, 0}, {4, 0}, {-1, 2}, {-kAtan2, 0, -0.5f});
    ASSERT_EQ(send(), std::nullopt);
    const auto labels = requestsStartingWith("_dtext\rj\r");
    ASSERT_EQ(labels.size(), 6u);
    EXPECT_EQ(labels[0], "_dtext\rj\rBC\r-0.5,1\r0.25\r-63.4349516103312\r2.24\r\r");
    EXPECT_EQ(labels[1], "_dtext\rj\rBC\r2,0\r0.25\r0\r4.00\r\r");
    EXPECT_EQ(requestsStartingWith("_dtext\rm\r")[0], "_dtext\rm\r1,0.666666666666667\r0.5\r0\r1\r\r");
    EXPECT_EQ(link.requests().back(), "_rotate\rp\r\r100,200\r30\r");
}

TEST_F(DrawingCommandsTest, SlopedBaseSideSetsTheTurn) {
    // Side v0→v1 rises 1 in 1: AlignAngle = -atan(1) ÷ 3.1415926538 × 180 = -45 as a single.
    setFigure(geometry, 0, 0, {0, 0}, {4, 4}, {0, 4}, {0, 0, 0});
    ASSERT_EQ(send(), std::nullopt);
    EXPECT_EQ(requestsStartingWith("_dtext\rm\r")[0], "_dtext\rm\r1.33333333333333,2.66666666666667\r0.5\r45\r1\r\r");
    EXPECT_EQ(link.requests().back(), "_rotate\rp\r\r100,200\r-15\r");
}

TEST_F(DrawingCommandsTest, VerticalBaseSideTurnsByNinetyDegrees) {
    struct Case {
        test::Vertex v1;
        test::Vertex v2;
        const char* numberAngle;
        const char* turn;  // with the reference angle 0
    };
    // Turned to run towards +x whichever side vertex 2 lies on.
    const Case cases[] = {
        {{0, 4}, {-2, 1}, "90", "-90"},  // rises
        {{0, 4}, {2, 1}, "90", "-90"},
        {{0, -4}, {2, -1}, "-90", "90"},  // falls
        {{0, -4}, {-2, -1}, "-90", "90"},
    };
    data.conditions.referenceAngle = 0.0f;
    for (const Case& c : cases) {
        RecordingCadLink fresh;
        setFigure(geometry, 0, 0, {0, 0}, c.v1, c.v2, {0, 1.5f, 0});
        ASSERT_EQ(sendDrawingCommands(data, geometry, {}, fresh, {}), std::nullopt);
        const auto& sent = fresh.requests();
        EXPECT_EQ(sent.back(), std::string("_rotate\rp\r\r100,200\r") + c.turn + "\r");
        bool found = false;
        for (const auto& text : sent) {
            if (text.starts_with("_dtext\rm\r") && text.ends_with("\r1\r\r")) {
                found = true;
                EXPECT_TRUE(text.ends_with(std::string("\r0.5\r") + c.numberAngle + "\r1\r\r")) << text;
            }
        }
        EXPECT_TRUE(found);
    }
}

// Each addition is rounded to the nearest whole number, ties to even: 0.5 → 0, 0 + 1.5 → 2, 2 + 2.5 → 4
// (rounding ties away from zero would give 1, 3, 6).
TEST_F(DrawingCommandsTest, NumberCentreRoundsEveryAdditionTiesToEven) {
    struct Case {
        test::Vertex v0, v1, v2;
        const char* centre;
    };
    const Case cases[] = {
        {{0.5f, -0.5f}, {1.5f, -1.5f}, {2.5f, 3.5f}, "1.33333333333333,0.666666666666667"},
        {{2.5f, 0.4f}, {0, 0.4f}, {0, 0.4f}, "0.666666666666667,0"},
        {{-2.5f, 1.6f}, {-1.0f, 1.6f}, {3.49f, 1.6f}, "0,2"},
    };
    for (const Case& c : cases) {
        RecordingCadLink fresh;
        setFigure(geometry, 0, 2, c.v0, c.v1, c.v2, {0, 0, 0});
        ASSERT_EQ(sendDrawingCommands(data, geometry, {}, fresh, {}), std::nullopt);
        const std::string expected = std::string("_dtext\rm\r") + c.centre + "\r0.5\r0\r2\r\r";
        bool found = false;
        for (const auto& text : fresh.requests()) found = found || text == expected;
        EXPECT_TRUE(found) << c.centre;
    }
}

TEST_F(DrawingCommandsTest, MeasuredSetDrawsTheOddRows) {
    data.view.currentInputSet = InputSet::Measured;
    setRow(data, 0, 1, "0", {"7", "8", "9", "", ""});
    setRow(data, 0, 3, "11", {"7", "8", "9", "", ""});
    setFigure(geometry, 0, 1, {0, 0}, {8, 0}, {2, 6}, {0, 0, 0});
    setFigure(geometry, 0, 3, {0, 0}, {8, 0}, {2, -6}, {0, 0, 0});
    ASSERT_EQ(send(), std::nullopt);
    const auto outlines = requestsStartingWith("line\r");
    ASSERT_EQ(outlines.size(), 2u);
    EXPECT_EQ(outlines[0], "line\r0,0\r8,0\r2,6\rc\r");
    EXPECT_EQ(outlines[1], "line\r0,0\r8,0\r2,-6\rc\r");
    EXPECT_EQ(requestsStartingWith("_dtext\rj\r")[0], "_dtext\rj\rBC\r1,3\r0.25\r0\r7.00\r\r");
    const std::vector<std::pair<int, int>> expectedProgress{{1, 8}, {3, 8}, {4, 8}, {5, 8}, {6, 8}, {7, 8}};
    EXPECT_EQ(progress, expectedProgress);
}

// Two tiers: numbers restart in the second tier; the maximum counts the first tier only, and the
// value goes past it unchanged.
TEST_F(DrawingCommandsTest, SecondTierRestartsNumbersAndProgressPassesTheMaximum) {
    data.changeTierCount(2);
    data.setFigureCount(ListKind::Chain, 1, 3);
    for (int figure = 0; figure < 3; ++figure) {
        setRow(data, 1, 2 * figure, figure == 0 ? "0" : "10", {"1", "1", "1", "", ""});
        const float x = 10.0f + 3.0f * figure;
        setFigure(geometry, 1, 2 * figure, {x, 0}, {x + 3, 0}, {x + 3, 3}, {0, 0, 0});
    }
    ASSERT_EQ(send(), std::nullopt);
    const auto numbers = requestsStartingWith("_dtext\rm\r");
    ASSERT_EQ(numbers.size(), 5u);
    const char* expectedNumbers[] = {"1", "2", "1", "2", "3"};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        EXPECT_TRUE(numbers[i].ends_with(std::string("\r") + expectedNumbers[i] + "\r\r")) << numbers[i];
    }
    // Centres of the second tier: (10+13+13)/3 = 12, 3/3 = 1 and so on.
    EXPECT_EQ(numbers[2], "_dtext\rm\r12,1\r0.5\r0\r1\r\r");
    EXPECT_EQ(numbers[4], "_dtext\rm\r18,1\r0.5\r0\r3\r\r");
    EXPECT_EQ(requestsStartingWith("line\r").size(), 5u);
    const std::vector<std::pair<int, int>> expected{{0, 8},  {2, 8},  {0, 8},  {2, 8},  {4, 8},
                                                    {5, 8},  {6, 8},  {7, 8},  {8, 8},  {9, 8},
                                                    {10, 8}, {11, 8}, {12, 8}, {13, 8}, {14, 8}};
    EXPECT_EQ(progress, expected);
}

TEST_F(DrawingCommandsTest, AdditionalDrawingKeepsTheDrawingAndLocksTheLayers) {
    data.conditions.additionalDrawing = Switch::On;
    ASSERT_EQ(send(), std::nullopt);
    const auto& sent = link.requests();
    ASSERT_EQ(sent.size(), 22u);
    EXPECT_EQ(sent[0], "-layer\rn\r図面\r\r");
    EXPECT_EQ(sent[18], "_rotate\rp\r\r100,200\r30\r");
    EXPECT_EQ(sent[19], "-layer\rlo\r面積表\r\r");
    EXPECT_EQ(sent[20], "-layer\rlo\r寸法値\r\r");
    EXPECT_EQ(sent[21], "-layer\rlo\r図面\r\r");
}

// Only Off erases, only On locks and draws the table: a value outside the two does neither.
TEST_F(DrawingCommandsTest, AdditionalDrawingAndAreaTableActOnTheirOwnValueOnly) {
    struct Case {
        Switch value;
        bool erases;
        bool locksAndDrawsTheTable;
    };
    const Case cases[] = {{Switch::Off, true, false}, {Switch::On, false, true}, {Switch{2}, false, false},
                          {Switch{-1}, false, false}};
    for (const Case& c : cases) {
        RecordingCadLink fresh;
        data.conditions.additionalDrawing = c.value;
        data.conditions.areaTable = c.value;
        ASSERT_EQ(sendDrawingCommands(data, geometry, {}, fresh, {}), std::nullopt);
        std::size_t erases = 0;
        std::size_t locks = 0;
        std::size_t tableInserts = 0;
        for (const auto& text : fresh.requests()) {
            erases += text == "erase\rall\r\r";
            locks += text.starts_with("-layer\rlo\r");
            tableInserts += text.find("\rhyou") != std::string::npos;
        }
        const int value = static_cast<int>(c.value);
        EXPECT_EQ(erases, c.erases ? 1u : 0u) << "value " << value;
        EXPECT_EQ(locks, c.locksAndDrawsTheTable ? 3u : 0u) << "value " << value;
        EXPECT_EQ(tableInserts, c.locksAndDrawsTheTable ? 4u : 0u) << "value " << value;
        EXPECT_EQ(std::count(fresh.requests().begin(), fresh.requests().end(), "line\r0,0\r4,0\r1,2\rc\r"), 1)
            << "value " << value;
    }
}

TEST_F(DrawingCommandsTest, AreaTableFollowsTheLocks) {
    data.conditions.additionalDrawing = Switch::On;
    data.conditions.areaTable = Switch::On;
    data.conditions.tableX = 50.0f;
    data.conditions.tableY = 60.0f;
    data.acadVersion = "98";
    ASSERT_EQ(send(), std::nullopt);
    const auto& sent = link.requests();
    ASSERT_EQ(sent.size(), 22u + 3u + 4u);
    EXPECT_EQ(sent[21], "-layer\rlo\r図面\r\r");
    EXPECT_EQ(sent[22], "-layer\rn\r面積表\r\r");
    EXPECT_EQ(sent[23], "-layer\rs\r面積表\r\r");
    EXPECT_EQ(sent[24], "-layer\rc\rBLUE\r面積表\r\r");
    EXPECT_TRUE(startsWith(sent[25], "_insert\rhyou\r50,60\r0.25\r0.25\r\r番号\r"));
    // 60 - 3 × 0.25, then 6 × 0.25 lower per row.
    EXPECT_TRUE(startsWith(sent[26], "_insert\rhyou1\r50,59.25\r0.25\r0.25\r\r1\r2.24\r4.00\r3.61\r4.92\r4.00\r\r"));
    EXPECT_TRUE(startsWith(sent[27], "_insert\rhyou1\r50,57.75\r0.25\r0.25\r\r2\r"));
    EXPECT_EQ(sent[28], "_insert\rhyou2\r50,56.25\r0.25\r0.25\r\r8.00\r0.00\r(0.00)\r(0.00)\r");
}

TEST_F(DrawingCommandsTest, FailureToOpenSendsNothing) {
    link.failOnOpen("接続できません");
    const auto message = send();
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, "図面の作図が完了しませんでした。\r\n\r\n接続できません");
    EXPECT_EQ(message->title, "LTミロタ展開図");
    EXPECT_EQ(message->icon, Message::Icon::Critical);
    EXPECT_TRUE(link.requests().empty());
    EXPECT_TRUE(progress.empty());
}

TEST_F(DrawingCommandsTest, StopsAtTheFirstCommandNotDelivered) {
    struct Case {
        int failing;
        std::vector<std::pair<int, int>> progress;
    };
    const Case cases[] = {
        {1, {}},                         // the erase
        {4, {{0, 8}}},                   // the first outline
        {10, {{0, 8}, {2, 8}, {3, 8}}},  // the second label of figure 1
        {20, {{0, 8}, {2, 8}, {3, 8}, {4, 8}, {5, 8}, {6, 8}}},  // the rotate
    };
    for (const Case& c : cases) {
        RecordingCadLink failing;
        failing.failAtExecute(c.failing, "時間切れです");
        progress.clear();
        const auto message = sendDrawingCommands(
            data, geometry, {}, failing, [this](int value, int maximum) { progress.emplace_back(value, maximum); });
        ASSERT_TRUE(message);
        EXPECT_EQ(*message, (Message{"図面の作図が完了しませんでした。\r\n\r\n時間切れです", "LTミロタ展開図",
                                     Message::Icon::Critical}));
        EXPECT_EQ(failing.requests().size(), static_cast<std::size_t>(c.failing - 1));
        EXPECT_EQ(progress, c.progress) << "failing at " << c.failing;
    }
}

TEST_F(DrawingCommandsTest, UndrawableGeometryIsRefusedBeforeTheLinkOpens) {
    struct Case {
        const char* what;
        void (*spoil)(SurveyData&, FigureGeometry&);
        const char* cause;
    };
    const Case cases[] = {
        {"no base", [](SurveyData&, FigureGeometry& g) { g.baseFigureNumber(0) = -1; },
         "1段目の基準図形が見つかりません。"},
        {"base beyond the figures", [](SurveyData&, FigureGeometry& g) { g.baseFigureNumber(0) = 3; },
         "1段目の基準図形が見つかりません。"},
        {"base side of no length", [](SurveyData&, FigureGeometry& g) { setFigure(g, 0, 0, {1, 1}, {1, 1}, {2, 3}, {0, 0, 0}); },
         "基準図形の頂点が重なっているため、図面の向きを決められません。"},
        {"coordinate not a number",
         [](SurveyData&, FigureGeometry& g) {
             g.at(0, 2, 1, FigureGeometry::VertexX) = std::numeric_limits<float>::quiet_NaN();
         },
         "1段目の2番目の図形の座標が作図できる範囲を超えています。"},
        {"coordinate too far", [](SurveyData&, FigureGeometry& g) { g.at(0, 2, 2, FigureGeometry::VertexY) = 1e30f; },
         "1段目の2番目の図形の座標が作図できる範囲を超えています。"},
        {"no geometry", [](SurveyData&, FigureGeometry& g) { g = FigureGeometry(); }, "図形の座標が求められていません。"},
        {"reference not a number",
         [](SurveyData& d, FigureGeometry&) { d.conditions.referenceAngle = std::numeric_limits<float>::infinity(); },
         "作図条件の数値が正しくありません。"},
    };
    for (const Case& c : cases) {
        SurveyData spoiltData = data;
        FigureGeometry spoiltGeometry = geometry;
        c.spoil(spoiltData, spoiltGeometry);
        RecordingCadLink fresh;
        const auto message = sendDrawingCommands(spoiltData, spoiltGeometry, {}, fresh, {});
        ASSERT_TRUE(message) << c.what;
        EXPECT_EQ(message->text, std::string("図面の作図が完了しませんでした。\r\n\r\n") + c.cause) << c.what;
        EXPECT_EQ(message->icon, Message::Icon::Critical);
        EXPECT_TRUE(fresh.opened().empty()) << c.what;
        EXPECT_TRUE(fresh.requests().empty()) << c.what;
    }
}

}  // namespace
}  // namespace mirota
