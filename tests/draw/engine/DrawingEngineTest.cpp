#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "draw/engine/DrawingTemplate.h"

namespace mirota::drawing {
namespace {

using test::expectNear;
using test::request;
using test::run;
using test::shapesOf;

const Justification kLeft{};

// ---- layers ----

struct LayerCase {
    const char* name;
    std::vector<std::string> requests;
    std::vector<Layer> layers;  // expected, in order
    std::string current;
};
// Test names show the case name, not the bytes of the case.
void PrintTo(const LayerCase& c, std::ostream* out) { *out << c.name; }

class LayerCommandTest : public ::testing::TestWithParam<LayerCase> {};

TEST_P(LayerCommandTest, BuildsTheLayerTable) {
    DrawingEngine engine{Drawing{}};
    for (const std::string& text : GetParam().requests) {
        const auto failure = engine.execute(text);
        ASSERT_FALSE(failure) << failure->description;
    }
    const auto& layers = engine.drawing().layers;
    ASSERT_EQ(layers.size(), GetParam().layers.size());
    for (std::size_t i = 0; i < layers.size(); ++i) {
        EXPECT_EQ(layers[i].name, GetParam().layers[i].name);
        EXPECT_EQ(layers[i].colour, GetParam().layers[i].colour) << layers[i].name;
        EXPECT_EQ(layers[i].locked, GetParam().layers[i].locked) << layers[i].name;
    }
    EXPECT_EQ(engine.drawing().currentLayer, GetParam().current);
}

INSTANTIATE_TEST_SUITE_P(
    Options, LayerCommandTest,
    ::testing::Values(
        LayerCase{"NewKeepsCurrent", {request({"-layer", "n", "図面", ""})}, {{"0", 7, false}, {"図面", 7, false}}, "0"},
        LayerCase{"NewThenSet",
                  {request({"-layer", "n", "図面", ""}), request({"-layer", "s", "図面", ""})},
                  {{"0", 7, false}, {"図面", 7, false}},
                  "図面"},
        LayerCase{"ColourByName",
                  {request({"-layer", "n", "寸法値", ""}), request({"-layer", "c", "red", "寸法値", ""})},
                  {{"0", 7, false}, {"寸法値", 1, false}},
                  "0"},
        LayerCase{"ColourByCapitalName",
                  {request({"-layer", "n", "面積表", ""}), request({"-layer", "c", "BLUE", "面積表", ""})},
                  {{"0", 7, false}, {"面積表", 5, false}},
                  "0"},
        LayerCase{"ColourByNumberOfCurrentLayer", {request({"-layer", "c", "3", "", ""})}, {{"0", 3, false}}, "0"},
        LayerCase{"Lock",
                  {request({"-layer", "n", "a", ""}), request({"-layer", "lo", "a", ""})},
                  {{"0", 7, false}, {"a", 7, true}},
                  "0"},
        // A layer that does not exist yet is passed over: the others of the list are still locked.
        LayerCase{"LockPassesOverMissingLayers",
                  {request({"-layer", "n", "a", ""}), request({"-layer", "lo", "missing,a", "u", "other", ""})},
                  {{"0", 7, false}, {"a", 7, true}},
                  "0"},
        LayerCase{"LockThenUnlockInOneCommand",
                  {request({"-layer", "n", "a", "lo", "a", "u", "a", ""})},
                  {{"0", 7, false}, {"a", 7, false}},
                  "0"},
        LayerCase{"NameListAndMake",
                  {request({"-layer", "n", "a, b", "m", "c", ""})},
                  {{"0", 7, false}, {"a", 7, false}, {"b", 7, false}, {"c", 7, false}},
                  "c"},
        LayerCase{"NamesAndOptionsIgnoreCase",
                  {request({"-LAYER", "New", "Road", "SET", "road", "LOCK", "ROAD", ""})},
                  {{"0", 7, false}, {"Road", 7, true}},
                  "Road"},
        LayerCase{"NewOfAnExistingLayerChangesNothing",
                  {request({"-layer", "n", "a", "c", "2", "a", ""}), request({"-layer", "n", "A", ""})},
                  {{"0", 7, false}, {"a", 2, false}},
                  "0"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- lines ----

TEST(LineCommandTest, CloseAddsTheSegmentBackToTheFirstPoint) {
    DrawingEngine engine{Drawing{}};
    run(engine, {request({"-layer", "m", "図面", ""}), request({"line", "0,0", "3,0", "0,4", "c"})});
    const auto lines = shapesOf<Line>(engine.drawing());
    ASSERT_EQ(lines.size(), 3u);
    expectNear(lines[0].start, {0, 0});
    expectNear(lines[0].end, {3, 0});
    expectNear(lines[1].end, {0, 4});
    expectNear(lines[2].start, {0, 4});
    expectNear(lines[2].end, {0, 0});
    for (const Entity& entity : engine.drawing().entities) EXPECT_EQ(entity.layer, "図面");
}

TEST(LineCommandTest, EmptyAnswerEndsAnOpenLine) {
    DrawingEngine engine{Drawing{}};
    run(engine, {request({"line", "0,0", "3,0", "3,4", ""})});
    const auto lines = shapesOf<Line>(engine.drawing());
    ASSERT_EQ(lines.size(), 2u);
    expectNear(lines[1].start, {3, 0});
    expectNear(lines[1].end, {3, 4});
}

TEST(LineCommandTest, UndoTakesBackTheLastPoint) {
    DrawingEngine engine{Drawing{}};
    run(engine, {request({"line", "0,0", "1,0", "5,5", "u", "1,1", ""})});
    const auto lines = shapesOf<Line>(engine.drawing());
    ASSERT_EQ(lines.size(), 2u);
    expectNear(lines[1].start, {1, 0});
    expectNear(lines[1].end, {1, 1});
}

TEST(LineCommandTest, EscapeKeepsTheSegmentsDrawn) {
    DrawingEngine engine{Drawing{}};
    run(engine, {request({"line", "0,0", "1,0"}) + "\x1b"});
    EXPECT_EQ(shapesOf<Line>(engine.drawing()).size(), 1u);
}

TEST(CommandNameTest, PrefixesAndCaseAreAccepted) {
    for (const char* name : {"line", "LINE", "_line", "-line", "_-Line", "-_line"}) {
        DrawingEngine engine{Drawing{}};
        const auto failure = engine.execute(request({name, "0,0", "1,1", ""}));
        EXPECT_FALSE(failure) << name;
        EXPECT_EQ(engine.drawing().entities.size(), 1u) << name;
    }
}

// ---- text ----

struct TextCase {
    const char* name;
    std::string request;
    Point position;
    double height;
    double rotation;
    Justification justification;
    std::string text;
};
void PrintTo(const TextCase& c, std::ostream* out) { *out << c.name; }

class TextCommandTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextCommandTest, PlacesTheText) {
    DrawingEngine engine{Drawing{}};
    run(engine, {GetParam().request});
    const auto texts = shapesOf<Text>(engine.drawing());
    ASSERT_EQ(texts.size(), 1u);
    const Text& text = texts[0];
    expectNear(text.position, GetParam().position);
    EXPECT_DOUBLE_EQ(text.height, GetParam().height);
    EXPECT_NEAR(text.rotation, GetParam().rotation, 1e-12);
    EXPECT_EQ(text.justification, GetParam().justification);
    EXPECT_EQ(text.text, GetParam().text);
}

using H = HorizontalAlignment;
using V = VerticalAlignment;

INSTANTIATE_TEST_SUITE_P(
    Justifications, TextCommandTest,
    ::testing::Values(
        TextCase{"BottomCentre", request({"_dtext", "j", "BC", "1.5,2", "0.4", "30", "12.35", ""}), {1.5, 2}, 0.4, 30,
                 {H::Center, V::Bottom}, "12.35"},
        TextCase{"MiddleTypedAtTheStartPoint", request({"_dtext", "m", "10,-5", "0.4", "-12.5", "3", ""}), {10, -5},
                 0.4, 347.5, {H::Middle, V::Baseline}, "3"},
        TextCase{"TopCentre", request({"_dtext", "j", "TC", "0,0", "1", "0", "x", ""}), {0, 0}, 1, 0,
                 {H::Center, V::Top}, "x"},
        TextCase{"StartPoint", request({"_dtext", "2,3", "0.5", "0", "始点", ""}), {2, 3}, 0.5, 0, kLeft, "始点"},
        TextCase{"MiddleRight", request({"dtext", "mr", "1,1", "2", "90", "r", ""}), {1, 1}, 2, 90,
                 {H::Right, V::Middle}, "r"},
        TextCase{"BottomLeftLowerCase", request({"_dtext", "j", "bl", "1,1", "2", "0", "t", ""}), {1, 1}, 2, 0,
                 {H::Left, V::Bottom}, "t"},
        TextCase{"RightThroughText", request({"_text", "r", "1,1", "2", "0", "t", ""}), {1, 1}, 2, 0,
                 {H::Right, V::Baseline}, "t"},
        TextCase{"OptionWordsInFull", request({"_dtext", "Justify", "Center", "1,1", "2", "720", "t", ""}), {1, 1}, 2, 0,
                 {H::Center, V::Baseline}, "t"},
        TextCase{"DefaultsOfAFreshEngine", request({"_dtext", "0,0", "", "", "A", ""}), {0, 0}, 2.5, 0, kLeft, "A"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextCommandDefaultsTest, HeightAndAngleDefaultToTheLastText) {
    DrawingEngine engine{Drawing{}};
    run(engine, {request({"_dtext", "0,0", "0.4", "30", "a", ""}), request({"_dtext", "5,5", "", "", "b", ""})});
    const auto texts = shapesOf<Text>(engine.drawing());
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_DOUBLE_EQ(texts[1].height, 0.4);
    EXPECT_DOUBLE_EQ(texts[1].rotation, 30);
}

TEST(TextCommandLinesTest, FurtherLinesStandBelowInTheTextsDirection) {
    DrawingEngine engine{Drawing{}};
    run(engine, {request({"_dtext", "0,0", "0.6", "90", "one", "two", ""})});
    const auto texts = shapesOf<Text>(engine.drawing());
    ASSERT_EQ(texts.size(), 2u);
    // 5/3 of 0.6 below the first line, in a frame turned by 90 degrees: one unit to the right.
    expectNear(texts[1].position, {1, 0});
    EXPECT_EQ(texts[1].text, "two");
}

// ---- circle ----

TEST(CircleCommandTest, TrailingEscapeCancelsNothing) {
    DrawingEngine engine{Drawing{}};
    run(engine, {request({"_circle", "2,3", "0.4"}) + "\x1b"});
    const auto circles = shapesOf<Circle>(engine.drawing());
    ASSERT_EQ(circles.size(), 1u);
    expectNear(circles[0].centre, {2, 3});
    EXPECT_DOUBLE_EQ(circles[0].radius, 0.4);
}

TEST(CircleCommandTest, DiameterOption) {
    DrawingEngine engine{Drawing{}};
    run(engine, {request({"circle", "0,0", "d", "3"})});
    ASSERT_EQ(shapesOf<Circle>(engine.drawing()).size(), 1u);
    EXPECT_DOUBLE_EQ(shapesOf<Circle>(engine.drawing())[0].radius, 1.5);
}

TEST(CircleCommandTest, EscapeBeforeTheRadiusDrawsNothing) {
    DrawingEngine engine{Drawing{}};
    run(engine, {request({"_circle", "2,3"}) + "\x1b"});
    EXPECT_TRUE(engine.drawing().entities.empty());
}

// ---- move, rotate, erase ----

// One line, one text and one insert on the open layer "a", one line on the locked layer "L".
class EditCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        run(engine_, {request({"-layer", "n", "L", "s", "L", ""}), request({"line", "5,5", "6,5", ""}),
                      request({"-layer", "m", "a", "lo", "L", ""}), request({"line", "0,0", "1,0", ""}),
                      request({"_dtext", "0,0", "1", "-12.5", "t", ""}),
                      request({"-insert", "hyou2", "0,0", "1", "1", "", "1", "2", "3", "4"})});
    }

    const Entity& onLayer(const std::string& layer, std::size_t index = 0) const {
        std::size_t seen = 0;
        for (const Entity& entity : engine_.drawing().entities) {
            if (entity.layer == layer && seen++ == index) return entity;
        }
        static const Entity none;
        ADD_FAILURE() << "no object " << index << " on " << layer;
        return none;
    }

    DrawingEngine engine_;
};

TEST_F(EditCommandTest, MoveAllLeavesLockedLayersAlone) {
    run(engine_, {request({"_move", "all", "", "1,0", "11,20"})});
    const Line& moved = std::get<Line>(onLayer("a").shape);
    expectNear(moved.start, {10, 20});
    expectNear(moved.end, {11, 20});
    expectNear(std::get<Text>(onLayer("a", 1).shape).position, {10, 20});
    expectNear(std::get<Insert>(onLayer("a", 2).shape).position, {10, 20});
    const Line& locked = std::get<Line>(onLayer("L").shape);
    expectNear(locked.start, {5, 5});
    expectNear(locked.end, {6, 5});
}

TEST_F(EditCommandTest, MoveWithEmptySecondPointUsesTheFirstAsDisplacement) {
    run(engine_, {request({"_move", "all", "", "2,3", ""})});
    expectNear(std::get<Line>(onLayer("a").shape).start, {2, 3});
}

TEST_F(EditCommandTest, RotatePreviousTurnsWhatWasMoved) {
    run(engine_, {request({"_move", "all", "", "0,0", "10,20"}), request({"_rotate", "p", "", "10,20", "90"})});
    const Line& turned = std::get<Line>(onLayer("a").shape);
    expectNear(turned.start, {10, 20});
    expectNear(turned.end, {10, 21});
    EXPECT_NEAR(std::get<Text>(onLayer("a", 1).shape).rotation, 77.5, 1e-12);
    EXPECT_NEAR(std::get<Insert>(onLayer("a", 2).shape).rotation, 90, 1e-12);
    expectNear(std::get<Line>(onLayer("L").shape).end, {6, 5});
}

TEST_F(EditCommandTest, PreviousLeavesOutObjectsDrawnAfterTheSelection) {
    run(engine_, {request({"_move", "all", "", "0,0", "1,0"}), request({"line", "0,0", "0,1", ""}),
                  request({"_rotate", "p", "", "0,0", "90"})});
    const Line& later = std::get<Line>(onLayer("a", 3).shape);
    expectNear(later.end, {0, 1});
}

TEST_F(EditCommandTest, EraseAllKeepsLockedLayers) {
    run(engine_, {request({"erase", "all", ""})});
    ASSERT_EQ(engine_.drawing().entities.size(), 1u);
    EXPECT_EQ(engine_.drawing().entities[0].layer, "L");
}

TEST_F(EditCommandTest, AfterUnlockingEraseTakesEverything) {
    run(engine_, {request({"-layer", "u", "L", ""}), request({"erase", "all", ""})});
    EXPECT_TRUE(engine_.drawing().entities.empty());
}

TEST(EditOnEmptyDrawingTest, NothingSelectedEndsTheCommand) {
    DrawingEngine engine{Drawing{}};
    EXPECT_FALSE(engine.execute(request({"erase", "all", ""})));
    const auto failure = engine.execute(request({"_move", "all", "", "0,0", "1,1"}));
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->description, "「0,0」は実行できるコマンドではありません（その前の「_move」はすでに終わっています）。");
}

// ---- insert ----

TEST(InsertCommandTest, AttributeValuesInPromptOrder) {
    DrawingEngine engine;
    run(engine, {request({"-insert", "hyou1", "5,-1.2", "0.4", "0.4", "", "1", "3.00", "4.00", "5.00", "6.00", "6.00",
                          "", "(3.10)", "(4.00)", "(5.00)", "(6.05)", "(6.20)", ""})});
    const auto inserts = shapesOf<Insert>(engine.drawing());
    ASSERT_EQ(inserts.size(), 1u);
    const Insert& insert = inserts[0];
    EXPECT_EQ(insert.blockName, "hyou1");
    expectNear(insert.position, {5, -1.2});
    EXPECT_DOUBLE_EQ(insert.xScale, 0.4);
    EXPECT_DOUBLE_EQ(insert.yScale, 0.4);
    EXPECT_DOUBLE_EQ(insert.rotation, 0);
    const std::vector<std::string> expected{"1",      "3.00",   "4.00",   "5.00",   "6.00",   "6.00", "",
                                            "(3.10)", "(4.00)", "(5.00)", "(6.05)", "(6.20)", ""};
    EXPECT_EQ(insert.attributeValues, expected);
}

TEST(InsertCommandTest, ScaleAndRotationDefaults) {
    DrawingEngine engine;
    run(engine, {request({"_insert", "hyou2", "0,0", "", "", "45", "a", "b", "c", "d"}),
                 request({"-insert", "HYOU2", "1,1", "2", "", "", "a", "b", "c", "d"}),
                 request({"-insert", "", "2,2", "3", "1", "", "a", "b", "c", "d"})});
    const auto inserts = shapesOf<Insert>(engine.drawing());
    ASSERT_EQ(inserts.size(), 3u);
    EXPECT_DOUBLE_EQ(inserts[0].xScale, 1);
    EXPECT_DOUBLE_EQ(inserts[0].yScale, 1);
    EXPECT_DOUBLE_EQ(inserts[0].rotation, 45);
    EXPECT_EQ(inserts[1].blockName, "hyou2");  // the block's own spelling
    EXPECT_DOUBLE_EQ(inserts[1].yScale, 2);    // Y follows X
    EXPECT_DOUBLE_EQ(inserts[1].rotation, 0);
    EXPECT_EQ(inserts[2].blockName, "hyou2");  // an empty name takes the last block
    EXPECT_DOUBLE_EQ(inserts[2].yScale, 1);
}

// ---- command prompt ----

TEST(CommandPromptTest, EmptyAnswerRepeatsTheLastCommand) {
    DrawingEngine engine{Drawing{}};
    run(engine, {request({"-layer", "n", "a", ""}), request({"", "n", "b", ""})});
    EXPECT_TRUE(engine.drawing().findLayer("b"));
}

TEST(CommandPromptTest, RepeatedCommandIsNamedInItsFailure) {
    DrawingEngine engine;
    run(engine, {request({"-layer", "n", "面積表", ""})});
    // An insert sent with an empty command word.
    const auto failure = engine.execute(request({"", "hyou", "0,0", "1", "1", ""}));
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->description,
              "「-layer（空の入力による繰り返し）」の画層のオプションに「hyou」は使えません："
              "画層コマンドのオプション（n、m、s、c、lo、u）ではありません。");
}

TEST(CommandPromptTest, EmptyAnswersAndEscapesOfAFreshEngineDoNothing) {
    DrawingEngine engine{Drawing{}};
    EXPECT_FALSE(engine.execute("\r\x1b\x1b\r"));
    EXPECT_TRUE(engine.drawing().entities.empty());
}

// ---- failures ----

struct FailureCase {
    const char* name;
    std::string request;
    std::string message;
};
void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

class FailureTest : public ::testing::TestWithParam<FailureCase> {};

// Each request fails with its message and leaves the drawing as it was.
TEST_P(FailureTest, ReportsAndChangesNothing) {
    DrawingEngine engine;
    run(engine, {request({"-layer", "n", "a", ""}), request({"line", "0,0", "1,1", ""})});
    const Drawing before = engine.drawing();
    const auto failure = engine.execute(GetParam().request);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->description, GetParam().message);
    const Drawing& after = engine.drawing();
    EXPECT_EQ(after.entities.size(), before.entities.size());
    ASSERT_EQ(after.layers.size(), before.layers.size());
    for (std::size_t i = 0; i < after.layers.size(); ++i) {
        EXPECT_EQ(after.layers[i].name, before.layers[i].name);
        EXPECT_EQ(after.layers[i].colour, before.layers[i].colour);
        EXPECT_EQ(after.layers[i].locked, before.layers[i].locked);
    }
    EXPECT_EQ(after.currentLayer, before.currentLayer);
    expectNear(std::get<Line>(after.entities[0].shape).end, {1, 1});
}

INSTANTIATE_TEST_SUITE_P(
    Messages, FailureTest,
    ::testing::Values(
        FailureCase{"UnknownCommand", request({"foo"}), "「foo」は実行できるコマンドではありません。"},
        FailureCase{"MalformedPoint", request({"line", "1;2"}), "「line」の線の始点に「1;2」は使えません：点（x,y）ではありません。"},
        FailureCase{"ThreeCoordinates", request({"line", "1,2,3"}),
                    "「line」の線の始点に「1,2,3」は使えません：点（x,y）ではありません。"},
        FailureCase{"HugeCoordinate", request({"line", "1e200,0"}), "「line」の線の始点に「1e200,0」は使えません：座標が大きすぎます。"},
        FailureCase{"LineLeftOpen", request({"line", "0,0", "1,1"}),
                    "「line」が終わらないまま入力が尽きました：次の点への答えがありません。"},
        FailureCase{"CloseTooEarly", request({"line", "0,0", "1,1", "c"}),
                    "「line」の次の点に「c」は使えません：閉じるには線分が2本以上必要です。"},
        FailureCase{"MissingBlock", request({"-insert", "nothere", "0,0"}),
                    "「-insert」のブロック名に「nothere」は使えません：その名前のブロックは定義されていません。"},
        FailureCase{"NoLastBlock", request({"-insert", ""}),
                    "「-insert」のブロック名に空の入力は使えません：前に挿入したブロックがありません。"},
        FailureCase{"AttributeMissing", request({"-insert", "hyou2", "0,0", "1", "1", "", "1", "2"}),
                    "「-insert」が終わらないまま入力が尽きました：属性「面積計（実測値）」への答えがありません。"},
        FailureCase{"ZeroScale", request({"-insert", "hyou", "0,0", "0"}),
                    "「-insert」のX方向の尺度に「0」は使えません：尺度に 0 は使えません。"},
        FailureCase{"MissingLayer", request({"-layer", "s", "missing", ""}),
                    "「-layer」の現在にする画層の名前に「missing」は使えません：その名前の画層はありません。"},
        FailureCase{"UnknownLayerOption", request({"-layer", "zz", ""}),
                    "「-layer」の画層のオプションに「zz」は使えません：画層コマンドのオプション（n、m、s、c、lo、u）ではありません。"},
        FailureCase{"UnknownColour", request({"-layer", "c", "purple", "a", ""}),
                    "「-layer」の画層の色に「purple」は使えません：色の名前（red、blue など）でも 1～255 の色番号でもありません。"},
        FailureCase{"ColourNumberOutOfRange", request({"-layer", "c", "256", "a", ""}),
                    "「-layer」の画層の色に「256」は使えません：色の名前（red、blue など）でも 1～255 の色番号でもありません。"},
        FailureCase{"BadLayerName", request({"-layer", "n", "a<b", ""}),
                    "「-layer」の新しい画層の名前に「a<b」は使えません：画層名に使えない文字があります。"},
        FailureCase{"LayerNewLeftOpen", request({"-layer", "n", "b"}),
                    "「-layer」が終わらないまま入力が尽きました：画層のオプションへの答えがありません。"},
        FailureCase{"UnknownJustification", request({"_dtext", "j", "zz"}),
                    "「_dtext」の文字の位置合わせに「zz」は使えません：位置合わせのオプション（c、m、r、tl、tc、tr、ml、mc、mr、bl、bc、br）ではありません。"},
        FailureCase{"TwoPointJustification", request({"_dtext", "a"}),
                    "「_dtext」の文字の始点に「a」は使えません：二点で決める位置合わせ（a、f）には対応していません。"},
        FailureCase{"ZeroHeight", request({"_dtext", "0,0", "0"}),
                    "「_dtext」の文字の高さに「0」は使えません：0 より大きい数でなければなりません。"},
        FailureCase{"AngleNotANumber", request({"_dtext", "0,0", "1", "abc"}),
                    "「_dtext」の文字の角度に「abc」は使えません：数値ではありません。"},
        FailureCase{"TextLeftOpen", request({"_dtext", "j", "BC", "0,0", "1", "0", "12.35"}),
                    "「_dtext」が終わらないまま入力が尽きました：文字列への答えがありません。"},
        FailureCase{"NegativeRadius", request({"_circle", "0,0", "-1"}),
                    "「_circle」の円の半径に「-1」は使えません：0 より大きい数でなければなりません。"},
        FailureCase{"UnknownSelection", request({"_move", "foo"}),
                    "「_move」のオブジェクト選択に「foo」は使えません：選択の方法（all、p）ではありません。"},
        FailureCase{"RotateWithoutAngle", request({"_rotate", "all", "", "0,0", ""}),
                    "「_rotate」の回転角度に空の入力は使えません：数値ではありません。"},
        FailureCase{"EraseLeftOpen", request({"erase", "all"}),
                    "「erase」が終わらないまま入力が尽きました：オブジェクト選択への答えがありません。"},
        FailureCase{"AnswerNotEnded", "line\r0,0\r1,1\r2,2", "入力の終わりの「2,2」が改行（CR）で終わっていません。"},
        FailureCase{"LineFeed", "line\r\n0,0\r\n1,1\r\n\r\n", "入力に制御文字（文字コード 10）があります。"},
        FailureCase{"MalformedUtf8", "\xff\r", "入力が UTF-8 の文字列になっていません。"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FailureAfterFinishedCommandTest, AnswerLeftOverNamesTheFinishedCommand) {
    DrawingEngine engine{Drawing{}};
    const auto failure = engine.execute(request({"_circle", "0,0", "1", "2"}));
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->description, "「2」は実行できるコマンドではありません（その前の「_circle」はすでに終わっています）。");
    EXPECT_EQ(shapesOf<Circle>(engine.drawing()).size(), 1u);  // the finished command stays done
}

// ---- a drawing as the command stream sends it ----

TEST(StreamSessionTest, PlacesTheFigureAtTheReferencePointAndAngle) {
    DrawingEngine engine;
    run(engine, {"erase\rall\r\r", "-layer\rn\r図面\r\r", "-layer\rs\r図面\r\r", "line\r0,0\r3,0\r0,4\rc\r",
                 "-layer\rn\r寸法値\r\r", "-layer\rs\r寸法値\r\r", "-layer\rc\rred\r寸法値\r\r",
                 "_dtext\rj\rBC\r1.5,0\r0.4\r0\r3.00\r\r", "_dtext\rm\r1,1\r0.4\r0\r1\r\r", "_circle\r1,1\r0.4\r\x1b",
                 "_move\rall\r\r0,0\r100,200\r", "_rotate\rp\r\r100,200\r30\r"});
    const Drawing& drawing = engine.drawing();
    const auto lines = shapesOf<Line>(drawing);
    ASSERT_EQ(lines.size(), 3u);
    const double c = std::sqrt(3.0) / 2.0;
    expectNear(lines[0].start, {100, 200});
    expectNear(lines[0].end, {100 + 3 * c, 201.5});
    auto length = [](const Line& l) { return std::hypot(l.end.x - l.start.x, l.end.y - l.start.y); };
    EXPECT_NEAR(length(lines[0]), 3, 1e-9);
    EXPECT_NEAR(length(lines[1]), 5, 1e-9);
    EXPECT_NEAR(length(lines[2]), 4, 1e-9);
    const auto circles = shapesOf<Circle>(drawing);
    ASSERT_EQ(circles.size(), 1u);
    expectNear(circles[0].centre, {100 + c - 0.5, 200 + 0.5 + c});
    const auto texts = shapesOf<Text>(drawing);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_NEAR(texts[0].rotation, 30, 1e-12);
    EXPECT_EQ(drawing.findLayer("寸法値")->colour, 1);
    EXPECT_EQ(drawing.entities[0].layer, "図面");
    EXPECT_EQ(drawing.entities[3].layer, "寸法値");
}

}  // namespace
}  // namespace mirota::drawing
