#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

#include "calc/AreaRules.h"

namespace mirota {

// A decimal number held exactly, digit by digit: sums, differences, conversions and roundings of
// areas come out as a hand calculation gives them, with no binary approximation in between (2.675
// is 2.675, not 2.67499999…).
class ExactDecimal {
public:
    ExactDecimal() = default;  // zero

    // One decimal number as written ("12.5", "-0.125", "1e3"), blanks around it allowed; nothing for
    // any other text or a magnitude beyond 10^±400.
    static std::optional<ExactDecimal> fromText(std::string_view text);
    // The value of a text that reads as a number, else 0 (an empty area counts nothing).
    static ExactDecimal fromTextOrZero(std::string_view text);
    // The number the leading-number rule reads from a cell ("12.5m" is 12.5); nothing when the text holds
    // no number or one beyond 10^±400.
    static std::optional<ExactDecimal> fromLeadingNumber(std::string_view text);

    ExactDecimal operator+(const ExactDecimal& other) const;
    ExactDecimal operator-(const ExactDecimal& other) const;
    ExactDecimal operator-() const;
    ExactDecimal operator*(const ExactDecimal& other) const;
    ExactDecimal& operator+=(const ExactDecimal& other) { return *this = *this + other; }
    // The value times a whole factor ≥ 0, and times 10^power.
    ExactDecimal times(unsigned factor) const;
    ExactDecimal timesPowerOfTen(int power) const;

    std::strong_ordering operator<=>(const ExactDecimal& other) const;
    bool operator==(const ExactDecimal& other) const = default;

    bool isZero() const { return digits_.empty(); }
    bool isNegative() const { return negative_; }
    bool isWhole() const { return exponent_ >= 0; }
    // The whole part of the magnitude: the value less its fraction.
    ExactDecimal wholePart() const;

    // Every digit, no exponent, no trailing zeros after the point ("0.015", "1200", "-3.5").
    std::string text() const;

    // The value brought to `decimals` places by the rule (on its magnitude: 切り捨て towards zero).
    ExactDecimal rounded(int decimals, RoundingRule rule) const;
    // Rounded and written with exactly `decimals` places, "." as separator and a leading "0" ("0.50");
    // with no places the text ends in the point ("12."), as the digits format "0." shows a value;
    // no minus sign on a zero.
    std::string fixedText(int decimals, RoundingRule rule) const;

private:
    void normalize();

    bool negative_ = false;
    std::string digits_;  // the magnitude's digits, no leading or trailing zeros; empty for zero
    int exponent_ = 0;    // value = digits × 10^exponent
};

}  // namespace mirota
