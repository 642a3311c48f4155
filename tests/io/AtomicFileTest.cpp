#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

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

// A save that was killed leaves its temporary file; the next save of the same file removes such files
// and nothing else: not another file's, not a look-alike, not a folder, and not one written so lately
// that a save in another process may still be making it.
TEST(AtomicFile, RemovesTheLeftoversOfEarlierSavesOfTheSameFile) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("現場.txt");
    test::writeAll(path, "old");
    const auto now = fs::file_time_type::clock::now();
    const auto killedLongAgo = now - std::chrono::minutes(11);
    const std::vector<std::string> leftovers{".現場.txt.0.tmp", ".現場.txt.123456.tmp"};
    const std::vector<std::string> others{".現場.txt.1234567.tmp", ".現場.txt.12a.tmp", ".現場.txt..tmp",
                                          ".別.txt.12.tmp",        "現場.txt.12.tmp",    ".現場.txt.12.tmp.bak"};
    for (const std::string& name : leftovers) test::writeAll(folder.file(name), "killed");
    for (const std::string& name : others) test::writeAll(folder.file(name), "kept");
    fs::create_directory(fileSystemPath(folder.file(".現場.txt.77.tmp")));
    for (const std::string& name : leftovers) fs::last_write_time(fileSystemPath(folder.file(name)), killedLongAgo);
    for (const std::string& name : others) fs::last_write_time(fileSystemPath(folder.file(name)), killedLongAgo);
    std::error_code undated;  // a Windows C library may refuse to date a folder: it must be kept either way
    fs::last_write_time(fileSystemPath(folder.file(".現場.txt.77.tmp")), killedLongAgo, undated);
    // Being written now by another save, and one written nine minutes ago: both may still be in use.
    const std::vector<std::string> recent{".現場.txt.4242.tmp", ".現場.txt.909.tmp"};
    for (const std::string& name : recent) test::writeAll(folder.file(name), "in use");
    fs::last_write_time(fileSystemPath(folder.file(recent[1])), now - std::chrono::minutes(9));

    ASSERT_FALSE(replaceFile(path, "new"));
    std::vector<std::string> expected = others;
    expected.push_back(".現場.txt.77.tmp");
    expected.push_back("現場.txt");
    expected.insert(expected.end(), recent.begin(), recent.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(folder.entries(), expected);
    EXPECT_EQ(test::readAll(path), "new");
    for (const std::string& name : recent) EXPECT_EQ(test::readAll(folder.file(name)), "in use") << name;
}

TEST(AtomicFile, WritesContentMadePieceByPieceOrKeepsTheOldFile) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("図面.dxf");
    ASSERT_FALSE(replaceFile(path, [](const ByteSink& sink) -> std::optional<Message> {
        for (const char* piece : {"0\r\n", "SECTION\r\n", "", "0\r\nEOF\r\n"}) sink(piece);
        return std::nullopt;
    }));
    EXPECT_EQ(test::readAll(path), "0\r\nSECTION\r\n0\r\nEOF\r\n");

    const Message refusal{"作れません。", "LTミロタ展開図", Message::Icon::Critical};
    const auto failure = replaceFile(path, [&refusal](const ByteSink& sink) -> std::optional<Message> {
        sink("half");
        return refusal;
    });
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->text, refusal.text);
    expectUntouched(folder, path, "0\r\nSECTION\r\n0\r\nEOF\r\n", {"図面.dxf"});
}

}  // namespace
}  // namespace mirota
