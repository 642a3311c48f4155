#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/AreaRules.h"
#include "model/SurveyData.h"

namespace mirota {

// The calculated results as rows of text, for a person (the command line's table) and for a
// spreadsheet (the CSV of the command line and of the window). Types are shown by the grid's
// symbols (△ ▽ ▲ ▼ □ ○ ■ ●, the base as "基準△"); S, areas and totals by the area rules (digits,
// rounding, sum).
using ResultRow = std::vector<std::string>;

struct ResultSection {
    ResultRow header;
    std::vector<ResultRow> rows;
};

// The chain of a tier: each figure's design and measured row (番号, 区分, タイプ, A辺, B辺, C辺, S,
// 面積), then 計算面積合計, 控除面積合計 and 差引面積 of both input sets, each in the タイプ column
// with its value in the 面積 column.
ResultSection chainResults(const SurveyData& data, int tier, const AreaRules& rules);
// The exception list of a tier the same way (番号, 区分, 名称, タイプ, 要素１, 要素２, 位置, 面積),
// the totals' names in the 名称 column.
ResultSection exceptionResults(const SurveyData& data, int tier, const AreaRules& rules);

// Every tier's chain and exception list as one table under one header: 段, 一覧 ("展開図形" or
// "例外処理"), then the columns of both lists (番号, 区分, 名称, タイプ, A辺, B辺, C辺, S, 要素１,
// 要素２, 位置, 面積); a column a list does not have is empty.
std::vector<ResultRow> resultSpreadsheet(const SurveyData& data, const AreaRules& rules);

}  // namespace mirota
