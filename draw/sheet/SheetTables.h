#pragma once

#include <string>
#include <vector>

#include "calc/DocumentSummary.h"
#include "draw/sheet/SheetOptions.h"
#include "draw/sheet/SheetPage.h"
#include "model/SurveyData.h"

namespace mirota::sheet {

struct Column {
    std::string title;
    double width = 20.0;  // millimetres on A4; a wider paper widens every column alike
    Align align = Align::Right;
};

struct Row {
    std::vector<std::string> cells;  // one per column
    // A total: its label (cells[0]) runs over the first labelSpan columns.
    int labelSpan = 0;
};

// One table of the sheet: its heading, columns and rows; the header row is repeated on every page it runs to.
struct Table {
    std::string heading;
    std::vector<Column> columns;
    std::vector<Row> rows;
};

// What the sheet tabulates, in order: per tier the chain's figures in the options' form with the tier's
// calculated, deducted and net totals, then the exception list's figures with theirs; last the summary
// of the whole input set (every tier, the grand total, 坪 and the registered area). The document must
// have been calculated; summary is the one the options' form gives.
std::vector<Table> sheetTables(const SurveyData& data, const Options& options, const InputSetSummary& summary);

// The summary of the input set the options name, in their form.
InputSetSummary sheetSummary(const SurveyData& data, const Options& options);

}  // namespace mirota::sheet
