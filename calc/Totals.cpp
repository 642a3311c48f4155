#include "calc/Totals.h"

#include "calc/ComputedRows.h"
#include "model/NumberText.h"

namespace mirota {

TierTotals UpdateTotals(const SurveyData& data, ListKind list, int tier, InputSet inputSet) {
    TierTotals totals;
    const int rows = 2 * data.figureCount(list, tier);
    for (int row = static_cast<int>(inputSet); row < rows; row += 2) {
        if (!hasComputedArea(data, list, tier, row)) continue;
        const double code = number::leadingNumber(data.cell(list, tier, row, column::Type));
        const double area = number::leadingNumber(data.cell(list, tier, row, column::Area));
        const bool calculated = code == 0 || code == 10 || code == 11 || code == 12 || code == 13;
        float& sum = calculated ? totals.calculated : totals.deducted;
        sum = number::toSingle(static_cast<double>(sum) + area);
    }
    return totals;
}

}  // namespace mirota
