#include <array>
#include <optional>
#include <string_view>
#include <utility>

#include "draw/engine/Commands.h"
#include "draw/engine/Placement.h"

namespace mirota::drawing {

namespace {

// The justification options of DTEXT; Align and Fit (two points) are not supported.
struct JustificationOption {
    std::string_view keyword;
    Justification justification;
};

constexpr std::array<JustificationOption, 13> kJustifications{{
    {"Left", {HorizontalAlignment::Left, VerticalAlignment::Baseline}},
    {"Center", {HorizontalAlignment::Center, VerticalAlignment::Baseline}},
    {"Right", {HorizontalAlignment::Right, VerticalAlignment::Baseline}},
    {"Middle", {HorizontalAlignment::Middle, VerticalAlignment::Baseline}},
    {"TL", {HorizontalAlignment::Left, VerticalAlignment::Top}},
    {"TC", {HorizontalAlignment::Center, VerticalAlignment::Top}},
    {"TR", {HorizontalAlignment::Right, VerticalAlignment::Top}},
    {"ML", {HorizontalAlignment::Left, VerticalAlignment::Middle}},
    {"MC", {HorizontalAlignment::Center, VerticalAlignment::Middle}},
    {"MR", {HorizontalAlignment::Right, VerticalAlignment::Middle}},
    {"BL", {HorizontalAlignment::Left, VerticalAlignment::Bottom}},
    {"BC", {HorizontalAlignment::Center, VerticalAlignment::Bottom}},
    {"BR", {HorizontalAlignment::Right, VerticalAlignment::Bottom}},
}};

bool isTwoPointJustification(std::string_view answer) { return isKeyword(answer, "Align") || isKeyword(answer, "Fit"); }

constexpr std::string_view kTwoPointRefusal = "二点で決める位置合わせ（a、f）には対応していません";

// Further lines of one DTEXT stand five thirds of the height below each other.
constexpr double kLinePitch = 5.0 / 3.0;

// A positive number; an empty answer takes the default.
std::optional<double> positiveNumber(CommandInput& input, std::string_view prompt, std::optional<double> byDefault) {
    const auto value = input.number(prompt, byDefault);
    if (value && !(*value > 0.0)) {
        input.refuse("0 より大きい数でなければなりません");
        return std::nullopt;
    }
    return value;
}

std::optional<double> nonZeroScale(CommandInput& input, std::string_view prompt, double byDefault) {
    const auto value = input.number(prompt, byDefault);
    if (value && *value == 0.0) {
        input.refuse("尺度に 0 は使えません");
        return std::nullopt;
    }
    return value;
}

// The start of DTEXT: a start point, or a justification (after "j" or typed at once) and its point.
std::optional<std::pair<Justification, Point>> textPlacement(CommandInput& input) {
    auto first = input.answer("文字の始点");
    if (!first) return std::nullopt;
    if (isKeyword(*first, "Justify")) {
        first = input.answer("文字の位置合わせ");
        if (!first) return std::nullopt;
        if (isTwoPointJustification(*first)) {
            input.refuse(kTwoPointRefusal);
            return std::nullopt;
        }
        if (!justificationOption(*first)) {
            input.refuse("位置合わせのオプション（c、m、r、tl、tc、tr、ml、mc、mr、bl、bc、br）ではありません");
            return std::nullopt;
        }
    } else if (isTwoPointJustification(*first)) {
        input.refuse(kTwoPointRefusal);
        return std::nullopt;
    }
    if (const auto justification = justificationOption(*first)) {
        const auto point = input.point("文字の位置合わせ点");
        if (!point) return std::nullopt;
        return std::pair{*justification, *point};
    }
    // Not an option: the answer was the start point itself.
    const auto point = input.pointFromAnswer();
    if (!point) return std::nullopt;
    return std::pair{Justification{}, *point};
}

}  // namespace

std::optional<Justification> justificationOption(std::string_view answer) {
    for (const JustificationOption& option : kJustifications) {
        if (isKeyword(answer, option.keyword)) return option.justification;
    }
    return std::nullopt;
}

void runLine(CommandContext& context) {
    CommandInput& input = context.input;
    const auto first = input.point("線の始点");
    if (!first) return;
    std::vector<Point> points{*first};
    auto finish = [&](bool close) {
        for (std::size_t i = 1; i < points.size(); ++i) context.drawing.add(Line{points[i - 1], points[i]});
        if (close) context.drawing.add(Line{points.back(), points.front()});
    };
    while (true) {
        const auto answer = input.answer("次の点");
        if (!answer) {
            if (input.cancelled()) finish(false);
            return;
        }
        if (answer->empty()) {
            finish(false);
            return;
        }
        if (isKeyword(*answer, "Close")) {
            if (points.size() < 3) {
                input.refuse("閉じるには線分が2本以上必要です");
                return;
            }
            finish(true);
            return;
        }
        if (isKeyword(*answer, "Undo")) {
            if (points.size() < 2) {
                input.refuse("取り消す線分がありません");
                return;
            }
            points.pop_back();
            continue;
        }
        const auto point = input.pointFromAnswer();
        if (!point) return;
        points.push_back(*point);
    }
}

void runText(CommandContext& context) {
    CommandInput& input = context.input;
    const auto placement = textPlacement(input);
    if (!placement) return;
    const auto height = positiveNumber(input, "文字の高さ", context.memory.textHeight);
    if (!height) return;
    const auto rotation = input.number("文字の角度", context.memory.textRotation);
    if (!rotation) return;
    std::vector<Text> lines;
    while (true) {
        const auto line = input.answer("文字列");
        if (!line) return;
        if (line->empty()) break;
        const Point below{placement->second.x, placement->second.y - kLinePitch * *height * static_cast<double>(lines.size())};
        lines.push_back(Text{rotated(below, placement->second, *rotation), *height, normalizedDegrees(*rotation), 1.0,
                             placement->first, *line});
    }
    for (Text& text : lines) context.drawing.add(std::move(text));
    context.memory.textHeight = *height;
    context.memory.textRotation = *rotation;
}

void runCircle(CommandContext& context) {
    CommandInput& input = context.input;
    const auto centre = input.point("円の中心点");
    if (!centre) return;
    const auto radiusAnswer = input.answer("円の半径");
    if (!radiusAnswer) return;
    std::optional<double> radius;
    if (isKeyword(*radiusAnswer, "Diameter")) {
        const auto diameter = positiveNumber(input, "円の直径", std::nullopt);
        if (!diameter) return;
        radius = *diameter / 2.0;
    } else {
        radius = input.numberFromAnswer();
        if (!radius) return;
        if (!(*radius > 0.0)) {
            input.refuse("0 より大きい数でなければなりません");
            return;
        }
    }
    context.drawing.add(Circle{*centre, *radius});
}

void runInsert(CommandContext& context) {
    CommandInput& input = context.input;
    auto name = input.answer("ブロック名");
    if (!name) return;
    if (name->empty()) {
        if (context.memory.lastBlock.empty()) {
            input.refuse("前に挿入したブロックがありません");
            return;
        }
        *name = context.memory.lastBlock;
    }
    const Block* block = context.drawing.findBlock(*name);
    // A block in reserve joins the drawing only once its insert has gone through.
    const Block* reserved = block ? nullptr : findByName(context.drawing.reserveBlocks, *name);
    if (!block && !reserved) {
        input.refuse("その名前のブロックは定義されていません");
        return;
    }
    const Block& definition = block ? *block : *reserved;
    const auto position = input.point("挿入位置");
    if (!position) return;
    const auto xScale = nonZeroScale(input, "X方向の尺度", 1.0);
    if (!xScale) return;
    const auto yScale = nonZeroScale(input, "Y方向の尺度", *xScale);
    if (!yScale) return;
    const auto rotation = input.number("挿入の回転角度", 0.0);
    if (!rotation) return;
    std::vector<std::string> values;
    values.reserve(definition.attributes.size());
    for (const AttributeDefinition& attribute : definition.attributes) {
        const auto value = input.answer("属性「" + attribute.prompt + "」");
        if (!value) return;
        values.push_back(value->empty() ? attribute.text.text : *value);
    }
    const std::string blockName = definition.name;
    if (reserved) context.drawing.takeInReserveBlock(blockName);
    context.memory.lastBlock = blockName;
    context.drawing.add(Insert{blockName, *position, *xScale, *yScale, normalizedDegrees(*rotation), std::move(values)});
}

}  // namespace mirota::drawing
