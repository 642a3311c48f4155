#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "IoTestSupport.h"
#include "io/AtomicFile.h"
#include "io/DataFileReader.h"
#include "io/DataFileWriter.h"

namespace mirota {
namespace {

using test::exampleLines;
using test::joinLines;

const std::string kNotOurData = "LTミロタ展開図のデータではありません。";

std::string written(const SurveyData& document) {
    std::string bytes;
    const auto failure = formatDataFile(document, bytes);
    EXPECT_FALSE(failure) << failure->text;
    return bytes;
}

// A document unlike the example in every respect the reader replaces or keeps.
SurveyData previousDocument() {
    SurveyData document;
    document.changeTierCount(3);
    document.setCell(ListKind::Chain, 2, 3, 1, "7.77");
    DrawingConditions& c = document.conditions;
    c.referenceX = 1;
    c.referenceY = 2;
    c.referenceAngle = 3;
    c.numberHeight = 4;
    c.labelHeight = 5;
    c.tableX = 9;
    c.tableY = 10;
    c.scale = 11;
    c.dimensionPosition = DimensionPosition::Below;
    c.additionalDrawing = Switch::On;
    c.drawingLayerName = "旧図面";
    document.optionFlags = {false, true};
    document.currentFilePath = "/old/path.txt";
    document.view.currentTier = 1;
    document.view.currentInputSet = InputSet::Measured;
    document.view.activeList = ListKind::Exception;
    document.view.calculationDone = true;
    return document;
}

TEST(DataFileReader, ReadsTheExampleAndKeepsWhatTheFileDoesNotHold) {
    SurveyData document = previousDocument();
    ASSERT_FALSE(parseDataFile(joinLines(exampleLines()), document));

    EXPECT_EQ(document.acadVersion, "98");
    EXPECT_EQ(document.maxTiers(), 20);
    EXPECT_EQ(document.maxFigures(), 100);
    EXPECT_EQ(document.tierCount(), 1);
    EXPECT_EQ(document.previousTierCount(), 3);
    EXPECT_EQ(document.figureCount(ListKind::Chain, 0), 2);
    EXPECT_EQ(document.figureCount(ListKind::Exception, 0), 1);
    EXPECT_EQ(document.figureCount(ListKind::Chain, 2), 0);  // the table is made anew
    EXPECT_EQ(document.cell(ListKind::Chain, 2, 3, 1), "");
    EXPECT_EQ(document.cell(ListKind::Chain, 0, 1, 2), "10.01");
    EXPECT_EQ(document.cell(ListKind::Chain, 0, 0, 4), "");  // S was not saved
    EXPECT_EQ(document.cell(ListKind::Chain, 0, 3, 6), "2");
    EXPECT_EQ(document.cell(ListKind::Exception, 0, 1, 1), "名称1");
    EXPECT_EQ(document.cell(ListKind::Exception, 0, 0, 4), "3.25,4.5");  // the position is kept
    EXPECT_EQ(document.cell(ListKind::Exception, 0, 0, 5), "");          // the area is not

    EXPECT_EQ(document.conditions, (DrawingConditions{.referenceX = 1234.5f,
                                                      .referenceY = -0.25f,
                                                      .referenceAngle = 30,
                                                      .numberHeight = 0.4f,
                                                      .labelHeight = 0.3f,
                                                      .tableX = 10.5f,
                                                      .tableY = -20,
                                                      .scale = 200,
                                                      .dimensionPosition = DimensionPosition::Middle,
                                                      .displayUnit = DisplayUnit::Millimetre,
                                                      .additionalDrawing = Switch::Off,
                                                      .areaTable = Switch::On,
                                                      .drawingLayerName = "図面",
                                                      .dimensionLayerName = "寸法値",
                                                      .areaTableLayerName = "面積表"}));
    EXPECT_EQ(document.optionFlags, (OptionFlags{.saveWindowSize = true, .useStationPrefix = false}));

    EXPECT_EQ(document.currentFilePath, "/old/path.txt");
    EXPECT_EQ(document.view.currentTier, 0);  // tier 2 is gone
    EXPECT_EQ(document.view.currentInputSet, InputSet::Measured);
    EXPECT_EQ(document.view.activeList, ListKind::Exception);
    EXPECT_TRUE(document.view.calculationDone);
}

// Bytes as another program writes them: code page 932, CR LF, Japanese in cells and layer names,
// numbers with a leading zero, an exponent and blanks, two values on one line.
// Counts what the document tells it.
struct CountingObserver : SurveyData::WriteObserver {
    int writes = 0;
    void cellWriting(ListKind, int, int, int, const std::string&) override { ++writes; }
    void figureCountWriting(ListKind, int, int) override { ++writes; }
    void tierCountWriting(int, int) override { ++writes; }
};

// A read replaces the document as a whole, not as a series of edits; the observer the caller attached
// stays with the caller's document.
TEST(DataFileReader, TellsTheWriteObserverNothingAndKeepsIt) {
    SurveyData document = previousDocument();
    CountingObserver observer;
    document.setWriteObserver(&observer);
    ASSERT_FALSE(parseDataFile(joinLines(exampleLines()), document));
    EXPECT_EQ(document.tierCount(), 1);
    EXPECT_EQ(observer.writes, 0);
    document.setCell(ListKind::Chain, 0, 0, column::SideA, "1.00");
    EXPECT_EQ(observer.writes, 1);
    document.setWriteObserver(nullptr);
}

TEST(DataFileReader, ReadsAHandMadeCodePageFile) {
    const std::string bytes =
        "\"LT\x83\x7E\x83\x8D\x83\x5E\x93\x57\x8A\x4A\x90\x7D\"\r\n"
        "\"2000\"\r\n"
        "2\r\n"
        "3\r\n"
        " 2 \r\n"
        "1,1\r\n"   // chain counts of tiers 1 and 2
        "1\r\n"
        "1\r\n"
        "\"0\"\r\n\"3\"\r\n\"4\"\r\n\"5\"\r\n\"\"\r\n\"\"\r\n\"0\"\r\n"
        "\"0\"\r\n\"3\"\r\n\"4\"\r\n\"5\"\r\n\"\"\r\n\"\"\r\n\"0\"\r\n"
        "\"10\"\r\n\"1.5\"\r\n\"2\"\r\n\"2.5\"\r\n\"\"\r\n\"\"\r\n\"1\"\r\n"
        "\"10\"\r\n\"1.5\"\r\n\"2\"\r\n\"2.5\"\r\n\"\"\r\n\"\"\r\n\"1\"\r\n"
        "\"13\"\r\n\"\x92\x72\x87\x40\"\r\n\"a\\b\"\r\n\"\x81\x60\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n"   // 池①, a\b, ～
        "\"13\"\r\n\"\x92\x72\x87\x40\"\r\n\"\xB1\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n"              // ｱ
        "\"22\"\r\n\"\x95\x5C\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n"                          // 表
        "\"22\"\r\n\"\x95\x5C\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n\"\"\r\n"
        "0.4\r\n-0.25\r\n2E2\r\n.5\r\n+3\r\n1.25e-1\r\n  7\t\r\n100\r\n"
        "0\r\n1\r\n1\r\n0\r\n"
        "#FALSE#\r\n#TRUE#\r\n"
        "\"\x90\x7D\"\r\n\"\x90\xA1\x96\x40\x92\x6C\x82\x51\"\r\n\"\"\r\n"   // 図, 寸法値２, empty
        "\r\n\r\n";
    SurveyData document;
    const auto failure = parseDataFile(bytes, document);
    ASSERT_FALSE(failure) << failure->text;
    EXPECT_EQ(document.maxTiers(), 2);
    EXPECT_EQ(document.maxFigures(), 3);
    EXPECT_EQ(document.tierCount(), 2);
    EXPECT_EQ(document.cell(ListKind::Chain, 1, 1, 3), "2.5");
    EXPECT_EQ(document.cell(ListKind::Chain, 1, 1, 6), "1");
    EXPECT_EQ(document.cell(ListKind::Exception, 0, 0, 1), "池①");
    EXPECT_EQ(document.cell(ListKind::Exception, 0, 0, 2), "a\\b");
    EXPECT_EQ(document.cell(ListKind::Exception, 0, 0, 3), "～");
    EXPECT_EQ(document.cell(ListKind::Exception, 0, 1, 2), "ｱ");
    EXPECT_EQ(document.cell(ListKind::Exception, 1, 1, 1), "表");
    EXPECT_EQ(document.conditions, (DrawingConditions{.referenceX = 0.4f,
                                                      .referenceY = -0.25f,
                                                      .referenceAngle = 200,
                                                      .numberHeight = 0.5f,
                                                      .labelHeight = 3,
                                                      .tableX = 0.125f,
                                                      .tableY = 7,
                                                      .scale = 100,
                                                      .dimensionPosition = DimensionPosition::Above,
                                                      .displayUnit = DisplayUnit::Centimetre,
                                                      .additionalDrawing = Switch::On,
                                                      .areaTable = Switch::Off,
                                                      .drawingLayerName = "図",
                                                      .dimensionLayerName = "寸法値２",
                                                      .areaTableLayerName = ""}));
    EXPECT_EQ(document.optionFlags, (OptionFlags{.saveWindowSize = false, .useStationPrefix = true}));
}

TEST(DataFileReader, AcceptsBareLineFeedsAndCarriageReturns) {
    std::string lf;
    std::string cr;
    for (const std::string& line : exampleLines()) {
        lf += line + "\n";
        cr += line + "\r";
    }
    for (const std::string& bytes : {lf, cr, joinLines(exampleLines()) + "  \r\n\n\t\r\n"}) {
        SurveyData document;
        const auto failure = parseDataFile(bytes, document);
        ASSERT_FALSE(failure) << failure->text;
        EXPECT_EQ(written(document), joinLines(exampleLines()));
    }
}

TEST(DataFileReader, WritingWhatWasReadGivesTheSameBytes) {
    SurveyData source = previousDocument();
    source.setFigureCount(ListKind::Chain, 1, 5);
    source.setFigureCount(ListKind::Exception, 2, 100);
    for (int row = 0; row < 200; ++row) {
        source.setCell(ListKind::Exception, 2, row, 0, "23");
        source.setCell(ListKind::Exception, 2, row, 1, "①～ｱ表\\~" + std::to_string(row));
        source.setCell(ListKind::Exception, 2, row, 2, "1,2");  // a comma inside quotes
        source.setCell(ListKind::Exception, 2, row, 4, "-12.50," + std::to_string(row));  // the position
    }
    source.conditions.referenceAngle = 1.0f / 3.0f;
    source.conditions.tableX = -1e-7f;
    source.conditions.tableY = 3.4e38f;
    const std::string bytes = written(source);
    for (const std::string& original : {joinLines(exampleLines()), bytes}) {
        SurveyData document;
        const auto failure = parseDataFile(original, document);
        ASSERT_FALSE(failure) << failure->text;
        EXPECT_EQ(written(document), original);
    }
}

// Lists and check boxes hold any 16-bit value a file gives; a layer name is measured in characters,
// not in the bytes of either encoding.
TEST(DataFileReader, KeepsValuesOutsideTheDialogsListsAndWritesThemBack) {
    std::string mens;  // 255 × 面: 510 bytes in code page 932, 765 in UTF-8
    for (int i = 0; i < 255; ++i) mens += "\x96\xCA";
    std::vector<std::string> lines = exampleLines();
    lines[57] = "3";       // dimension position
    lines[58] = "-1";      // display unit
    lines[59] = "2";       // additional drawing
    lines[60] = "32767";   // area table
    lines[63] = "\"" + mens + "\"";
    const std::string original = joinLines(lines);
    SurveyData document;
    const auto failure = parseDataFile(original, document);
    ASSERT_FALSE(failure) << failure->text;
    EXPECT_EQ(document.conditions.dimensionPosition, DimensionPosition{3});
    EXPECT_EQ(document.conditions.displayUnit, DisplayUnit{-1});
    EXPECT_EQ(document.conditions.additionalDrawing, Switch{2});
    EXPECT_EQ(document.conditions.areaTable, Switch{32767});
    EXPECT_EQ(document.conditions.drawingLayerName.size(), 255u * 3u);
    EXPECT_EQ(written(document), original);
}

TEST(DataFileReader, ReadsAFileAndSetsItsPath) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("現場 1.txt");
    test::writeAll(path, joinLines(exampleLines()));
    SurveyData document = previousDocument();
    ASSERT_FALSE(readDataFile(path, document));
    EXPECT_EQ(document.currentFilePath, path);
    EXPECT_EQ(document.cell(ListKind::Exception, 0, 0, 1), "名称1");

