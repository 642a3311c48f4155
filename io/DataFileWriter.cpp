#include "io/DataFileWriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "io/AtomicFile.h"
#include "model/CodePage.h"
#include "io/DataFileFormat.h"
#include "io/DataFileReader.h"
#include "model/NumberText.h"

namespace mirota {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// Where a text value sits, for the messages.
struct TextPlace {
    enum class Kind { Version, Cell, Layer, Title };
    Kind kind = Kind::Version;
    ListKind list = ListKind::Chain;
    int tier = 0;
    int row = 0;
    int column = 0;
    int layer = 0;  // of a layer name, or of a title block field
};

std::string_view columnName(ListKind list, int column) {
    static constexpr std::array<std::string_view, 7> chain{"タイプ", "Ａ辺", "Ｂ辺", "Ｃ辺", "S", "面積", "接続辺"};
    static constexpr std::array<std::string_view, 7> exception{"タイプ", "名称", "要素１", "要素２",
                                                               "位置", "面積", "7 列目"};
    return (list == ListKind::Chain ? chain : exception)[static_cast<std::size_t>(column)];
}

// "2 段目の例外処理 図形 3（実測値）の名称"
std::string describe(const TextPlace& place) {
    switch (place.kind) {
    case TextPlace::Kind::Version: return std::string(datafile::kVersionName);
    case TextPlace::Kind::Layer: return std::string(datafile::kLayers[static_cast<std::size_t>(place.layer)].name);
    case TextPlace::Kind::Title: return "表題欄の" + std::string(kTitleFields[static_cast<std::size_t>(place.layer)].name);
    case TextPlace::Kind::Cell: break;
    }
    return datafile::tierListName(place.list, place.tier) + " 図形 " + std::to_string(place.row / 2 + 1) +
           (place.row % 2 == 0 ? "（設計値）の" : "（実測値）の") + std::string(columnName(place.list, place.column));
}

// The file's text is put together in UTF-8 and converted to the code page once at the end.
class Composer {
public:
    explicit Composer(std::size_t sizeHint) {
        text_.reserve(sizeHint);
        appendQuoted(datafile::kMagic);
    }

