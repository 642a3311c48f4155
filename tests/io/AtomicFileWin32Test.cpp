#include <gtest/gtest.h>

#include <windows.h>

#include "AtomicFileTestSupport.h"
#include "io/AtomicFile.h"

namespace mirota {
namespace {

namespace fs = std::filesystem;
using test::expectedFailure;
using test::expectUntouched;

TEST(AtomicFileWin32, GivesTheFileSystemTheNameInWideCharacters) {
    test::TemporaryFolder folder;
    ASSERT_FALSE(replaceFile(folder.file("新規 ①～.txt"), "abc"));
    std::vector<std::wstring> names;
    for (const auto& entry : fs::directory_iterator(folder.path())) names.push_back(entry.path().filename().wstring());
    EXPECT_EQ(names, std::vector<std::wstring>{L"\u65B0\u898F \u2460\uFF5E.txt"});
}

TEST(AtomicFileWin32, KeepsTheHiddenAttributeOfTheOldFile) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("隠し.txt");
    test::writeAll(path, "old");
    const fs::path file = fileSystemPath(path);
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    ASSERT_FALSE(replaceFile(path, "new"));
    EXPECT_EQ(test::readAll(path), "new");
    const DWORD attributes = GetFileAttributesW(file.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"隠し.txt"});
}

// Another program has the file open and lets nobody replace it.
TEST(AtomicFileWin32, ReportsAFileInUseAndKeepsIt) {
    test::TemporaryFolder folder;
    const std::string path = folder.file("使用中.txt");
    test::writeAll(path, "old");
    const HANDLE held = CreateFileW(fileSystemPath(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const auto failure = replaceFile(path, "new");
    CloseHandle(held);
    ASSERT_TRUE(failure);
    const std::string step = "ファイルを置き換えられませんでした。";
    EXPECT_TRUE(failure->text == expectedFailure(path, step + "ファイルはほかのプログラムが使用中です。") ||
                failure->text == expectedFailure(path, step + "アクセスが拒否されました。"))
        << failure->text;
    expectUntouched(folder, path, "old", {"使用中.txt"});
}

}  // namespace
}  // namespace mirota