    const std::string missing = folder.file("ない.txt");
    const auto failure = readDataFile(missing, document);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->text, "ファイルを開けませんでした。\r\n【" + missing + "】\r\n\r\nファイルが見つかりません。");
    EXPECT_EQ(failure->title, "LTミロタ展開図");
    EXPECT_EQ(failure->icon, Message::Icon::Critical);
    EXPECT_EQ(document.currentFilePath, path);

    const auto folderFailure = readDataFile(folder.path().string(), document);
    ASSERT_TRUE(folderFailure);
    EXPECT_NE(folderFailure->text.find("フォルダー"), std::string::npos) << folderFailure->text;
}

TEST(DataFileReader, RefusesAFileLargerThanTheLimit) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("大きい.txt");
    test::writeAll(path, joinLines(exampleLines()));
    std::filesystem::resize_file(fileSystemPath(path), 20 * 1024 * 1024);
    SurveyData document = previousDocument();
    const auto failure = readDataFile(path, document);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->text, "ファイルを開けませんでした。\r\n【" + path +
                                 "】\r\n\r\nファイルが大きすぎます。データファイルとして開けるのは 16 MiB までです。");
    EXPECT_EQ(document.currentFilePath, "/old/path.txt");

    std::filesystem::resize_file(fileSystemPath(path), kDataFileSizeLimit);
    const auto atTheLimit = readDataFile(path, document);
    ASSERT_TRUE(atTheLimit);
    EXPECT_EQ(atTheLimit->text.find("大きすぎます"), std::string::npos) << atTheLimit->text;
}

