#include "cli/PlatformText.h"

namespace mirota::cli {

std::vector<std::string> utf8Arguments(int argc, char** argv) { return std::vector<std::string>(argv, argv + argc); }

Utf8Output::Utf8Output() = default;
Utf8Output::~Utf8Output() = default;

}  // namespace mirota::cli
