#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Conversion between the program's UTF-8 text and the Japanese code page 932 of its data files.
// Both directions are strict: a character the other side cannot hold as itself is a failure,
// never replaced by "?" and never dropped.
namespace mirota::codepage {

struct Conversion {
    std::string text;                     // the converted text; on failure, the part before failedAt
    std::optional<std::size_t> failedAt;  // byte offset in the input of the first unconvertible character

    bool ok() const { return !failedAt; }
};

// Code page 932 bytes to UTF-8. Fails at a byte sequence that is not valid code page 932.
Conversion toUtf8(std::string_view codePageBytes);

// The UTF-8 character that starts at offset, for naming it in a message.
inline std::string characterAt(std::string_view utf8, std::size_t offset) {
    std::size_t end = offset + 1;
    while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) ++end;
    return std::string(utf8.substr(offset, end - offset));
}

// The UTF-8 character that starts at offset as a message names it: "「〜」（U+301C）"; a malformed
// sequence is named as such.
std::string describeCharacterAt(std::string_view utf8, std::size_t offset);

// The character of a UTF-8 text that code page 932 cannot hold, named as describeCharacterAt names it.
std::optional<std::string> unstorableCharacter(std::string_view utf8);

// UTF-8 to code page 932. Fails at malformed UTF-8 and at a character that code page 932 cannot
// hold or would read back as a different character (for example U+301C, stored as U+FF5E).
Conversion fromUtf8(std::string_view utf8);

}  // namespace mirota::codepage
