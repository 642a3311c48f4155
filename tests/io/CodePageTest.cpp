#include <gtest/gtest.h>

#include "model/CodePage.h"

namespace mirota::codepage {
namespace {

struct Pair {
    std::string codePage;
    std::string utf8;
};

// Characters that the plain Shift_JIS tables lack or read differently.
const Pair kPairs[] = {
    {"\x5C", "\\"},             // a backslash, not ¥
    {"\x7E", "~"},              // a tilde, not an overline
    {"\x87\x40", "①"},
    {"\x81\x60", "～"},         // U+FF5E
    {"\x87\x6F", "㎜"},
    {"\x81\x7C", "－"},         // U+FF0D
    {"\xB1", "ｱ"},              // half-width katakana, one byte
    {"\x95\x5C", "表"},         // a trail byte that is a backslash
    {"\xFB\xFC", "髙"},
    {"\xF0\x40", "\uE000"},  // the first character of the user-defined area
    {"LT\x83\x7E\x83\x8D\x83\x5E\x93\x57\x8A\x4A\x90\x7D", "LTミロタ展開図"},
};

TEST(CodePage, ConvertsBothWays) {
    for (const Pair& pair : kPairs) {
        const Conversion decoded = toUtf8(pair.codePage);
        EXPECT_TRUE(decoded.ok()) << pair.utf8;
        EXPECT_EQ(decoded.text, pair.utf8);
        const Conversion encoded = fromUtf8(pair.utf8);
        EXPECT_TRUE(encoded.ok()) << pair.utf8;
        EXPECT_EQ(encoded.text, pair.codePage) << pair.utf8;
    }
}

// Some characters have more than one code (the NEC-selected IBM rows repeat others): any of them is
// read, and the text is written with the code the code page gives the character.
TEST(CodePage, ReadsBothCodesOfADoubledCharacterAndWritesOne) {
    const Pair doubled[] = {
        {"\xED\x40", "纊"},
        {"\xEE\xF9", "￢"},  // U+FFE2, also 81 CA
    };
    const std::string written[] = {"\xFA\x5C", "\x81\xCA"};
    for (std::size_t i = 0; i < std::size(doubled); ++i) {
        EXPECT_EQ(toUtf8(doubled[i].codePage).text, doubled[i].utf8);
        EXPECT_EQ(fromUtf8(doubled[i].utf8).text, written[i]);
    }
}

// Half-width katakana triple in size, more than the text is first given room for; a bad byte at the
// end of such a text is still found where it is.
TEST(CodePage, ConvertsATextThatGrowsThreefold) {
    std::string codePage;
    std::string utf8;
    for (int i = 0; i < 5000; ++i) {
        codePage += "\xB1\xDD";
        utf8 += "ｱﾝ";
    }
    EXPECT_EQ(toUtf8(codePage).text, utf8);
    EXPECT_EQ(fromUtf8(utf8).text, codePage);
    const Conversion cut = toUtf8(codePage + "\x81");
    EXPECT_EQ(cut.failedAt, codePage.size());
    EXPECT_EQ(cut.text, utf8);
}

TEST(CodePage, KeepsLineEndsAndNulBytes) {
    const std::string text("a\r\nb\0c", 6);
    EXPECT_EQ(toUtf8(text).text, text);
    EXPECT_EQ(fromUtf8(text).text, text);
}

TEST(CodePage, RejectsBytesThatAreNotCodePage932) {
    struct Case {
        std::string bytes;
        std::size_t offset;
        std::string before;
    };
    const Case cases[] = {
        {"ab\x80", 2, "ab"},               // not a character
        {"a\xFF" "b", 1, "a"},
        {"\x87\x40\x81\x20", 2, "①"},      // a lead byte without a valid trail byte
        {"x\x93\x57\x8A", 3, "x展"},        // cut off after a lead byte
        {"a\xA0", 1, "a"},                 // bytes the code page leaves without a character
        {"\xFD", 0, ""},
    };
    for (const Case& c : cases) {
        const Conversion decoded = toUtf8(c.bytes);
        ASSERT_FALSE(decoded.ok()) << c.before;
        EXPECT_EQ(*decoded.failedAt, c.offset) << c.before;
        EXPECT_EQ(decoded.text, c.before);
    }
}

TEST(CodePage, RefusesCharactersTheCodePageCannotHoldAsThemselves) {
    struct Case {
        std::string utf8;
        std::size_t offset;
        std::string before;
    };
    const Case cases[] = {
        {"ab😀", 2, "ab"},                  // outside the code page
        {"x\xC3", 1, "x"},                  // malformed UTF-8
        {"図〜", 3, "\x90\x7D"},            // U+301C would come back as U+FF5E
        {"a−b", 1, "a"},                    // U+2212 would come back as U+FF0D
        {"¥100", 0, ""},                    // would come back as a backslash
        {"表—", 3, "\x95\x5C"},             // U+2014 would come back as U+2015
        {"a\u0080", 1, "a"},               // stand-ins for bytes that are no characters
        {"\uF8F0", 0, ""},
    };
    for (const Case& c : cases) {
        const Conversion encoded = fromUtf8(c.utf8);
        ASSERT_FALSE(encoded.ok()) << c.utf8;
        EXPECT_EQ(*encoded.failedAt, c.offset) << c.utf8;
        EXPECT_EQ(encoded.text, c.before) << c.utf8;
    }
}

}  // namespace
}  // namespace mirota::codepage
