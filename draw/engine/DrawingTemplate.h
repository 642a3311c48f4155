#pragma once

#include "draw/engine/Drawing.h"

namespace mirota::drawing {

// The drawing every engine starts from: layer "0" and the blocks of the area table, drawn in units of
// one text height (the table inserts them scaled by its text height), base points at the upper left.
//  - "hyou", the header, 3 heights tall: a box of seven columns with the seven captions as attributes.
//  - "hyou1", a row, 6 heights tall so that rows stacked 6 heights apart meet exactly: the number in
//    the first column over both lines, the five design values and the design remark on the upper line,
//    the five measured values and the measured remark on the lower one. It draws no top edge: the
//    header or the row above draws it.
//  - "hyou2", the footer, 12 heights tall: the captions "計" and "控除計" over the first five columns,
//    the totals in the area column, design above measured, as in the rows.
// Columns (in text heights): number 5, sides A, B, C and S 8 each, area 10, remark 6.
// The engine keeps the closing blocks below in reserve and takes one in when it is first inserted, so
// that a drawing without them is written as it always was.
Drawing makeDrawingTemplate();

// The closing lines of the table, drawn only when the user asks for them:
//  - "hyou3", a tier's net line, 6 heights tall under its footer: the caption "差引" over the first five
//    columns, the net areas in the area column, design above measured.
//  - "hyou4", the closing block, 12 heights tall: "合計" with the net of the whole document, then the
//    registered area's caption (an attribute: "地積", "床面積" or none) with its values.
std::vector<Block> closingTableBlocks();

// The template file for a CAD program: every block of the table, the closing ones included.
Drawing makeTemplateFile();

}  // namespace mirota::drawing
