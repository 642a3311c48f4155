#include "calc/Totals.h"

#include "calc/ComputedRows.h"
#include "calc/ExactArea.h"
#include "calc/ShownValue.h"
#include "model/NumberText.h"

namespace mirota {

namespace {

// Hands every row of the input set that carries an area to add(row, calculated), and gives the figures
// left out. A row counts as calculated when its type code reads 0, 10, 11, 12 or 13, else as deducted.
template <class Add>
std::vector<int> addCountedRows(const SurveyData& data, ListKind list, int tier, InputSet inputSet, Add add) {
    std::vector<int> leftOut;
    const int rows = 2 * data.figureCount(list, tier);
    for (int row = static_cast<int>(inputSet); row < rows; row += 2) {
        if (isLeftOut(data, list, tier, row)) {
            leftOut.push_back(figureOfRow(row));
            continue;
        }
        if (!hasComputedArea(data, list, tier, row)) continue;
        const double code = number::leadingNumber(data.cell(list, tier, row, column::Type));
        add(row, code == 0 || code == 10 || code == 11 || code == 12 || code == 13);
    }
    return leftOut;
}

}  // namespace

AreaSums& AreaSums::operator+=(const AreaSums& other) {
    calculated += other.calculated;
    deducted += other.deducted;
    return *this;
}

ListTotals listTotalsByRule(const SurveyData& data, ListKind list, int tier, InputSet inputSet, const AreaRules& rules) {
    if (rules.sum == SumRule::Stored) {
        ExactSum calculated;
        ExactSum deducted;
        ListTotals totals;
        totals.leftOut = addCountedRows(data, list, tier, inputSet, [&](int row, bool calculatedRow) {
            (calculatedRow ? calculated : deducted).add(data.cell(list, tier, row, column::Area));
        });
        totals.sums = {calculated.value(), deducted.value()};
        return totals;
    }
    return listTotalsOfAreas(data, list, tier, inputSet, rules, [&](int row) {
        return ExactDecimal::fromTextOrZero(data.cell(list, tier, row, column::Area));
    });
}

ListTotals updateTotals(const SurveyData& data, ListKind list, int tier, InputSet inputSet) {
    return listTotalsByRule(data, list, tier, inputSet, AreaRules{});
}

ListTotals listTotalsOfAreas(const SurveyData& data, ListKind list, int tier, InputSet inputSet, const AreaRules& rules,
                             const std::function<ExactDecimal(int row)>& areaOf) {
    ListTotals totals;
    totals.leftOut = addCountedRows(data, list, tier, inputSet, [&](int row, bool calculated) {
        const ExactDecimal area = areaOf(row);
        const ExactDecimal counted = rules.sum == SumRule::Shown ? area.rounded(rules.decimals, rules.rounding) : area;
        (calculated ? totals.sums.calculated : totals.sums.deducted) += counted;
    });
    return totals;
}

}  // namespace mirota
