#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/SurveyData.h"

// The area table: per tier a header, one row per chain figure (design values above, measured values
// in parentheses) and a footer with the totals, each inserted as a block scaled by the label height.
namespace mirota {

// The command word that inserts a block: "_insert" for release 98, "-insert" for 2000 and later;
// empty when the release is neither (read strictly as a number).
std::string_view insertCommandWord(std::string_view acadVersion);

// The length unit shown in the header: "ｍ", "ｃｍ", "ｍｍ"; empty for any other choice.
std::string_view unitText(DisplayUnit unit);

// Every insert command of the table, tier by tier from the table origin downwards. The figure
// numbers of the table run on across tiers. Both rows of every figure are listed whatever the input
// set; a figure of a deduction type is marked "控除", shows its areas negated and counts into the
// deduction totals.
std::vector<std::string> areaTableCommands(const SurveyData& data, std::string_view digitsFormat);

}  // namespace mirota
