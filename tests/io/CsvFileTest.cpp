#include "io/CsvFile.h"

#include <gtest/gtest.h>

#include "IoTestSupport.h"

namespace mirota {
namespace {

TEST(CsvFile, QuotesOnlyWhatASpreadsheetWouldSplit) {
    EXPECT_EQ(csvLine({"池", "1.50,2.00", "名\"称", "a\r\nb", ""}), "池,\"1.50,2.00\",\"名\"\"称\",\"a\r\nb\",\r\n");
}

TEST(CsvFile, WritesUtf8AfterAByteOrderMarkAndKeepsTheOldFileOnFailure) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("面積.csv");
    ASSERT_FALSE(writeCsvFile(path, {{"段", "面積"}, {"1", "12.00"}}));
    EXPECT_EQ(test::readAll(path), "\xEF\xBB\xBF段,面積\r\n1,12.00\r\n");

    const auto refused = writeCsvFile(folder.file("無い/面積.csv"), {{"1"}});
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->text.rfind("ファイルを保存できませんでした。", 0), 0u) << refused->text;
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"面積.csv"});
}

}  // namespace
}  // namespace mirota
