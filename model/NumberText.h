#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The number rules shared by the whole program: how numbers are read from cell text and how they
// are written back as text. Cells keep decimal text; numbers are only made where they are used.
namespace mirota::number {

// The leading-number rule: blanks are ignored, reading stops at the first character that cannot
// continue a decimal number (sign, digits, one ".", exponent), no number at all reads as 0.
// "12.5m" is 12.5. A magnitude beyond the double range reads as infinity.
double leadingNumber(std::string_view text);

// The strict conversion: the whole text, blanks around it aside, must be one decimal number.
std::optional<double> strictNumber(std::string_view text);

// A whole text (blanks around it aside) that is one decimal number, as written: its sign, its digits
// and where the point stands among them (value = 0.digits × 10^pointPosition). Nothing for any other text.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int pointPosition = 0;
};
std::optional<DecimalDigits> decimalDigits(std::string_view text);
// The number the leading-number rule reads, as written; nothing when the text holds none.
std::optional<DecimalDigits> leadingDecimalDigits(std::string_view text);

// The display format "0." followed by 0 to 5 zeros.
int decimalsOf(std::string_view digitsFormat);
std::string digitsFormatFor(int decimals);

// Formats cell text with the display format. A text that reads as one number is rounded half away
// from zero on its decimal digits as written (1.005 -> "1.01") and shown with exactly that many
// decimals ("12." with none); any other text (empty, a name, a position "X,Y") is returned as it is.
std::string formatDigits(std::string_view text, std::string_view digitsFormat);
// The same for a computed value, through its general text (7 or 15 significant digits).
std::string formatSingle(float value, std::string_view digitsFormat);
std::string formatDouble(double value, std::string_view digitsFormat);

// General decimal text: at most 7 (single) or 15 (double) significant digits, no trailing zeros,
// a leading "0" before the point, never an exponent, negative zero as "0". The value must be finite.
std::string singleText(float value);
std::string doubleText(double value);
// doubleText written into out, which has room for kDoubleTextCapacity bytes; gives the end of the text.
// For writers of many numbers.
inline constexpr std::size_t kDoubleTextCapacity = 360;
char* writeDoubleText(double value, char* out);

// Rounds to single precision as the hardware does, without undefined behaviour beyond the float range
// (such values become infinity).
float toSingle(double value);

}  // namespace mirota::number
