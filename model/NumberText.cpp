#include "model/NumberText.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <utility>

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

constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;

// How many significant digits a decimal text has: from the first non-zero digit to the last.
long significantDigits(const char* begin, const char* end) {
    const auto nonZeroDigit = [](char c) { return c >= '1' && c <= '9'; };
    const char* first = std::find_if(begin, end, nonZeroDigit);
    if (first == end) return 0;
    const char* last = std::find_if(std::make_reverse_iterator(end), std::make_reverse_iterator(first), nonZeroDigit).base();
    return std::count_if(first, last, isDigit);
}

// The rounding of a finite, non-zero value to `significant` digits in general text.
char* writeRounded(double value, int significant, char* out) {
    char scientific[48];
    const char* const begin = scientific;
    const char* const end =
        std::to_chars(scientific, scientific + sizeof scientific, value, std::chars_format::scientific, significant - 1)
            .ptr;
    const char* const exponentMark = std::find(begin, end, 'e');
    char digits[24];
    int digitCount = 0;
    for (const char* c = begin; c != exponentMark; ++c) {
        if (isDigit(*c)) digits[digitCount++] = *c;
    }
    while (digitCount > 1 && digits[digitCount - 1] == '0') --digitCount;
    const char* exponentText = exponentMark + 1;
    const bool negativeExponent = *exponentText == '-';
    if (*exponentText == '-' || *exponentText == '+') ++exponentText;
    int exponent = 0;
    std::from_chars(exponentText, end, exponent);
    const int pointPos = (negativeExponent ? -exponent : exponent) + 1;

    if (value < 0.0) *out++ = '-';
    if (pointPos <= 0) {
        *out++ = '0';
        *out++ = '.';
        out = std::fill_n(out, -pointPos, '0');
        return std::copy_n(digits, digitCount, out);
    }
    if (pointPos >= digitCount) {
        out = std::copy_n(digits, digitCount, out);
        return std::fill_n(out, pointPos - digitCount, '0');
    }
    out = std::copy_n(digits, pointPos, out);
    *out++ = '.';
    return std::copy_n(digits + pointPos, digitCount - pointPos, out);
}

// The longest general text: a sign, the point and 323 zeros before the digits of the smallest double.
static_assert(kDoubleTextCapacity >= 1 + 2 + 323 + 17);

// Writes the general text of value into out (kDoubleTextCapacity bytes) and returns its end.
char* writeGeneralText(double value, int significant, char* out) {
    if (!std::isfinite(value)) return out;
    if (value == 0.0) {
        *out = '0';
        return out + 1;
    }
    return writeRounded(value, significant, out);
}

std::string generalText(double value, int significant) {
    char text[kDoubleTextCapacity];
    return std::string(text, writeGeneralText(value, significant, text));
}

// The common "12.34" at the start of text, read in one step: a sign, digits and a point, not followed
// by an exponent and short enough to lie far inside the double range. The conversion rounds correctly,
// as the general path does, so both give the same double.
// "-123.45" with at most 15 digits in all: the digits as a whole number are exact in a double, and so
// is the power of ten, so one division rounds the value once, to the same double from_chars gives.
std::optional<double> shortDecimal(const char* first, const char* last, const char*& end) {
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    constexpr int kMostDigits = 15;
    const bool negative = first != last && *first == '-';
    const char* at = first + (negative ? 1 : 0);
    std::uint64_t whole = 0;
    int digits = 0;
    int decimals = 0;
    const auto takeDigits = [&](int& count) {
        for (; at != last && isDigit(*at) && digits <= kMostDigits; ++at, ++count, ++digits) {
            whole = whole * 10 + static_cast<std::uint64_t>(*at - '0');
        }
        return count > 0;
    };
    int integerDigits = 0;
    if (!takeDigits(integerDigits)) return std::nullopt;
    if (at != last && *at == '.') {
        ++at;
        if (!takeDigits(decimals)) return std::nullopt;
    }
    if (digits > kMostDigits || (at != last && isDigit(*at))) return std::nullopt;
    end = at;
    const double value = static_cast<double>(whole) / kPowersOfTen[decimals];
    return negative ? -value : value;
}

