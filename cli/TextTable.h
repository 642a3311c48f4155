#pragma once

#include <string>
#include <string_view>
#include <vector>

// Rows of text cells as a person reads them in a terminal and as a spreadsheet opens them.
namespace mirota::cli {

using TextRow = std::vector<std::string>;

// The columns a UTF-8 text takes in a terminal: East Asian wide and full-width characters take two.
int displayWidth(std::string_view utf8);

// The rows as lines with every column as wide as its widest cell, separated by two blanks; the first
// `leftColumns` columns are aligned left, the rest (numbers) right. Every line ends with "\n".
std::string alignedTable(const std::vector<TextRow>& rows, std::size_t leftColumns);

// One CSV line ended by CR LF: a cell holding a comma, a quote or a line break is quoted, its quotes
// doubled.
std::string csvLine(const TextRow& row);

}  // namespace mirota::cli
