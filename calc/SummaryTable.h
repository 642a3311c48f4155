#pragma once

#include <string>
#include <vector>

#include "calc/AreaRules.h"
#include "calc/DocumentSummary.h"

namespace mirota {

// The document summary as a table of texts, the header first: per input set and tier the chain's and the
// exception list's calculated, deducted and net areas with the figures left out, the tier's net, the
// grand total, the net in 坪 (when asked) and the registered area (when a class is asked). Every value
// in square metres whatever the document's unit, with the rules' digits and rounding; the window paints it and the command line prints it.
using SummaryRow = std::vector<std::string>;
std::vector<SummaryRow> summaryRows(const DocumentSummary& summary, const AreaRules& rules, bool withTsubo);

// The rules the values were made by, named in pairs after a first cell "計算の規則": 端数処理, 桁数,
// 合計の出し方 and 登記面積, each followed by the rule.
SummaryRow rulesRow(const AreaRules& rules);

// The CSV's rows: every tier's results (resultSpreadsheet), then after an empty row the summary's table
// with 坪, and after another the rules' row.
std::vector<SummaryRow> spreadsheetWithSummary(const SurveyData& data, const AreaRules& rules,
                                               const DocumentSummary& summary);

// "1 3": the figures (from 1) left out of a list's totals.
std::string leftOutFigures(const ListTotals& totals);

}  // namespace mirota
