#include "model/DrawingConditions.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "model/CodePage.h"

namespace mirota {

namespace {

std::size_t characterCount(std::string_view text) {
    // Every character has exactly one byte that is not a continuation byte (10xxxxxx).
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

double millimetresPerUnit(DisplayUnit unit) {
    switch (unit) {
        case DisplayUnit::Centimetre: return 10.0;
        case DisplayUnit::Millimetre: return 1.0;
        case DisplayUnit::Metre: break;
    }
    return 1000.0;
}

bool isLayerNameTooLong(std::string_view name) {
    return characterCount(name) > DrawingConditions::kLayerNameMaxCharacters;
}

bool DrawingConditions::numbersAreFinite() const {
    const float numbers[] = {referenceX, referenceY, referenceAngle, numberHeight, labelHeight, tableX, tableY, scale};
    return std::all_of(std::begin(numbers), std::end(numbers), [](float n) { return std::isfinite(n); });
}

std::optional<std::string> storedTextProblem(std::string_view text, std::size_t maxCharacters) {
    if (characterCount(text) > maxCharacters) return "は" + std::to_string(maxCharacters) + "文字以内で入力してください。";
    if (text.find('"') != std::string_view::npos) return "に「\"」はデータファイルに保存できないため入力できません。";
    if (text.find_first_of("\r\n") != std::string_view::npos) return "に改行はデータファイルに保存できないため入力できません。";
    if (const auto character = codepage::unstorableCharacter(text)) {
        return "の文字" + *character + "はデータファイル（シフトJIS）に保存できないため入力できません。";
    }
    return std::nullopt;
}

std::optional<std::string> layerNameProblem(std::string_view name) {
    return storedTextProblem(name, DrawingConditions::kLayerNameMaxCharacters);
}

}  // namespace mirota
