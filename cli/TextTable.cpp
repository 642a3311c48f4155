#include "cli/TextTable.h"

#include <algorithm>
#include <cstdint>

namespace mirota::cli {

namespace {

// The wide and full-width ranges of East Asian Width (UAX #11), ambiguous characters counted narrow.
bool isWide(std::uint32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F) ||
           (c >= 0x20000 && c <= 0x3FFFD);
}

}  // namespace

int displayWidth(std::string_view utf8) {
    int width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        std::uint32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k) {
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        }
        width += isWide(c) ? 2 : 1;
        i += length;
    }
    return width;
}

std::string alignedTable(const std::vector<TextRow>& rows, std::size_t leftColumns) {
    std::vector<int> widths;
    for (const TextRow& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t col = 0; col < row.size(); ++col) widths[col] = std::max(widths[col], displayWidth(row[col]));
    }
    std::string out;
    for (const TextRow& row : rows) {
        std::string line;
        for (std::size_t col = 0; col < widths.size(); ++col) {
            const std::string cell = col < row.size() ? row[col] : std::string();
            const std::string padding(static_cast<std::size_t>(widths[col] - displayWidth(cell)), ' ');
            if (col > 0) line += "  ";
            line += col < leftColumns ? cell + padding : padding + cell;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + "\n";
    }
    return out;
}

}  // namespace mirota::cli
