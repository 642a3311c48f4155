#include "model/CodePage.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <algorithm>
#include <string>

namespace mirota::codepage {

namespace {

constexpr UINT kCodePage = 932;

// The code page's stand-ins for bytes that are no characters (0x80 reads as U+0080, and on some
// systems 0xA0 and 0xFD..0xFF as U+F8F0..U+F8F3): refused both ways, as the iconv build does.
bool isStandIn(wchar_t c) { return (c >= 0x80 && c <= 0x9F) || (c >= 0xF8F0 && c <= 0xF8FF); }

bool hasStandIn(const std::wstring& wide) {
    for (wchar_t c : wide) {
        if (isStandIn(c)) return true;
    }
    return false;
}

// The calls take int sizes: pieces beyond that are converted in parts by the callers' loops.
bool toWide(UINT codePage, std::string_view bytes, std::wstring& wide) {
    wide.clear();
    if (bytes.empty()) return true;
    if (bytes.size() > 0x3FFFFFFF) return false;
    const int size = static_cast<int>(bytes.size());
    const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length <= 0) return false;
    wide.resize(static_cast<std::size_t>(length));
    return MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), length) == length;
}

// To UTF-8 or code page 932; for the latter, a character that has no code of its own (best fit
// switched off, so the default character would stand in) fails.
bool fromWide(UINT codePage, const std::wstring& wide, std::string& bytes) {
    bytes.clear();
    if (wide.empty()) return true;
    if (wide.size() > 0x3FFFFFFF) return false;
    const int size = static_cast<int>(wide.size());
    const DWORD flags = codePage == CP_UTF8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* const usedDefaultOut = codePage == CP_UTF8 ? nullptr : &usedDefault;
    const int length = WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr, usedDefaultOut);
    if (length <= 0 || usedDefault) return false;
    bytes.resize(static_cast<std::size_t>(length));
    return WideCharToMultiByte(codePage, flags, wide.data(), size, bytes.data(), length, nullptr, usedDefaultOut) ==
               length &&
           !usedDefault;
}

// Code page 932 bytes of whole characters to UTF-8, appended; false when they are not all characters.
bool decodePiece(std::string_view bytes, std::string& utf8) {
    std::wstring wide;
    std::string piece;
    if (!toWide(kCodePage, bytes, wide) || hasStandIn(wide) || !fromWide(CP_UTF8, wide, piece)) return false;
    utf8 += piece;
    return true;
}

// UTF-8 of whole characters to code page 932, appended; false when a character is malformed, has
// no code, or would read back as another character (U+301C is given the code of U+FF5E).
bool encodePiece(std::string_view utf8, std::string& bytes) {
    std::wstring wide;
    std::string piece;
    if (!toWide(CP_UTF8, utf8, wide) || hasStandIn(wide) || !fromWide(kCodePage, wide, piece)) return false;
    std::wstring back;
    if (!toWide(kCodePage, piece, back) || back != wide) return false;
    bytes += piece;
    return true;
}

// Bytes of the code page 932 character that starts at offset (a lead byte takes its trail byte).
std::size_t codePageCharacterLength(std::string_view bytes, std::size_t offset) {
    if (!IsDBCSLeadByteEx(kCodePage, static_cast<BYTE>(bytes[offset]))) return 1;
    return offset + 1 < bytes.size() ? 2 : 1;
}

// Bytes of the UTF-8 character that starts at offset, by its lead byte; a malformed one is refused
// by the conversion of that piece.
std::size_t utf8CharacterLength(std::string_view utf8, std::size_t offset) {
    const unsigned char lead = static_cast<unsigned char>(utf8[offset]);
    std::size_t length = 1;
    if (lead >= 0xF0) {
        length = 4;
    } else if (lead >= 0xE0) {
        length = 3;
    } else if (lead >= 0xC0) {
        length = 2;
    }
    return std::min(length, utf8.size() - offset);
}

// Converts the whole input at once, and only when that fails character by character up to the
// first one that cannot be converted, which gives the offset and the part before it.
template <typename Convert, typename Length>
Conversion convert(std::string_view input, Convert convertPiece, Length characterLength) {
    Conversion result;
    constexpr std::size_t kPiece = 1 << 20;
    std::size_t offset = 0;
    while (offset < input.size()) {
        // A piece ends on a character boundary.
        std::size_t end = offset;
        while (end < input.size() && end - offset < kPiece) end += characterLength(input, end);
        if (convertPiece(input.substr(offset, end - offset), result.text)) {
            offset = end;
            continue;
        }
        while (offset < end) {
            const std::size_t length = characterLength(input, offset);
            if (!convertPiece(input.substr(offset, length), result.text)) {
                result.failedAt = offset;
                return result;
            }
            offset += length;
        }
    }
    return result;
}

}  // namespace

Conversion toUtf8(std::string_view codePageBytes) {
    return convert(codePageBytes, decodePiece, codePageCharacterLength);
}

Conversion fromUtf8(std::string_view utf8) { return convert(utf8, encodePiece, utf8CharacterLength); }

}  // namespace mirota::codepage
