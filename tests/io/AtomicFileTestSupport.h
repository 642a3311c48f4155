#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "IoTestSupport.h"

namespace mirota::test {

inline std::string expectedFailure(const std::string& path, const std::string& reason) {
    return "ファイルを保存できませんでした。\r\n【" + path + "】\r\n\r\n" + reason;
}

// The old file is intact and nothing else is left in the folder.
inline void expectUntouched(const TemporaryFolder& folder, const std::string& path, const std::string& content,
                            const std::vector<std::string>& entries) {
    EXPECT_EQ(readAll(path), content);
    EXPECT_EQ(folder.entries(), entries);
}

}  // namespace mirota::test
