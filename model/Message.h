#pragma once

#include <string>

namespace mirota {

// A message for the user, returned by the core and shown by the window (or printed by the CLI).
struct Message {
    enum class Icon { None, Information, Warning, Critical, Question };

    std::string text;
    std::string title;
    Icon icon = Icon::None;

    bool operator==(const Message&) const = default;
};

}  // namespace mirota
