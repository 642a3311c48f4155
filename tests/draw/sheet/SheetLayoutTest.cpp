#include "draw/sheet/SheetLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "bench/FullDocument.h"
#include "calc/AreaCalculation.h"

namespace mirota::sheet {
namespace {

// The texts of a sheet as lines: per page, the texts that share a row (their cells centred alike on it),
// left to right.
using Line = std::vector<std::string>;
std::vector<std::vector<Line>> linesOf(const Sheet& sheet) {
    std::vector<std::vector<Line>> pages;
    for (const Page& page : sheet.pages) {
        std::map<long, std::vector<const Text*>> rows;
        for (const Text& text : page.texts) rows[std::lround((text.at.y - 0.36 * text.size) * 100.0)].push_back(&text);
        std::vector<Line>& lines = pages.emplace_back();
        for (auto& [y, texts] : rows) {
            std::ranges::sort(texts, {}, [](const Text* t) { return t->at.x; });
            Line& line = lines.emplace_back();
            for (const Text* text : texts) line.push_back(text->text);
        }
    }
    return pages;
}

Options optionsOf(Form form, SumRule sum = SumRule::Stored, Paper paper = Paper::A4) {
    Options options;
    options.form = form;
    options.rules.sum = sum;
    options.paper = paper;
    return options;
}

bool isHeading(const Line& line) { return line.size() == 1 && line[0].find("段目") != std::string::npos; }

std::string withoutContinuation(std::string heading) {
    const std::string mark = "（続き）";
    if (heading.ends_with(mark)) heading.resize(heading.size() - mark.size());
    return heading;
}

SurveyData calculated(SurveyData data) {
    calculateAreas(data, "No.");
    return data;
}

SurveyData oneTier(std::initializer_list<std::array<const char*, 4>> figures) {
    SurveyData data;
    data.setFigureCount(ListKind::Chain, 0, static_cast<int>(figures.size()));
    data.setFigureCount(ListKind::Exception, 0, 0);
    int figure = 0;
    for (const auto& [type, a, b, c] : figures) {
        const int row = tableRow(figure++, InputSet::Design);
        data.setRow(ListKind::Chain, 0, row, {type, a, b, c, "", "", figure == 1 ? "0" : "2"});
        data.setCell(ListKind::Chain, 0, row + 1, column::Type, type);
    }
    return calculated(data);
}

// The table lines that follow a heading with the text, on every page.
std::vector<Line> tableLines(const Sheet& sheet, const std::string& heading) {
    std::vector<Line> rows;
    for (const std::vector<Line>& page : linesOf(sheet)) {
        bool inside = false;
        for (const Line& line : page) {
            if (line.size() == 1 && !line[0].empty() && (line[0].find("段目") != std::string::npos || line[0] == "集計")) {
                inside = withoutContinuation(line[0]) == heading;
                continue;
            }
            if (inside && line.size() > 1 && line[0] != "番号") rows.push_back(line);
        }
    }
    return rows;
}

TEST(SheetLayout, AFullDocumentRunsOverNumberedPagesWithEveryFigureOnceAndHeadersRepeated) {
    const SurveyData data = calculated(bench::fullDocument());
    const Sheet sheet = layOutSheet(data, Options{});
    const auto pages = linesOf(sheet);
    ASSERT_GT(pages.size(), 50u);
    std::map<std::string, std::multiset<int>> numbers;  // by table heading
    bool development = false;  // the tables end where the development begins
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const std::vector<Line>& lines = pages[p];
        EXPECT_EQ(lines.back(), Line{std::to_string(p + 1) + " / " + std::to_string(pages.size())});
        std::string heading;
        for (std::size_t i = 0; i < lines.size() && !development; ++i) {
            if (lines[i].size() == 1 && lines[i][0].starts_with("展開図（")) {
                development = true;
                break;
            }
            if (isHeading(lines[i])) {
                heading = withoutContinuation(lines[i][0]);
                ASSERT_LT(i + 1, lines.size());
                EXPECT_EQ(lines[i + 1].front(), "番号") << "page " << p + 1 << ": " << lines[i][0];
                EXPECT_EQ(lines[i][0] != heading, i <= 2 && p > 0 && lines[i][0].ends_with("（続き）"));
                continue;
            }
            if (lines[i].size() == 1 && (lines[i][0] == "集計" || lines[i][0].starts_with("展開図"))) heading.clear();
            if (!heading.empty() && lines[i].size() > 1 && lines[i][0] != "番号" && std::isdigit(lines[i][0][0])) {
                numbers[heading].insert(std::stoi(lines[i][0]));
            }
        }
    }
    ASSERT_EQ(numbers.size(), 40u);  // 20 tiers, each with a chain and an exception table
    for (const auto& [heading, seen] : numbers) {
        std::multiset<int> expected;
        for (int n = 1; n <= SurveyData::kFigureCapacity; ++n) expected.insert(n);
        EXPECT_EQ(seen, expected) << heading;
    }
    // The development follows, too large for a page at a scale that keeps its figures legible: in pieces,
    // which together circle every chain figure's number once.
    ASSERT_TRUE(development);
    std::size_t circles = 0;
    for (const Page& page : sheet.pages) circles += page.circles.size();
    EXPECT_GE(circles, std::size_t{20 * SurveyData::kFigureCapacity});
    EXPECT_NE(std::ranges::find_if(sheet.pages.back().texts, [](const Text& t) { return t.text.starts_with("マッチライン"); }),
              sheet.pages.back().texts.end());
}

TEST(SheetLayout, TheBaseAndHeightFormOfA345Triangle) {
    const SurveyData data = oneTier({{"0", "3", "4", "5"}});  // the base, so that it is drawn too
    const Sheet sheet = layOutSheet(data, optionsOf(Form::BaseAndHeight));
    const std::vector<Line> rows = tableLines(sheet, "1 段目　展開図形（三斜式）");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (Line{"1", "5.00", "2.40", "12.0000"}));
    EXPECT_EQ(rows[1], (Line{"計算面積合計", "12.0000", "6.00"}));
    EXPECT_EQ(rows[3], (Line{"差引面積", "12.0000", "6.00"}));
    // The drawing shows the height, dashed, and the figure by the table's number.
    const Page& last = sheet.pages.back();
    EXPECT_EQ(std::ranges::count_if(last.lines, [](const sheet::Line& l) { return l.dashed; }), 1);
    const auto heading = std::ranges::find_if(last.texts, [](const Text& t) { return t.text.starts_with("展開図（縮尺 1/"); });
    ASSERT_NE(heading, last.texts.end());
    EXPECT_EQ(std::ranges::count_if(last.texts, [&](const Text& t) { return t.text == "1" && t.at.y > heading->at.y; }), 1);
}

