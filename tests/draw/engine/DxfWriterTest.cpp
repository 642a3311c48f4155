#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "draw/engine/DrawingTemplate.h"
#include "draw/engine/DxfWriter.h"

namespace mirota::drawing {
namespace {

namespace fs = std::filesystem;

std::string bytesOf(const Drawing& drawing) {
    auto result = dxfBytes(drawing);
    if (auto* failure = std::get_if<Message>(&result)) {
        ADD_FAILURE() << failure->text;
        return {};
    }
    return std::get<std::string>(result);
}

// The entities of a section as group code -> values, read back from the bytes.
using Groups = std::multimap<int, std::string>;
struct DxfEntity {
    std::string type;
    Groups groups;
};

std::vector<DxfEntity> entitiesOf(const std::string& bytes, const std::string& section) {
    std::vector<std::pair<int, std::string>> pairs;
    std::istringstream in(bytes);
    std::string code;
    std::string value;
    while (std::getline(in, code) && std::getline(in, value)) {
        code.erase(code.find_last_not_of('\r') + 1);
        value.erase(value.find_last_not_of('\r') + 1);
        pairs.emplace_back(std::stoi(code), value);
    }
    std::vector<DxfEntity> entities;
    bool inside = false;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const auto& [c, v] = pairs[i];
        if (c == 0 && v == "SECTION" && i + 1 < pairs.size()) {
            inside = pairs[i + 1].second == section;
            ++i;
            continue;
        }
        if (!inside) continue;
        if (c == 0) {
            if (v == "ENDSEC") break;
            entities.push_back({v, {}});
        } else if (!entities.empty()) {
            entities.back().groups.emplace(c, v);
        }
    }
    return entities;
}

std::string group(const DxfEntity& entity, int code) {
    const auto found = entity.groups.find(code);
    return found == entity.groups.end() ? "(none)" : found->second;
}

TEST(DxfWriterTest, ReleaseTwelveInCodePage932) {
    const std::string bytes = bytesOf(test::sampleDrawing());
    EXPECT_EQ(bytes.rfind("  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$ACADVER\r\n  1\r\nAC1009\r\n", 0), 0u);
    EXPECT_NE(bytes.find("$DWGCODEPAGE\r\n  3\r\nANSI_932\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("$ATTREQ\r\n 70\r\n1\r\n  9\r\n$ATTDIA\r\n 70\r\n0\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\x90\x7D\x96\xCA"), std::string::npos);  // 図面 in code page 932
    EXPECT_EQ(bytes.find("\xE5\x9B\xB3"), std::string::npos);      // and never as UTF-8
    ASSERT_GE(bytes.size(), 10u);
    EXPECT_EQ(bytes.substr(bytes.size() - 10), "  0\r\nEOF\r\n");
}

TEST(DxfWriterTest, LayersCarryColourAndLock) {
    const std::string bytes = bytesOf(test::sampleDrawing());
    std::map<std::string, std::pair<std::string, std::string>> layers;  // name -> (70, 62)
    for (const DxfEntity& entity : entitiesOf(bytes, "TABLES")) {
        if (entity.type == "LAYER") layers[group(entity, 2)] = {group(entity, 70), group(entity, 62)};
    }
    ASSERT_EQ(layers.size(), 4u);
    EXPECT_EQ(layers["0"], std::make_pair(std::string("0"), std::string("7")));
    EXPECT_EQ(layers["\x90\x7D\x96\xCA"], std::make_pair(std::string("0"), std::string("7")));
    EXPECT_EQ(layers["\x90\xA1\x96\x40\x92\x6C"], std::make_pair(std::string("0"), std::string("1")));  // 寸法値
    EXPECT_EQ(layers["\x96\xCA\x90\xCF\x95\x5C"], std::make_pair(std::string("4"), std::string("5")));  // 面積表
}

TEST(DxfWriterTest, TextJustificationUsesTheAlignmentPoint) {
    const auto entities = entitiesOf(bytesOf(test::sampleDrawing()), "ENTITIES");
    std::vector<DxfEntity> texts;
    std::copy_if(entities.begin(), entities.end(), std::back_inserter(texts),
                 [](const DxfEntity& e) { return e.type == "TEXT"; });
    ASSERT_EQ(texts.size(), 2u);
    // Bottom centre: 72 = 1, 73 = 1, the point in 11/21.
    EXPECT_EQ(group(texts[0], 1), "3.00");
    EXPECT_EQ(group(texts[0], 72), "1");
    EXPECT_EQ(group(texts[0], 73), "1");
    EXPECT_EQ(group(texts[0], 11), "1.5");
    EXPECT_EQ(group(texts[0], 21), "0");
    EXPECT_EQ(group(texts[0], 40), "0.4");
    EXPECT_EQ(group(texts[0], 50), "30");
    // Middle: 72 = 4, 73 = 0.
    EXPECT_EQ(group(texts[1], 72), "4");
    EXPECT_EQ(group(texts[1], 73), "0");
    EXPECT_EQ(group(texts[1], 11), "1");
}

TEST(DxfWriterTest, InsertsAnnounceTheirAttributesAndEndWithSeqend) {
    const auto entities = entitiesOf(bytesOf(test::sampleDrawing()), "ENTITIES");
    std::vector<std::string> sequence;
    for (const DxfEntity& e : entities) sequence.push_back(e.type);
    const auto first = std::find(sequence.begin(), sequence.end(), "INSERT");
    ASSERT_NE(first, sequence.end());
    const std::size_t at = static_cast<std::size_t>(first - sequence.begin());
    // header: INSERT, 7 ATTRIB, SEQEND; row: INSERT, 13 ATTRIB, SEQEND; footer: INSERT, 4 ATTRIB, SEQEND.
    std::vector<std::string> expected;
    for (int count : {7, 13, 4}) {
        expected.push_back("INSERT");
        expected.insert(expected.end(), static_cast<std::size_t>(count), "ATTRIB");
        expected.push_back("SEQEND");
    }
    EXPECT_EQ(std::vector<std::string>(sequence.begin() + static_cast<std::ptrdiff_t>(at), sequence.end()), expected);
    const DxfEntity& row = entities[at + 9];
    EXPECT_EQ(group(row, 66), "1");
    EXPECT_EQ(group(row, 2), "hyou1");
    EXPECT_EQ(group(row, 41), "0.4");
    // The row's number: column 0..5 centred, 3 heights down, middle centre, scaled by 0.4 from (10,-1.2).
    const DxfEntity& number = entities[at + 10];
    EXPECT_EQ(group(number, 2), "NO");
    EXPECT_EQ(group(number, 1), "1");
    EXPECT_EQ(group(number, 11), "11");
    EXPECT_EQ(group(number, 21), "-2.4");
    EXPECT_EQ(group(number, 40), "0.4");
    EXPECT_EQ(group(number, 72), "1");
    EXPECT_EQ(group(number, 74), "2");
    // The design side A: right-aligned half a height inside the A column's right edge (13): 10 + 12.5 × 0.4.
    const DxfEntity& sideA = entities[at + 11];
    EXPECT_EQ(group(sideA, 2), "D_A");
    EXPECT_EQ(group(sideA, 11), "15");
    EXPECT_EQ(group(sideA, 21), "-1.8");
    EXPECT_EQ(group(sideA, 72), "2");
}

TEST(DxfWriterTest, BlocksHoldTheirAttributeDefinitions) {
    const auto entities = entitiesOf(bytesOf(makeDrawingTemplate()), "BLOCKS");
    std::map<std::string, int> attdefs;
    std::string block;
    for (const DxfEntity& e : entities) {
        if (e.type == "BLOCK") block = group(e, 2);
        if (e.type == "ATTDEF") ++attdefs[block];
    }
    EXPECT_EQ(attdefs["hyou"], 7);
    EXPECT_EQ(attdefs["hyou1"], 13);
    EXPECT_EQ(attdefs["hyou2"], 4);
    EXPECT_EQ(std::count_if(entities.begin(), entities.end(), [](const DxfEntity& e) { return e.type == "BLOCK"; }), 5);
}

TEST(DxfWriterTest, TextOutsideCodePage932IsRefusedByName) {
    Drawing drawing;
    drawing.add(Text{{0, 0}, 1, 0, 1, {}, "face 😀"});
    auto result = dxfBytes(drawing);
    ASSERT_TRUE(std::holds_alternative<Message>(result));
    const Message& message = std::get<Message>(result);
    EXPECT_NE(message.text.find("「face 😀」"), std::string::npos) << message.text;
    EXPECT_EQ(message.icon, Message::Icon::Critical);
}

TEST(DxfWriterTest, LineBreakInATextIsRefused) {
    Drawing drawing;
    drawing.add(Text{{0, 0}, 1, 0, 1, {}, "two\nlines"});
    EXPECT_TRUE(std::holds_alternative<Message>(dxfBytes(drawing)));
}

// ---- read back by a third-party reader ----

class ThirdPartyReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::system("/usr/bin/python3 -c \"import ezdxf\" >/dev/null 2>&1") != 0) {
            GTEST_SKIP() << "/usr/bin/python3 with ezdxf is not installed";
        }
        std::random_device random;
        folder_ = fs::temp_directory_path() / ("mirota_engine_dxf_" + std::to_string(random()));
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        if (!folder_.empty()) fs::remove_all(folder_, ignored);
    }

