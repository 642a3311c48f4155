#include "io/DataFileReader.h"

#include <array>
#include <cmath>
#include <fstream>
#include <system_error>
#include <type_traits>
#include <variant>

#include "io/AtomicFile.h"
#include "model/CodePage.h"
#include "io/DataFileFormat.h"
#include "model/NumberText.h"

namespace mirota {

namespace {

Message problem(std::string text) {
    return Message{std::move(text), std::string(datafile::kMessageTitle), Message::Icon::Critical};
}

Message notOurData() { return problem(std::string(datafile::kMagic) + "のデータではありません。"); }

Message lineProblem(int line, std::string_view detail) {
    return problem("データファイルの " + std::to_string(line) + " 行目に誤りがあります。\r\n" + std::string(detail));
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Line ends as the reader counts them: CR LF, LF and CR each end one line.
int lineEndsIn(std::string_view text) {
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) ++count;
    }
    return count;
}

// What a byte is to an unquoted field: its own, or the end of it (a quote ends it as an error). Looked
// up, not compared, as most bytes of the file pass here.
enum class ByteRole : unsigned char { Own, Comma, LineEnd, Quote };

constexpr std::array<ByteRole, 256> kByteRoles = [] {
    std::array<ByteRole, 256> roles{};
    roles[static_cast<unsigned char>(',')] = ByteRole::Comma;
    roles[static_cast<unsigned char>('\r')] = ByteRole::LineEnd;
    roles[static_cast<unsigned char>('\n')] = ByteRole::LineEnd;
    roles[static_cast<unsigned char>('"')] = ByteRole::Quote;
    return roles;
}();

ByteRole roleOf(char c) { return kByteRoles[static_cast<unsigned char>(c)]; }

struct Field {
    std::string_view text;
    bool quoted = false;
    int line = 1;
};

// A field as the messages show it: "「abc」", cut after 40 bytes at a character's start.
std::string shown(const Field& field) {
    std::string_view text = field.text;
    std::string more;
    if (text.size() > 40) {
        std::size_t cut = 40;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
        text = text.substr(0, cut);
        more = "…";
    }
    const std::string_view quote = field.quoted ? "\"" : "";
    return "「" + std::string(quote) + std::string(text) + more + std::string(quote) + "」";
}

enum class IntegerForm { Good, Malformed, OutOfRange };

// An optional sign and decimal digits, within 16 bits.
IntegerForm parseInteger16(std::string_view text, int& value) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    if (i == text.size()) return IntegerForm::Malformed;
    long magnitude = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i])) return IntegerForm::Malformed;
        if (magnitude <= 32768) magnitude = magnitude * 10 + (text[i] - '0');
    }
    const long signedValue = negative ? -magnitude : magnitude;
    if (signedValue < -32768 || signedValue > 32767) return IntegerForm::OutOfRange;
    value = static_cast<int>(signedValue);
    return IntegerForm::Good;
}

// Names for the messages are given as text or, where making one costs (every cell), as a function.
template <class What>
std::string nameOf(const What& what) {
    if constexpr (std::is_invocable_v<What>) {
        return what();
    } else {
        return std::string(what);
    }
}

// Takes the values of the decoded file one by one. A quoted text runs to its closing quote; an
// unquoted field ends at a comma or a line end (CR LF, LF or CR), is taken without the blanks
// around it and may not hold a quote (no file could hold it again). When the bytes could not all
// be decoded, the text ends where the bad bytes start, and reaching that end reports them.
class ValueReader {
public:
    ValueReader(std::string_view text, std::optional<int> badBytesLine) : text_(text), badBytesLine_(badBytesLine) {}

    std::optional<Message> failure;

    template <class What>
    bool next(Field& field, const What& what) {
        while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
        if (pos_ == text_.size()) return endReached(nameOf(what));
        field.line = line_;
        if (text_[pos_] == '"') {
            std::size_t close = pos_ + 1;
            while (close < text_.size() && text_[close] != '"' && !isLineEnd(text_[close])) ++close;
            if (close == text_.size() && badBytesLine_) return badBytes();
            if (close == text_.size() || text_[close] != '"') {
                return fail(line_, "文字列を閉じる引用符（\"）がありません。");
            }
            field.text = text_.substr(pos_ + 1, close - pos_ - 1);
            field.quoted = true;
            pos_ = close + 1;
            while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
            if (pos_ < text_.size() && text_[pos_] != ',' && !isLineEnd(text_[pos_])) {
                return fail(line_, "閉じる引用符の後に余分な文字があります。");
            }
        } else {
            std::size_t end = pos_;
            while (end < text_.size() && roleOf(text_[end]) == ByteRole::Own) ++end;
            if (end < text_.size() && roleOf(text_[end]) == ByteRole::Quote) {
                return fail(line_, "値の途中に引用符（\"）があります。");
            }
            std::size_t last = end;
            while (last > pos_ && isBlank(text_[last - 1])) --last;
            field.text = text_.substr(pos_, last - pos_);
            field.quoted = false;
            pos_ = end;
        }
        if (pos_ == text_.size() && badBytesLine_) return badBytes();
        endField();
        return true;
    }

