#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "draw/engine/DrawingTemplate.h"

namespace mirota::drawing {
namespace {

const Block& block(const Drawing& drawing, const char* name) {
    const Block* found = drawing.findBlock(name);
    if (!found) {
        ADD_FAILURE() << "no block " << name;
        static const Block none;
        return none;
    }
    return *found;
}

std::vector<std::string> prompts(const Block& b) {
    std::vector<std::string> out;
    for (const AttributeDefinition& a : b.attributes) out.push_back(a.prompt);
    return out;
}

// The x of every vertical grid line of a block.
std::set<double> verticalEdges(const Block& b) {
    std::set<double> edges;
    for (const BlockShape& shape : b.geometry) {
        if (const auto* line = std::get_if<Line>(&shape); line && line->start.x == line->end.x) edges.insert(line->start.x);
    }
    return edges;
}

// The lowest and highest y the block's grid reaches.
std::pair<double, double> verticalSpan(const Block& b) {
    double low = 0.0;
    double high = -1e9;
    for (const BlockShape& shape : b.geometry) {
        if (const auto* line = std::get_if<Line>(&shape)) {
            low = std::min({low, line->start.y, line->end.y});
            high = std::max({high, line->start.y, line->end.y});
        }
    }
    return {low, high};
}

TEST(DrawingTemplateTest, HoldsTheThreeTableBlocksAndNothingDrawn) {
    const Drawing drawing = makeDrawingTemplate();
    EXPECT_TRUE(drawing.entities.empty());
    ASSERT_EQ(drawing.layers.size(), 1u);
    EXPECT_EQ(drawing.layers[0].name, "0");
    EXPECT_EQ(block(drawing, "hyou").attributes.size(), 7u);
    EXPECT_EQ(block(drawing, "hyou1").attributes.size(), 13u);
    EXPECT_EQ(block(drawing, "hyou2").attributes.size(), 4u);
}

TEST(DrawingTemplateTest, RowPromptsFollowTheOrderOfTheValuesSent) {
    const Drawing drawing = makeDrawingTemplate();
    const std::vector<std::string> expected{"番号",         "A辺（設計値）", "B辺（設計値）", "C辺（設計値）", "S（設計値）",
                                            "面積（設計値）", "適用（設計値）", "A辺（実測値）", "B辺（実測値）", "C辺（実測値）",
                                            "S（実測値）",   "面積（実測値）", "適用（実測値）"};
    EXPECT_EQ(prompts(block(drawing, "hyou1")), expected);
    const std::vector<std::string> footer{"面積計（設計値）", "控除計（設計値）", "面積計（実測値）", "控除計（実測値）"};
    EXPECT_EQ(prompts(block(drawing, "hyou2")), footer);
}

TEST(DrawingTemplateTest, HeightsMatchTheStepsOfTheTable) {
    const Drawing drawing = makeDrawingTemplate();
    // The header steps 3 heights, a row 6: each block reaches exactly that far down from its base point.
    EXPECT_EQ(verticalSpan(block(drawing, "hyou")), std::make_pair(-3.0, 0.0));
    EXPECT_EQ(verticalSpan(block(drawing, "hyou1")), std::make_pair(-6.0, 0.0));
    EXPECT_EQ(verticalSpan(block(drawing, "hyou2")).second, 0.0);
}

TEST(DrawingTemplateTest, ColumnsLineUpFromHeaderToFooter) {
    const Drawing drawing = makeDrawingTemplate();
    const std::set<double> header = verticalEdges(block(drawing, "hyou"));
    EXPECT_EQ(header.size(), 8u);  // seven columns
    EXPECT_EQ(verticalEdges(block(drawing, "hyou1")), header);
    const std::set<double> footer = verticalEdges(block(drawing, "hyou2"));
    EXPECT_TRUE(std::includes(header.begin(), header.end(), footer.begin(), footer.end()));
    EXPECT_EQ(*footer.begin(), *header.begin());
    EXPECT_EQ(*footer.rbegin(), *header.rbegin());
}

// Every value sits inside its cell: the k-th caption's column holds the k-th value of either line.
TEST(DrawingTemplateTest, RowValuesSitUnderTheirCaptionsDesignAboveMeasured) {
    const Drawing drawing = makeDrawingTemplate();
    const Block& header = block(drawing, "hyou");
    const Block& row = block(drawing, "hyou1");
    const std::set<double> edgeSet = verticalEdges(header);
    const std::vector<double> edges(edgeSet.begin(), edgeSet.end());
    auto column = [&](double x) {
        return static_cast<int>(std::upper_bound(edges.begin(), edges.end(), x) - edges.begin()) - 1;
    };
    for (int k = 0; k < 7; ++k) EXPECT_EQ(column(header.attributes[k].text.position.x), k);
    EXPECT_EQ(column(row.attributes[0].text.position.x), 0);
    for (int k = 1; k <= 6; ++k) {
        const Text& design = row.attributes[k].text;
        const Text& measured = row.attributes[k + 6].text;
        EXPECT_EQ(column(design.position.x), k) << row.attributes[k].tag;
        EXPECT_EQ(column(measured.position.x), k) << row.attributes[k + 6].tag;
        EXPECT_GT(design.position.y, -3.0);
        EXPECT_LT(design.position.y, 0.0);
        EXPECT_LT(measured.position.y, -3.0);
        EXPECT_GT(measured.position.y, -6.0);
    }
    for (const AttributeDefinition& a : row.attributes) EXPECT_DOUBLE_EQ(a.text.height, 1.0);
}

TEST(DrawingTemplateTest, FooterTotalsStandInTheAreaColumnUnderTheirCaptions) {
    const Drawing drawing = makeDrawingTemplate();
    const Block& header = block(drawing, "hyou");
    const Block& footer = block(drawing, "hyou2");
    const std::set<double> edgeSet = verticalEdges(header);
    const std::vector<double> edges(edgeSet.begin(), edgeSet.end());
    std::vector<std::pair<std::string, double>> captions;
    for (const BlockShape& shape : footer.geometry) {
        if (const auto* text = std::get_if<Text>(&shape)) captions.emplace_back(text->text, text->position.y);
    }
    ASSERT_EQ(captions.size(), 2u);
    EXPECT_EQ(captions[0].first, "計");
    EXPECT_EQ(captions[1].first, "控除計");
    for (const AttributeDefinition& total : footer.attributes) {
        EXPECT_GT(total.text.position.x, edges[5]);  // the area column
        EXPECT_LT(total.text.position.x, edges[6]);
    }
    // Normal totals beside "計", deduction totals beside "控除計", design above measured.
    const auto y = [&](int i) { return footer.attributes[i].text.position.y; };
    EXPECT_GT(y(0), y(2));
    EXPECT_GT(y(1), y(3));
    EXPECT_NEAR((y(0) + y(2)) / 2, captions[0].second, 1e-12);
    EXPECT_NEAR((y(1) + y(3)) / 2, captions[1].second, 1e-12);
}

}  // namespace
}  // namespace mirota::drawing
