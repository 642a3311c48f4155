#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "model/Message.h"
#include "model/SurveyData.h"

namespace mirota {

// Why a typed text was refused; the window reacts to each in its own way.
enum class EntryRefusal {
    DoubleQuote,  // the data file cannot hold it
    NotNumeric,   // a value cell needs one number
    NotPosition,  // a position is two numbers "X,Y"
    NotPositive,  // a side or element is a length: greater than 0
    TooLong,      // longer than any real value; the file must stay small enough to be read back
    NotStorable,  // a character code page 932 cannot hold
};

// The longest number a value cell takes (a position: each of its two numbers), in characters, and the
// longest exception name, in characters.
inline constexpr std::size_t kNumberMaxCharacters = 24;
inline constexpr std::size_t kNameMaxCharacters = 100;

struct RefusedEntry {
    EntryRefusal reason;
    Message message;

    bool operator==(const RefusedEntry&) const = default;
};

// What a text typed into a cell of the list's table column becomes, with the display format digits:
// the text to store, or why it is refused. Blank text stores as empty; numbers are formatted with
// the digits (a side or element must be greater than 0); an exception name loses its line breaks; a
// position is two numbers "X,Y", formatted part by part. A text the data file cannot hold
// (a double quote, a character outside code page 932) or longer than the limits above is refused.
std::variant<std::string, RefusedEntry> enterCellText(std::string_view typed, ListKind list, int col,
                                                      std::string_view digits);

}  // namespace mirota
