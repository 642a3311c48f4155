#include <gtest/gtest.h>

#include <limits>

#include "IoTestSupport.h"
#include "io/DataFileReader.h"
#include "io/DataFileWriter.h"

namespace mirota {
namespace {

using test::exampleDocument;
using test::exampleLines;
using test::joinLines;

std::vector<std::string> splitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start) + "<no CR LF>");
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TEST(DataFileWriter, WritesTheSixtySixLineExampleByteForByte) {
    std::string bytes;
    ASSERT_FALSE(formatDataFile(exampleDocument(), bytes));
    EXPECT_EQ(splitLines(bytes), exampleLines());  // line by line first, for a readable difference
    EXPECT_EQ(bytes, joinLines(exampleLines()));
    EXPECT_EQ(splitLines(bytes).size(), 66u);
}

TEST(DataFileWriter, CountOfOneWritesFourteenCellsAndNoRowBeyondTheCount) {
    SurveyData document = exampleDocument();
    document.setFigureCount(ListKind::Chain, 0, 1);  // rows 2 and 3 stay in the table, unsaved
    document.setCell(ListKind::Chain, 0, 2, 1, "99.9");
    std::string bytes;
    ASSERT_FALSE(formatDataFile(document, bytes));
    const std::vector<std::string> lines = splitLines(bytes);
    ASSERT_EQ(lines.size(), 66u - 14u);
    EXPECT_EQ(lines[5], "1");
    EXPECT_EQ(lines[21], "\"23\"");  // the exception list follows the 14 chain cells at once
    EXPECT_EQ(bytes.find("99.9"), std::string::npos);
    EXPECT_EQ(bytes.find("\"11\""), std::string::npos);
}

TEST(DataFileWriter, WritesTiersInListThenTierOrder) {
    SurveyData document = exampleDocument();
    document.changeTierCount(2);  // tier 2: two chain figures, one exception figure
    document.setCell(ListKind::Chain, 1, 0, 1, "T2C");
    document.setCell(ListKind::Exception, 1, 1, 1, "T2E");
    std::string bytes;
    ASSERT_FALSE(formatDataFile(document, bytes));
    const std::vector<std::string> lines = splitLines(bytes);
    // magic .. TierCount, counts chain 2 2, exception 1 1, then chain tier 1, chain tier 2, ...
    ASSERT_EQ(lines.size(), 5u + 4u + 7u * (4 + 4 + 2 + 2) + 17u);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.begin() + 9),
              (std::vector<std::string>{"2", "2", "2", "1", "1"}));
    EXPECT_EQ(lines[9 + 28 + 1], "\"T2C\"");                     // first row of chain tier 2
    EXPECT_EQ(lines[9 + 56 + 14 + 7 + 1], "\"T2E\"");            // measured row of exception tier 2
}

TEST(DataFileWriter, WritesSinglesWithoutLeadingZeroOrExponent) {
    struct Case {
        float value;
        const char* text;
    };
    const Case cases[] = {
        {0.4f, ".4"}, {-0.4f, "-.4"}, {200.0f, "200"}, {0.0f, "0"}, {-0.0f, "0"},
        {1.0f / 3.0f, ".3333333"}, {123456789.0f, "123456800"}, {0.000001f, ".000001"},
        {1e-7f, ".0000001"}, {-2.5e10f, "-25000000000"}, {12.5f, "12.5"},
    };
    for (const Case& c : cases) {
        SurveyData document = exampleDocument();
        document.conditions.tableX = c.value;
        std::string bytes;
        ASSERT_FALSE(formatDataFile(document, bytes));
        EXPECT_EQ(splitLines(bytes)[54], c.text) << c.value;
    }
}

