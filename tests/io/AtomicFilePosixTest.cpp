#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

#include "AtomicFileTestSupport.h"
#include "io/AtomicFile.h"

namespace mirota {
namespace {

namespace fs = std::filesystem;
using test::expectedFailure;
using test::expectUntouched;

unsigned modeOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

TEST(AtomicFilePosix, CreatesANewFileWithTheUsualMode) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("新規.txt");
    ASSERT_FALSE(replaceFile(path, "abc\r\n"));
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(modeOf(path), 0666u & ~static_cast<unsigned>(mask));
}

TEST(AtomicFilePosix, KeepsThePermissionBitsOfTheOldFile) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("data.txt");
    test::writeAll(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    const mode_t mask = ::umask(022);  // would take the group's and others' write bits
    const auto failure = replaceFile(path, "new");
    ::umask(mask);
    ASSERT_FALSE(failure);
    EXPECT_EQ(test::readAll(path), "new");
    EXPECT_EQ(modeOf(path), 0666u);
}

TEST(AtomicFilePosix, FollowsALinkAndReplacesItsTarget) {
    test::TemporaryFolder folder;
    const std::string target = folder.file("target.txt");
    const std::string link = folder.file("link.txt");
    test::writeAll(target, "old");
    fs::create_symlink(target, link);
    ASSERT_FALSE(replaceFile(link, "new"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(test::readAll(target), "new");
}

// The file size limit makes the write fail as a full disk does.
TEST(AtomicFilePosix, ReportsAFullDiskAndKeepsTheOldFile) {
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
