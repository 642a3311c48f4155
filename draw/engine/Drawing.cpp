#include "draw/engine/Drawing.h"

#include <algorithm>
#include <utility>

namespace mirota::drawing {

namespace {

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool sameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

const Layer* Drawing::findLayer(std::string_view name) const { return findByName(layers, name); }

const Block* Drawing::findBlock(std::string_view name) const { return findByName(blocks, name); }

void Drawing::takeInReserveBlock(std::string_view name) {
    const auto reserved = std::ranges::find_if(reserveBlocks, [&](const Block& block) { return sameName(block.name, name); });
    if (reserved == reserveBlocks.end()) return;
    blocks.push_back(std::move(*reserved));
    reserveBlocks.erase(reserved);
}

void Drawing::add(Shape shape) { entities.push_back(Entity{nextEntityId++, currentLayer, std::move(shape)}); }

}  // namespace mirota::drawing