    // The reader's listing of the drawing written as a file.
    std::vector<std::string> readBack(const Drawing& drawing) {
        const fs::path dxf = folder_ / "drawing.dxf";
        const fs::path listing = folder_ / "listing.txt";
        const auto failure = writeDxfFile(dxf.string(), drawing);
        EXPECT_FALSE(failure) << failure->text;
        const std::string command = "/usr/bin/python3 \"" + std::string(MIROTA_SOURCE_DIR) +
                                    "/tests/draw/engine/read_dxf.py\" \"" + dxf.string() + "\" \"" + listing.string() + "\"";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        std::ifstream in(listing);
        std::vector<std::string> records;
        for (std::string line; std::getline(in, line);) records.push_back(line);
        return records;
    }

    static long count(const std::vector<std::string>& records, const std::string& prefix) {
        return std::count_if(records.begin(), records.end(), [&](const std::string& r) { return r.rfind(prefix, 0) == 0; });
    }

    // The n-th tab-separated field of a record.
    static std::string field(const std::string& record, int n) {
        std::istringstream in(record);
        std::string item;
        for (int i = 0; i <= n; ++i) std::getline(in, item, '\t');
        return item;
    }

    static bool has(const std::vector<std::string>& records, const std::string& record) {
        return std::find(records.begin(), records.end(), record) != records.end();
    }

