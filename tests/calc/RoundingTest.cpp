#include "calc/ExactDecimal.h"
#include "calc/ShownValue.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "model/NumberText.h"

namespace mirota {
namespace {

ExactDecimal decimal(const char* text) { return ExactDecimal::fromText(text).value(); }

struct RoundingCase {
    const char* value;
    int decimals;
    const char* halfUp;
    const char* down;
    const char* up;
};

// Values a binary double holds just below or above what is written (2.675 is 2.67499999…, 1.005 is
// 1.00499999…): the rules decide on the written digits.
TEST(Rounding, EachRuleOnTheDecimalDigitsAtZeroToFivePlaces) {
    const RoundingCase cases[] = {
        {"2.675", 2, "2.68", "2.67", "2.68"},
        {"0.125", 2, "0.13", "0.12", "0.13"},
        {"1.005", 2, "1.01", "1.00", "1.01"},
        {"1.0049999", 2, "1.00", "1.00", "1.01"},
        {"6", 2, "6.00", "6.00", "6.00"},
        {"2.5", 0, "3.", "2.", "3."},
        {"0.45", 1, "0.5", "0.4", "0.5"},
        {"9.9995", 3, "10.000", "9.999", "10.000"},
        {"99.99995", 4, "100.0000", "99.9999", "100.0000"},
        {"0.000015", 5, "0.00002", "0.00001", "0.00002"},
        {"0.0000149", 5, "0.00001", "0.00001", "0.00002"},
        {"0.0004", 2, "0.00", "0.00", "0.01"},
        {"43.30127", 0, "43.", "43.", "44."},
        {"-1.005", 2, "-1.01", "-1.00", "-1.01"},  // on the magnitude
        {"-0.001", 2, "0.00", "0.00", "-0.01"},
    };
    for (const auto& c : cases) {
        const ExactDecimal value = decimal(c.value);
        EXPECT_EQ(value.fixedText(c.decimals, RoundingRule::HalfUp), c.halfUp) << c.value << " @" << c.decimals;
        EXPECT_EQ(value.fixedText(c.decimals, RoundingRule::Down), c.down) << c.value << " @" << c.decimals;
        EXPECT_EQ(value.fixedText(c.decimals, RoundingRule::Up), c.up) << c.value << " @" << c.decimals;
    }
}

TEST(Rounding, ComputedValuesAreRoundedOnTheirStoredText) {
    const AreaRules down{.decimals = 2, .rounding = RoundingRule::Down};
    const AreaRules up{.decimals = 2, .rounding = RoundingRule::Up};
    EXPECT_EQ(shownValue("2.675", AreaRules{}), "2.68");
    EXPECT_EQ(shownValue("1.005", AreaRules{}), "1.01");
    EXPECT_EQ(shownValue("0.29", down), "0.29");
    EXPECT_EQ(shownValue("6", up), "6.00");
    EXPECT_EQ(shownValue("43.30127", up), "43.31");
    EXPECT_EQ(shownValue("", up), "");
    EXPECT_EQ(shownValue("名称", down), "名称");
}

// 四捨五入 stays exactly what the grid has always shown.
TEST(Rounding, HalfUpIsTheDigitsFormatOfEveryNumberText) {
    std::mt19937 random(16);
    for (int n = 0; n < 3000; ++n) {
        std::string text = random() % 4 == 0 ? "-" : "";
        text += std::to_string(random() % 100000);
        if (random() % 5 != 0) text += "." + std::to_string(random() % 1000000 + 1000000).substr(1 + random() % 6);
        const int decimals = static_cast<int>(random() % 6);
        const AreaRules rules{.decimals = decimals};
        EXPECT_EQ(shownValue(text, rules), number::formatDigits(text, number::digitsFormatFor(decimals))) << text;
    }
}

TEST(ExactDecimal, SumsAndDifferencesAreExact) {
    EXPECT_EQ(decimal("0.1") + decimal("0.2"), decimal("0.3"));
    ExactDecimal sum;
    for (int n = 0; n < 1000; ++n) sum += decimal("0.001");
    EXPECT_EQ(sum, decimal("1"));
    EXPECT_EQ(decimal("100.05") - decimal("100.06"), decimal("-0.01"));
    EXPECT_EQ(decimal("340282300000000000000000000000000000000") + decimal("1e-45") - decimal("3.402823e38"),
              decimal("1e-45"));
    EXPECT_EQ(decimal("1.5").times(3025).timesPowerOfTen(-4), decimal("0.45375"));
    EXPECT_LT(decimal("-2"), decimal("-1.5"));
    EXPECT_GT(decimal("10.0000001"), decimal("10"));
    EXPECT_EQ(decimal("-0"), ExactDecimal{});
    EXPECT_FALSE(ExactDecimal::fromText("12.5m"));
    EXPECT_FALSE(ExactDecimal::fromText("1e999"));
}

}  // namespace
}  // namespace mirota
