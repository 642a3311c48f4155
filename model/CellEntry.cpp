#include "model/CellEntry.h"

#include <algorithm>
#include <optional>

#include "model/CodePage.h"
#include "model/NumberText.h"
#include "model/ProgramTitle.h"

namespace mirota {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

RefusedEntry refusedAs(EntryRefusal reason, std::string text) {
    return {reason, {std::move(text), "入力形式指定", Message::Icon::Warning}};
}

std::size_t characterCount(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

RefusedEntry tooLongNumber() {
    return refusedAs(EntryRefusal::TooLong,
                     "数値が長すぎます。数値は " + std::to_string(kNumberMaxCharacters) + " 文字以内で入力してください。");
}

// Blanks a typed number may carry around it beyond its limit.
constexpr std::size_t kBlanksAround = 8;

// The number formatted with the digits, when it and what it is typed as keep within the limit
// ("1e30" is four characters typed and thirty stored).
std::optional<std::string> formatWithin(std::string_view typed, std::string_view digits) {
    const std::size_t first = typed.find_first_not_of(kBlanks);
    const std::size_t length = first == std::string_view::npos ? 0 : typed.find_last_not_of(kBlanks) + 1 - first;
    if (length > kNumberMaxCharacters) return std::nullopt;
    std::string stored = number::formatDigits(typed, digits);
    if (stored.size() > kNumberMaxCharacters) return std::nullopt;
    return stored;
}

RefusedEntry refusal(EntryRefusal reason) {
    if (reason == EntryRefusal::DoubleQuote) {
        return {reason, {"「\"」（ダブルクォーテーション）はデータファイルに保存できないため入力できません。", "入力形式指定",
                         Message::Icon::Warning}};
    }
    if (reason == EntryRefusal::NotNumeric) {
        return {reason, {"数値を入力してください！", "入力形式指定", Message::Icon::Critical}};
    }
    if (reason == EntryRefusal::NotPositive) {
        return {reason, {"辺長・要素には0より大きい数値を入力してください！", "入力形式指定", Message::Icon::Critical}};
    }
    return {reason, {"位置入力はＸＹ値を入力して下さい！\r\n\r\n例：123.45,67.89", kProgramTitle, Message::Icon::Warning}};
}

}  // namespace

std::variant<std::string, RefusedEntry> enterCellText(std::string_view typed, ListKind list, int col,
                                                      std::string_view digits) {
    if (typed.find('"') != std::string_view::npos) return refusal(EntryRefusal::DoubleQuote);
    std::string text(typed);
    if (list == ListKind::Exception && col == column::SideA) {
        std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });  // one value per line in the file
        if (characterCount(text) > kNameMaxCharacters) {
            return refusedAs(EntryRefusal::TooLong, "名称が長すぎます。名称は " + std::to_string(kNameMaxCharacters) +
                                                        " 文字以内で入力してください。");
        }
        if (const auto character = codepage::unstorableCharacter(text)) {
            return refusedAs(EntryRefusal::NotStorable,
                             "文字" + *character + "はデータファイル（シフトJIS）に保存できないため入力できません。");
        }
        return text;
    }
    if (text.find_first_not_of(kBlanks) == std::string::npos) return std::string();
    const bool position = list == ListKind::Exception && col == column::HalfPerimeter;
    // A longer text is refused before it is read: no real value comes near the limit.
    if (text.size() > 2 * kNumberMaxCharacters + kBlanksAround) return tooLongNumber();
    if (!position) {
        if (!number::strictNumber(text)) return refusal(EntryRefusal::NotNumeric);
        // Judged as stored: 0.001 shown with two decimals would be a side of 0.00.
        auto stored = formatWithin(text, digits);
        if (!stored) return tooLongNumber();
        if (!(number::leadingNumber(*stored) > 0.0)) return refusal(EntryRefusal::NotPositive);
        return std::move(*stored);
    }
    // Two numbers, X and Y, and nothing else: the drawing cannot place a figure by half a position.
    const std::size_t comma = text.find(',');
    if (comma == std::string::npos) return refusal(EntryRefusal::NotPosition);
    const std::string x = text.substr(0, comma);
    const std::string y = text.substr(comma + 1);
    if (!number::strictNumber(x) || !number::strictNumber(y)) return refusal(EntryRefusal::NotPosition);
    const auto storedX = formatWithin(x, digits);
    const auto storedY = formatWithin(y, digits);
    if (!storedX || !storedY) return tooLongNumber();
    return *storedX + "," + *storedY;
}

}  // namespace mirota
