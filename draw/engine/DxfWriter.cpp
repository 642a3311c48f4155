#include "draw/engine/DxfWriter.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>
#include <string_view>
#include <type_traits>
#include <vector>

#include "draw/engine/Extents.h"
#include "draw/engine/Placement.h"
#include "io/AtomicFile.h"
#include "model/CodePage.h"
#include "model/NumberText.h"
#include "model/ProgramTitle.h"

namespace mirota::drawing {

namespace {

constexpr std::string_view kStyle = "STANDARD";
constexpr std::string_view kFontFile = "msgothic.ttc";
constexpr std::string_view kLineType = "CONTINUOUS";
constexpr int kLockedFlag = 4;
constexpr int kHasAttributesFlag = 2;

int horizontalCode(HorizontalAlignment h) {
    switch (h) {
    case HorizontalAlignment::Left: return 0;
    case HorizontalAlignment::Center: return 1;
    case HorizontalAlignment::Right: return 2;
    case HorizontalAlignment::Middle: return 4;
    }
    return 0;
}

int verticalCode(VerticalAlignment v) {
    switch (v) {
    case VerticalAlignment::Baseline: return 0;
    case VerticalAlignment::Bottom: return 1;
    case VerticalAlignment::Middle: return 2;
    case VerticalAlignment::Top: return 3;
    }
    return 0;
}

// The texts of recently written numbers. A drawing repeats its numbers (the columns and rows of the
// area table, the shared corners of figures, heights and scales): a repeat is copied, not formatted.
class RecentNumbers {
public:
    // Writes the text of value at out (room for number::kDoubleTextCapacity bytes); gives its end.
    char* write(double value, char* out) {
        const auto bits = std::bit_cast<std::uint64_t>(value);
        Entry& entry = entries_[(bits * kSpread) >> (64 - kIndexBits)];
        if (entry.length > 0 && entry.bits == bits) return std::copy_n(entry.text.data(), entry.length, out);
        char* const end = number::writeDoubleText(value, out);
        const auto length = static_cast<std::size_t>(end - out);
        if (length <= entry.text.size()) {
            entry.bits = bits;
            entry.length = static_cast<std::uint8_t>(length);
            std::copy_n(out, length, entry.text.data());
        }
        return end;
    }

private:
    static constexpr int kIndexBits = 12;
    static constexpr std::uint64_t kSpread = 0x9E3779B97F4A7C15;  // spreads nearby values over the entries
    struct Entry {
        std::uint64_t bits = 0;
        std::uint8_t length = 0;  // 0: empty
        std::array<char, 23> text;
    };
    std::vector<Entry> entries_ = std::vector<Entry>(std::size_t{1} << kIndexBits);  // too large for a stack
};

// Group codes and values written straight into the file's bytes, which go to the sink a chunk at a
// time: codes and numbers are ASCII, and only texts and names that are not are converted to code page
// 932, each distinct one once.
class DxfText {
public:
    explicit DxfText(const ByteSink& sink) : sink_(sink), out_(kChunk, '\0') {}

    void group(int code, std::string_view value) {
        groupCode(code);
        text(value);
    }
    void integer(int code, int value) {
        groupCode(code);
        char* const at = room(kIntegerCapacity);
        lineEnd(std::to_chars(at, at + kIntegerCapacity, value).ptr);
    }
    void number(int code, double value) {
        if (!std::isfinite(value)) {
            nonFinite_ = true;
            value = 0.0;
        }
        groupCode(code);
        lineEnd(recentNumbers_.write(value, room(number::kDoubleTextCapacity)));
    }
    // A point as its x, y and z groups (10, 20, 30 for base 10).
    void point(int base, Point p) {
        number(base, p.x);
        number(base + 10, p.y);
        number(base + 20, 0.0);
    }

