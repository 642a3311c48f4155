#include <optional>
#include <string_view>

#include "draw/engine/ColourNumber.h"
#include "draw/engine/Commands.h"

namespace mirota::drawing {

namespace {

// Characters a layer name cannot hold; "," separates the names of a list.
constexpr std::string_view kForbidden = "<>/\\\":;?*|=`,";

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// The layer table while the command runs; it replaces the drawing's when the command ends.
struct LayerTable {
    std::vector<Layer> layers;
    std::string current;

    Layer* find(std::string_view name) { return findByName(layers, name); }
};

// The names of an answer "a,b,c" (blanks around a name dropped, empty items skipped).
std::optional<std::vector<std::string>> nameList(CommandInput& input, std::string_view prompt) {
    const auto text = input.answer(prompt);
    if (!text) return std::nullopt;
    std::vector<std::string> names;
    std::string_view rest = *text;
    while (true) {
        const std::size_t comma = rest.find(',');
        const std::string_view name = trimmed(rest.substr(0, comma));
        if (name.find_first_of(kForbidden) != std::string_view::npos) {
            input.refuse("画層名に使えない文字があります");
            return std::nullopt;
        }
        if (!name.empty()) names.emplace_back(name);
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
    return names;
}

// The layers a list names, all of which must exist.
std::optional<std::vector<Layer*>> existingLayers(CommandInput& input, LayerTable& table, std::string_view prompt,
                                                  bool currentByDefault) {
    auto names = nameList(input, prompt);
    if (!names) return std::nullopt;
    if (names->empty() && currentByDefault) names->push_back(table.current);
    std::vector<Layer*> layers;
    for (const std::string& name : *names) {
        Layer* layer = table.find(name);
        if (!layer) {
            input.refuse("「" + name + "」という画層はありません");
            return std::nullopt;
        }
        layers.push_back(layer);
    }
    return layers;
}

// One name, which need not exist yet; nothing for an empty answer.
std::optional<std::optional<std::string>> singleName(CommandInput& input, std::string_view prompt) {
    auto names = nameList(input, prompt);
    if (!names) return std::nullopt;
    if (names->size() > 1) {
        input.refuse("画層名に使えない文字があります");
        return std::nullopt;
    }
    if (names->empty()) return std::optional<std::string>();
    return std::optional<std::string>(names->front());
}

void addMissing(LayerTable& table, const std::string& name) {
    if (!table.find(name)) table.layers.push_back(Layer{name, 7, false});
}

// Carries out one option; false when the command stopped.
bool runOption(CommandInput& input, LayerTable& table, std::string_view option) {
    if (isKeyword(option, "New")) {
        const auto names = nameList(input, "新しい画層の名前");
        if (!names) return false;
        for (const std::string& name : *names) addMissing(table, name);
    } else if (isKeyword(option, "Make")) {
        const auto name = singleName(input, "作って現在にする画層の名前");
        if (!name) return false;
        if (*name) {
            addMissing(table, **name);
            table.current = table.find(**name)->name;
        }
    } else if (isKeyword(option, "Set")) {
        const auto name = singleName(input, "現在にする画層の名前");
        if (!name) return false;
        if (*name) {
            const Layer* layer = table.find(**name);
            if (!layer) {
                input.refuse("その名前の画層はありません");
                return false;
            }
            table.current = layer->name;
        }
    } else if (isKeyword(option, "Color")) {
        const auto colourAnswer = input.answer("画層の色");
        if (!colourAnswer) return false;
        const auto colour = colourNumber(trimmed(*colourAnswer));
        if (!colour) {
            input.refuse("色の名前（red、blue など）でも 1～255 の色番号でもありません");
            return false;
        }
        const auto layers = existingLayers(input, table, "色を変える画層の名前", true);
        if (!layers) return false;
        for (Layer* layer : *layers) layer->colour = *colour;
    } else if (isKeyword(option, "LOck") || isKeyword(option, "Unlock")) {
        const bool lock = isKeyword(option, "LOck");
        // A name that matches no layer is passed over, as the CAD program only reports it: the first
        // additional drawing locks the area-table layer before any table has made it.
        const auto names = nameList(input, lock ? "ロックする画層の名前" : "ロックを解除する画層の名前");
        if (!names) return false;
        for (const std::string& name : *names) {
            if (Layer* layer = table.find(name)) layer->locked = lock;
        }
    } else {
        input.refuse("画層コマンドのオプション（n、m、s、c、lo、u）ではありません");
        return false;
    }
    return true;
}

}  // namespace

void runLayer(CommandContext& context) {
    LayerTable table{context.drawing.layers, context.drawing.currentLayer};
    while (true) {
        const auto option = context.input.answer("画層のオプション");
        if (!option) return;
        if (option->empty()) break;
        if (!runOption(context.input, table, *option)) return;
    }
    context.drawing.layers = std::move(table.layers);
    context.drawing.currentLayer = std::move(table.current);
}

}  // namespace mirota::drawing
