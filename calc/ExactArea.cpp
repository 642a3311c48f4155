#include "calc/ExactArea.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "calc/ExactDecimal.h"

namespace mirota {

namespace {

// Most values are typed to a few decimals and fit 128-bit integers when scaled to whole numbers: those
// take the quick way; any other (long texts, exponents, signs, blanks) the digit-by-digit one. Both give
// the same texts.
using Wide = unsigned __int128;

constexpr int kMostQuickDecimals = 7;  // so that 16A² × 10^(2·kAreaDecimals) stays a whole number

// The largest single-precision value: beyond it a value is out of the number range.
const ExactDecimal& largestValue() {
    static const ExactDecimal largest = *ExactDecimal::fromText("340282346638528859811704183484516925440");
    return largest;
}

// ---- the quick way ----

struct Scaled {
    Wide value = 0;  // the number × 10^decimals
    int decimals = 0;
};

Wide powerOfTen(int power) {
    Wide result = 1;
    while (power-- > 0) result *= 10;
    return result;
}

// A text of digits with at most one point and at most 18 digits; trailing zeros after the point dropped.
std::optional<Scaled> plainScaled(std::string_view text) {
    constexpr int kMostDigits = 18;
    std::uint64_t value = 0;
    int digits = 0;
    int decimals = 0;
    bool point = false;
    for (char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            if (++digits > kMostDigits) return std::nullopt;
            value = value * 10 + static_cast<std::uint64_t>(c - '0');
            decimals += point ? 1 : 0;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) return std::nullopt;
    while (decimals > 0 && value % 10 == 0) {
        value /= 10;
        --decimals;
    }
    return Scaled{value, decimals};
}

Wide rescaled(const Scaled& scaled, int decimals) { return scaled.value * powerOfTen(decimals - scaled.decimals); }

bool multiply(Wide& value, Wide factor) { return !__builtin_mul_overflow(value, factor, &value); }

// The largest whole number whose square is at most value.
Wide wholeSquareRoot(Wide value) {
    constexpr Wide kRootLimit = ~std::uint64_t{0};  // the root of any 128-bit value is below 2^64
    Wide root = static_cast<Wide>(std::sqrt(static_cast<long double>(value)));
    root = std::min(root, kRootLimit);
    while (root * root > value) --root;
    while (root < kRootLimit && (root + 1) * (root + 1) <= value) ++root;
    return root;
}

// The number value × 10^−decimals in full, or with a final 1 after its digits for a value that lies
// between it and the next one (sticky).
std::string scaledText(Wide value, int decimals, bool sticky) {
    constexpr std::uint64_t kNineteenDigits = 10'000'000'000'000'000'000u;
    char digits[48];
    char* const end = digits + sizeof digits;
    char* first = end;
    const auto writeDigits = [&](std::uint64_t part, int width) {
        do {
            *--first = static_cast<char>('0' + part % 10);
            part /= 10;
        } while (--width > 0 || part > 0);
    };
    while (value > ~std::uint64_t{0}) {
        writeDigits(static_cast<std::uint64_t>(value % kNineteenDigits), 19);
        value /= kNineteenDigits;
    }
    writeDigits(static_cast<std::uint64_t>(value), 1);
    while (end - first <= decimals) *--first = '0';
    const char* point = end - decimals;
    const char* last = end;
    if (!sticky) {
        while (last > point && last[-1] == '0') --last;
    }
    std::string text(static_cast<const char*>(first), point);
    if (last > point || sticky) {
        text += '.';
        text.append(point, last);
        if (sticky) text += '1';
    }
    return text;
}

std::optional<TriangleValues> quickTriangle(std::string_view textA, std::string_view textB, std::string_view textC) {
    const auto a = plainScaled(textA);
    const auto b = plainScaled(textB);
    const auto c = plainScaled(textC);
    if (!a || !b || !c) return std::nullopt;
    const int decimals = std::max({a->decimals, b->decimals, c->decimals});
    if (decimals > kMostQuickDecimals) return std::nullopt;
    const Wide x = rescaled(*a, decimals);
    const Wide y = rescaled(*b, decimals);
    const Wide z = rescaled(*c, decimals);
    if (x == 0 || y == 0 || z == 0) return std::nullopt;  // the slow way finds the fault
    const Wide sum = x + y + z;
    // 16A² = (a+b+c)(−a+b+c)(a−b+c)(a+b−c): a factor below 0 means no triangle, left to the slow way.
    if (y + z < x || x + z < y || x + y < z) return std::nullopt;
    Wide radicand = sum;
    if (!multiply(radicand, y + z - x) || !multiply(radicand, x + z - y) || !multiply(radicand, x + y - z) ||
        !multiply(radicand, powerOfTen(2 * kAreaDecimals - 4 * decimals))) {
        return std::nullopt;
    }
    // A × 10^15 = √(16A² × 10^30) ÷ 4.
    const Wide root = wholeSquareRoot(radicand);
    const bool exact = root * root == radicand && root % 4 == 0;
    TriangleValues values;
    values.halfPerimeter = sum % 2 == 0 ? scaledText(sum / 2, decimals, false) : scaledText(sum * 5, decimals + 1, false);
    values.area = scaledText(root / 4, kAreaDecimals, !exact);
    return values;
}

// ---- the slow way ----

std::optional<ExactDecimal> positiveNumber(std::string_view text) {
    auto value = ExactDecimal::fromLeadingNumber(text);
    if (!value || value->isNegative() || value->isZero()) return std::nullopt;
    return value;
}

ExactDecimal smallWhole(int value) { return *ExactDecimal::fromText(std::to_string(value)); }

// The largest whole number whose square is at most the whole number given, digit by digit as by hand;
// exact tells whether its square is the number itself.
ExactDecimal wholeSquareRoot(const ExactDecimal& whole, bool& exact) {
    std::string digits = whole.text();
    if (digits.size() % 2 != 0) digits.insert(0, "0");
    ExactDecimal root;
    ExactDecimal remainder;
    for (std::size_t pair = 0; pair < digits.size(); pair += 2) {
        remainder = remainder.timesPowerOfTen(2) + smallWhole((digits[pair] - '0') * 10 + (digits[pair + 1] - '0'));
        const ExactDecimal twentyRoot = root.times(20);
        int digit = 9;
        ExactDecimal taken = (twentyRoot + smallWhole(digit)).times(static_cast<unsigned>(digit));
        while (taken > remainder) {
            --digit;
            taken = (twentyRoot + smallWhole(digit)).times(static_cast<unsigned>(digit));
        }
        remainder = remainder - taken;
        root = root.times(10) + smallWhole(digit);
    }
    exact = remainder.isZero();
    return root;
}

// The area √(16A²) ÷ 4 to kAreaDecimals places, with the final 1 when the true value lies beyond them.
ExactDecimal areaOfRadicand(const ExactDecimal& radicand) {
    const ExactDecimal scaled = radicand.timesPowerOfTen(2 * kAreaDecimals);
    bool exactRoot = false;
    const ExactDecimal root = wholeSquareRoot(scaled.wholePart(), exactRoot);
    const ExactDecimal quarter = root.times(25).timesPowerOfTen(-2);
    ExactDecimal area = quarter.wholePart().timesPowerOfTen(-kAreaDecimals);
    if (!(scaled.isWhole() && exactRoot && quarter.isWhole())) area += smallWhole(1).timesPowerOfTen(-kAreaDecimals - 1);
    return area;
}

std::optional<TriangleValues> slowTriangle(std::string_view textA, std::string_view textB, std::string_view textC) {
    const auto a = positiveNumber(textA);
    const auto b = positiveNumber(textB);
    const auto c = positiveNumber(textC);
    if (!a || !b || !c) return std::nullopt;
    const ExactDecimal sum = *a + *b + *c;
    const ExactDecimal radicand = sum * (*b + *c - *a) * (*a - *b + *c) * (*a + *b - *c);
    if (radicand.isNegative()) return std::nullopt;
    const ExactDecimal halfPerimeter = sum.times(5).timesPowerOfTen(-1);
    if (halfPerimeter > largestValue()) return std::nullopt;
    const ExactDecimal area = areaOfRadicand(radicand);
    if (area > largestValue()) return std::nullopt;
    return TriangleValues{halfPerimeter.text(), area.text()};
}

// An exception element: a number not below 0.
std::optional<ExactDecimal> elementNumber(std::string_view text) {
    auto value = ExactDecimal::fromLeadingNumber(text);
    if (!value || value->isNegative()) return std::nullopt;
    return value;
}

std::optional<std::string> inRange(const ExactDecimal& area) {
    if (area > largestValue()) return std::nullopt;
    return area.text();
}

}  // namespace

void ExactSum::add(std::string_view text) {
    // Digits and at most one point, as the calculation writes areas; 36 digits stay below 2^128.
    constexpr int kSumDecimals = kAreaDecimals + 1;
    constexpr int kMostDigits = 36;
    Wide value = 0;
    int digits = 0;
    int decimals = -1;  // none before a point
    bool plain = !text.empty();
    for (char c : text) {
        if (c == '.' && decimals < 0) {
            decimals = 0;
        } else if (c >= '0' && c <= '9' && ++digits <= kMostDigits) {
            value = value * 10 + static_cast<unsigned>(c - '0');
            if (decimals >= 0) ++decimals;
        } else {
            plain = false;
            break;
        }
    }
    decimals = std::max(decimals, 0);
    if (plain && digits > 0 && decimals <= kSumDecimals && multiply(value, powerOfTen(kSumDecimals - decimals)) &&
        !__builtin_add_overflow(scaled_, value, &scaled_)) {
        return;
    }
    rest_ += ExactDecimal::fromTextOrZero(text);
}

ExactDecimal ExactSum::value() const {
    return rest_ + *ExactDecimal::fromText(scaledText(scaled_, kAreaDecimals + 1, false));
}

std::optional<TriangleValues> triangleValues(std::string_view a, std::string_view b, std::string_view c) {
    if (auto quick = quickTriangle(a, b, c)) return quick;
    return slowTriangle(a, b, c);
}

std::optional<std::string> rectangleArea(std::string_view element1, std::string_view element2) {
    const auto first = plainScaled(element1);
    const auto second = plainScaled(element2);
    if (first && second) return scaledText(first->value * second->value, first->decimals + second->decimals, false);
    const auto width = elementNumber(element1);
    const auto length = elementNumber(element2);
    if (!width || !length) return std::nullopt;
    return inRange(*length * *width);
}

std::optional<std::string> circleArea(std::string_view diameter) {
    // 3.1415926538 ÷ 4 = 0.78539816345 exactly.
    constexpr std::uint64_t kQuarterCircle = 78'539'816'345;
    constexpr int kQuarterCircleDecimals = 11;
    if (const auto quick = plainScaled(diameter)) {
        Wide area = quick->value;
        if (multiply(area, quick->value) && multiply(area, kQuarterCircle)) {
            return scaledText(area, 2 * quick->decimals + kQuarterCircleDecimals, false);
        }
    }
    const auto length = elementNumber(diameter);
    if (!length) return std::nullopt;
    return inRange(*length * *length * *ExactDecimal::fromText("0.78539816345"));
}

}  // namespace mirota
