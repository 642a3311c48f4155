#include "draw/stream/DrawingRun.h"

#include <gtest/gtest.h>

#include "StreamTestSupport.h"
#include "draw/stream/RecordingCadLink.h"

namespace mirota {
namespace {

using Outcome = DrawingRunResult::Outcome;

// One tier: a 3-4-5 base and its mirror across side B, design values only.
class DrawingRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        setFigure(0, "0", {"3", "4", "5"});
        setFigure(1, "11", {"3", "4", "5"});
    }

    void setFigure(int figure, const std::string& type, const std::array<std::string, 3>& sides) {
        const int row = 2 * figure;
        for (int r : {row, row + 1}) {
            data.setCell(ListKind::Chain, 0, r, column::Type, type);
            data.setCell(ListKind::Chain, 0, r, column::Join, "1");
        }
        for (int i = 0; i < 3; ++i) data.setCell(ListKind::Chain, 0, row, column::SideA + i, sides[i]);
    }

    DrawingRunResult run() {
        return drawToLink(data, DrawingRunSettings{"0.00", "No."}, link,
                          [this](int value, int maximum) { progress.emplace_back(value, maximum); });
    }

    SurveyData data;
    RecordingCadLink link;
    std::vector<std::pair<int, int>> progress;
};

TEST_F(DrawingRunTest, FinishedRunCalculatesDrawsAndEndsWithTheCompletion) {
    const DrawingRunResult result = run();
    EXPECT_EQ(result.outcome, Outcome::Finished);
    EXPECT_TRUE(result.finished());
    EXPECT_FALSE(result.openSettingsDialog());
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0], (Message{"図面の作図が終了しました。", "LTミロタ展開図", Message::Icon::Information}));
    EXPECT_TRUE(data.view.calculationDone);
    EXPECT_EQ(data.cell(ListKind::Chain, 0, 0, column::Area), "6");

    const auto& sent = link.requests();
    ASSERT_EQ(sent.size(), 20u);
    EXPECT_EQ(sent.front(), "erase\rall\r\r");
    // The right angle at vertex 0 is float(π/2), so vertex 2 lies 3·cos(1.5707964) = -1.311342e-7 left of
    // vertex 0: written without an exponent, and no reason to flip the drawing.
    EXPECT_EQ(sent[3], "line\r0,0\r4,0\r-0.0000001311342,3\rc\r");
    EXPECT_EQ(sent[9], "_dtext\rj\rBC\r2,0\r0.4\r0\r4.00\r\r");
    EXPECT_EQ(sent.back(), "_rotate\rp\r\r0,0\r0\r");
    EXPECT_EQ(progress.back(), std::make_pair(6, 8));
}

// Only the first missing condition is told, and nothing is calculated or sent.
TEST_F(DrawingRunTest, ChecksTheTextHeightsAndTheScaleInOrder) {
    struct Case {
        float numberHeight, labelHeight, scale;
        const char* text;
    };
    const Case cases[] = {
        {0.0f, 0.4f, 0.0f, "Noサイズの入力を確認してください。 Noサイズ：0"},
        {0.0f, 0.0f, 0.0f, "Noサイズの入力を確認してください。 Noサイズ：0"},
        {0.4f, 0.0f, 0.0f, "寸法値の入力を確認してください。 寸法値：0"},
        {0.4f, 0.4f, 0.0f, "縮尺の入力を確認してください。 縮尺：0"},
        {0.4f, 0.4f, -0.0f, "縮尺の入力を確認してください。 縮尺：0"},
    };
    for (const Case& c : cases) {
        SurveyData fresh = data;
        fresh.conditions.numberHeight = c.numberHeight;
        fresh.conditions.labelHeight = c.labelHeight;
        fresh.conditions.scale = c.scale;
        RecordingCadLink unused;
        const DrawingRunResult result = drawToLink(fresh, {}, unused, {});
        EXPECT_EQ(result.outcome, Outcome::ConditionsMissing);
        EXPECT_TRUE(result.openSettingsDialog());
        ASSERT_EQ(result.messages.size(), 1u);
        EXPECT_EQ(result.messages[0], (Message{c.text, "", Message::Icon::Warning}));
        EXPECT_FALSE(fresh.view.calculationDone);
        EXPECT_EQ(fresh.cell(ListKind::Chain, 0, 0, column::Area), "");
        EXPECT_TRUE(unused.opened().empty());
    }
}

TEST_F(DrawingRunTest, DocumentWithoutBaseSendsNothing) {
    data.setCell(ListKind::Chain, 0, 0, column::Type, "10");
    data.setCell(ListKind::Chain, 0, 1, column::Type, "10");
    const DrawingRunResult result = run();
    EXPECT_EQ(result.outcome, Outcome::GeometryFailed);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0], (Message{"タイプ変更で基準を指定して下さい！ 【1段目に基準の図形がありません】", "入力必須項目", Message::Icon::Critical}));
    EXPECT_EQ(data.cell(ListKind::Chain, 0, 0, column::Area), "6");
    EXPECT_TRUE(link.opened().empty());
    EXPECT_TRUE(link.requests().empty());
}

TEST_F(DrawingRunTest, FailedFirstCalculationEndsTheRun) {
    setFigure(1, "11", {"1", "2", "5"});
    const DrawingRunResult result = run();
    EXPECT_EQ(result.outcome, Outcome::NotCalculated);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0].title, "データ入力エラー");
    EXPECT_TRUE(link.opened().empty());
}

// A calculation that went through before lets the drawing go on; both messages come in order.
TEST_F(DrawingRunTest, FailedLaterCalculationStillLaysOutTheDevelopment) {
    data.view.calculationDone = true;
    setFigure(1, "11", {"1", "2", "5"});
    const DrawingRunResult result = run();
    EXPECT_EQ(result.outcome, Outcome::GeometryFailed);
    ASSERT_EQ(result.messages.size(), 2u);
    EXPECT_EQ(result.messages[0].title, "データ入力エラー");
    EXPECT_EQ(result.messages[1],
              (Message{"数値入力に誤りがあります。（1段目 No.2）\r\n\r\n作図を中止します！", "データ入力エラー",
                       Message::Icon::Critical}));
    EXPECT_TRUE(link.requests().empty());
}

TEST_F(DrawingRunTest, LinkFailureIsTheLastMessage) {
    link.failAtExecute(2, "応答がありません");
    const DrawingRunResult result = run();
    EXPECT_EQ(result.outcome, Outcome::NotFinished);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_EQ(result.messages[0], (Message{"図面の作図が完了しませんでした。\r\n\r\n応答がありません", "LTミロタ展開図",
                                           Message::Icon::Critical}));
    EXPECT_EQ(link.requests().size(), 1u);
}

}  // namespace
}  // namespace mirota