    // A table cell as the program writes every one, a quoted value alone on its line ended by CR LF,
    // taken at once as next() would take it. False, with nothing taken, for any other field.
    bool usualCell(std::string_view& text) {
        if (pos_ >= text_.size() || text_[pos_] != '"') return false;
        std::size_t close = pos_ + 1;
        while (close < text_.size() && roleOf(text_[close]) == ByteRole::Own) ++close;
        if (close + 2 >= text_.size() || text_[close] != '"' || text_[close + 1] != '\r' || text_[close + 2] != '\n') {
            return false;
        }
        text = std::string_view(text_.data() + pos_ + 1, close - pos_ - 1);
        pos_ = close + 3;
        ++line_;
        commaEnded_ = false;
        return true;
    }

    int valueLine() const { return valueLine_; }

    template <class What>
    bool text(const What& what, std::string& value) {
        Field field;
        if (!next(field, what)) return false;
        value.assign(field.text);
        return true;
    }

    template <class What>
    bool integer(const What& what, int& value) {
        Field field;
        return next(field, what) && toInteger(field, what, value);
    }

    template <class What>
    bool toInteger(const Field& field, const What& what, int& value) {
        valueLine_ = field.line;
        switch (field.quoted ? IntegerForm::Malformed : parseInteger16(field.text, value)) {
        case IntegerForm::Good: return true;
        case IntegerForm::Malformed: return fail(field.line, nameOf(what) + "が整数ではありません: " + shown(field));
        case IntegerForm::OutOfRange: break;
        }
        return fail(field.line, nameOf(what) + "が 16 ビット整数の範囲（-32768 ～ 32767）を超えています: " + shown(field));
    }

    bool single(std::string_view what, float& value) {
        Field field;
        if (!next(field, what)) return false;
        const std::optional<double> number = field.quoted ? std::nullopt : number::strictNumber(field.text);
        if (!number) return fail(field.line, std::string(what) + "が数値ではありません: " + shown(field));
        value = number::toSingle(*number);
        if (!std::isfinite(value)) {
            return fail(field.line, std::string(what) + "が単精度の数値の範囲を超えています: " + shown(field));
        }
        return true;
    }

    bool boolean(std::string_view what, bool& value) {
        Field field;
        if (!next(field, what)) return false;
        value = field.text == datafile::kTrue;
        if (!field.quoted && (value || field.text == datafile::kFalse)) return true;
        return fail(field.line, std::string(what) + "が #TRUE# または #FALSE# ではありません: " + shown(field));
    }

    // Whether a value follows: anything but blanks and line ends. The empty lines before it are passed.
    bool more() {
        if (commaEnded_) return true;
        while (pos_ < text_.size() && (isBlank(text_[pos_]) || isLineEnd(text_[pos_]))) {
            if (isBlank(text_[pos_])) {
                ++pos_;
            } else {
                endField();
            }
        }
        return pos_ < text_.size();
    }

    // After the last value only blanks and empty lines may follow.
    bool finish(std::string_view lastValue) {
        const std::string extra = std::string(lastValue) + "の後に余分な値があります。";
        if (commaEnded_) return fail(line_, extra);
        while (pos_ < text_.size()) {
            if (isBlank(text_[pos_])) {
                ++pos_;
            } else if (isLineEnd(text_[pos_])) {
                endField();
            } else {
                return fail(line_, extra);
            }
        }
        if (badBytesLine_) return badBytes();
        return true;
    }

    bool fail(int line, std::string_view detail) {
        failure = lineProblem(line, detail);
        return false;
    }

private:
    bool badBytes() { return fail(*badBytesLine_, "コードページ 932（シフトJIS）として読めないバイトがあります。"); }

    bool endReached(const std::string& what) {
        if (badBytesLine_) return badBytes();
        // The missing value would stand on the next line unless the last one ended its line.
        std::size_t last = text_.size();
        while (last > 0 && isBlank(text_[last - 1])) --last;
        const bool lineEnded = last == 0 || isLineEnd(text_[last - 1]) || text_[last - 1] == ',';
        return fail(lineEnded ? line_ : line_ + 1, "ファイルが途中で終わっています（" + what + "がありません）。");
    }

