#include <algorithm>
#include <cstdio>

#include "model/CodePage.h"

namespace mirota::codepage {

std::string describeCharacterAt(std::string_view text, std::size_t offset) {
    constexpr std::string_view kMalformed = "（UTF-8 として正しくない文字）";
    if (offset >= text.size()) return std::string(kMalformed);
    const auto lead = static_cast<unsigned char>(text[offset]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || offset + length > text.size()) return std::string(kMalformed);
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[offset + i]);
        if ((next & 0xC0) != 0x80) return std::string(kMalformed);
        code = (code << 6) | (next & 0x3F);
    }
    char number[16];
    std::snprintf(number, sizeof number, "U+%04X", static_cast<unsigned>(code));
    return "「" + std::string(text.substr(offset, length)) + "」（" + number + "）";
}

std::optional<std::string> unstorableCharacter(std::string_view utf8) {
    // ASCII is always held; only a text beyond it is converted.
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        return std::nullopt;
    }
    const Conversion converted = fromUtf8(utf8);
    if (converted.ok()) return std::nullopt;
    return describeCharacterAt(utf8, *converted.failedAt);
}

}  // namespace mirota::codepage