// Every way a file can be wrong, each a change to the 66 lines; expected: the line the message
// names and a piece of its text. The previous document must stay exactly as it was.
struct Malformed {
    const char* name;
    std::function<std::string(std::vector<std::string>)> make;
    int line;  // 0: the message is exactly kNotOurData
    const char* text;
};

std::function<std::string(std::vector<std::string>)> replaceLine(int line, std::string value) {
    return [=](std::vector<std::string> lines) {
        lines[static_cast<std::size_t>(line - 1)] = value;
        return joinLines(lines);
    };
}

std::function<std::string(std::vector<std::string>)> firstLines(std::size_t count, const char* tail = "\r\n") {
    return [=](std::vector<std::string> lines) {
        lines.resize(count);
        std::string bytes = joinLines(lines);
        bytes.resize(bytes.size() - 2);
        return bytes + tail;
    };
}

const Malformed kMalformed[] = {
    {"wrong magic", replaceLine(1, "\"LT\x83\x7E\x83\x8D\x83\x5E\""), 0, ""},
    {"magic in another encoding", replaceLine(1, "\"LTミロタ展開図\""), 0, ""},
    {"empty file", [](auto) { return std::string(); }, 0, ""},
    {"bad bytes in the magic", replaceLine(1, "\"LT\x83\x7E\x83\xFF\""), 0, ""},
    {"third value not a number", replaceLine(3, "twenty"), 0, ""},
    {"third value quoted", replaceLine(3, "\"20\""), 0, ""},
    {"third value not an integer", replaceLine(3, "20.5"), 3, "最大段数が整数ではありません: 「20.5」"},
    {"too many tiers for the program", replaceLine(3, "21"), 3, "最大段数 21 は 1 ～ 20 の範囲にありません。"},
    {"no tiers", replaceLine(3, "0"), 3, "最大段数 0 は 1 ～ 20 の範囲にありません。"},
    {"too many figures for the program", replaceLine(4, "101"), 4, "最大図形数 101 は 1 ～ 100"},
    {"figure capacity not a number", replaceLine(4, "1O0"), 4, "最大図形数が整数ではありません: 「1O0」"},
    {"tier count zero", replaceLine(5, "0"), 5, "段数 0 は 1 ～ 20 の範囲にありません。"},
    {"tier count above the capacity", [](std::vector<std::string> lines) {
         lines[2] = "3";
         lines[4] = "4";
         return joinLines(lines);
     }, 5, "段数 4 は 1 ～ 3 の範囲にありません。"},
    {"chain count zero", replaceLine(6, "0"), 6, "1 段目の展開図形の図形数 0 は 1 ～ 100 の範囲にありません。"},
    {"exception count above the capacity", [](std::vector<std::string> lines) {
         lines[3] = "2";
         lines[6] = "3";
         return joinLines(lines);
     }, 7, "1 段目の例外処理の図形数 3 は 1 ～ 2 の範囲にありません。"},
    {"count beyond 16 bits", replaceLine(6, "40000"), 6, "16 ビット整数の範囲（-32768 ～ 32767）を超えています: 「40000」"},
    {"negative beyond 16 bits", replaceLine(58, "-32769"), 58, "16 ビット整数の範囲"},
    {"ends after 40 lines", firstLines(40), 41, "ファイルが途中で終わっています（1 段目の例外処理 図形 1 の値がありません）。"},
    {"ends without the last line", firstLines(65), 66, "面積表レイヤ名がありません"},
    {"last line cut", firstLines(65, ""), 66, "面積表レイヤ名がありません"},
    {"ends in the counts", firstLines(6), 7, "1 段目の例外処理の図形数がありません"},
    {"bad bytes in a cell", replaceLine(37, "\"\x96\xBC\x81\x20\""), 37, "コードページ 932（シフトJIS）として読めないバイト"},
    {"lone lead byte at the end", [](std::vector<std::string> lines) { return joinLines(lines) + "\x81"; }, 67,
     "読めないバイト"},
    {"bad byte after a valid file part", replaceLine(62, "#TRUE#\xFF"), 62, "読めないバイト"},
    {"missing closing quote", replaceLine(9, "\"12.5"), 9, "文字列を閉じる引用符（\"）がありません。"},
    {"closing quote on the next line", replaceLine(9, "\"12.5\r\n\""), 9, "閉じる引用符"},
    {"text after the closing quote", replaceLine(9, "\"12.5\"5"), 9, "閉じる引用符の後に余分な文字があります。"},
    {"quote inside an unquoted value", replaceLine(10, "1\"0"), 10, "値の途中に引用符（\"）があります。"},
    {"single not a number", replaceLine(50, "12a"), 50, "基準図形の座標値 Xが数値ではありません: 「12a」"},
    {"single quoted", replaceLine(53, "\".4\""), 53, "Noサイズが数値ではありません"},
    {"single empty", replaceLine(57, ""), 57, "縮尺が数値ではありません"},
    {"single beyond its range", replaceLine(51, "1e39"), 51, "単精度の数値の範囲を超えています: 「1e39」"},
    {"choice not an integer", replaceLine(58, "1.0"), 58, "寸法値位置が整数ではありません"},
    {"boolean without number signs", replaceLine(62, "TRUE"), 62, "が #TRUE# または #FALSE# ではありません: 「TRUE」"},
    {"boolean quoted", replaceLine(63, "\"#FALSE#\""), 63, "測点名の接頭語を指定する"},
    {"layer name of 256 characters", [](std::vector<std::string> lines) {
         lines[64] = "\"" + std::string(255, 'L') + "\x96\xCA\"";  // 255 letters and 面
         return joinLines(lines);
     }, 65, "寸法値レイヤ名が 255 文字を超えています。"},
    {"value after the last layer name", [](std::vector<std::string> lines) {
         lines.push_back("");
         lines.push_back("\"x\"");
         return joinLines(lines);
     }, 68, "面積表レイヤ名の後に余分な値があります。"},
    {"comma after the last layer name", [](std::vector<std::string> lines) {
         lines.back() += ",";
         return joinLines(lines);
     }, 66, "余分な値"},
};

