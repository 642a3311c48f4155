#include "io/CsvFile.h"

#include "io/AtomicFile.h"

namespace mirota {

std::string csvLine(const std::vector<std::string>& row) {
    std::string line;
    for (std::size_t col = 0; col < row.size(); ++col) {
        if (col > 0) line += ',';
        const std::string& cell = row[col];
        if (cell.find_first_of(",\"\r\n") == std::string::npos) {
            line += cell;
            continue;
        }
        line += '"';
        for (char c : cell) {
            if (c == '"') line += '"';
            line += c;
        }
        line += '"';
    }
    return line + "\r\n";
}

std::optional<Message> writeCsvFile(const std::string& path, const std::vector<std::vector<std::string>>& rows) {
    std::string bytes = "\xEF\xBB\xBF";  // without it a spreadsheet reads the file in the system's code page
    for (const auto& row : rows) bytes += csvLine(row);
    // A file made from the document can be made again at any time.
    return replaceFile(path, bytes, Durability::Replaced);
}

}  // namespace mirota