    // Hands the last bytes to the sink; what kept the file from being written, if anything.
    std::optional<Message> finish() {
        if (badText_) return failure("「" + *badText_ + "」は改行を含むので書き出せません。");
        if (nonFinite_) return failure("図面に大きすぎる座標があります。");
        if (unencodable_) return failure("「" + *unencodable_ + "」にコードページ932で表せない文字があります。");
        flush();
        return std::nullopt;
    }

private:
    static constexpr std::size_t kChunk = 256 * 1024;  // small enough to stay in the cache, large for few writes
    static constexpr std::size_t kIntegerCapacity = 12;
    static constexpr std::size_t kLineEnd = 2;

    static Message failure(const std::string& reason) {
        return Message{"DXFファイルを作れません。\r\n" + reason, kProgramTitle, Message::Icon::Critical};
    }

    // Where the next bytes go, with room for size of them and the line end.
    char* room(std::size_t size) {
        if (used_ + size + kLineEnd > out_.size()) {
            flush();
            if (size + kLineEnd > out_.size()) out_.resize(size + kLineEnd);
        }
        return out_.data() + used_;
    }
    void flush() {
        sink_(std::string_view(out_.data(), used_));
        used_ = 0;
    }
    // Ends the line at end, which lies in the room given last.
    void lineEnd(char* end) {
        end[0] = '\r';
        end[1] = '\n';
        used_ = static_cast<std::size_t>(end + kLineEnd - out_.data());
    }

    // Right-aligned in three columns, as every reader expects (the codes of release 12 are below 1000).
    void groupCode(int code) {
        char* const at = room(3);
        at[0] = code >= 100 ? static_cast<char>('0' + code / 100) : ' ';
        at[1] = code >= 10 ? static_cast<char>('0' + code / 10 % 10) : ' ';
        at[2] = static_cast<char>('0' + code % 10);
        lineEnd(at + 3);
    }

    void text(std::string_view value) {
        bool ascii = true;
        for (char c : value) {
            if (static_cast<unsigned char>(c) >= 0x80) ascii = false;
            if ((c == '\r' || c == '\n') && !badText_) badText_ = std::string(value);
        }
        if (!ascii) {
            // Names come in runs (the layer of one object after another): the last one is asked first.
            if (lastEncoded_ == encoded_.end() || lastEncoded_->first != value) {
                lastEncoded_ = encoded_.find(value);
                if (lastEncoded_ == encoded_.end()) {
                    codepage::Conversion converted = codepage::fromUtf8(value);
                    if (!converted.ok() && !unencodable_) unencodable_ = std::string(value);
                    lastEncoded_ = encoded_.emplace(std::string(value), std::move(converted.text)).first;
                }
            }
            value = lastEncoded_->second;
        }
        char* const at = room(value.size());
        lineEnd(std::copy(value.begin(), value.end(), at));
    }

    const ByteSink& sink_;
    RecentNumbers recentNumbers_;
    std::string out_;  // the bytes not yet given to the sink, then room for more
    std::size_t used_ = 0;
    std::map<std::string, std::string, std::less<>> encoded_;  // UTF-8 text -> its code page bytes
    std::map<std::string, std::string, std::less<>>::const_iterator lastEncoded_ = encoded_.end();
    std::optional<std::string> badText_;
    std::optional<std::string> unencodable_;
    bool nonFinite_ = false;
};

class DxfComposer {
public:
    DxfComposer(const Drawing& drawing, const DxfOptions& options, const ByteSink& sink)
        : drawing_(drawing), options_(options), dxf_(sink) {}

    std::optional<Message> compose() {
        header();
        tables();
        blocks();
        entities();
        dxf_.group(0, "EOF");
        return dxf_.finish();
    }

private:
    void beginSection(std::string_view name) {
        dxf_.group(0, "SECTION");
        dxf_.group(2, name);
    }
    void endSection() { dxf_.group(0, "ENDSEC"); }

