#include "model/DrawingConditions.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "model/CodePage.h"

namespace mirota {

bool isLayerNameTooLong(std::string_view name) {
    // Every character has exactly one byte that is not a continuation byte (10xxxxxx).
    const auto characters = std::count_if(name.begin(), name.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    });
    return static_cast<std::size_t>(characters) > DrawingConditions::kLayerNameMaxCharacters;
}

bool DrawingConditions::numbersAreFinite() const {
    const float numbers[] = {referenceX, referenceY, referenceAngle, numberHeight, labelHeight, tableX, tableY, scale};
    return std::all_of(std::begin(numbers), std::end(numbers), [](float n) { return std::isfinite(n); });
}

std::optional<std::string> layerNameProblem(std::string_view name) {
    if (isLayerNameTooLong(name)) {
        return "は" + std::to_string(DrawingConditions::kLayerNameMaxCharacters) + "文字以内で入力してください。";
    }
    if (name.find('"') != std::string_view::npos) return "に「\"」はデータファイルに保存できないため入力できません。";
    if (const auto character = codepage::unstorableCharacter(name)) {
        return "の文字" + *character + "はデータファイル（シフトJIS）に保存できないため入力できません。";
    }
    return std::nullopt;
}

}  // namespace mirota
