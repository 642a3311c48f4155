#pragma once

#include <string>
#include <vector>

namespace mirota {

// The documents last opened or saved, most recent first, as the File menu lists them.
constexpr std::size_t kRecentFileCount = 8;

// Puts the path first, once; the oldest beyond the count drop out.
void rememberRecentFile(std::vector<std::string>& recent, const std::string& path);
void forgetRecentFile(std::vector<std::string>& recent, const std::string& path);

}  // namespace mirota