    void header() {
        const Extents extents = drawingExtents(drawing_);
        beginSection("HEADER");
        dxf_.group(9, "$ACADVER");
        dxf_.group(1, "AC1009");
        dxf_.group(9, "$DWGCODEPAGE");
        dxf_.group(3, "ANSI_932");
        dxf_.group(9, "$INSBASE");
        dxf_.point(10, {});
        dxf_.group(9, "$EXTMIN");
        dxf_.point(10, extents.min);
        dxf_.group(9, "$EXTMAX");
        dxf_.point(10, extents.max);
        dxf_.group(9, "$CLAYER");
        dxf_.group(8, drawing_.currentLayer);
        dxf_.group(9, "$TEXTSTYLE");
        dxf_.group(7, kStyle);
        // Attribute values asked at the command line, not in a dialog: the command stream answers them.
        dxf_.group(9, "$ATTREQ");
        dxf_.integer(70, 1);
        dxf_.group(9, "$ATTDIA");
        dxf_.integer(70, 0);
        endSection();
    }

    void beginTable(std::string_view name, int count) {
        dxf_.group(0, "TABLE");
        dxf_.group(2, name);
        dxf_.integer(70, count);
    }

    void tables() {
        beginSection("TABLES");
        beginTable("LTYPE", 1);
        dxf_.group(0, "LTYPE");
        dxf_.group(2, kLineType);
        dxf_.integer(70, 0);
        dxf_.group(3, "Solid line");
        dxf_.integer(72, 65);
        dxf_.integer(73, 0);
        dxf_.number(40, 0.0);
        dxf_.group(0, "ENDTAB");

        beginTable("LAYER", static_cast<int>(drawing_.layers.size()));
        for (const Layer& layer : drawing_.layers) {
            dxf_.group(0, "LAYER");
            dxf_.group(2, layer.name);
            dxf_.integer(70, layer.locked ? kLockedFlag : 0);
            dxf_.integer(62, layer.colour);
            dxf_.group(6, kLineType);
        }
        dxf_.group(0, "ENDTAB");

        beginTable("STYLE", 1);
        dxf_.group(0, "STYLE");
        dxf_.group(2, kStyle);
        dxf_.integer(70, 0);
        dxf_.number(40, 0.0);
        dxf_.number(41, 1.0);
        dxf_.number(50, 0.0);
        dxf_.integer(71, 0);
        dxf_.number(42, 2.5);
        dxf_.group(3, kFontFile);
        dxf_.group(4, "");
        dxf_.group(0, "ENDTAB");
        endSection();
    }

    void beginBlock(std::string_view name, int flags) {
        dxf_.group(0, "BLOCK");
        dxf_.group(8, "0");
        dxf_.group(2, name);
        dxf_.integer(70, flags);
        dxf_.point(10, {});
        dxf_.group(3, name);
        dxf_.group(1, "");
    }
    void endBlock() {
        dxf_.group(0, "ENDBLK");
        dxf_.group(8, "0");
    }

    void blocks() {
        beginSection("BLOCKS");
        for (const char* layout : {"$MODEL_SPACE", "$PAPER_SPACE"}) {
            beginBlock(layout, 0);
            endBlock();
        }
        for (const Block& block : drawing_.blocks) {
            beginBlock(block.name, block.attributes.empty() ? 0 : kHasAttributesFlag);
            for (const BlockShape& shape : block.geometry) {
                if (const auto* line = std::get_if<Line>(&shape)) {
                    lineEntity("0", *line);
                } else {
                    textEntity("0", std::get<Text>(shape));
                }
            }
            for (const AttributeDefinition& attribute : block.attributes) {
                attributeEntity("ATTDEF", "0", attribute.text, attribute.tag, &attribute.prompt);
            }
            endBlock();
        }
        endSection();
    }

    void entities() {
        beginSection("ENTITIES");
        for (const Entity& entity : drawing_.entities) {
            if (const auto* line = std::get_if<Line>(&entity.shape)) {
                lineEntity(entity.layer, *line);
            } else if (const auto* circle = std::get_if<Circle>(&entity.shape)) {
                dxf_.group(0, "CIRCLE");
                dxf_.group(8, entity.layer);
                dxf_.point(10, circle->centre);
                dxf_.number(40, circle->radius);
            } else if (const auto* text = std::get_if<Text>(&entity.shape)) {
                textEntity(entity.layer, *text);
            } else {
                insertEntity(entity.layer, std::get<Insert>(entity.shape));
            }
        }
        endSection();
    }