TEST(SheetLayout, TotalsFollowTheSumRule) {
    // Two 1-1-1 triangles of 0.4330127: stored 0.8660254 -> 0.87; shown 0.43 + 0.43 = 0.86. In the 三斜
    // form each 倍面積 is 0.87 × 1.00, halved once after adding: 0.87 by either rule.
    const SurveyData data = oneTier({{"10", "1", "1", "1"}, {"11", "1", "1", "1"}});
    struct Case {
        Form form;
        SumRule sum;
        const char* heading;
        const char* total;
    };
    const Case cases[] = {
        {Form::Heron, SumRule::Stored, "1 段目　展開図形（ヘロン式）", "0.87"},
        {Form::Heron, SumRule::Shown, "1 段目　展開図形（ヘロン式）", "0.86"},
        {Form::BaseAndHeight, SumRule::Stored, "1 段目　展開図形（三斜式）", "0.87"},
        {Form::BaseAndHeight, SumRule::Shown, "1 段目　展開図形（三斜式）", "0.87"},
    };
    for (const Case& c : cases) {
        const Sheet sheet = layOutSheet(data, optionsOf(c.form, c.sum));
        const std::vector<Line> rows = tableLines(sheet, c.heading);
        ASSERT_EQ(rows.size(), 5u);
        const Line totalLine = c.form == Form::BaseAndHeight ? Line{"計算面積合計", "1.7400", c.total}  // 倍面積合計
                                                             : Line{"計算面積合計", c.total};
        EXPECT_EQ(rows[2], totalLine) << c.heading;
        // The summary's grand total is the same sum.
        const std::vector<Line> summary = tableLines(sheet, "集計");
        const auto total = std::ranges::find_if(summary, [](const Line& l) { return l.size() > 1 && l[1] == "合計"; });
        ASSERT_NE(total, summary.end());
        EXPECT_EQ((*total)[2], c.total);
    }
}

