#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/DrawingConditions.h"
#include "model/SurveyData.h"
#include "model/ProgramTitle.h"

// What the reader and the writer of the data file agree on: the fixed values, which drawing
// conditions are stored, their valid ranges and the names used in messages.
namespace mirota::datafile {

inline constexpr std::string_view kMagic = "LTミロタ展開図";
inline constexpr std::string_view kMessageTitle = kProgramTitle;
inline constexpr std::string_view kTrue = "#TRUE#";
inline constexpr std::string_view kFalse = "#FALSE#";

// The drawing numbers the file holds, in file order (5..7 are not stored).
inline constexpr std::array<int, 8> kStoredNumbers{0, 1, 2, 3, 4, 8, 9, 10};

inline std::string_view numberName(int index) {
    switch (index) {
    case 0: return "基準図形の座標値 X";
    case 1: return "基準図形の座標値 Y";
    case 2: return "基準図形の角度";
    case 3: return "Noサイズ";
    case 4: return "寸法値サイズ";
    case 8: return "面積表位置 X";
    case 9: return "面積表位置 Y";
    default: return "縮尺";
    }
}

struct Choice {
    std::string_view name;
    int maxValue;  // valid values are 0..maxValue: list indices or a check box
};
inline constexpr std::array<Choice, 4> kChoices{{
    {"寸法値位置", 2},
    {"表示単位", 2},
    {"追加作図", 1},
    {"面積表作図", 1},
}};

inline constexpr std::array<std::string_view, 2> kOptionNames{"オプション「フォームのサイズを保存する」",
                                                               "オプション「測点名の接頭語を指定する」"};

inline constexpr std::string_view kVersionName = "AutoCAD LTのバージョン";

struct Layer {
    std::string_view name;
    std::string DrawingConditions::*field;
};
inline const std::array<Layer, 3> kLayers{{
    {"作図レイヤ名", &DrawingConditions::drawingLayerName},
    {"寸法値レイヤ名", &DrawingConditions::dimensionLayerName},
    {"面積表レイヤ名", &DrawingConditions::areaTableLayerName},
}};

// "3 段目の例外処理" : a list of a tier as the messages name it (tier 0-based).
inline std::string tierListName(ListKind list, int tier) {
    return std::to_string(tier + 1) + " 段目の" + (list == ListKind::Chain ? "展開図形" : "例外処理");
}

// "段数 25 は 1 ～ 20 の範囲にありません。"
inline std::string rangeProblem(std::string_view what, long value, long low, long high) {
    return std::string(what) + " " + std::to_string(value) + " は " + std::to_string(low) + " ～ " +
           std::to_string(high) + " の範囲にありません。";
}

}  // namespace mirota::datafile
