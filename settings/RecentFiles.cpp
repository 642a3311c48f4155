#include "settings/RecentFiles.h"

#include <algorithm>

namespace mirota {

void rememberRecentFile(std::vector<std::string>& recent, const std::string& path) {
    forgetRecentFile(recent, path);
    recent.insert(recent.begin(), path);
    if (recent.size() > kRecentFileCount) recent.resize(kRecentFileCount);
}

void forgetRecentFile(std::vector<std::string>& recent, const std::string& path) {
    recent.erase(std::remove(recent.begin(), recent.end(), path), recent.end());
}

}  // namespace mirota