TEST(SheetLayout, APaperOfA3HoldsMoreRowsOnFewerPages) {
    const SurveyData data = calculated(bench::fullDocument());
    const Sheet a4 = layOutSheet(data, Options{});
    const Sheet a3 = layOutSheet(data, optionsOf(Form::Heron, SumRule::Stored, Paper::A3));
    EXPECT_DOUBLE_EQ(a3.pages.front().width, 297.0);
    EXPECT_DOUBLE_EQ(a3.pages.front().height, 420.0);
    EXPECT_LT(a3.pages.size(), a4.pages.size());
    for (const Page& page : a3.pages) {
        for (const Text& text : page.texts) {
            EXPECT_LE(text.at.y, page.height - 5.0);
            EXPECT_GE(text.at.x, 0.0);
        }
    }
}

// The texts of the development's pages, each page's from its heading on, and the page of each.
struct Drawn {
    const Page* page;
    const Text* text;
};
std::vector<Drawn> developmentTexts(const Sheet& sheet, std::vector<std::string>* headings = nullptr) {
    std::vector<Drawn> texts;
    for (const Page& page : sheet.pages) {
        const auto heading = std::ranges::find_if(page.texts, [](const Text& t) { return t.text.starts_with("展開図（"); });
        if (heading == page.texts.end()) continue;
        if (headings) headings->push_back(heading->text);
        for (auto t = heading + 1; t != page.texts.end(); ++t) {
            if (t->at.y < page.height - 14.0) texts.push_back({&page, &*t});  // not the page number
        }
    }
    return texts;
}

double lineAngle(const sheet::Line& line) {
    const double angle = std::atan2(-(line.to.y - line.from.y), line.to.x - line.from.x) * 180.0 / 3.14159265358979;
    return std::fmod(angle + 360.0, 180.0);
}

TEST(SheetLayout, TheDevelopmentWritesEverySideAlongItOnceAndCirclesTheTablesNumbers) {
    // The second and third figures are joined A-C: their side C is the previous figure's side A, written once.
    const SurveyData data = oneTier({{"0", "5", "6", "7"}, {"11", "6.5", "6", "5"}, {"10", "7", "6.2", "6.5"}});
    const Sheet sheet = layOutSheet(data, optionsOf(Form::Heron));
    std::multiset<std::string> sides;
    std::multiset<std::string> numbers;
    for (const auto& [page, text] : developmentTexts(sheet)) {
        EXPECT_GE(text->size, 2.0) << text->text;
        if (text->text.find('.') == std::string::npos) {
            numbers.insert(text->text);
            continue;
        }
        sides.insert(text->text);
        // Along a side of the outline, beside it.
        const bool along = std::ranges::any_of(page->lines, [&](const sheet::Line& line) {
            const double turn = std::fmod(std::abs(lineAngle(line) - std::fmod(text->angle + 360.0, 180.0)), 180.0);
            const double length = std::hypot(line.to.x - line.from.x, line.to.y - line.from.y);
            const Point u{(line.to.x - line.from.x) / length, (line.to.y - line.from.y) / length};
            const Point to{text->at.x - line.from.x, text->at.y - line.from.y};
            const double at = to.x * u.x + to.y * u.y;
            const double beside = std::abs(to.x * u.y - to.y * u.x);
            return std::min(turn, 180.0 - turn) < 1e-6 && at > 0.0 && at < length && beside < 3.0;
        });
        EXPECT_TRUE(along) << text->text;
    }
    EXPECT_EQ(sides, (std::multiset<std::string>{"5.00", "6.00", "6.00", "7.00", "7.00", "6.50", "6.20"}));
    EXPECT_EQ(numbers, (std::multiset<std::string>{"1", "2", "3", "基準"}));
    const Page& last = sheet.pages.back();
    ASSERT_EQ(last.circles.size(), 3u);
    // The base figure is marked by a grey fill under it.
    EXPECT_EQ(std::ranges::count_if(last.polygons, [](const Polygon& p) { return p.fill < 1.0 && p.points.size() == 3; }), 1);
}

