#include "IoTestSupport.h"

#include <algorithm>
#include <fstream>
#include <random>

#include "io/AtomicFile.h"

namespace mirota::test {

SurveyData exampleDocument() {
    SurveyData document;
    const std::vector<std::vector<std::string>> chain{
        {"0", "12.5", "10", "8.25", "15.375", "40.12", "0"},
        {"0", "12.52", "10.01", "8.2", "15.365", "40.2", "0"},
        {"11", "8.25", "9", "7.5", "12.375", "31.6", "2"},
        {"11", "8.2", "9.05", "7.5", "", "", "2"},
    };
    const std::vector<std::vector<std::string>> exception{
        {"23", "名称1", "1.5", "2", "3.25,4.5", "2.3", ""},
        {"23", "名称1", "1.48", "2.02", "", "", ""},
    };
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 7; ++col) document.setCell(ListKind::Chain, 0, row, col, chain[row][col]);
    }
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 7; ++col) document.setCell(ListKind::Exception, 0, row, col, exception[row][col]);
    }
    document.acadVersion = "98";
    DrawingConditions& c = document.conditions;
    c.referenceX = 1234.5f;
    c.referenceY = -0.25f;
    c.referenceAngle = 30.0f;
    c.numberHeight = 0.4f;
    c.labelHeight = 0.3f;
    c.tableX = 10.5f;
    c.tableY = -20.0f;
    c.scale = 200.0f;
    c.dimensionPosition = DimensionPosition::Middle;
    c.displayUnit = DisplayUnit::Millimetre;
    c.additionalDrawing = Switch::Off;
    c.areaTable = Switch::On;
    document.optionFlags = {true, false};
    return document;
}

std::vector<std::string> exampleLines() {
    // LTミロタ展開図: ミ 83 7E, ロ 83 8D, タ 83 5E, 展 93 57, 開 8A 4A, 図 90 7D.
    const std::string magic = "\"LT\x83\x7E\x83\x8D\x83\x5E\x93\x57\x8A\x4A\x90\x7D\"";
    const std::string name1 = "\"\x96\xBC\x8F\xCC" "1\"";  // 名 96 BC, 称 8F CC
    return {
        magic, "\"98\"", "20", "100", "1", "2", "1",
        // chain figure 1, design and measured; S and area are never written
        "\"0\"", "\"12.5\"", "\"10\"", "\"8.25\"", "\"\"", "\"\"", "\"0\"",
        "\"0\"", "\"12.52\"", "\"10.01\"", "\"8.2\"", "\"\"", "\"\"", "\"0\"",
        // chain figure 2
        "\"11\"", "\"8.25\"", "\"9\"", "\"7.5\"", "\"\"", "\"\"", "\"2\"",
        "\"11\"", "\"8.2\"", "\"9.05\"", "\"7.5\"", "\"\"", "\"\"", "\"2\"",
        // exception figure 1: its position is kept, its area is not
        "\"23\"", name1, "\"1.5\"", "\"2\"", "\"3.25,4.5\"", "\"\"", "\"\"",
        "\"23\"", name1, "\"1.48\"", "\"2.02\"", "\"\"", "\"\"", "\"\"",
        // reference X, Y, angle, number and label heights, table X, Y, scale
        "1234.5", "-.25", "30", ".4", ".3", "10.5", "-20", "200",
        // dimension position, display unit, additional drawing, area table; the two options
        "1", "2", "0", "1", "#TRUE#", "#FALSE#",
        // 図面 90 7D 96 CA; 寸法値 90 A1 96 40 92 6C; 面積表 96 CA 90 CF 95 5C
        "\"\x90\x7D\x96\xCA\"", "\"\x90\xA1\x96\x40\x92\x6C\"", "\"\x96\xCA\x90\xCF\x95\x5C\"",
    };
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

TemporaryFolder::TemporaryFolder() {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() / ("mirota_io_test_" + std::to_string(seed()));
    std::filesystem::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                 ignored);
    std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> TemporaryFolder::entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) names.push_back(utf8Of(entry.path().filename()));
    std::sort(names.begin(), names.end());
    return names;
}

std::string TemporaryFolder::file(const std::string& name) const { return utf8Of(path_ / fileSystemPath(name)); }

std::string utf8Of(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string readAll(const std::string& path) {
    std::ifstream in(fileSystemPath(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeAll(const std::string& path, const std::string& bytes) {
    std::ofstream out(fileSystemPath(path), std::ios::binary);
    out << bytes;
}

}  // namespace mirota::test