TEST(DataFileWriter, RefusesTextsTheFileCannotHold) {
    struct Case {
        const char* name;
        void (*change)(SurveyData&);
        const char* where;
        const char* what;
    };
    const Case cases[] = {
        {"quote in a side", [](SurveyData& d) { d.setCell(ListKind::Chain, 0, 3, 2, "9\"05"); },
         "1 段目の展開図形 図形 2（実測値）のＢ辺", "二重引用符"},
        {"line feed in a name", [](SurveyData& d) { d.setCell(ListKind::Exception, 0, 0, 1, "名\n称"); },
         "1 段目の例外処理 図形 1（設計値）の名称", "改行"},
        {"carriage return in a layer", [](SurveyData& d) { d.conditions.areaTableLayerName = "面積\r表"; },
         "面積表レイヤ名", "改行"},
        {"quote in the release", [](SurveyData& d) { d.acadVersion = "\"2000\""; }, "AutoCAD LTのバージョン",
         "二重引用符"},
        {"emoji in a name", [](SurveyData& d) { d.setCell(ListKind::Exception, 0, 1, 1, "池😀"); },
         "1 段目の例外処理 図形 1（実測値）の名称", "「😀」（U+1F600）"},
        {"wave dash in a layer", [](SurveyData& d) { d.conditions.dimensionLayerName = "寸法〜値"; },
         "寸法値レイヤ名", "「〜」（U+301C）"},
        {"yen sign in a type", [](SurveyData& d) { d.setCell(ListKind::Chain, 0, 0, 0, "¥"); },
         "1 段目の展開図形 図形 1（設計値）のタイプ", "「¥」（U+00A5）"},
    };
    for (const Case& c : cases) {
        SurveyData document = exampleDocument();
        c.change(document);
        std::string bytes = "old";
        const auto refused = formatDataFile(document, bytes);
        ASSERT_TRUE(refused) << c.name;
        EXPECT_NE(refused->text.find(c.where), std::string::npos) << c.name << ": " << refused->text;
        EXPECT_NE(refused->text.find(c.what), std::string::npos) << c.name << ": " << refused->text;
        EXPECT_EQ(refused->title, "LTミロタ展開図");
        EXPECT_EQ(refused->icon, Message::Icon::Critical);
        EXPECT_TRUE(bytes.empty()) << c.name;
    }
}

TEST(DataFileWriter, RefusesValuesTheReaderWouldRefuse) {
    SurveyData document = exampleDocument();
    document.conditions.scale = std::numeric_limits<float>::infinity();
    std::string bytes;
    auto refused = formatDataFile(document, bytes);
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->text.find("縮尺"), std::string::npos) << refused->text;

    document = exampleDocument();
    document.conditions.areaTableLayerName = std::string(256, 'L');
    refused = formatDataFile(document, bytes);
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->text.find("面積表レイヤ名が 255 文字を超えています。"), std::string::npos) << refused->text;

    document = exampleDocument();
    document.changeTierCount(2);
    document.setFigureCount(ListKind::Exception, 1, 0);
    refused = formatDataFile(document, bytes);
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->text.find("2 段目の例外処理の図形数 0 は 1 ～ 100 の範囲にありません。"), std::string::npos)
        << refused->text;
}

TEST(DataFileWriter, RefusesAFileLargerThanTheReaderOpensAndLeavesTheOldOne) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("調査.txt");
    ASSERT_FALSE(writeDataFile(exampleDocument(), path));
    SurveyData document = exampleDocument();
    // Texts no entry accepts, put in through the API: the file would be just over the limit.
    const std::size_t cellBytes = kDataFileSizeLimit / 3;
    for (int row = 0; row < 3; ++row) document.setCell(ListKind::Chain, 0, row, column::SideA, std::string(cellBytes, '7'));
    std::string bytes;
    const auto refused = formatDataFile(document, bytes);
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->text.find("16 MiB までのため、保存できません。"), std::string::npos) << refused->text;
    EXPECT_TRUE(bytes.empty());
    ASSERT_TRUE(writeDataFile(document, path));
    EXPECT_EQ(test::readAll(path), joinLines(exampleLines()));

    // Just under the limit, the file is written and read back.
    document.setCell(ListKind::Chain, 0, 2, column::SideA, std::string(cellBytes - 1024, '7'));
    ASSERT_FALSE(writeDataFile(document, path));
    SurveyData read;
    ASSERT_FALSE(readDataFile(path, read));
    EXPECT_EQ(read.cell(ListKind::Chain, 0, 2, column::SideA).size(), cellBytes - 1024);
}

TEST(DataFileWriter, SavesToAFileAndRefusesWithoutTouchingIt) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("調査.txt");
    ASSERT_FALSE(writeDataFile(exampleDocument(), path));
    EXPECT_EQ(test::readAll(path), joinLines(exampleLines()));

    SurveyData document = exampleDocument();
    document.setCell(ListKind::Chain, 0, 0, 1, "1\"2");
    const auto refused = writeDataFile(document, path);
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->text.rfind("ファイルを保存できませんでした。\r\n【" + path + "】\r\n\r\n1 段目の展開図形", 0), 0u)
        << refused->text;
    EXPECT_EQ(test::readAll(path), joinLines(exampleLines()));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"調査.txt"});
}

}  // namespace
}  // namespace mirota
