#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

#include "IoTestSupport.h"
#include "io/AtomicFile.h"

namespace mirota {
namespace {

namespace fs = std::filesystem;

unsigned modeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

std::string expectedFailure(const std::string& path, const std::string& reason) {
    return "ファイルを保存できませんでした。\r\n【" + path + "】\r\n\r\n" + reason;
}

TEST(AtomicFile, CreatesANewFileWithTheUsualMode) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("新規.txt");
    ASSERT_FALSE(replaceFile(path, "abc\r\n"));
    EXPECT_EQ(test::readAll(path), "abc\r\n");
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(modeOf(path), 0666u & ~static_cast<unsigned>(mask));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"新規.txt"});
}

TEST(AtomicFile, ReplacesAnExistingFileAndKeepsItsPermissionBits) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("data.txt");
    test::writeAll(path, "a much longer old content\r\n");
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    const mode_t mask = ::umask(022);  // would take the group's and others' write bits
    const auto failure = replaceFile(path, "new");
    ::umask(mask);
    ASSERT_FALSE(failure);
    EXPECT_EQ(test::readAll(path), "new");
    EXPECT_EQ(modeOf(path), 0666u);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"data.txt"});
}

TEST(AtomicFile, FollowsALinkAndReplacesItsTarget) {
    test::TemporaryFolder folder;
    const std::string target = folder.file("target.txt");
    const std::string link = folder.file("link.txt");
    test::writeAll(target, "old");
    fs::create_symlink(target, link);
    ASSERT_FALSE(replaceFile(link, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(test::readAll(target), "new");
}

struct FailureCase {
    const char* name;
    const char* reason;
};

// The old file is intact and nothing else is left in the folder.
void expectUntouched(const test::TemporaryFolder& folder, const std::string& path, const std::string& content,
                     const std::vector<std::string>& entries) {
    EXPECT_EQ(test::readAll(path), content);
    EXPECT_EQ(folder.entries(), entries);
}

TEST(AtomicFile, RefusesAReadOnlyFile) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("固定.txt");
    test::writeAll(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    const auto failure = replaceFile(path, "new");
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->text, expectedFailure(path, "ファイルは読み取り専用です。"));
    EXPECT_EQ(failure->title, "LTミロタ展開図");
    EXPECT_EQ(failure->icon, Message::Icon::Critical);
    expectUntouched(folder, path, "old", {"固定.txt"});
    EXPECT_EQ(modeOf(path), 0444u);
}

TEST(AtomicFile, ReportsAMissingFolderOrName) {
    test::TemporaryFolder folder;
    const std::string path = (folder.path() / "ない" / "data.txt").string();
    auto failure = replaceFile(path, "new");
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->text, expectedFailure(path, "保存先のフォルダーが見つかりません。"));
    EXPECT_TRUE(folder.entries().empty());

    const std::string noName = folder.path().string() + "/";
    failure = replaceFile(noName, "new");
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->text, expectedFailure(noName, "ファイル名がありません。"));
    EXPECT_TRUE(folder.entries().empty());
}

TEST(AtomicFile, ReportsAFailedReplacement) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("box");
    fs::create_directory(path);
    test::writeAll(folder.file("box/inside.txt"), "kept");
    const auto failure = replaceFile(path, "new");
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->text,
              expectedFailure(path, "ファイルを置き換えられませんでした。同じ名前のフォルダーがあります。"));
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"box"});
    EXPECT_EQ(test::readAll(folder.file("box/inside.txt")), "kept");
}

// The file size limit makes the write fail as a full disk does.
TEST(AtomicFile, ReportsAFullDiskAndKeepsTheOldFile) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("大きい.txt");
    test::writeAll(path, "old");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);

    const auto failure = replaceFile(path, std::string(100000, 'x'));

    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->text, expectedFailure(path, "書き込みに失敗しました。ディスクの空き容量が足りません。"));
    expectUntouched(folder, path, "old", {"大きい.txt"});
}

}  // namespace
}  // namespace mirota
