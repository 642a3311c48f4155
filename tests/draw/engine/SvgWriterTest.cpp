#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "draw/engine/ColourNumber.h"
#include "draw/engine/SvgWriter.h"

namespace mirota::drawing {
namespace {

// Checks that every element is closed in order; returns the problem, or empty when well formed.
std::string structureProblem(const std::string& svg) {
    std::vector<std::string> open;
    std::size_t at = 0;
    while ((at = svg.find('<', at)) != std::string::npos) {
        const std::size_t end = svg.find('>', at);
        if (end == std::string::npos) return "unclosed tag";
        const std::string tag = svg.substr(at + 1, end - at - 1);
        at = end + 1;
        if (tag.empty() || tag[0] == '?') continue;
        if (tag[0] == '/') {
            if (open.empty() || open.back() != tag.substr(1)) return "unexpected </" + tag.substr(1) + ">";
            open.pop_back();
        } else if (tag.back() != '/') {
            open.push_back(tag.substr(0, tag.find(' ')));
        } else if (open.empty()) {
            return "element outside the root";
        }
    }
    return open.empty() ? "" : "<" + open.back() + "> left open";
}

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++n;
    return n;
}

TEST(SvgWriterTest, SampleIsWellFormedWithEveryText) {
    const std::string svg = svgDocument(test::sampleDrawing());
    EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0), 0u);
    EXPECT_EQ(structureProblem(svg), "");
    // 2 labels, 2 footer captions, 7 + 13 + 4 attribute values.
    EXPECT_EQ(occurrences(svg, "<text "), 28u);
    EXPECT_EQ(occurrences(svg, "</text>"), 28u);
    for (const char* text : {">3.00<", ">面積<", ">番号<", ">A(ｍ2)<", ">控除<", ">(-6.20)<", ">計<", ">控除計<"}) {
        EXPECT_NE(svg.find(text), std::string::npos) << text;
    }
    // 3 outlines, and the grids: header 2 + 8, row 8 + 2, footer 4 + 4.
    EXPECT_EQ(occurrences(svg, "<line "), 3u + 10u + 10u + 8u);
    EXPECT_EQ(occurrences(svg, "<circle "), 1u);
    EXPECT_NE(svg.find("font-family=\"IPAGothic, 'Noto Sans CJK JP', sans-serif\""), std::string::npos);
}

TEST(SvgWriterTest, LayerColoursOnWhite) {
    const std::string svg = svgDocument(test::sampleDrawing());
    // Outline on colour 7 (black on white), labels red, table blue.
    EXPECT_NE(svg.find("<line x1=\"0\" y1=\"0\" x2=\"3\" y2=\"0\" stroke=\"#000000\"/>"), std::string::npos);
    EXPECT_NE(svg.find("<circle cx=\"1\" cy=\"-1\" r=\"0.4\" fill=\"none\" stroke=\"#FF0000\"/>"), std::string::npos);
    EXPECT_NE(svg.find("fill=\"#0000FF\" xml:space=\"preserve\">番号</text>"), std::string::npos);
}

TEST(SvgWriterTest, TextsKeepJustificationAndRotationWithYUp) {
    Drawing drawing;
    drawing.add(Text{{1.5, 2}, 0.4, 30, 1, {HorizontalAlignment::Center, VerticalAlignment::Bottom}, "a<b&c"});
    drawing.add(Text{{0, 0}, 2, 0, 1, {HorizontalAlignment::Right, VerticalAlignment::Top}, "r"});
    const std::string svg = svgDocument(drawing);
    // Bottom text: the baseline 0.2 heights above the point (0.08 up, so y -0.08 in the picture).
    EXPECT_NE(svg.find("<text transform=\"translate(1.5 -2) rotate(-30)\" y=\"-0.08\" font-size=\"0.4\" "
                       "text-anchor=\"middle\" fill=\"#000000\" xml:space=\"preserve\">a&lt;b&amp;c</text>"),
              std::string::npos)
        << svg;
    // Top text: the baseline one height below the point.
    EXPECT_NE(svg.find("<text transform=\"translate(0 0)\" y=\"2\" font-size=\"2\" text-anchor=\"end\""),
              std::string::npos);
}

TEST(SvgWriterTest, ViewBoxFitsTheExtentsWithAMargin) {
    Drawing drawing;
    drawing.add(Line{{0, 0}, {10, 0}});
    drawing.add(Line{{0, 0}, {0, -4}});
    const std::string svg = svgDocument(drawing);
    // Extents (0,-4)..(10,0), margin 5 % of 10: x from -0.5, picture y (= -drawing y) from -0.5, 11 by 5.
    EXPECT_NE(svg.find("viewBox=\"-0.5 -0.5 11 5\""), std::string::npos) << svg;
}

TEST(ColourNumberTest, NamesNumbersAndTheirColoursOnWhite) {
    EXPECT_EQ(colourNumber("red"), 1);
    EXPECT_EQ(colourNumber("BLUE"), 5);
    EXPECT_EQ(colourNumber("Magenta"), 6);
    EXPECT_EQ(colourNumber("255"), 255);
    for (const char* refused : {"0", "256", "12a", "", "-1", "purple"}) EXPECT_FALSE(colourNumber(refused)) << refused;
    const std::pair<int, const char*> colours[] = {
        {1, "#FF0000"}, {5, "#0000FF"}, {7, "#000000"},  {8, "#808080"},
        {10, "#FF0000"}, {11, "#FF8080"},  // hue 0, full and pale
        {30, "#FF8000"},                    // hue 30 degrees
        {12, "#A60000"},                    // the second shade: 0.65
        {250, "#333333"},
    };
    for (const auto& [number, rgb] : colours) EXPECT_EQ(colourOnWhite(number), rgb) << number;
}

}  // namespace
}  // namespace mirota::drawing
