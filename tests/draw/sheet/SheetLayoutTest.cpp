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
    CalculateAreas(data, "No.");
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
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const std::vector<Line>& lines = pages[p];
        EXPECT_EQ(lines.back(), Line{std::to_string(p + 1) + " / " + std::to_string(pages.size())});
        std::string heading;
        for (std::size_t i = 0; i < lines.size(); ++i) {
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
    // The last page draws the development.
    EXPECT_GT(sheet.pages.back().polygons.size(), 1000u);
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

}  // namespace
}  // namespace mirota::sheet