    // Steps over the comma or the line end that ended a field.
    void endField() {
        commaEnded_ = false;
        if (pos_ == text_.size()) return;
        if (text_[pos_] == ',') {
            ++pos_;
            commaEnded_ = true;
            return;
        }
        if (text_[pos_] == '\r') ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
        ++line_;
    }

    std::string_view text_;
    std::optional<int> badBytesLine_;
    std::size_t pos_ = 0;
    int line_ = 1;
    int valueLine_ = 1;
    bool commaEnded_ = false;
};

// The document the file holds, read into a fresh one so that the caller's stays untouched until
// the whole file has proved sound (and memory has sufficed); what the file does not hold is taken
// from the caller's document.
std::variant<SurveyData, Message> parse(std::string_view bytes, const SurveyData& document) {
    // One conversion of the whole file; the fields are then views into the UTF-8 text.
    const codepage::Conversion decoded = codepage::toUtf8(bytes);
    std::optional<int> badBytesLine;
    if (!decoded.ok()) badBytesLine = 1 + lineEndsIn(decoded.text);
    ValueReader in(decoded.text, badBytesLine);

    std::string magic;
    if (!in.text("識別名", magic) || magic != datafile::kMagic) return notOurData();
    std::string version;
    if (!in.text(datafile::kVersionName, version)) return *in.failure;

    Field field;
    int maxTiers = 0;
    if (!in.next(field, "最大段数")) return *in.failure;
    if (field.quoted || !number::strictNumber(field.text)) return notOurData();
    if (!in.toInteger(field, "最大段数", maxTiers)) return *in.failure;
    if (maxTiers < 1 || maxTiers > SurveyData::kTierCapacity) {
        in.fail(in.valueLine(), datafile::rangeProblem("最大段数", maxTiers, 1, SurveyData::kTierCapacity));
        return *in.failure;
    }
    int maxFigures = 0;
    if (!in.integer("最大図形数", maxFigures)) return *in.failure;
    if (maxFigures < 1 || maxFigures > SurveyData::kFigureCapacity) {
        in.fail(in.valueLine(), datafile::rangeProblem("最大図形数", maxFigures, 1, SurveyData::kFigureCapacity));
        return *in.failure;
    }
    int tierCount = 0;
    if (!in.integer("段数", tierCount)) return *in.failure;
    if (tierCount < 1 || tierCount > maxTiers) {
        in.fail(in.valueLine(), datafile::rangeProblem("段数", tierCount, 1, maxTiers));
        return *in.failure;
    }

    constexpr std::array<ListKind, 2> lists{ListKind::Chain, ListKind::Exception};
    std::array<std::array<int, SurveyData::kTierCapacity>, 2> counts{};
    for (ListKind list : lists) {
        for (int tier = 0; tier < tierCount; ++tier) {
            const auto what = [&] { return datafile::tierListName(list, tier) + "の図形数"; };
            int& count = counts[static_cast<std::size_t>(list)][static_cast<std::size_t>(tier)];
            if (!in.integer(what, count)) return *in.failure;
            if (count < 1 || count > maxFigures) {
                in.fail(in.valueLine(), datafile::rangeProblem(what(), count, 1, maxFigures));
                return *in.failure;
            }
        }
    }

    SurveyData read(maxTiers, maxFigures);
    read.restoreTierCounts(tierCount, document.tierCount());
    read.acadVersion = std::move(version);
    for (ListKind list : lists) {
        for (int tier = 0; tier < tierCount; ++tier) {
            const int count = counts[static_cast<std::size_t>(list)][static_cast<std::size_t>(tier)];
            read.setFigureCount(list, tier, count);
            for (int row = 0; row < 2 * count; ++row) {
                const auto what = [&] {
                    return datafile::tierListName(list, tier) + " 図形 " + std::to_string(row / 2 + 1) + " の値";
                };
                std::array<std::string_view, SurveyData::kColumnCount> texts;
                for (std::string_view& text : texts) {
                    if (in.usualCell(text)) continue;
                    if (!in.next(field, what)) return *in.failure;
                    text = field.text;
                }
                read.setRow(list, tier, row, texts);
            }
        }
    }

    // The values after the tables, read over the old document's: what the file does not hold is kept.
    read.conditions = document.conditions;
    read.optionFlags = document.optionFlags;
    DrawingConditions& conditions = read.conditions;
    for (const datafile::Number& number : datafile::kNumbers) {
        if (!in.single(number.name, conditions.*number.field)) return *in.failure;
    }
    // A value outside the dialog's list is kept: the drawing has a rule for every value.
    for (const datafile::Choice& choice : datafile::kChoices) {
        int value = 0;
        if (!in.integer(choice.name, value)) return *in.failure;
        choice.set(conditions, static_cast<std::int16_t>(value));
    }
    for (const datafile::Option& option : datafile::kOptions) {
        if (!in.boolean(option.name, read.optionFlags.*option.field)) return *in.failure;
    }
    for (const datafile::Layer& layer : datafile::kLayers) {
        if (!in.next(field, layer.name)) return *in.failure;
        if (isLayerNameTooLong(field.text)) {
            in.fail(field.line, datafile::tooLongLayerName(layer.name));
            return *in.failure;
        }
        conditions.*layer.field = field.text;
    }
    std::string_view lastValue = datafile::kLayers.back().name;
    if (in.more()) {
        if (!in.next(field, "表題欄") || field.text != datafile::kTitleBlockMark) {
            if (!in.failure) in.fail(field.line, std::string(lastValue) + "の後に余分な値があります。");
            return *in.failure;
        }
        for (const TitleField& title : kTitleFields) {
            if (!in.text(title.name, read.titleBlock.*title.field)) return *in.failure;
        }
        lastValue = kTitleFields.back().name;
    }
    if (!in.finish(lastValue)) return *in.failure;

    read.currentFilePath = document.currentFilePath;
    read.view = document.view;
    if (read.view.currentTier >= tierCount) read.view.currentTier = 0;
    return read;
}


