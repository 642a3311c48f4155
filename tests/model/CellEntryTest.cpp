#include "model/CellEntry.h"

#include <gtest/gtest.h>

namespace mirota {
namespace {

const Message kNotNumeric{"数値を入力してください！", "入力形式指定", Message::Icon::Critical};
const Message kNotPosition{"位置入力はＸＹ値を入力して下さい！\r\n\r\n例：123.45,67.89", "LTミロタ展開図",
                           Message::Icon::Warning};
const Message kNotPositive{"辺長・要素には0より大きい数値を入力してください！", "入力形式指定", Message::Icon::Critical};
const Message kDoubleQuote{"「\"」（ダブルクォーテーション）はデータファイルに保存できないため入力できません。",
                           "入力形式指定", Message::Icon::Warning};

const RefusedEntry kTooLongNumber{EntryRefusal::TooLong,
                                  {"数値が長すぎます。数値は 24 文字以内で入力してください。", "入力形式指定",
                                   Message::Icon::Warning}};
const RefusedEntry kTooLongName{EntryRefusal::TooLong,
                                {"名称が長すぎます。名称は 100 文字以内で入力してください。", "入力形式指定",
                                 Message::Icon::Warning}};
RefusedEntry notStorable(const std::string& named) {
    return {EntryRefusal::NotStorable,
            {"文字" + named + "はデータファイル（シフトJIS）に保存できないため入力できません。", "入力形式指定",
             Message::Icon::Warning}};
}
const std::string k24Digits(24, '9');
std::string repeated(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

constexpr ListKind kChain = ListKind::Chain;
constexpr ListKind kException = ListKind::Exception;

struct EntryCase {
    const char* name;
    std::string typed;
    ListKind list;
    int col;
    const char* digits;
    std::variant<std::string, RefusedEntry> expected;
};

TEST(CellEntry, StoresOrRefusesWhatIsTyped) {
    const EntryCase cases[] = {
        {"rounded", "1.239", kChain, column::SideB, "0.00", "1.24"},
        {"whole", "3", kChain, column::SideA, "0.00", "3.00"},
        {"blanks around", " 5 ", kChain, column::SideC, "0.00", "5.00"},
        {"negative side", "-0.5", kChain, column::SideB, "0.00", RefusedEntry{EntryRefusal::NotPositive, kNotPositive}},
        {"zero side", "0", kChain, column::SideA, "0.00", RefusedEntry{EntryRefusal::NotPositive, kNotPositive}},
        {"side zero as stored", "0.004", kChain, column::SideC, "0.00",
         RefusedEntry{EntryRefusal::NotPositive, kNotPositive}},
        {"small side", "0.005", kChain, column::SideC, "0.00", "0.01"},
        {"negative element", "-2", kException, column::SideC, "0.0",
         RefusedEntry{EntryRefusal::NotPositive, kNotPositive}},
        {"zero element", "0", kException, column::SideB, "0.0", RefusedEntry{EntryRefusal::NotPositive, kNotPositive}},
        {"negative position", "-1.5,-2", kException, column::HalfPerimeter, "0.00", "-1.50,-2.00"},
        {"no decimals", "12.5", kChain, column::SideB, "0.", "13."},
        {"blank", " \t", kChain, column::SideB, "0.00", ""},
        {"empty", "", kException, column::HalfPerimeter, "0.00", ""},
        {"word", "abc", kChain, column::SideB, "0.00", RefusedEntry{EntryRefusal::NotNumeric, kNotNumeric}},
        {"number and unit", "12m", kChain, column::SideB, "0.00", RefusedEntry{EntryRefusal::NotNumeric, kNotNumeric}},
        {"two numbers in a side", "1,2", kChain, column::SideB, "0.00",
         RefusedEntry{EntryRefusal::NotNumeric, kNotNumeric}},
        {"element", "2", kException, column::SideB, "0.0", "2.0"},
        {"position X and Y", "1.5,2", kException, column::HalfPerimeter, "0.00", "1.50,2.00"},
        {"position rounded", "123.456,7", kException, column::HalfPerimeter, "0.00", "123.46,7.00"},
        {"position of one number", "13", kException, column::HalfPerimeter, "0.00",
         RefusedEntry{EntryRefusal::NotPosition, kNotPosition}},
        {"position without X", ",5", kException, column::HalfPerimeter, "0.00",
         RefusedEntry{EntryRefusal::NotPosition, kNotPosition}},
        {"position without Y", "5, ", kException, column::HalfPerimeter, "0.00",
         RefusedEntry{EntryRefusal::NotPosition, kNotPosition}},
        {"position with blanks", " 1 , 2 ", kException, column::HalfPerimeter, "0.00", "1.00,2.00"},
        {"position of three numbers", "1,2,3", kException, column::HalfPerimeter, "0.00",
         RefusedEntry{EntryRefusal::NotPosition, kNotPosition}},
        {"position of words", "a,b", kException, column::HalfPerimeter, "0.00",
         RefusedEntry{EntryRefusal::NotPosition, kNotPosition}},
        {"name kept as typed", "杭 12", kException, column::SideA, "0.00", "杭 12"},
        {"name loses its line breaks", "杭\r\nA", kException, column::SideA, "0.00", "杭A"},
        {"name of blanks", "  ", kException, column::SideA, "0.00", "  "},
        {"double quote in a name", "A\"B", kException, column::SideA, "0.00",
         RefusedEntry{EntryRefusal::DoubleQuote, kDoubleQuote}},
        {"double quote in a side", "\"", kChain, column::SideA, "0.00",
         RefusedEntry{EntryRefusal::DoubleQuote, kDoubleQuote}},
        {"longest number", "1234567890123456789.1234", kChain, column::SideA, "0.0000", "1234567890123456789.1234"},
        {"number a digit too long", "1" + k24Digits, kChain, column::SideB, "0.00", kTooLongNumber},
        {"number too long once formatted", "12345678901234567890.5", kChain, column::SideB, "0.00000",
         kTooLongNumber},
        {"exponent stored too long", "1e30", kException, column::SideC, "0.00", kTooLongNumber},
        {"30,000 digits", std::string(30000, '7'), kChain, column::SideC, "0.00", kTooLongNumber},
        {"position part too long", "1," + k24Digits, kException, column::HalfPerimeter, "0.00", kTooLongNumber},
        {"longest name", repeated("杭", 100), kException, column::SideA, "0.00", repeated("杭", 100)},
        {"name a character too long", repeated("杭", 101), kException, column::SideA, "0.00", kTooLongName},
        {"emoji in a name", "池😀", kException, column::SideA, "0.00", notStorable("「😀」（U+1F600）")},
        {"wave dash the file reads back as another", "〜", kException, column::SideA, "0.00",
         notStorable("「〜」（U+301C）")},
        {"full-width tilde of the code page", "花壇～１", kException, column::SideA, "0.00", "花壇～１"},
    };
    for (const EntryCase& c : cases) {
        EXPECT_EQ(enterCellText(c.typed, c.list, c.col, c.digits), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace mirota