    void text(std::string_view value, const TextPlace& place) {
        if (refusal_) return;
        if (value.find('"') != std::string_view::npos) {
            refusal_ = describe(place) + "に二重引用符（\"）があります。データファイルには \" を保存できません。";
            return;
        }
        if (value.find_first_of("\r\n") != std::string_view::npos) {
            refusal_ = describe(place) + "に改行があります。データファイルには改行を保存できません。";
            return;
        }
        // Only texts beyond ASCII can fail the conversion; remember where they are.
        if (std::any_of(value.begin(), value.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
            wide_.push_back({text_.size() + 1, place});
        }
        appendQuoted(value);
    }

    void integer(int value) {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        text_.append(digits, end);
        text_ += kLineEnd;
    }

    // At most 7 significant digits and no "0" before the point: ".4", "-.4", "200", "0".
    void single(float value) {
        const std::string general = number::singleText(value);
        const std::string_view digits = general;
        if (digits.starts_with("0.")) {
            text_ += digits.substr(1);
        } else if (digits.starts_with("-0.")) {
            text_ += '-';
            text_ += digits.substr(2);
        } else {
            text_ += digits;
        }
        text_ += kLineEnd;
    }

    void boolean(bool value) {
        text_ += value ? datafile::kTrue : datafile::kFalse;
        text_ += kLineEnd;
    }

    void refuse(std::string reason) {
        if (!refusal_) refusal_ = std::move(reason);
    }

    std::optional<std::string> finish(std::string& bytes) {
        if (refusal_) return refusal_;
        codepage::Conversion converted = codepage::fromUtf8(text_);
        if (!converted.ok()) return unconvertible(*converted.failedAt);
        if (converted.text.size() > kDataFileSizeLimit) {
            return "データが大きすぎます（" + std::to_string(converted.text.size() / (1024 * 1024)) +
                   " MiB）。データファイルとして開けるのは " + std::to_string(kDataFileSizeLimit / (1024 * 1024)) +
                   " MiB までのため、保存できません。";
        }
        bytes = std::move(converted.text);
        return std::nullopt;
    }

private:
    struct WideText {
        std::size_t offset;  // of its first character in text_
        TextPlace place;
    };

    void appendQuoted(std::string_view value) {
        text_ += '"';
        text_ += value;
        text_ += '"';
        text_ += kLineEnd;
    }

    std::string unconvertible(std::size_t offset) const {
        const auto after = std::upper_bound(wide_.begin(), wide_.end(), offset,
                                            [](std::size_t at, const WideText& wide) { return at < wide.offset; });
        const std::string character = codepage::describeCharacterAt(text_, offset);
        if (after == wide_.begin()) return "文字" + character + "をコードページ 932 に変換できませんでした。";
        return describe(std::prev(after)->place) + "にコードページ 932（シフトJIS）で保存できない文字" + character +
               "があります。";
    }

    std::string text_;
    std::vector<WideText> wide_;
    std::optional<std::string> refusal_;
};

std::optional<std::string> compose(const SurveyData& document, std::string& bytes) {
    constexpr std::array<ListKind, 2> lists{ListKind::Chain, ListKind::Exception};
    const int tiers = document.tierCount();
    std::size_t cellLines = 0;
    for (ListKind list : lists) {
        for (int tier = 0; tier < tiers; ++tier) {
            cellLines += static_cast<std::size_t>(document.figureCount(list, tier)) * 2 * SurveyData::kColumnCount;
        }
    }
    Composer out(64 + cellLines * 8);

    out.text(document.acadVersion, {});
    out.integer(document.maxTiers());
    out.integer(document.maxFigures());
    out.integer(tiers);
    for (ListKind list : lists) {
        for (int tier = 0; tier < tiers; ++tier) {
            const int count = document.figureCount(list, tier);
            if (count < 1) {
                out.refuse(datafile::rangeProblem(datafile::tierListName(list, tier) + "の図形数", count, 1,
                                                  document.maxFigures()));
            }
            out.integer(count);
        }
    }
    for (ListKind list : lists) {
        for (int tier = 0; tier < tiers; ++tier) {
            const int rows = 2 * document.figureCount(list, tier);
            for (int row = 0; row < rows; ++row) {
                for (int col = 0; col < SurveyData::kColumnCount; ++col) {
                    // S and the area are computed: never stored. The exception list's position is kept in
                    // the slot of that column, which older files hold empty.
                    const bool computed = col == column::Area || (list == ListKind::Chain && col == column::HalfPerimeter);
                    const bool stored = !computed;
                    out.text(stored ? std::string_view(document.cell(list, tier, row, col)) : std::string_view(),
                             {TextPlace::Kind::Cell, list, tier, row, col, 0});
                }
            }
        }
    }
    // Values that the reader would refuse are not written either.
    const DrawingConditions& conditions = document.conditions;
    for (const datafile::Number& number : datafile::kNumbers) {
        const float value = conditions.*number.field;
        if (!std::isfinite(value)) {
            out.refuse(std::string(number.name) + "の値が数値ではありません（無限大または非数）。");
        }
        out.single(value);
    }
    for (const datafile::Choice& choice : datafile::kChoices) out.integer(choice.get(conditions));
    for (const datafile::Option& option : datafile::kOptions) out.boolean(document.optionFlags.*option.field);
    for (std::size_t layer = 0; layer < datafile::kLayers.size(); ++layer) {
        const std::string& name = conditions.*datafile::kLayers[layer].field;
        if (isLayerNameTooLong(name)) {
            out.refuse(datafile::tooLongLayerName(datafile::kLayers[layer].name));
        }
        TextPlace place;
        place.kind = TextPlace::Kind::Layer;
        place.layer = static_cast<int>(layer);
        out.text(name, place);
    }
    if (!document.titleBlock.empty()) {
        out.text(datafile::kTitleBlockMark, {});
        for (std::size_t field = 0; field < kTitleFields.size(); ++field) {
            TextPlace place;
            place.kind = TextPlace::Kind::Title;
            place.layer = static_cast<int>(field);
            out.text(document.titleBlock.*kTitleFields[field].field, place);
        }
    }
    return out.finish(bytes);
}

}  // namespace

std::optional<Message> formatDataFile(const SurveyData& document, std::string& bytes) {
    bytes.clear();
    try {
        if (auto reason = compose(document, bytes)) {
            return Message{*reason, std::string(datafile::kMessageTitle), Message::Icon::Critical};
        }
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        bytes.clear();
        return Message{"メモリが不足しています。", std::string(datafile::kMessageTitle), Message::Icon::Critical};
    }
}

std::optional<Message> writeDataFile(const SurveyData& document, const std::string& path) {
    std::string bytes;
    if (auto refused = formatDataFile(document, bytes)) return saveFailure(path, refused->text);
    return replaceFile(path, bytes);
}

}  // namespace mirota