Message openFailure(std::string_view path, std::string_view reason) {
    return problem("ファイルを開けませんでした。\r\n【" + std::string(path) + "】\r\n\r\n" + std::string(reason));
}

Message tooLarge(std::string_view path) {
    return openFailure(path, "ファイルが大きすぎます。データファイルとして開けるのは " +
                                 std::to_string(kDataFileSizeLimit / (1024 * 1024)) + " MiB までです。");
}

std::optional<Message> loadFile(const std::string& path, std::string& bytes) {
    const std::filesystem::path file = fileSystemPath(path);
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (!std::filesystem::exists(status)) return openFailure(path, "ファイルが見つかりません。");
    if (std::filesystem::is_directory(status)) return openFailure(path, "ファイルではなくフォルダーです。");
    // A pipe or a device would block or never end: only a plain file is opened.
    if (!std::filesystem::is_regular_file(status)) {
        return openFailure(path, "通常のファイルではありません（デバイスや名前付きパイプは開けません）。");
    }
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (!error && size > kDataFileSizeLimit) return tooLarge(path);
    std::ifstream in(file, std::ios::binary);
    if (!in) return openFailure(path, "ファイルを読み取れません（アクセスが拒否されました）。");
    if (!error) bytes.resize(static_cast<std::size_t>(size));
    // The file may have grown since its size was asked: reading stops just past the limit.
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    char buffer[1 << 16];
    while (bytes.size() <= kDataFileSizeLimit && (in.read(buffer, sizeof buffer) || in.gcount() > 0)) {
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) return openFailure(path, "ファイルの読み取り中にエラーが発生しました。");
    if (bytes.size() > kDataFileSizeLimit) return tooLarge(path);
    return std::nullopt;
}

}  // namespace

// The caller's document is replaced as a whole, in a step that cannot fail; its write observer stays
// with it and is told of nothing, as a new document has no edits to record.
static_assert(std::is_nothrow_move_assignable_v<SurveyData>);

std::optional<Message> parseDataFile(std::string_view bytes, SurveyData& document) {
    try {
        std::variant<SurveyData, Message> read = parse(bytes, document);
        if (Message* failure = std::get_if<Message>(&read)) return std::move(*failure);
        document = std::move(std::get<SurveyData>(read));
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return problem("メモリが不足しています。");
    }
}

std::optional<Message> readDataFile(const std::string& path, SurveyData& document) {
    try {
        std::string bytes;
        if (auto failure = loadFile(path, bytes)) return failure;
        std::variant<SurveyData, Message> read = parse(bytes, document);
        if (Message* failure = std::get_if<Message>(&read)) return std::move(*failure);
        SurveyData& fresh = std::get<SurveyData>(read);
        fresh.currentFilePath = path;
        document = std::move(fresh);
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return openFailure(path, "メモリが不足しています。");
    }
}

}  // namespace mirota
