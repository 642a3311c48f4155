#include "model/DrawingConditions.h"

#include <algorithm>

namespace mirota {

bool isLayerNameTooLong(std::string_view name) {
    // Every character has exactly one byte that is not a continuation byte (10xxxxxx).
    const auto characters = std::count_if(name.begin(), name.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    return static_cast<std::size_t>(characters) > DrawingConditions::kLayerNameMaxCharacters;
}

}  // namespace mirota