std::optional<double> plainDecimal(std::string_view text, std::size_t& used) {
    constexpr std::ptrdiff_t kLongestPlain = 40;
    const char* const begin = text.data();
    const bool plus = !text.empty() && text.front() == '+';
    if (plus) text.remove_prefix(1);
    const std::size_t first = !plus && !text.empty() && text.front() == '-' ? 1 : 0;
    if (first >= text.size() || !(isDigit(text[first]) || text[first] == '.')) return std::nullopt;
    double value = 0.0;
    const char* end = nullptr;
    if (const auto quick = shortDecimal(text.data(), text.data() + text.size(), end)) {
        value = *quick;
    } else {
        const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
        if (parsed.ec != std::errc()) return std::nullopt;
        end = parsed.ptr;
    }
    if (end - begin > kLongestPlain) return std::nullopt;
    if (end != text.data() + text.size() && std::string_view("eEdD").find(*end) != std::string_view::npos) {
        return std::nullopt;
    }
    used = static_cast<std::size_t>(end - begin);
    return value;
}

// formatDigits for the common "-12.345" (an optional minus, digits and at most one point, as the
// general texts are), rounded in one pass without taking the text apart; nothing for any other text.
std::optional<std::string> formatPlainDecimal(std::string_view text, int decimals) {
    constexpr std::size_t kLongestInteger = 60;
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view body = text.substr(negative ? 1 : 0);
    const std::size_t point = body.find('.');
    const std::string_view integer = body.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : body.substr(point + 1);
    const auto allDigits = [](std::string_view part) { return std::all_of(part.begin(), part.end(), isDigit); };
    if ((integer.empty() && fraction.empty()) || integer.size() > kLongestInteger || !allDigits(integer) ||
        !allDigits(fraction)) {
        return std::nullopt;
    }
    const auto keptDecimals = static_cast<std::size_t>(decimals);
    char digits[kLongestInteger + 8];  // a carry in front, the integer digits, the kept decimals
    char* const integerStart = digits + 1;
    char* end = std::copy(integer.begin(), integer.end(), integerStart);
    for (std::size_t i = 0; i < keptDecimals; ++i) *end++ = i < fraction.size() ? fraction[i] : '0';
    char* first = integerStart;
    if (keptDecimals < fraction.size() && fraction[keptDecimals] >= '5') {
        char* digit = end;
        while (digit > integerStart && digit[-1] == '9') *--digit = '0';
        if (digit == integerStart) {
            *--first = '1';
        } else {
            ++digit[-1];
        }
    }
    const auto notZero = [](char c) { return c != '0'; };
    char* const pointAt = end - keptDecimals;
    char* const integerDigits = std::find_if(first, pointAt, notZero);
    const bool nonZero = std::any_of(first, end, notZero);
    std::string out;
    out.reserve(static_cast<std::size_t>(end - first) + 3);
    if (negative && nonZero) out += '-';
    if (integerDigits == pointAt) {
        out += '0';
    } else {
        out.append(integerDigits, pointAt);
    }
    out += '.';
    out.append(pointAt, end);
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
    if (const auto plain = plainDecimal(text, used)) return *plain;
    const auto d = scanDecimal(text, used);
    return d ? toDouble(*d) : 0.0;
}

std::optional<double> strictNumber(std::string_view text) {
    const std::string_view trimmed = trimBlanks(text);
    std::size_t used = 0;
    if (const auto plain = plainDecimal(trimmed, used); plain && used == trimmed.size()) return plain;
    const auto d = wholeDecimal(trimmed);
    if (!d) return std::nullopt;
    return toDouble(*d);
}

std::optional<DecimalDigits> decimalDigits(std::string_view text) {
    auto d = wholeDecimal(text);
    if (!d) return std::nullopt;
    return DecimalDigits{d->negative, std::move(d->digits), d->pointPos};
}

std::optional<DecimalDigits> leadingDecimalDigits(std::string_view text) {
    std::string compact;
    for (char c : text) {
        if (!isBlank(c)) compact += c;
    }
    std::size_t used = 0;
    auto d = scanDecimal(compact, used);
    if (!d) return std::nullopt;
    return DecimalDigits{d->negative, std::move(d->digits), d->pointPos};
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
    if (auto plain = formatPlainDecimal(text, decimalsOf(digitsFormat))) return std::move(*plain);
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

std::string singleText(float value) { return generalText(static_cast<double>(value), kSingleDigits); }

std::string doubleText(double value) {
    char text[kDoubleTextCapacity];
    return std::string(text, writeDoubleText(value, text));
}

// The shortest text that reads back as the value is its rounding to 15 digits whenever it has no more
// digits than that (the double grid is finer than 15 decimal digits throughout), and it is far cheaper
// to make than a rounding to a given precision.
char* writeDoubleText(double value, char* out) {
    if (!std::isfinite(value) || value == 0.0) return writeGeneralText(value, kDoubleDigits, out);
    char* const shortest = std::to_chars(out, out + kDoubleTextCapacity, value, std::chars_format::fixed).ptr;
    if (significantDigits(out, shortest) <= kDoubleDigits) return shortest;
    return writeRounded(value, kDoubleDigits, out);
}

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
