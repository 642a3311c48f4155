// The drawing options run through the stream into the embedded engine: they only add to the plain
// drawing, every command they add is one the engine takes, and what they draw lands where it belongs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "draw/engine/EngineCadLink.h"
#include "draw/engine/Extents.h"
#include "draw/geometry/Hatching.h"
#include "model/NumberText.h"
#include "draw/stream/DrawingRun.h"
#include "draw/stream/RecordingCadLink.h"

namespace mirota {
namespace {

using drawing::Line;
using drawing::Text;

class DrawingOptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        data.conditions = DrawingConditions::startupDefaults();
        data.conditions.referenceX = 100.0f;
        data.conditions.referenceY = 200.0f;
        data.conditions.referenceAngle = 30.0f;
        data.setFigureCount(ListKind::Chain, 0, 2);
        data.setRow(ListKind::Chain, 0, 0, {"0", "3", "4", "5", "", "", "1"});
        data.setRow(ListKind::Chain, 0, 2, {"21", "3", "4", "5", "", "", "1"});  // a deduction
        data.setFigureCount(ListKind::Exception, 0, 2);
        data.setRow(ListKind::Exception, 0, 0, {"22", "物置", "2", "6", "110,220", "", ""});
        data.setRow(ListKind::Exception, 0, 2, {"13", "池", "4", "", "", "", ""});
    }

    DrawingRunSettings settings(bool on) const {
        DrawingRunSettings s{"0.00", "No."};
        s.heightLines = s.exceptionFigures = s.deductionHatching = on;
        return s;
    }

    std::vector<std::string> requests(bool on) {
        RecordingCadLink link;
        EXPECT_TRUE(drawToLink(data, settings(on), link, {}).finished());
        return link.requests();
    }

    SurveyData data;
};

TEST_F(DrawingOptionsTest, OptionsOnlyAddToThePlainDrawing) {
    const std::vector<std::string> plain = requests(false);
    const std::vector<std::string> withOptions = requests(true);
    ASSERT_GT(withOptions.size(), plain.size());
    // Every plain command is still sent, in the same order.
    auto next = withOptions.begin();
    for (const std::string& text : plain) {
        next = std::find(next, withOptions.end(), text);
        ASSERT_NE(next, withOptions.end()) << "lost: " << text;
        ++next;
    }
}

TEST_F(DrawingOptionsTest, TheEngineTakesEveryOptionAndPlacesItsFigures) {
    EngineCadLink link;
    const DrawingRunResult result = drawToLink(data, settings(true), link, {});
    ASSERT_TRUE(result.finished()) << result.messages.back().text;
    EXPECT_EQ(result.notices,
              std::vector<std::string>{"例外処理 1段目 No.2「池」は位置（X,Y）がないため作図していません"});

    std::vector<const Text*> texts;
    std::vector<Line> drawingLines;
    for (const auto& entity : link.drawing().entities) {
        if (const auto* text = std::get_if<Text>(&entity.shape)) texts.push_back(text);
        const auto* line = std::get_if<Line>(&entity.shape);
        if (line && entity.layer == "図面") drawingLines.push_back(*line);
    }
    const auto textOf = [&](const std::string& value) {
        const auto found = std::find_if(texts.begin(), texts.end(), [&](const Text* t) { return t->text == value; });
        return found == texts.end() ? nullptr : *found;
    };
    // The height of both 3-4-5 triangles.
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(), [](const Text* t) { return t->text == "2.40"; }), 2);
    // The rectangle's name and area (a deduction: negative) at its position, which is not moved or turned.
    const Text* name = textOf("物置");
    const Text* area = textOf("-12.00");
    ASSERT_TRUE(name && area);
    EXPECT_NEAR(name->position.x, 110.0, 1e-6);
    EXPECT_NEAR(name->position.y, 220.0, 1e-6);
    EXPECT_NEAR(name->rotation, 30.0, 1e-6);
    EXPECT_EQ(area->position, name->position);
    // Its outline: four sides 6 and 2 long around the position.
    int rectangleSides = 0;
    for (const Line& line : drawingLines) {
        const double mx = (line.start.x + line.end.x) / 2.0 - 110.0;
        const double my = (line.start.y + line.end.y) / 2.0 - 220.0;
        const double length = std::hypot(line.end.x - line.start.x, line.end.y - line.start.y);
        if ((std::fabs(length - 6.0) < 1e-6 && std::fabs(std::hypot(mx, my) - 1.0) < 1e-6) ||
            (std::fabs(length - 2.0) < 1e-6 && std::fabs(std::hypot(mx, my) - 3.0) < 1e-6)) {
            ++rectangleSides;
        }
    }
    EXPECT_EQ(rectangleSides, 4);
}

// The hatching's lines, as the engine holds them: the lines of the drawing layer the hatching adds.
std::vector<Line> hatchLines(const drawing::Drawing& with, const drawing::Drawing& without) {
    std::vector<Line> lines;
    for (const auto& entity : with.entities) {
        const auto* line = std::get_if<Line>(&entity.shape);
        if (!line || entity.layer != "図面") continue;
        const bool unhatched = std::any_of(without.entities.begin(), without.entities.end(), [&](const auto& other) {
            const auto* same = std::get_if<Line>(&other.shape);
            return same && same->start == line->start && same->end == line->end;
        });
        if (!unhatched) lines.push_back(*line);
    }
    return lines;
}

drawing::Drawing drawn(SurveyData data, const DrawingRunSettings& settings) {
    EngineCadLink link;
    EXPECT_TRUE(drawToLink(data, settings, link, {}).finished());
    return link.drawing();
}

