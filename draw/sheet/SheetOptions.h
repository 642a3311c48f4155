#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/AreaRules.h"
#include "model/SurveyData.h"
#include "model/TitleBlock.h"

namespace mirota::sheet {

// How the chain's triangles are written: by their three sides and Heron's formula, or by a base and a
// height (三斜: 倍面積 = base × height, area = 倍面積 ÷ 2).
enum class Form { Heron, BaseAndHeight };
enum class Paper { A4, A3 };  // portrait

struct Options {
    InputSet inputSet = InputSet::Design;
    Form form = Form::Heron;
    Paper paper = Paper::A4;
    AreaRules rules;
    int sideDecimals = -1;  // 辺の桁数 of the typed sides and elements; below 0: the rules' decimals
    std::string stationPrefix = "No.";
    std::string documentName;  // shown in the title block; "無題" when empty
    std::string date;          // as the title block shows it, e.g. "2026年12月8日"
    TitleBlock titleBlock;     // 所在, 地番, 地目 or the building, 作成者
    double scale = 0.0;        // the development's 1:scale; 0 chooses it
};

// The digits format the typed sides and elements are written with.
std::string sideDigitsFormat(const Options& options);

// By the names the command line uses: "heron", "sansha"; "a4", "a3". Nothing for any other name.
std::optional<Form> formNamed(std::string_view name);
std::optional<Paper> paperNamed(std::string_view name);

// The date a sheet is dated with: "2026年12月8日".
std::string sheetDate(int year, int month, int day);

}  // namespace mirota::sheet