    // An insert as plain lines and texts on its layer, when asked for and its block is defined.
    bool insertAsShapes(std::string_view layer, const Insert& insert) {
        const Block* block = options_.insertsAsText ? drawing_.findBlock(insert.blockName) : nullptr;
        if (!block) return false;
        forEachPlacedShape(insert, *block, [&](const auto& shape) {
            if constexpr (std::is_same_v<std::decay_t<decltype(shape)>, Line>) {
                lineEntity(layer, shape);
            } else if (!shape.text.empty()) {
                textEntity(layer, shape);
            }
        });
        return true;
    }

    void lineEntity(std::string_view layer, const Line& line) {
        dxf_.group(0, "LINE");
        dxf_.group(8, layer);
        dxf_.point(10, line.start);
        dxf_.point(11, line.end);
    }

    // The groups after the insertion point that TEXT, ATTDEF and ATTRIB share up to the justification.
    void textLook(const Text& text) {
        dxf_.number(50, text.rotation);
        if (text.widthFactor != 1.0) dxf_.number(41, text.widthFactor);
        dxf_.group(7, kStyle);
    }

    // The horizontal code with the alignment point; the vertical one follows under its own group code.
    void alignment(const Text& text, int verticalGroup) {
        if (text.justification == Justification{}) return;
        dxf_.integer(72, horizontalCode(text.justification.horizontal));
        dxf_.point(11, text.position);
        dxf_.integer(verticalGroup, verticalCode(text.justification.vertical));
    }

    void textEntity(std::string_view layer, const Text& text) {
        dxf_.group(0, "TEXT");
        dxf_.group(8, layer);
        dxf_.point(10, text.position);
        dxf_.number(40, text.height);
        dxf_.group(1, text.text);
        textLook(text);
        alignment(text, 73);
    }

    // ATTDEF carries the prompt, ATTRIB does not.
    void attributeEntity(std::string_view type, std::string_view layer, const Text& text, std::string_view tag,
                         const std::string* prompt) {
        dxf_.group(0, type);
        dxf_.group(8, layer);
        dxf_.point(10, text.position);
        dxf_.number(40, text.height);
        dxf_.group(1, text.text);
        if (prompt) dxf_.group(3, *prompt);
        dxf_.group(2, tag);
        dxf_.integer(70, 0);
        textLook(text);
        alignment(text, 74);
    }

    void insertEntity(std::string_view layer, const Insert& insert) {
        if (insertAsShapes(layer, insert)) return;
        const Block* block = drawing_.findBlock(insert.blockName);
        const bool withAttributes = block && !block->attributes.empty();
        dxf_.group(0, "INSERT");
        dxf_.group(8, layer);
        if (withAttributes) dxf_.integer(66, 1);
        dxf_.group(2, insert.blockName);
        dxf_.point(10, insert.position);
        dxf_.number(41, insert.xScale);
        dxf_.number(42, insert.yScale);
        dxf_.number(50, insert.rotation);
        if (!withAttributes) return;
        for (std::size_t i = 0; i < block->attributes.size(); ++i) {
            attributeEntity("ATTRIB", layer, attributeText(insert, *block, i), block->attributes[i].tag, nullptr);
        }
        dxf_.group(0, "SEQEND");
        dxf_.group(8, layer);
    }

    const Drawing& drawing_;
    const DxfOptions& options_;
    DxfText dxf_;
};

}  // namespace

std::variant<std::string, Message> dxfBytes(const Drawing& drawing, const DxfOptions& options) {
    std::string bytes;
    if (auto failure = DxfComposer(drawing, options, [&bytes](std::string_view piece) { bytes += piece; }).compose()) {
        return *failure;
    }
    return bytes;
}

std::optional<Message> writeDxfFile(const std::string& path, const Drawing& drawing, const DxfOptions& options) {
    return replaceFile(
        path, [&](const ByteSink& sink) { return DxfComposer(drawing, options, sink).compose(); },
        Durability::Replaced);
}

}  // namespace mirota::drawing
