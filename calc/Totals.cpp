#include "calc/Totals.h"

#include "model/NumberText.h"

namespace mirota {

TierTotals UpdateTotals(const SurveyData& data, int tier, InputSet inputSet) {
    TierTotals totals;
    const int rows = 2 * data.figureCount(ListKind::Chain, tier);
    for (int row = static_cast<int>(inputSet); row < rows; row += 2) {
        const double code = number::leadingNumber(data.cell(ListKind::Chain, tier, row, column::Type));
        const double area = number::leadingNumber(data.cell(ListKind::Chain, tier, row, column::Area));
        const bool calculated = code == 0 || code == 10 || code == 11 || code == 12 || code == 13;
        float& sum = calculated ? totals.calculated : totals.deducted;
        sum = number::toSingle(static_cast<double>(sum) + area);
    }
    return totals;
}

}  // namespace mirota