TEST(DataFileReader, RejectsMalformedFilesAndKeepsThePreviousDocument) {
    const SurveyData previous = previousDocument();
    const std::string previousBytes = written(previous);
    for (const Malformed& c : kMalformed) {
        SurveyData document = previous;
        const auto failure = parseDataFile(c.make(exampleLines()), document);
        ASSERT_TRUE(failure) << c.name;
        if (c.line == 0) {
            EXPECT_EQ(failure->text, kNotOurData) << c.name;
        } else {
            const std::string where = "データファイルの " + std::to_string(c.line) + " 行目に誤りがあります。\r\n";
            EXPECT_EQ(failure->text.rfind(where, 0), 0u) << c.name << ": " << failure->text;
            EXPECT_NE(failure->text.find(c.text), std::string::npos) << c.name << ": " << failure->text;
        }
        EXPECT_EQ(failure->title, "LTミロタ展開図") << c.name;
        EXPECT_EQ(failure->icon, Message::Icon::Critical) << c.name;

        EXPECT_EQ(written(document), previousBytes) << c.name;
        EXPECT_EQ(document.tierCount(), previous.tierCount()) << c.name;
        EXPECT_EQ(document.previousTierCount(), previous.previousTierCount()) << c.name;
        EXPECT_EQ(document.conditions, previous.conditions) << c.name;
        EXPECT_EQ(document.currentFilePath, previous.currentFilePath) << c.name;
        EXPECT_EQ(document.view.currentTier, previous.view.currentTier) << c.name;
    }
}

}  // namespace
}  // namespace mirota
