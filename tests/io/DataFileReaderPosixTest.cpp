#include <gtest/gtest.h>

#include <sys/stat.h>

#include "IoTestSupport.h"
#include "io/DataFileReader.h"

namespace mirota {
namespace {

// A pipe would block the reader and a device would never end: both are refused before any read.
TEST(DataFileReaderPosix, RefusesPipesAndDevicesAtOnce) {
    test::TemporaryFolder folder;
    const std::string pipe = folder.file("パイプ");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& path : {pipe, std::string("/dev/zero")}) {
        SurveyData document;
        document.currentFilePath = "/old/path.txt";
        const auto failure = readDataFile(path, document);
        ASSERT_TRUE(failure) << path;
        EXPECT_EQ(failure->text, "ファイルを開けませんでした。\r\n【" + path +
                                     "】\r\n\r\n通常のファイルではありません（デバイスや名前付きパイプは開けません）。");
        EXPECT_EQ(document.currentFilePath, "/old/path.txt");
    }
}

}  // namespace
}  // namespace mirota
