#include "draw/stream/ScriptCadLink.h"

#include <string_view>

#include "draw/stream/CommandText.h"
#include "io/AtomicFile.h"
#include "model/CodePage.h"

namespace mirota {

namespace {

// Appends the text as script lines (still UTF-8); tells why when it cannot be written as a script.
std::optional<std::string> appendScriptLines(std::string_view text, std::string& lines) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == command::kEnter) {
            lines += "\r\n";
        } else if (c == command::kEscape) {
            if (i + 1 != text.size() || i == 0 || text[i - 1] != command::kEnter) {
                return "スクリプトでは入力の途中で命令を取り消せません。";
            }
        } else if (static_cast<unsigned char>(c) < 0x20 || c == '\x7f') {
            return "スクリプトに書けない制御文字が命令に含まれています。";
        } else {
            lines += c;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<LinkError> ScriptCadLink::open(const std::string&, const std::string&) {
    bytes_.clear();
    open_ = true;
    return std::nullopt;
}

std::optional<LinkError> ScriptCadLink::execute(const std::string& text) {
    if (!open_) return LinkError{"スクリプトが開かれていません。"};
    std::string lines;
    if (auto refusal = appendScriptLines(text, lines)) return LinkError{std::move(*refusal)};
    const codepage::Conversion converted = codepage::fromUtf8(lines);
    if (!converted.ok()) {
        const std::size_t at = *converted.failedAt;
        if ((static_cast<unsigned char>(lines[at]) & 0xC0) == 0x80) {
            return LinkError{"命令の文字が正しい UTF-8 ではありません。"};
        }
        return LinkError{"スクリプトに書けない文字「" + codepage::characterAt(lines, at) +
                         "」が命令に含まれています（コードページ 932 にない文字です）。"};
    }
    bytes_ += converted.text;
    return std::nullopt;
}

std::optional<LinkError> ScriptCadLink::save() const {
    if (auto failure = replaceFile(path_, bytes_)) return LinkError{std::move(failure->text)};
    return std::nullopt;
}

}  // namespace mirota
