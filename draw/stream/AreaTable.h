#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/AreaRules.h"
#include "model/SurveyData.h"

// The area table: per tier a header, one row per chain figure (design values above, measured values
// in parentheses) and a footer with the totals, each inserted as a block scaled by the label height.
namespace mirota {

// The command word that inserts a block: "_insert" for release 98, "-insert" for 2000 and later;
// empty when the release is neither (read strictly as a number).
std::string_view insertCommandWord(std::string_view acadVersion);

// The length unit shown in the header: "ｍ", "ｃｍ", "ｍｍ"; empty for any other choice.
std::string_view unitText(DisplayUnit unit);

// Every insert command of the table, tier by tier from the table origin downwards. The figures are
// numbered as the drawing's circled numbers, from 1 in every tier. Both rows of every figure are
// listed whatever the input set, the measured values (and their totals) in parentheses; a figure of a
// deduction type is marked "控除", shows its areas negated and counts into the deduction totals.
std::vector<std::string> areaTableCommands(const SurveyData& data, std::string_view digitsFormat);

// The user's rules for the table: how S, areas and totals are rounded and added up, and whether the
// table closes with the net areas (off by default: the table as it always was).
struct AreaTableRules {
    RoundingRule rounding = RoundingRule::HalfUp;
    SumRule sum = SumRule::Stored;
    RegisteredClass registered = RegisteredClass::None;
    // Under every tier's footer a net line ("hyou3": 差引 of the design and measured values), and after
    // the last tier a closing block ("hyou4": the net of the whole document, both lists, and the
    // registered area asked for). The exception figures that have elements are then listed after each
    // tier's chain under their names and counted in the tier's totals, so that the lines add up.
    bool summary = false;
    // The decimals of the typed sides and elements (辺の桁数); below 0: as the computed values'.
    int sideDecimals = -1;
};
std::vector<std::string> areaTableCommands(const SurveyData& data, std::string_view digitsFormat,
                                           const AreaTableRules& rules);

}  // namespace mirota
