#include "model/CellEntry.h"

#include <algorithm>

#include "model/NumberText.h"
#include "model/ProgramTitle.h"

namespace mirota {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

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
        return text;
    }
    if (text.find_first_not_of(kBlanks) == std::string::npos) return std::string();
    const bool position = list == ListKind::Exception && col == column::HalfPerimeter;
    if (!position) {
        if (!number::strictNumber(text)) return refusal(EntryRefusal::NotNumeric);
        // Judged as stored: 0.001 shown with two decimals would be a side of 0.00.
        std::string stored = number::formatDigits(text, digits);
        if (!(number::leadingNumber(stored) > 0.0)) return refusal(EntryRefusal::NotPositive);
        return stored;
    }
    if (!number::isNumericEntry(text)) return refusal(EntryRefusal::NotNumeric);
    const std::size_t comma = text.find(',');
    const std::string x = comma == std::string::npos ? std::string() : text.substr(0, comma);
    const std::string y = comma == std::string::npos ? text : text.substr(comma + 1);
    if (y.find(',') != std::string::npos) return refusal(EntryRefusal::NotPosition);
    return number::formatDigits(x, digits) + "," + number::formatDigits(y, digits);
}

}  // namespace mirota
