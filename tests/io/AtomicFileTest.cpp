#include <gtest/gtest.h>

#include "AtomicFileTestSupport.h"
#include "io/AtomicFile.h"

namespace mirota {
namespace {

namespace fs = std::filesystem;
using test::expectedFailure;
using test::expectUntouched;

TEST(AtomicFile, CreatesANewFileAndLeavesNothingElse) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("新規.txt");
    ASSERT_FALSE(replaceFile(path, "abc\r\n"));
    EXPECT_EQ(test::readAll(path), "abc\r\n");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"新規.txt"});
}

TEST(AtomicFile, ReplacesAnExistingFile) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("data.txt");
    test::writeAll(path, "a much longer old content\r\n");
    ASSERT_FALSE(replaceFile(path, "new"));
    EXPECT_EQ(test::readAll(path), "new");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"data.txt"});
}

TEST(AtomicFile, RefusesAReadOnlyFile) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("固定.txt");
    test::writeAll(path, "old");
    const fs::perms write = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    fs::permissions(fileSystemPath(path), write, fs::perm_options::remove);
    const auto failure = replaceFile(path, "new");
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->text, expectedFailure(path, "ファイルは読み取り専用です。"));
    EXPECT_EQ(failure->title, "LTミロタ展開図");
    EXPECT_EQ(failure->icon, Message::Icon::Critical);
    expectUntouched(folder, path, "old", {"固定.txt"});
    EXPECT_EQ(fs::status(fileSystemPath(path)).permissions() & write, fs::perms::none);
}

TEST(AtomicFile, ReportsAMissingFolderOrName) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("ない") + "/data.txt";
    auto failure = replaceFile(path, "new");
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->text, expectedFailure(path, "保存先のフォルダーが見つかりません。"));
    EXPECT_TRUE(folder.entries().empty());

    const std::string noName = folder.file("") + "/";
    failure = replaceFile(noName, "new");
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->text, expectedFailure(noName, "ファイル名がありません。"));
    EXPECT_TRUE(folder.entries().empty());
}

TEST(AtomicFile, ReportsAFailedReplacement) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("box");
    fs::create_directory(fileSystemPath(path));
    test::writeAll(folder.file("box/inside.txt"), "kept");
    const auto failure = replaceFile(path, "new");
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->text,
              expectedFailure(path, "ファイルを置き換えられませんでした。同じ名前のフォルダーがあります。"));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"box"});
    EXPECT_EQ(test::readAll(folder.file("box/inside.txt")), "kept");
}

}  // namespace
}  // namespace mirota