double distanceToSegment(Point p, const sheet::Line& line) {
    const Point d{line.to.x - line.from.x, line.to.y - line.from.y};
    const double t = std::clamp(((p.x - line.from.x) * d.x + (p.y - line.from.y) * d.y) / (d.x * d.x + d.y * d.y), 0.0, 1.0);
    return std::hypot(line.from.x + t * d.x - p.x, line.from.y + t * d.y - p.y);
}

TEST(SheetLayout, ADeductionIsHatchedClearOfItsNumberAndItsSideLengths) {
    const SurveyData data = oneTier({{"0", "5", "6", "7"}, {"21", "6.5", "6", "5"}});
    const Sheet sheet = layOutSheet(data, optionsOf(Form::Heron));
    const Page& page = sheet.pages.back();
    std::vector<const sheet::Line*> hatching;
    for (const sheet::Line& line : page.lines) {
        if (line.width < 0.11) hatching.push_back(&line);
    }
    ASSERT_GT(hatching.size(), 10u);
    for (const sheet::Line* line : hatching) {
        for (const Circle& circle : page.circles) EXPECT_GE(distanceToSegment(circle.centre, *line), circle.radius - 1e-9);
        for (const auto& [drawnOn, text] : developmentTexts(sheet)) {
            if (text->text.find('.') == std::string::npos) continue;
            // The middle of a side length, half its height above its baseline.
            const double angle = text->angle * 3.14159265358979 / 180.0;
            const Point middle{text->at.x - std::sin(angle) * 0.375 * text->size, text->at.y - std::cos(angle) * 0.375 * text->size};
            EXPECT_GE(distanceToSegment(middle, *line), 0.375 * text->size) << text->text;
        }
    }
}

TEST(SheetLayout, AFigureFarAwayTakesABoundedNumberOfPages) {
    // A 3-4-5 triangle legible at 1/50 and a circle placed 1000 km away: 20,000 m wide at 1/50 would be
    // over 100,000 pages.
    SurveyData data = oneTier({{"0", "3", "4", "5"}});
    data.setFigureCount(ListKind::Exception, 0, 1);
    data.setRow(ListKind::Exception, 0, 0, {"13", "池", "2", "", "1000000,0", "", ""});
    data = calculated(data);
    for (const double scale : {0.0, 1.0}) {
        Options options;
        options.scale = scale;
        std::vector<std::string> headings;
        developmentTexts(layOutSheet(data, options), &headings);
        EXPECT_GE(headings.size(), 2u) << scale;
        EXPECT_LE(headings.size(), 200u) << scale;
    }
}

