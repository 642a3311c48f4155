#include "DocumentSnapshot.h"

#include <charconv>

namespace mirota::test {

namespace {

std::string numberText(float value) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

}  // namespace

std::string snapshot(const SurveyData& data) {
    std::string text;
    for (ListKind list : {ListKind::Chain, ListKind::Exception}) {
        for (int tier = 0; tier < data.maxTiers(); ++tier) {
            text += std::to_string(data.figureCount(list, tier)) + '|';
            for (int row = 0; row < data.rowCapacity(); ++row) {
                for (int col = 0; col < SurveyData::kColumnCount; ++col) text += data.cell(list, tier, row, col) + '\x1f';
            }
        }
    }
    text += std::to_string(data.tierCount()) + '|' + std::to_string(data.previousTierCount()) + '|';
    const DrawingConditions& c = data.conditions;
    for (float n : {c.referenceX, c.referenceY, c.referenceAngle, c.numberHeight, c.labelHeight, c.tableX, c.tableY, c.scale}) {
        text += numberText(n) + '|';
    }
    text += c.drawingLayerName + '|' + c.dimensionLayerName + '|' + c.areaTableLayerName + '|' + data.acadVersion + '|';
    text += std::to_string(data.optionFlags.saveWindowSize) + std::to_string(data.optionFlags.useStationPrefix);
    for (const TitleField& field : kTitleFields) text += '|' + data.titleBlock.*field.field;
    return text;
}

}  // namespace mirota::test
