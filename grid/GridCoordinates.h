#pragma once

#include "model/SurveyData.h"

// Where the document's table appears in a figure grid. Grid row 0 is the header; grid row r >= 1 shows
// table row r - 1, so figure k (counted from 0) takes grid rows 2k + 1 (design) and 2k + 2 (measured).
// Grid columns 0..2 show the figure number, its type symbol and the input set; grid column c >= 3 shows
// table column c - 2, up to the area.
namespace mirota::grid {

constexpr int kNumberColumn = 0;
constexpr int kTypeColumn = 1;
constexpr int kInputSetColumn = 2;

constexpr int tableRow(int gridRow) { return gridRow - 1; }
constexpr int gridRow(int tableRow) { return tableRow + 1; }
constexpr int gridRow(int figure, InputSet set) { return gridRow(mirota::tableRow(figure, set)); }
constexpr int figureOf(int gridRow) { return figureOfRow(tableRow(gridRow)); }
constexpr InputSet inputSetOf(int gridRow) { return inputSetOfRow(tableRow(gridRow)); }
// The grid row count that shows this many figures.
constexpr int rowsFor(int figures) { return gridRow(2 * figures); }

constexpr int tableColumn(int gridColumn) { return gridColumn - 2; }
constexpr int gridColumn(int tableColumn) { return tableColumn + 2; }
constexpr int kFirstValueColumn = gridColumn(column::SideA);
constexpr int kLastValueColumn = gridColumn(column::Area);
constexpr bool showsTableColumn(int gridColumn) { return gridColumn >= kFirstValueColumn && gridColumn <= kLastValueColumn; }

}  // namespace mirota::grid