TEST(SheetLayout, OnlyFiguresWithDataAreListed) {
    SurveyData data = oneTier({{"0", "3", "4", "5"}, {"11", "", "", ""}, {"10", "5", "4", "3"}});
    data.changeTierCount(2);  // tier 2: the new tier's empty figures, its exception row unnamed
    data.setFigureCount(ListKind::Exception, 0, 3);
    data.setRow(ListKind::Exception, 0, 0, {"23", "名称1", "", "", "", "", ""});  // as a new row stands
    data.setRow(ListKind::Exception, 0, 2, {"23", "井戸", "", "", "", "", ""});   // named by the user
    data.setRow(ListKind::Exception, 0, 4, {"12", "名称3", "2", "3", "", "", ""});
    const Sheet sheet = layOutSheet(calculated(data), Options{});
    const auto numbers = [&](const std::string& heading) {
        std::vector<std::string> listed;
        for (const Line& line : tableLines(sheet, heading)) listed.push_back(line.front());
        return listed;
    };
    EXPECT_EQ(numbers("1 段目　展開図形（ヘロン式）"), (std::vector<std::string>{"1", "3", "計算面積合計", "控除面積合計", "差引面積"}));
    EXPECT_EQ(numbers("1 段目　例外処理"), (std::vector<std::string>{"2", "3", "計算面積合計", "控除面積合計", "差引面積"}));
    for (const std::vector<Line>& page : linesOf(sheet)) {
        for (const Line& line : page) EXPECT_EQ(line.front().find("2 段目"), std::string::npos) << line.front();
    }
}

TEST(SheetLayout, TheBaseAndHeightFormWritesTheTablesBaseAndHeightOnTheDevelopment) {
    const SurveyData data = oneTier({{"0", "3", "4", "5"}});
    const Sheet sheet = layOutSheet(data, optionsOf(Form::BaseAndHeight));
    std::multiset<std::string> texts;
    for (const auto& drawn : developmentTexts(sheet)) texts.insert(drawn.text->text);
    EXPECT_EQ(texts, (std::multiset<std::string>{"3.00", "4.00", "5.00", "2.40", "1", "基準"}));
}

TEST(SheetLayout, ALongDevelopmentRunsOverPiecesWithMatchLinesRatherThanShrinking) {
    // 40 triangles of 10 m sides: 205 m long. Legible down to 1/1000 (the circled number inside a 10 m
    // triangle), where it is 205 mm long: two pieces, not one page at 1/2000.
    SurveyData data;
    data.setFigureCount(ListKind::Chain, 0, 40);
    data.setFigureCount(ListKind::Exception, 0, 0);
    for (int figure = 0; figure < 40; ++figure) {
        const char* type = figure == 0 ? "0" : figure % 2 == 0 ? "10" : "11";
        data.setRow(ListKind::Chain, 0, tableRow(figure, InputSet::Design), {type, "10", "10", "10", "", "", figure == 0 ? "0" : "2"});
    }
    data = calculated(data);
    for (const auto& [scale, pieces] : {std::pair{0.0, 2}, std::pair{100.0, 13}}) {
        Options options;
        options.scale = scale;
        const Sheet sheet = layOutSheet(data, options);
        std::vector<std::string> headings;
        const std::vector<Drawn> texts = developmentTexts(sheet, &headings);
        ASSERT_EQ(headings.size(), static_cast<std::size_t>(pieces)) << scale;
        const std::string scaleName = scale == 0.0 ? "1/1000" : "1/100";
        for (int i = 0; i < pieces; ++i) {
            EXPECT_EQ(headings[static_cast<std::size_t>(i)], "展開図（縮尺 " + scaleName + "）　" + std::to_string(i + 1) +
                                                                " / " + std::to_string(pieces));
        }
        // Every figure's number once over all pieces; every side length once but the joined ones.
        std::multiset<std::string> numbers;
        int sides = 0;
        int matchLines = 0;
        for (const auto& [page, text] : texts) {
            EXPECT_GE(text->size, 2.0);
            EXPECT_GE(text->at.x, 0.0);
            EXPECT_LE(text->at.x, page->width);
            if (text->text == "10.00") ++sides;
            else if (text->text.starts_with("マッチライン")) ++matchLines;
            else numbers.insert(text->text);
        }
        std::multiset<std::string> expected{"基準"};
        for (int n = 1; n <= 40; ++n) expected.insert(std::to_string(n));
        EXPECT_EQ(numbers, expected) << scale;
        EXPECT_EQ(sides, 3 * 40 - 39) << scale;
        EXPECT_EQ(matchLines, 2 * (pieces - 1)) << scale;  // one row of pieces: each cut named on both sides
    }
}

}  // namespace
}  // namespace mirota::sheet
