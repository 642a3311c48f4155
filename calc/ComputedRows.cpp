#include "calc/ComputedRows.h"

#include "model/FigureType.h"

namespace mirota {

bool hasAllSides(const SurveyData& data, int tier, int row) {
    for (int col = column::SideA; col <= column::SideC; ++col) {
        if (data.cell(ListKind::Chain, tier, row, col).empty()) return false;
    }
    return true;
}

bool hasExceptionArea(const SurveyData& data, int tier, int row) {
    const auto type = figureTypeFromCode(data.cell(ListKind::Exception, tier, row, column::Type));
    const bool element1 = !data.cell(ListKind::Exception, tier, row, column::SideB).empty();
    const bool element2 = !data.cell(ListKind::Exception, tier, row, column::SideC).empty();
    if (type == FigureType::Square || type == FigureType::DeductSquare) return element1 && element2;
    if (type == FigureType::Circle || type == FigureType::DeductCircle) return element1;
    return false;
}

bool hasComputedArea(const SurveyData& data, ListKind list, int tier, int row) {
    return list == ListKind::Chain ? hasAllSides(data, tier, row) : hasExceptionArea(data, tier, row);
}

bool isLeftOut(const SurveyData& data, ListKind list, int tier, int row) {
    return hasComputedArea(data, list, tier, row) && data.cell(list, tier, row, column::Area).empty();
}

}  // namespace mirota
