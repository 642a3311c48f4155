#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "model/DrawingConditions.h"
#include "model/OptionFlags.h"
#include "model/SurveyData.h"
#include "model/ProgramTitle.h"

// What the reader and the writer of the data file agree on: the fixed values, the order of the
// drawing conditions and options, and the names used in messages.
namespace mirota::datafile {

inline constexpr std::string_view kMagic = "LTミロタ展開図";
inline constexpr std::string_view kMessageTitle = kProgramTitle;
inline constexpr std::string_view kTrue = "#TRUE#";
inline constexpr std::string_view kFalse = "#FALSE#";

// The drawing conditions and options close the file, in this order: the numbers, the choices, the
// options, then the layer names.

// A value as the messages name it and where it is kept.
template <class Owner, class Value>
struct NamedField {
    std::string_view name;
    Value Owner::*field;
};

using Number = NamedField<DrawingConditions, float>;
inline constexpr std::array<Number, 8> kNumbers{{
    {"基準図形の座標値 X", &DrawingConditions::referenceX},
    {"基準図形の座標値 Y", &DrawingConditions::referenceY},
    {"基準図形の角度", &DrawingConditions::referenceAngle},
    {"Noサイズ", &DrawingConditions::numberHeight},
    {"寸法値サイズ", &DrawingConditions::labelHeight},
    {"面積表位置 X", &DrawingConditions::tableX},
    {"面積表位置 Y", &DrawingConditions::tableY},
    {"縮尺", &DrawingConditions::scale},
}};

// A list or check box, stored as its 16-bit value whether or not the list names it.
struct Choice {
    std::string_view name;
    std::int16_t (*get)(const DrawingConditions&);
    void (*set)(DrawingConditions&, std::int16_t);
};
template <auto Field>
constexpr Choice choice(std::string_view name) {
    using Value = std::remove_cvref_t<decltype(DrawingConditions{}.*Field)>;
    return {name, [](const DrawingConditions& c) { return static_cast<std::int16_t>(c.*Field); },
            [](DrawingConditions& c, std::int16_t value) { c.*Field = static_cast<Value>(value); }};
}
inline constexpr std::array<Choice, 4> kChoices{{
    choice<&DrawingConditions::dimensionPosition>("寸法値位置"),
    choice<&DrawingConditions::displayUnit>("表示単位"),
    choice<&DrawingConditions::additionalDrawing>("追加作図"),
    choice<&DrawingConditions::areaTable>("面積表作図"),
}};

using Option = NamedField<OptionFlags, bool>;
inline constexpr std::array<Option, 2> kOptions{{
    {"オプション「フォームのサイズを保存する」", &OptionFlags::saveWindowSize},
    {"オプション「測点名の接頭語を指定する」", &OptionFlags::useStationPrefix},
}};

inline constexpr std::string_view kVersionName = "AutoCAD LTのバージョン";

using Layer = NamedField<DrawingConditions, std::string>;
inline const std::array<Layer, 3> kLayers{{
    {"作図レイヤ名", &DrawingConditions::drawingLayerName},
    {"寸法値レイヤ名", &DrawingConditions::dimensionLayerName},
    {"面積表レイヤ名", &DrawingConditions::areaTableLayerName},
}};

// After the layer names, only when the title block has something: this value, then the title block's
// fields in kTitleFields' order. A reader that stops at the last layer name reads such a file as ever.
inline constexpr std::string_view kTitleBlockMark = "#求積表の表題欄#";

// "3 段目の例外処理" : a list of a tier as the messages name it (tier 0-based).
inline std::string tierListName(ListKind list, int tier) {
    return std::to_string(tier + 1) + " 段目の" + (list == ListKind::Chain ? "展開図形" : "例外処理");
}

// "作図レイヤ名が 255 文字を超えています。"
inline std::string tooLongLayerName(std::string_view layer) {
    return std::string(layer) + "が " + std::to_string(DrawingConditions::kLayerNameMaxCharacters) +
           " 文字を超えています。";
}

// "段数 25 は 1 ～ 20 の範囲にありません。"
inline std::string rangeProblem(std::string_view what, long value, long low, long high) {
    return std::string(what) + " " + std::to_string(value) + " は " + std::to_string(low) + " ～ " +
           std::to_string(high) + " の範囲にありません。";
}

}  // namespace mirota::datafile
