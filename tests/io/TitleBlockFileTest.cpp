#include <gtest/gtest.h>

#include "IoTestSupport.h"
#include "io/DataFileReader.h"
#include "io/DataFileWriter.h"
#include "model/CodePage.h"

namespace mirota {
namespace {

using test::exampleDocument;
using test::exampleLines;
using test::joinLines;

std::string cp932(const std::string& utf8) { return codepage::fromUtf8(utf8).text; }

// The example's file with more lines after its last value.
std::string exampleWith(const std::vector<std::string>& utf8Lines) {
    std::vector<std::string> lines = exampleLines();
    for (const std::string& line : utf8Lines) lines.push_back(cp932(line));
    return joinLines(lines);
}

TEST(TitleBlockFile, FollowsTheLastLayerNameAndReadsBack) {
    SurveyData document = exampleDocument();
    document.titleBlock = {"東京都千代田区丸の内一丁目", "12番3", "宅地", ""};
    std::string bytes;
    ASSERT_FALSE(formatDataFile(document, bytes));
    // Today's file, then the mark and the four fields, one a line.
    EXPECT_EQ(bytes, exampleWith({"\"#求積表の表題欄#\"", "\"東京都千代田区丸の内一丁目\"", "\"12番3\"", "\"宅地\"", "\"\""}));
    SurveyData read;
    read.titleBlock.author = "前の文書の作成者";
    const auto failure = parseDataFile(bytes, read);
    ASSERT_FALSE(failure) << failure->text;
    EXPECT_EQ(read.titleBlock, document.titleBlock);
}

TEST(TitleBlockFile, AFileWithoutItReadsAnEmptyBlockAndIsWrittenAsItWas) {
    SurveyData read;
    read.titleBlock = {"前の所在", "1", "畑", "前の作成者"};
    ASSERT_FALSE(parseDataFile(joinLines(exampleLines()), read));
    EXPECT_TRUE(read.titleBlock.empty());
    std::string bytes;
    ASSERT_FALSE(formatDataFile(read, bytes));
    EXPECT_EQ(bytes, joinLines(exampleLines()));
}

TEST(TitleBlockFile, AnythingElseAfterTheLastValueIsRefusedWithItsLine) {
    struct Case {
        std::vector<std::string> after;
        const char* message;
    };
    // The example's last value stands on line 66.
    const Case cases[] = {
        {{"\"其の他\""}, "67 行目に誤りがあります。\r\n面積表レイヤ名の後に余分な値があります。"},
        {{"\"#求積表の表題欄#\"", "\"所在\"", "\"地番\""}, "70 行目に誤りがあります。\r\nファイルが途中で終わっています（地目がありません）。"},
        {{"\"#求積表の表題欄#\"", "\"a\"", "\"b\"", "\"c\"", "\"d\"", "\"e\""},
         "72 行目に誤りがあります。\r\n作成者の後に余分な値があります。"},
    };
    for (const Case& c : cases) {
        SurveyData read;
        const auto failure = parseDataFile(exampleWith(c.after), read);
        ASSERT_TRUE(failure) << c.message;
        EXPECT_NE(failure->text.find(c.message), std::string::npos) << failure->text;
    }
}

TEST(TitleBlockFile, AFieldTheFileCannotHoldIsRefusedByName) {
    SurveyData document = exampleDocument();
    document.titleBlock.author = "測量〜太郎";
    std::string bytes;
    const auto refused = formatDataFile(document, bytes);
    ASSERT_TRUE(refused);
    EXPECT_NE(refused->text.find("表題欄の作成者"), std::string::npos) << refused->text;
    EXPECT_TRUE(bytes.empty());
}

}  // namespace
}  // namespace mirota
