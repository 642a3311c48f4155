#pragma once

#include <string>

#include <QString>

namespace mirota {

// The core speaks UTF-8, the window QString; text crosses here.
inline QString qt(const std::string& text) { return QString::fromStdString(text); }

}  // namespace mirota