    fs::path folder_;
};

TEST_F(ThirdPartyReaderTest, DrawingReadsBackAsWritten) {
    const auto records = readBack(test::sampleDrawing());
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(records[0], "VERSION\tAC1009\tcp932");
    EXPECT_EQ(records[1], "AUDIT\t0") << (records.size() > 2 ? records[2] : "");
    EXPECT_TRUE(has(records, "LAYER\t0\t7\t0"));
    EXPECT_TRUE(has(records, "LAYER\t図面\t7\t0"));
    EXPECT_TRUE(has(records, "LAYER\t寸法値\t1\t0"));
    EXPECT_TRUE(has(records, "LAYER\t面積表\t5\t1"));
    EXPECT_EQ(count(records, "LINE\t図面"), 3);
    EXPECT_EQ(count(records, "TEXT\t"), 2);
    EXPECT_EQ(count(records, "CIRCLE\t"), 1);
    EXPECT_EQ(count(records, "INSERT\t面積表\t"), 3);
    EXPECT_TRUE(has(records, "TEXT\t寸法値\t3.00\t1\t1\t1.500000\t0.000000\t0.400000\t30.000000"));
    EXPECT_TRUE(has(records, "TEXT\t寸法値\t面積\t4\t0\t1.000000\t1.000000\t0.400000\t0.000000"));
    EXPECT_TRUE(has(records, "CIRCLE\t寸法値\t1.000000\t1.000000\t0.400000"));
    EXPECT_TRUE(has(records, "INSERT\t面積表\thyou\t7"));
    EXPECT_TRUE(has(records, "INSERT\t面積表\thyou1\t13"));
    EXPECT_TRUE(has(records, "INSERT\t面積表\thyou2\t4"));

    std::vector<std::string> rowValues;
    bool inRow = false;
    for (const std::string& r : records) {
        if (r.rfind("INSERT\t", 0) == 0) inRow = r == "INSERT\t面積表\thyou1\t13";
        if (inRow && r.rfind("ATTRIB\t", 0) == 0) rowValues.push_back(field(r, 2));
    }
    const std::vector<std::string> expected{"NO=1",          "D_A=3.00",      "D_B=4.00",      "D_C=5.00",     "D_S=6.00",
                                            "D_AREA=-6.00",  "D_NOTE=控除",   "M_A=(3.10)",    "M_B=(4.00)",   "M_C=(5.00)",
                                            "M_S=(6.05)",    "M_AREA=(-6.20)", "M_NOTE=控除"};
    EXPECT_EQ(rowValues, expected);
    // The row's number, middle centre at (11, -2.4), 0.4 high.
    EXPECT_TRUE(has(records, "ATTRIB\t面積表\tNO=1\t1\t2\t11.000000\t-2.400000\t0.400000\t0.000000"));
    // The header's area caption: centred in the area column (37..47) half way down the 3 heights.
    EXPECT_TRUE(has(records, "ATTRIB\t面積表\tH_AREA=A(ｍ2)\t1\t2\t26.800000\t-0.600000\t0.400000\t0.000000"));
}

TEST_F(ThirdPartyReaderTest, TemplateAloneHasTheBlocksAndNoObjects) {
    const auto records = readBack(makeDrawingTemplate());
    ASSERT_GE(records.size(), 2u);
    EXPECT_EQ(records[1], "AUDIT\t0");
    EXPECT_EQ(count(records, "LINE\t") + count(records, "TEXT\t") + count(records, "INSERT\t"), 0);
    EXPECT_TRUE(has(records, "BLOCK\thyou"));
    EXPECT_TRUE(has(records, "BLOCK\thyou1"));
    EXPECT_TRUE(has(records, "BLOCK\thyou2"));
    EXPECT_EQ(count(records, "ATTDEF\thyou\t"), 7);
    EXPECT_EQ(count(records, "ATTDEF\thyou1\t"), 13);
    EXPECT_EQ(count(records, "ATTDEF\thyou2\t"), 4);
    EXPECT_TRUE(has(records, "ATTDEF\thyou1\tD_AREA\t面積（設計値）"));
    EXPECT_TRUE(has(records, "ATTDEF\thyou2\tDEDUCT_M\t控除計（実測値）"));
}

}  // namespace
}  // namespace mirota::drawing
