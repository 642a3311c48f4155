#include "model/NumberText.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>

namespace mirota::number {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// A decimal number as written: value = 0.digits × 10^pointPos, sign aside.
struct Decimal {
    bool negative = false;
    std::string digits;  // integer digits followed by fraction digits
    int pointPos = 0;    // how many of the digits stand before the point
};

constexpr int kExponentLimit = 400;

// Reads a decimal number from the start of text; `used` tells how many characters it took.
std::optional<Decimal> scanDecimal(std::string_view text, std::size_t& used) {
    Decimal d;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        d.negative = text[i] == '-';
        ++i;
    }
    bool anyDigit = false;
    while (i < text.size() && isDigit(text[i])) {
        d.digits += text[i++];
        anyDigit = true;
    }
    d.pointPos = static_cast<int>(d.digits.size());
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            d.digits += text[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) negativeExponent = text[j++] == '-';
        if (j < text.size() && isDigit(text[j])) {
            long exponent = 0;
            while (j < text.size() && isDigit(text[j])) {
                if (exponent < 100000) exponent = exponent * 10 + (text[j] - '0');
                ++j;
            }
            d.pointPos += static_cast<int>(negativeExponent ? -exponent : exponent);
            i = j;
        }
    }
    used = i;
    return d;
}

std::optional<Decimal> wholeDecimal(std::string_view text) {
    text = trimBlanks(text);
    std::size_t used = 0;
    auto d = scanDecimal(text, used);
    if (!d || used != text.size()) return std::nullopt;
    return d;
}

// Position of the first significant digit relative to the point (the decimal order + 1), if any.
std::optional<int> order(const Decimal& d) {
    for (std::size_t i = 0; i < d.digits.size(); ++i) {
        if (d.digits[i] != '0') return d.pointPos - static_cast<int>(i);
    }
    return std::nullopt;
}

double toDouble(const Decimal& d) {
    const auto magnitude = order(d);
    if (!magnitude) return d.negative ? -0.0 : 0.0;
    if (*magnitude > kExponentLimit) return d.negative ? -HUGE_VAL : HUGE_VAL;
    if (*magnitude < -kExponentLimit) return d.negative ? -0.0 : 0.0;
    std::string canonical = "0." + d.digits + "e" + std::to_string(d.pointPos);
    double value = 0.0;
    const auto result = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    if (result.ec == std::errc::result_out_of_range) value = *magnitude > 0 ? HUGE_VAL : 0.0;
    return d.negative ? -value : value;
}

// Rounds half away from zero to `decimals` places and writes the fixed form.
std::string fixedText(Decimal d, int decimals) {
    if (d.pointPos < 1) {
        d.digits.insert(0, static_cast<std::size_t>(1 - d.pointPos), '0');
        d.pointPos = 1;
    }
    const std::size_t keep = static_cast<std::size_t>(d.pointPos + decimals);
    if (d.digits.size() < keep + 1) d.digits.resize(keep + 1, '0');
    const bool roundUp = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (roundUp) {
        std::size_t i = keep;
        while (i > 0 && d.digits[i - 1] == '9') d.digits[--i] = '0';
        if (i == 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.pointPos;
        } else {
            ++d.digits[i - 1];
        }
    }
    std::string integer = d.digits.substr(0, static_cast<std::size_t>(d.pointPos));
    const std::size_t firstNonZero = integer.find_first_not_of('0');
    integer = firstNonZero == std::string::npos ? "0" : integer.substr(firstNonZero);
    const bool nonZero = d.digits.find_first_not_of('0') != std::string::npos;
    std::string out = (d.negative && nonZero) ? "-" : "";
    out += integer;
    out += '.';
    out += d.digits.substr(static_cast<std::size_t>(d.pointPos));
    return out;
}

std::string generalText(double value, int significant) {
    if (!std::isfinite(value)) return {};
    if (value == 0.0) return "0";
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, significant - 1);
    std::size_t used = 0;
    auto d = scanDecimal(std::string_view(buffer, static_cast<std::size_t>(written.ptr - buffer)), used);
    if (!d) return {};
    const std::size_t lastNonZero = d->digits.find_last_not_of('0');
    d->digits.resize(lastNonZero + 1);
    const int digitCount = static_cast<int>(d->digits.size());
    std::string out = d->negative ? "-" : "";
    if (d->pointPos <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-d->pointPos), '0');
        out += d->digits;
    } else if (d->pointPos >= digitCount) {
        out += d->digits;
        out.append(static_cast<std::size_t>(d->pointPos - digitCount), '0');
    } else {
        out += d->digits.substr(0, static_cast<std::size_t>(d->pointPos));
        out += '.';
        out += d->digits.substr(static_cast<std::size_t>(d->pointPos));
    }
    return out;
}

}  // namespace

double leadingNumber(std::string_view text) {
    std::string compact;  // only made when there are blanks to drop
    if (text.find_first_of(" \t\r\n") != std::string_view::npos) {
        for (char c : text) {
            if (!isBlank(c)) compact += c;
        }
        text = compact;
    }
    std::size_t used = 0;
    const auto d = scanDecimal(text, used);
    return d ? toDouble(*d) : 0.0;
}

std::optional<double> strictNumber(std::string_view text) {
    const auto d = wholeDecimal(text);
    if (!d) return std::nullopt;
    return toDouble(*d);
}

bool isNumericEntry(std::string_view text) {
    text = trimBlanks(text);
    if (text.empty()) return false;
    while (true) {
        const std::size_t comma = text.find(',');
        if (!wholeDecimal(text.substr(0, comma))) return false;
        if (comma == std::string_view::npos) return true;
        text.remove_prefix(comma + 1);
    }
}

int decimalsOf(std::string_view digitsFormat) {
    const std::size_t point = digitsFormat.find('.');
    if (point == std::string_view::npos) return 0;
    const int decimals = static_cast<int>(digitsFormat.size() - point - 1);
    return decimals > 15 ? 15 : decimals;
}

std::string digitsFormatFor(int decimals) {
    return "0." + std::string(static_cast<std::size_t>(decimals < 0 ? 0 : decimals), '0');
}

std::string formatDigits(std::string_view text, std::string_view digitsFormat) {
    const auto d = wholeDecimal(text);
    if (!d) return std::string(text);
    const auto magnitude = order(*d);
    if (magnitude && (*magnitude > kExponentLimit || *magnitude < -kExponentLimit)) return std::string(text);
    return fixedText(*d, decimalsOf(digitsFormat));
}

std::string formatSingle(float value, std::string_view digitsFormat) {
    return formatDigits(singleText(value), digitsFormat);
}

std::string formatDouble(double value, std::string_view digitsFormat) {
    return formatDigits(doubleText(value), digitsFormat);
}

std::string singleText(float value) { return generalText(static_cast<double>(value), 7); }
std::string doubleText(double value) { return generalText(value, 15); }

float toSingle(double value) {
    if (std::isnan(value)) return std::numeric_limits<float>::quiet_NaN();
    // From the largest float plus half a step on, rounding gives infinity.
    constexpr double limit = 0x1p128 - 0x1p103;
    if (value >= limit) return std::numeric_limits<float>::infinity();
    if (value <= -limit) return -std::numeric_limits<float>::infinity();
    if (std::fabs(value) > static_cast<double>(FLT_MAX)) return value > 0 ? FLT_MAX : -FLT_MAX;
    return static_cast<float>(value);
}

}  // namespace mirota::number
