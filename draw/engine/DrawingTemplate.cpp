#include "draw/engine/DrawingTemplate.h"

#include <array>
#include <string>
#include <utility>
#include <variant>

namespace mirota::drawing {

namespace {

// Column edges from the left, in text heights: number, A, B, C, S, area, remark.
constexpr std::array<double, 8> kEdges{0, 5, 13, 21, 29, 37, 47, 53};
constexpr double kRight = kEdges.back();
constexpr double kPadding = 0.5;  // between a right-aligned value and its cell's edge

constexpr Justification kCentred{HorizontalAlignment::Center, VerticalAlignment::Middle};
constexpr Justification kRightAligned{HorizontalAlignment::Right, VerticalAlignment::Middle};

double centreOf(int column) { return (kEdges[column] + kEdges[column + 1]) / 2.0; }
double rightOf(int column) { return kEdges[column + 1] - kPadding; }

// Built in place: copying a line into the variant upsets GCC 12's uninitialised-use warning.
void addLine(Block& block, double x1, double y1, double x2, double y2) {
    block.geometry.emplace_back(std::in_place_type<Line>, Point{x1, y1}, Point{x2, y2});
}

Text text(Point at, Justification justification, std::string content) {
    return Text{at, 1.0, 0.0, 1.0, justification, std::move(content)};
}

template <typename Edges>
void verticals(Block& block, const Edges& edges, double bottom) {
    for (double x : edges) addLine(block, x, 0, x, bottom);
}

// The two lines of a row and of the footer: design values above, measured values below.
struct ValueLine {
    const char* tagPrefix;
    const char* promptSuffix;
    double y;
};
constexpr std::array<ValueLine, 2> kRowLines{{{"D_", "（設計値）", -1.5}, {"M_", "（実測値）", -4.5}}};

Block header() {
    Block block{"hyou", {}, {}};
    addLine(block, 0, 0, kRight, 0);
    addLine(block, 0, -3, kRight, -3);
    verticals(block, kEdges, -3);
    const std::array<std::array<const char*, 3>, 7> captions{{
        {"H_NO", "番号欄の見出し", "番号"},
        {"H_A", "A辺欄の見出し", "A辺"},
        {"H_B", "B辺欄の見出し", "B辺"},
        {"H_C", "C辺欄の見出し", "C辺"},
        {"H_S", "S欄の見出し", "S"},
        {"H_AREA", "面積欄の見出し", "面積"},
        {"H_NOTE", "適用欄の見出し", "適用"},
    }};
    for (int column = 0; column < 7; ++column) {
        const auto& [tag, prompt, value] = captions[column];
        block.attributes.push_back({tag, prompt, text({centreOf(column), -1.5}, kCentred, value)});
    }
    return block;
}

Block row() {
    Block block{"hyou1", {}, {}};
    verticals(block, kEdges, -6);
    addLine(block, 0, -6, kRight, -6);
    addLine(block, kEdges[1], -3, kRight, -3);
    block.attributes.push_back({"NO", "番号", text({centreOf(0), -3}, kCentred, "")});
    const std::array<const char*, 5> tags{"A", "B", "C", "S", "AREA"};
    const std::array<const char*, 5> captions{"A辺", "B辺", "C辺", "S", "面積"};
    for (const ValueLine& valueLine : kRowLines) {
        const std::string prefix = valueLine.tagPrefix;
        for (int column = 1; column <= 5; ++column) {
            block.attributes.push_back({prefix + tags[column - 1], captions[column - 1] + std::string(valueLine.promptSuffix),
                                        text({rightOf(column), valueLine.y}, kRightAligned, "")});
        }
        block.attributes.push_back(
            {prefix + "NOTE", "適用" + std::string(valueLine.promptSuffix), text({centreOf(6), valueLine.y}, kCentred, "")});
    }
    return block;
}

Block footer() {
    Block block{"hyou2", {}, {}};
    const std::array<double, 4> edges{kEdges[0], kEdges[5], kEdges[6], kRight};
    verticals(block, edges, -12);
    addLine(block, 0, -6, kRight, -6);
    addLine(block, 0, -12, kRight, -12);
    addLine(block, kEdges[5], -3, kRight, -3);
    addLine(block, kEdges[5], -9, kRight, -9);
    block.geometry.push_back(text({kEdges[5] / 2.0, -3}, kCentred, "計"));
    block.geometry.push_back(text({kEdges[5] / 2.0, -9}, kCentred, "控除計"));
    const double x = rightOf(5);
    block.attributes.push_back({"SUM_D", "面積計（設計値）", text({x, -1.5}, kRightAligned, "")});
    block.attributes.push_back({"DEDUCT_D", "控除計（設計値）", text({x, -7.5}, kRightAligned, "")});
    block.attributes.push_back({"SUM_M", "面積計（実測値）", text({x, -4.5}, kRightAligned, "")});
    block.attributes.push_back({"DEDUCT_M", "控除計（実測値）", text({x, -10.5}, kRightAligned, "")});
    return block;
}

// The frame of a closing block, as many pairs of lines tall as it holds: the caption columns merged,
// the area and remark columns split into design above measured.
void closingFrame(Block& block, int pairs) {
    const std::array<double, 4> edges{kEdges[0], kEdges[5], kEdges[6], kRight};
    verticals(block, edges, -6.0 * pairs);
    for (int pair = 0; pair < pairs; ++pair) {
        addLine(block, 0, -6.0 * (pair + 1), kRight, -6.0 * (pair + 1));
        addLine(block, kEdges[5], -6.0 * pair - 3, kRight, -6.0 * pair - 3);
    }
}

// A design value above its measured value in the area column of a closing block's pair of lines.
void valuePair(Block& block, int pair, const std::string& tag, const char* caption) {
    for (const ValueLine& valueLine : kRowLines) {
        block.attributes.push_back({valueLine.tagPrefix + tag, caption + std::string(valueLine.promptSuffix),
                                    text({rightOf(5), -6.0 * pair + valueLine.y}, kRightAligned, "")});
    }
}

Block netLine() {
    Block block{"hyou3", {}, {}};
    closingFrame(block, 1);
    block.geometry.push_back(text({kEdges[5] / 2.0, -3}, kCentred, "差引"));
    valuePair(block, 0, "NET", "差引面積");
    return block;
}

Block closingBlock() {
    Block block{"hyou4", {}, {}};
    closingFrame(block, 2);
    block.geometry.push_back(text({kEdges[5] / 2.0, -3}, kCentred, "合計"));
    valuePair(block, 0, "TOTAL", "差引面積の合計");
    block.attributes.push_back({"REG_NAME", "登記面積の種類", text({kEdges[5] / 2.0, -9}, kCentred, "")});
    valuePair(block, 1, "REG", "登記面積");
    return block;
}

}  // namespace

Drawing makeDrawingTemplate() {
    Drawing drawing;
    drawing.blocks = {header(), row(), footer()};
    drawing.reserveBlocks = closingTableBlocks();
    return drawing;
}

std::vector<Block> closingTableBlocks() { return {netLine(), closingBlock()}; }

Drawing makeTemplateFile() {
    Drawing drawing = makeDrawingTemplate();
    for (Block& block : drawing.reserveBlocks) drawing.blocks.push_back(std::move(block));
    drawing.reserveBlocks.clear();
    return drawing;
}

}  // namespace mirota::drawing
