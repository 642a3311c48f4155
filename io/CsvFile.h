#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Message.h"

namespace mirota {

// One CSV line ended by CR LF: a cell holding a comma, a quote or a line break is quoted, its quotes
// doubled.
std::string csvLine(const std::vector<std::string>& row);

// Writes the rows to path (UTF-8) as a CSV file a spreadsheet opens in Japanese: UTF-8 after a byte
// order mark, in one step (see replaceFile); a failure leaves the file that is there as it was.
std::optional<Message> writeCsvFile(const std::string& path, const std::vector<std::vector<std::string>>& rows);

}  // namespace mirota
