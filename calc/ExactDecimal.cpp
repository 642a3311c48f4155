#include "calc/ExactDecimal.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "model/NumberText.h"

namespace mirota {

namespace {

constexpr int kExponentLimit = 400;

// Digit texts of equal length, most significant first.
std::string addDigits(const std::string& a, const std::string& b) {
    std::string sum(a.size() + 1, '0');
    int carry = 0;
    for (std::size_t i = a.size(); i-- > 0;) {
        const int digit = (a[i] - '0') + (b[i] - '0') + carry;
        sum[i + 1] = static_cast<char>('0' + digit % 10);
        carry = digit / 10;
    }
    sum[0] = static_cast<char>('0' + carry);
    return sum;
}

// a ≥ b, both of equal length.
std::string subtractDigits(const std::string& a, const std::string& b) {
    std::string difference(a.size(), '0');
    int borrow = 0;
    for (std::size_t i = a.size(); i-- > 0;) {
        int digit = (a[i] - '0') - (b[i] - '0') - borrow;
        borrow = digit < 0 ? 1 : 0;
        difference[i] = static_cast<char>('0' + digit + 10 * borrow);
    }
    return difference;
}

// The digits of a magnitude written down to 10^lowest (lowest ≤ its exponent), with `width` digits in all.
std::string alignedDigits(const std::string& digits, int exponent, int lowest, std::size_t width) {
    std::string out = digits + std::string(static_cast<std::size_t>(exponent - lowest), '0');
    return std::string(width - out.size(), '0') + out;
}

// Adds one unit in the last place of a digit text; a carry beyond the first digit adds a digit in front.
void increment(std::string& digits) {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) {
        digits.insert(digits.begin(), '1');
    } else {
        ++digits[i - 1];
    }
}

}  // namespace

void ExactDecimal::normalize() {
    const std::size_t first = digits_.find_first_not_of('0');
    if (first == std::string::npos) {
        digits_.clear();
        exponent_ = 0;
        negative_ = false;
        return;
    }
    digits_.erase(0, first);
    const std::size_t last = digits_.find_last_not_of('0');
    exponent_ += static_cast<int>(digits_.size() - last - 1);
    digits_.erase(last + 1);
}

std::optional<ExactDecimal> ExactDecimal::fromText(std::string_view text) {
    auto written = number::decimalDigits(text);
    if (!written) return std::nullopt;
    ExactDecimal value;
    value.negative_ = written->negative;
    value.exponent_ = written->pointPosition - static_cast<int>(written->digits.size());
    value.digits_ = std::move(written->digits);
    value.normalize();
    if (!value.isZero()) {
        const int order = value.exponent_ + static_cast<int>(value.digits_.size());
        if (order > kExponentLimit || order < -kExponentLimit) return std::nullopt;
    }
    return value;
}

ExactDecimal ExactDecimal::fromTextOrZero(std::string_view text) { return fromText(text).value_or(ExactDecimal{}); }

std::optional<ExactDecimal> ExactDecimal::fromLeadingNumber(std::string_view text) {
    auto written = number::leadingDecimalDigits(text);
    if (!written) return std::nullopt;
    std::string plain = written->digits.empty() ? "0" : std::move(written->digits);
    return fromText((written->negative ? "-" : "") + plain + "e" + std::to_string(written->pointPosition - static_cast<int>(plain.size())));
}

ExactDecimal ExactDecimal::operator+(const ExactDecimal& other) const {
    if (other.isZero()) return *this;
    if (isZero()) return other;
    const int lowest = std::min(exponent_, other.exponent_);
    const std::size_t width = std::max(digits_.size() + static_cast<std::size_t>(exponent_ - lowest),
                                       other.digits_.size() + static_cast<std::size_t>(other.exponent_ - lowest));
    const std::string a = alignedDigits(digits_, exponent_, lowest, width);
    const std::string b = alignedDigits(other.digits_, other.exponent_, lowest, width);
    ExactDecimal sum;
    sum.exponent_ = lowest;
    if (negative_ == other.negative_) {
        sum.digits_ = addDigits(a, b);
        sum.negative_ = negative_;
    } else if (a >= b) {  // equal widths: text order is number order
        sum.digits_ = subtractDigits(a, b);
        sum.negative_ = negative_;
    } else {
        sum.digits_ = subtractDigits(b, a);
        sum.negative_ = other.negative_;
    }
    sum.normalize();
    return sum;
}

