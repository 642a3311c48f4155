#include "draw/engine/CommandInput.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/NumberText.h"

namespace mirota::drawing {

namespace {

constexpr char kReturn = '\r';
constexpr char kEscape = '\x1b';
// Far beyond any drawing, and small enough that sums of such numbers stay finite.
constexpr double kLargestNumber = 1e100;

// Length of the UTF-8 character starting at text[i], or 0 when it is malformed (cut off, overlong,
// a surrogate or beyond U+10FFFF).
std::size_t utf8Length(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned int>(static_cast<unsigned char>(text[k])); };
    const unsigned int lead = byte(i);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    unsigned int code = lead & (0x7Fu >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    constexpr unsigned int kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

std::optional<EngineFailure> checkCharacters(std::string_view request) {
    for (std::size_t i = 0; i < request.size();) {
        const auto c = static_cast<unsigned char>(request[i]);
        if (c >= 0x20 && c < 0x7F) {  // the common case: printable ASCII
            ++i;
            continue;
        }
        if ((c < 0x20 || c == 0x7F) && c != kReturn && c != kEscape) {
            return EngineFailure{"入力に制御文字（文字コード " + std::to_string(c) + "）があります。"};
        }
        const std::size_t length = utf8Length(request, i);
        if (length == 0) return EngineFailure{"入力が UTF-8 の文字列になっていません。"};
        i += length;
    }
    return std::nullopt;
}

}  // namespace

std::variant<std::vector<Answer>, EngineFailure> splitRequest(std::string_view request) {
    if (auto failure = checkCharacters(request)) return *failure;
    std::vector<Answer> answers;
    answers.reserve(static_cast<std::size_t>(std::count(request.begin(), request.end(), kReturn)));
    std::string_view text;
    for (std::size_t start = 0; start < request.size();) {
        const std::size_t end = std::min(request.find(kReturn, start), request.find(kEscape, start));
        text = request.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (end == std::string_view::npos) break;
        if (request[end] == kReturn) {
            answers.push_back({false, std::string(text)});
        } else {
            // The escape throws away what was typed and cancels.
            answers.push_back({true, {}});
        }
        text = {};
        start = end + 1;
    }
    if (!text.empty()) return EngineFailure{"入力の終わりの" + shown(text) + "が改行（CR）で終わっていません。"};
    return answers;
}

bool isKeyword(std::string_view answer, std::string_view keyword) {
    std::size_t required = 0;
    while (required < keyword.size() && keyword[required] >= 'A' && keyword[required] <= 'Z') ++required;
    if (answer.size() < std::max<std::size_t>(required, 1) || answer.size() > keyword.size()) return false;
    return sameName(answer, keyword.substr(0, answer.size()));
}

std::string shown(std::string_view answer) {
    return answer.empty() ? std::string("空の入力") : "「" + std::string(answer) + "」";
}

CommandInput::CommandInput(std::vector<Answer> answers) : answers_(std::move(answers)) {}

void CommandInput::begin(std::string command) {
    command_ = std::move(command);
    cancelled_ = false;
    failure_.reset();
}

std::optional<std::string> CommandInput::answer(std::string_view prompt) {
    prompt_ = prompt;
    if (atEnd()) {
        failure_ = EngineFailure{"「" + command_ + "」が終わらないまま入力が尽きました：" + prompt_ + "への答えがありません。"};
        return std::nullopt;
    }
    const Answer& next = take();
    if (next.cancel) {
        cancelled_ = true;
        return std::nullopt;
    }
    answer_ = next.text;
    return answer_;
}

std::optional<Point> CommandInput::point(std::string_view prompt) {
    if (!answer(prompt)) return std::nullopt;
    return pointFromAnswer();
}

std::optional<Point> CommandInput::pointFromAnswer() {
    const std::string_view text = answer_;
    const std::size_t comma = text.find(',');
    const auto x = number::strictNumber(text.substr(0, comma));
    const auto y = comma == std::string_view::npos ? std::nullopt : number::strictNumber(text.substr(comma + 1));
    if (!x || !y) {
        refuse("点（x,y）ではありません");
        return std::nullopt;
    }
    if (!(std::fabs(*x) <= kLargestNumber && std::fabs(*y) <= kLargestNumber)) {
        refuse("座標が大きすぎます");
        return std::nullopt;
    }
    return Point{*x, *y};
}

std::optional<double> CommandInput::number(std::string_view prompt, std::optional<double> byDefault) {
    const auto text = answer(prompt);
    if (!text) return std::nullopt;
    if (text->empty() && byDefault) return byDefault;
    return numberFromAnswer();
}

std::optional<double> CommandInput::numberFromAnswer() {
    const auto value = number::strictNumber(answer_);
    if (!value) {
        refuse("数値ではありません");
        return std::nullopt;
    }
    if (!(std::fabs(*value) <= kLargestNumber)) {
        refuse("数値が大きすぎます");
        return std::nullopt;
    }
    return value;
}

void CommandInput::refuse(std::string_view reason) {
    failure_ = EngineFailure{"「" + command_ + "」の" + prompt_ + "に" + shown(answer_) + "は使えません：" +
                             std::string(reason) + "。"};
}

}  // namespace mirota::drawing
