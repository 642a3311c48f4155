#include "model/NumberText.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

namespace mirota::number {
namespace {

struct FormatCase {
    const char* text;
    const char* format;
    const char* expected;
};

TEST(FormatDigits, RoundsHalfAwayFromZeroOnTheDigitsAsWritten) {
    const FormatCase cases[] = {
        {"3", "0.00", "3.00"},         {"0.5", "0.00", "0.50"},      {"12.3456", "0.00", "12.35"},
        {"1.005", "0.00", "1.01"},     {"2.675", "0.00", "2.68"},    {"-2.675", "0.00", "-2.68"},
        {"1.239", "0.00", "1.24"},     {"12.345", "0.", "12."},      {"12.5", "0.", "13."},
        {"0.4", "0.", "0."},           {"9.995", "0.00", "10.00"},   {"999.96", "0.0", "1000.0"},
        {".5", "0.000", "0.500"},      {"5.", "0.0", "5.0"},         {"-0.001", "0.00", "0.00"},
        {"1.23", "0.00000", "1.23000"}, {"  7.1 ", "0.00", "7.10"},  {"1e3", "0.0", "1000.0"},
        {"1.5E-2", "0.000", "0.015"},  {"+4", "0.00", "4.00"},       {"0012.0", "0.0", "12.0"},
        {"0.0000001311342", "0.00000", "0.00000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatDigits(c.text, c.format), c.expected) << c.text << " with " << c.format;
    }
}

TEST(FormatDigits, LeavesTextThatIsNotOneNumberAsItIs) {
    for (const char* text : {"", "abc", "名称1", "123.45,67.89", ",5", "1.2.3", "12m", "-", ".", "1e", "1e99999"}) {
        EXPECT_EQ(formatDigits(text, "0.000"), text);
    }
}

TEST(FormatDigits, FormatsComputedValuesThroughTheirGeneralText) {
    EXPECT_EQ(formatSingle(6.0f, "0.00"), "6.00");
    EXPECT_EQ(formatSingle(3.14159265f, "0.00"), "3.14");
    // 1.005f is 1.00499999523 in binary, but its 7-digit text 1.005 rounds up.
    EXPECT_EQ(formatSingle(1.005f, "0.00"), "1.01");
    EXPECT_EQ(formatDouble(2.675, "0.00"), "2.68");
    EXPECT_EQ(formatDouble(-0.0, "0.0"), "0.0");
}

TEST(DigitsFormat, CountsTheZerosAfterThePoint) {
    EXPECT_EQ(decimalsOf("0."), 0);
    EXPECT_EQ(decimalsOf("0.00"), 2);
    EXPECT_EQ(decimalsOf("0.00000"), 5);
    EXPECT_EQ(decimalsOf(""), 0);
    EXPECT_EQ(digitsFormatFor(0), "0.");
    EXPECT_EQ(digitsFormatFor(3), "0.000");
}

struct LeadingCase {
    const char* text;
    double expected;
};

TEST(LeadingNumber, ReadsTheNumberAtTheStartAndIgnoresBlanks) {
    const LeadingCase cases[] = {
        {"12.5m", 12.5}, {"abc", 0.0},    {"", 0.0},        {" 1 2 . 5", 12.5}, {"-3", -3.0},
        {"+.5", 0.5},    {"1.2.3", 1.2},  {"1e2", 100.0},   {"1E-1x", 0.1},     {"2d1", 20.0},
        {"1e", 1.0},     {"1e+", 1.0},    {"--1", 0.0},     {"0012", 12.0},     {"3,4", 3.0},
        {"10", 10.0},    {"7.", 7.0},     {".", 0.0},       {"+-5", 0.0},       {"-.5x", -0.5},
        {"inf", 0.0},    {"+nan", 0.0},   {"1.5d", 1.5},    {"-0.1e1", -1.0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.expected) << c.text;
}

TEST(LeadingNumber, BeyondTheDoubleRangeIsInfiniteOrZero) {
    EXPECT_EQ(leadingNumber("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(leadingNumber("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(leadingNumber("1e-400"), 0.0);
    EXPECT_EQ(leadingNumber("1e39"), 1e39);
    EXPECT_EQ(leadingNumber(std::string(400, '9') + ".5"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(leadingNumber("0." + std::string(400, '0') + "1"), 0.0);
    EXPECT_TRUE(std::signbit(leadingNumber("-0.0")));
}

// Short plain decimals, read the quick way, must give the very double a full decimal reader gives,
// at every length up to and past the quick way's fifteen digits.
TEST(LeadingNumber, ShortDecimalsReadToTheSameDoubleAsStrtod) {
    std::mt19937_64 random(2026);
    for (int i = 0; i < 200000; ++i) {
        const int integerDigits = 1 + static_cast<int>(random() % 9);
        const int decimals = static_cast<int>(random() % 9);
        std::string text = random() % 2 ? "-" : "";
        for (int d = 0; d < integerDigits; ++d) text += static_cast<char>('0' + random() % 10);
        if (decimals > 0) text += '.';
        for (int d = 0; d < decimals; ++d) text += static_cast<char>('0' + random() % 10);
        const double expected = std::strtod(text.c_str(), nullptr);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(leadingNumber(text)), std::bit_cast<std::uint64_t>(expected)) << text;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(*strictNumber(text)), std::bit_cast<std::uint64_t>(expected)) << text;
    }
}

TEST(StrictNumber, AcceptsOnlyOneWholeNumber) {
    EXPECT_EQ(strictNumber(" 10 "), 10.0);
    EXPECT_EQ(strictNumber("-2.5e1"), -25.0);
    EXPECT_EQ(strictNumber("0"), 0.0);
    EXPECT_EQ(strictNumber("+.5"), 0.5);
    EXPECT_EQ(strictNumber("7."), 7.0);
    for (const char* text : {"", " ", "12m", "1,2", "a", "1 2", "--1", ".", "+-1", "inf", "1.5e", "2d"}) {
        EXPECT_FALSE(strictNumber(text).has_value()) << text;
    }
}

struct SingleCase {
    float value;
    const char* expected;
};

TEST(GeneralText, SingleHasSevenSignificantDigitsAndNoExponent) {
    const SingleCase cases[] = {
        {3.0f, "3"},
        {12.5f, "12.5"},
        {0.4f, "0.4"},
        {-0.4f, "-0.4"},
        {6.0f, "6"},
        {3.14159265f, "3.141593"},
        {1.0f / 3.0f, "0.3333333"},
        {-0.0f, "0"},
        {0.0f, "0"},
        {1.311342e-7f, "0.0000001311342"},
        {16777216.0f, "16777220"},
        {1e20f, "100000000000000000000"},
        {200.0f, "200"},
        {8.660254f, "8.660254"},
    };
    for (const auto& c : cases) EXPECT_EQ(singleText(c.value), c.expected) << c.value;
}

TEST(GeneralText, DoubleHasFifteenSignificantDigits) {
    EXPECT_EQ(doubleText(0.1), "0.1");
    EXPECT_EQ(doubleText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(doubleText(-60.0000000000001), "-60.0000000000001");
    EXPECT_EQ(doubleText(-0.0), "0");
    EXPECT_EQ(doubleText(1234567.125), "1234567.125");
    EXPECT_EQ(doubleText(2.5e-10), "0.00000000025");
}

// printf's rounding to 15 (or 7) significant digits is the reference: both texts must name the same
// decimal, and the general text never has an exponent. Random bit patterns reach every magnitude.
TEST(GeneralText, AgreesWithPrintfRoundingOverTheWholeRange) {
    std::mt19937_64 random(12345);
    for (int i = 0; i < 50000; ++i) {
        const double value = std::bit_cast<double>(random());
        if (!std::isfinite(value)) continue;
        char reference[64];
        std::snprintf(reference, sizeof reference, "%.14e", value);
        const std::string text = doubleText(value);
        ASSERT_EQ(text.find_first_of("eE"), std::string::npos) << reference;
        ASSERT_EQ(std::strtod(text.c_str(), nullptr), std::strtod(reference, nullptr)) << reference << " " << text;

        const float single = static_cast<float>(random() % 2000000) / 1024.0f - 900.0f;
        std::snprintf(reference, sizeof reference, "%.6e", static_cast<double>(single));
        ASSERT_EQ(std::strtod(singleText(single).c_str(), nullptr), std::strtod(reference, nullptr)) << reference;
    }
}

TEST(GeneralText, WritesIntoABufferAsDoubleTextDoes) {
    char buffer[kDoubleTextCapacity];
    for (double value : {-std::numeric_limits<double>::denorm_min(), -1.7976931348623157e308, 0.1, -0.0}) {
        EXPECT_EQ(std::string(buffer, writeDoubleText(value, buffer)), doubleText(value)) << value;
    }
}

// The one-pass rounding of plain texts against the general one: texts with a sign, an exponent or
// blanks take the general way, and must agree with their plain spelling.
TEST(FormatDigits, PlainTextsRoundAsTheirGeneralSpellingDoes) {
    std::mt19937 random(7);
    for (int i = 0; i < 20000; ++i) {
        std::string digits = std::to_string(random() % 100000);
        const std::size_t point = random() % (digits.size() + 1);
        std::string plain = digits.substr(0, point) + "." + digits.substr(point);
        if (random() % 2) plain = "-" + plain;
        const std::string format = digitsFormatFor(static_cast<int>(random() % 6));
        const std::string general = " " + (plain.front() == '-' ? plain : "+" + plain) + "e0 ";
        ASSERT_EQ(formatDigits(plain, format), formatDigits(general, format)) << plain << " " << format;
    }
}

TEST(ToSingle, RoundsLikeTheHardwareAndOverflowsToInfinity) {
    EXPECT_EQ(toSingle(0.1), 0.1f);
    EXPECT_EQ(toSingle(1e39), std::numeric_limits<float>::infinity());
    EXPECT_EQ(toSingle(-1e39), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(toSingle(static_cast<double>(FLT_MAX)), FLT_MAX);
    // Just below the halfway point to the next power of two still rounds down to the largest float.
    EXPECT_EQ(toSingle(0x1p128 - 0x1p103 - 0x1p80), FLT_MAX);
    EXPECT_EQ(toSingle(0x1p128 - 0x1p103), std::numeric_limits<float>::infinity());
    EXPECT_TRUE(std::isnan(toSingle(std::nan(""))));
}

}  // namespace
}  // namespace mirota::number
