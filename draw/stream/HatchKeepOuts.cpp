#include "draw/stream/HatchKeepOuts.h"

#include "draw/geometry/HeightLine.h"
#include "draw/stream/Angles.h"
#include "draw/stream/FigureCommands.h"
#include "draw/stream/OptionCommands.h"
#include "model/NumberText.h"

namespace mirota {

namespace {

hatching::TextAnchor anchorOf(DimensionPosition position) {
    switch (position) {
        case DimensionPosition::Above: return hatching::TextAnchor::Bottom;
        case DimensionPosition::Middle: return hatching::TextAnchor::Middle;
        case DimensionPosition::Below: return hatching::TextAnchor::Top;
    }
    return hatching::TextAnchor::Middle;
}

}  // namespace

std::vector<hatching::KeepOut> chainKeepOuts(const SurveyData& data, const FigureGeometry& geometry,
                                             std::string_view sideDigitsFormat, const AreaRules& rules,
                                             bool heightLines, bool flipped) {
    const DrawingConditions& conditions = data.conditions;
    const bool labelled = labelJustification(conditions.dimensionPosition).has_value();
    std::vector<hatching::KeepOut> keepOuts;
    for (int tier = 0; tier < data.tierCount(); ++tier) {
        for (int row = static_cast<int>(data.view.currentInputSet); row < 2 * data.figureCount(ListKind::Chain, tier);
             row += 2) {
            for (int side = 0; labelled && side < FigureGeometry::kVertices; ++side) {
                const hatching::Point at{geometry.at(tier, row, side, FigureGeometry::LabelX),
                                         geometry.at(tier, row, side, FigureGeometry::LabelY)};
                keepOuts.push_back(hatching::textKeepOut(
                    at, number::formatDigits(data.cell(ListKind::Chain, tier, row, column::SideA + side), sideDigitsFormat),
                    conditions.labelHeight, labelAngle(geometry.at(tier, row, side, FigureGeometry::Slope), flipped),
                    anchorOf(conditions.dimensionPosition)));
            }
            const NumberCentre centre = numberCentre(geometry, tier, row);
            keepOuts.push_back(hatching::circleKeepOut({centre.x, centre.y}, conditions.numberHeight));
            if (const auto line = heightLines ? heightLineOf(data, geometry, tier, row) : std::nullopt) {
                keepOuts.push_back(hatching::textKeepOut({line->textX, line->textY},
                                                         heightText(*line, rules),
                                                         conditions.labelHeight, labelAngle(line->slope, flipped),
                                                         hatching::TextAnchor::Bottom));
            }
        }
    }
    return keepOuts;
}

std::vector<hatching::KeepOut> exceptionKeepOuts(const ExceptionLayout& layout, const DrawingConditions& conditions,
                                                 const AreaRules& rules) {
    std::vector<hatching::KeepOut> keepOuts;
    for (const PlacedExceptionFigure& figure : layout.placed) {
        if (!figure.name.empty()) {
            keepOuts.push_back(hatching::textKeepOut(figure.centre, figure.name, conditions.labelHeight,
                                                     conditions.referenceAngle, hatching::TextAnchor::Bottom));
        }
        keepOuts.push_back(hatching::textKeepOut(figure.centre, exceptionAreaText(figure, rules),
                                                 conditions.labelHeight, conditions.referenceAngle,
                                                 hatching::TextAnchor::Top));
    }
    return keepOuts;
}

}  // namespace mirota