TEST_F(DrawingOptionsTest, HatchingLeavesEveryTextAndCircledNumberFree) {
    data.conditions.scale = 50.0f;  // lines 0.1 apart: many of them meet the texts
    DrawingRunSettings unhatched = settings(true);
    unhatched.deductionHatching = false;
    const drawing::Drawing hatched = drawn(data, settings(true));
    const std::vector<Line> lines = hatchLines(hatched, drawn(data, unhatched));
    ASSERT_GT(lines.size(), 20u);
    int texts = 0;
    for (const auto& entity : hatched.entities) {
        if (entity.layer != "寸法値") continue;
        const auto* text = std::get_if<Text>(&entity.shape);
        const auto* circle = std::get_if<drawing::Circle>(&entity.shape);
        if (!text && !circle) continue;
        if (text) ++texts;
        const auto box = text ? drawing::estimatedTextBox(*text) : std::array<drawing::Point, 4>{};
        const auto inside = [&](double x, double y) {
            if (circle) return std::hypot(x - circle->centre.x, y - circle->centre.y) < circle->radius - 1e-6;
            for (std::size_t i = 0; i < 4; ++i) {  // the box runs counter-clockwise
                const drawing::Point& p = box[i];
                const drawing::Point& q = box[(i + 1) % 4];
                if ((q.x - p.x) * (y - p.y) - (q.y - p.y) * (x - p.x) < 1e-6) return false;
            }
            return true;
        };
        for (const Line& line : lines) {
            for (int step = 0; step <= 400; ++step) {
                const double t = step / 400.0;
                const double x = line.start.x + t * (line.end.x - line.start.x);
                const double y = line.start.y + t * (line.end.y - line.start.y);
                ASSERT_FALSE(inside(x, y)) << (text ? text->text : "circle") << " at " << x << "," << y;
            }
        }
    }
    EXPECT_EQ(texts, 3 * 2 + 2 + 2 + 2);  // side labels, numbers, heights, the rectangle's name and area
}

// A 10 m figure in a millimetre document has sides of 10,000: its hatching is as far apart on paper as
// in a metre document (with the texts as large on paper, the same lines exactly), not 10,000s of
// lines; a figure ten times larger gets no more than a few dozen lines.
TEST_F(DrawingOptionsTest, HatchingFollowsThePaperNotTheUnit) {
    const auto hatchCount = [&](DisplayUnit unit, double factor, float textFactor = 1.0f) {
        SurveyData sized = data;
        sized.conditions.displayUnit = unit;
        sized.conditions.labelHeight *= textFactor;
        sized.conditions.numberHeight *= textFactor;
        for (int row : {0, 2}) {
            for (int side = 0; side < 3; ++side) {
                const std::string length = number::formatDouble((3 + side) * factor, "0");
                sized.setCell(ListKind::Chain, 0, row, column::SideA + side, length);
            }
        }
        DrawingRunSettings unhatched = settings(false);
        DrawingRunSettings hatchedOnly = settings(false);
        hatchedOnly.deductionHatching = true;
        return hatchLines(drawn(sized, hatchedOnly), drawn(sized, unhatched)).size();
    };
    const std::size_t metres = hatchCount(DisplayUnit::Metre, 2);  // 6, 8, 10 m: 24 mm to 40 mm at 1:200
    EXPECT_GT(metres, 10u);
    EXPECT_EQ(hatchCount(DisplayUnit::Millimetre, 2000, 1000.0f), metres);
    EXPECT_LE(hatchCount(DisplayUnit::Millimetre, 2000), metres);  // texts that small cut no lines
    EXPECT_LE(hatchCount(DisplayUnit::Millimetre, 20'000), 2u * hatching::kMostLines);
    EXPECT_LE(hatchCount(DisplayUnit::Millimetre, 25'000), 2u * hatching::kMostLines);  // sides to 125,000
}

}  // namespace
}  // namespace mirota

namespace mirota {
namespace {

TEST_F(DrawingOptionsTest, FiguresThatCannotBeCalculatedAreAskedAboutOnceTheDrawingCouldGoOn) {
    RecordingCadLink first;
    ASSERT_TRUE(drawToLink(data, settings(false), first, {}).finished());  // calculated in full once
    data.setRow(ListKind::Exception, 0, 0, {"22", "物置", "-2", "6", "110,220", "", ""});
    struct Case {
        bool goOn;
        DrawingRunResult::Outcome outcome;
        std::size_t messages;  // the question replaces the calculation's message: only the finish is told
    };
    for (const Case c : {Case{false, DrawingRunResult::Outcome::Cancelled, 0}, Case{true, DrawingRunResult::Outcome::Finished, 1}}) {
        DrawingRunSettings asking = settings(false);
        std::vector<std::string> asked;
        asking.goOnWithoutFaultyFigures = [&](const CalculationFailure& failure) {
            asked.push_back(faultyFigureNames(failure, "No."));
            return c.goOn;
        };
        RecordingCadLink link;
        const DrawingRunResult result = drawToLink(data, asking, link, {});
        EXPECT_EQ(asked, std::vector<std::string>{"例外処理 1段目 No.1"});
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.messages.size(), c.messages);
        EXPECT_EQ(link.requests().empty(), !c.goOn);
    }
    // A document never calculated in full is not drawn: nothing to ask, the calculation's message is told.
    SurveyData fresh = data;
    fresh.view.calculationDone = false;
    DrawingRunSettings asking = settings(false);
    asking.goOnWithoutFaultyFigures = [](const CalculationFailure&) -> bool { throw std::logic_error("asked"); };
    RecordingCadLink link;
    const DrawingRunResult result = drawToLink(fresh, asking, link, {});
    EXPECT_EQ(result.outcome, DrawingRunResult::Outcome::NotCalculated);
    EXPECT_EQ(result.messages.size(), 1u);
}

}  // namespace
}  // namespace mirota
