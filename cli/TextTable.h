#pragma once

#include <string>
#include <string_view>
#include <vector>

// Rows of text cells as a person reads them in a terminal.
namespace mirota::cli {

using TextRow = std::vector<std::string>;

// The columns a UTF-8 text takes in a terminal: East Asian wide and full-width characters take two.
int displayWidth(std::string_view utf8);

// The rows as lines with every column as wide as its widest cell, separated by two blanks; the first
// `leftColumns` columns are aligned left, the rest (numbers) right. Every line ends with "\n".
std::string alignedTable(const std::vector<TextRow>& rows, std::size_t leftColumns);

}  // namespace mirota::cli