ExactDecimal ExactDecimal::operator-() const {
    ExactDecimal negated = *this;
    if (!negated.isZero()) negated.negative_ = !negated.negative_;
    return negated;
}

ExactDecimal ExactDecimal::operator-(const ExactDecimal& other) const { return *this + -other; }

ExactDecimal ExactDecimal::operator*(const ExactDecimal& other) const {
    if (isZero() || other.isZero()) return {};
    // Digit by digit, as on paper; the carries are gathered at the end.
    std::vector<unsigned> columns(digits_.size() + other.digits_.size(), 0);
    for (std::size_t i = digits_.size(); i-- > 0;) {
        for (std::size_t j = other.digits_.size(); j-- > 0;) {
            columns[i + j + 1] += static_cast<unsigned>((digits_[i] - '0') * (other.digits_[j] - '0'));
        }
        // Keeps every column far below the unsigned range however long the factors are.
        for (std::size_t k = columns.size(); k-- > 1;) {
            columns[k - 1] += columns[k] / 10;
            columns[k] %= 10;
        }
    }
    ExactDecimal product;
    product.negative_ = negative_ != other.negative_;
    product.exponent_ = exponent_ + other.exponent_;
    product.digits_.reserve(columns.size());
    for (unsigned digit : columns) product.digits_ += static_cast<char>('0' + digit);
    product.normalize();
    return product;
}

ExactDecimal ExactDecimal::wholePart() const {
    if (exponent_ >= 0) return *this;
    ExactDecimal whole = *this;
    const int dropped = -exponent_;
    whole.digits_ = static_cast<int>(digits_.size()) > dropped ? digits_.substr(0, digits_.size() - static_cast<std::size_t>(dropped)) : "";
    whole.exponent_ = 0;
    whole.normalize();
    return whole;
}

std::string ExactDecimal::text() const {
    if (exponent_ >= 0) {
        std::string whole = fixedText(0, RoundingRule::Down);
        whole.pop_back();  // the point
        return whole;
    }
    return fixedText(-exponent_, RoundingRule::Down);
}

ExactDecimal ExactDecimal::times(unsigned factor) const {
    ExactDecimal product;
    // One shifted copy for every unit of every digit of the factor.
    for (int power = 0; factor > 0; factor /= 10, ++power) {
        const ExactDecimal shifted = timesPowerOfTen(power);
        for (unsigned unit = 0; unit < factor % 10; ++unit) product += shifted;
    }
    return product;
}

ExactDecimal ExactDecimal::timesPowerOfTen(int power) const {
    ExactDecimal scaled = *this;
    if (!scaled.isZero()) scaled.exponent_ += power;
    return scaled;
}

std::strong_ordering ExactDecimal::operator<=>(const ExactDecimal& other) const {
    const ExactDecimal difference = *this - other;
    if (difference.isZero()) return std::strong_ordering::equal;
    return difference.negative_ ? std::strong_ordering::less : std::strong_ordering::greater;
}

ExactDecimal ExactDecimal::rounded(int decimals, RoundingRule rule) const {
    if (isZero() || exponent_ >= -decimals) return *this;
    // digits_ ends in a non-zero digit, so whatever is dropped is not zero.
    const int dropped = -decimals - exponent_;
    const int kept = static_cast<int>(digits_.size()) - dropped;
    ExactDecimal result;
    result.negative_ = negative_;
    result.exponent_ = -decimals;
    result.digits_ = kept > 0 ? digits_.substr(0, static_cast<std::size_t>(kept)) : "0";
    const char firstDropped = kept >= 0 ? digits_[static_cast<std::size_t>(kept)] : '0';
    const bool up = rule == RoundingRule::Up || (rule == RoundingRule::HalfUp && firstDropped >= '5');
    if (up) increment(result.digits_);
    result.normalize();
    return result;
}

std::string ExactDecimal::fixedText(int decimals, RoundingRule rule) const {
    const ExactDecimal value = rounded(decimals, rule);
    std::string digits = value.digits_.empty() ? "0" : value.digits_;
    // Written out down to the last place shown.
    digits.append(static_cast<std::size_t>(std::max(0, value.exponent_ + decimals)), '0');
    if (digits.size() <= static_cast<std::size_t>(decimals)) {
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    }
    const std::size_t point = digits.size() - static_cast<std::size_t>(decimals);
    return (value.negative_ ? "-" : "") + digits.substr(0, point) + "." + digits.substr(point);
}

}  // namespace mirota
