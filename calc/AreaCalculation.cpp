#include "calc/AreaCalculation.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "calc/ComputedRows.h"
#include "model/FigureType.h"
#include "model/NumberText.h"

namespace mirota {

namespace {

constexpr double kCircleFactor = 3.1415926538 / 4.0;

Message inputErrorMessage(int tier, int row, std::string_view stationPrefix) {
    return {"数値入力に誤りがあります。（" + std::to_string(tier + 1) + "段目 " + std::string(stationPrefix) +
                std::to_string(row / 2 + 1) + "）\r\n\r\n計算を中止します！",
            "データ入力エラー", Message::Icon::Warning};
}

double cellNumber(const SurveyData& data, ListKind list, int tier, int row, int col) {
    return number::leadingNumber(data.cell(list, tier, row, col));
}

// Half perimeter and area of one chain row; false when a side is not positive, the sides form no
// triangle or the result leaves the number range.
bool calculateChainRow(SurveyData& data, int tier, int row) {
    const double a = cellNumber(data, ListKind::Chain, tier, row, column::SideA);
    const double b = cellNumber(data, ListKind::Chain, tier, row, column::SideB);
    const double c = cellNumber(data, ListKind::Chain, tier, row, column::SideC);
    if (!(a > 0.0 && b > 0.0 && c > 0.0)) return false;
    const float s = number::toSingle((a + b + c) / 2.0);
    if (!std::isfinite(s)) return false;
    data.setCell(ListKind::Chain, tier, row, column::HalfPerimeter, number::singleText(s));
    const double sd = s;
    const double p = sd * (sd - a) * (sd - b) * (sd - c);
    if (!(p >= 0.0)) return false;  // also refuses NaN from infinite sides
    const float area = number::toSingle(std::sqrt(p));
    if (!std::isfinite(area)) return false;
    data.setCell(ListKind::Chain, tier, row, column::Area, number::singleText(area));
    return true;
}

// Area of one exception row by its type: rectangles from two elements, circles from the diameter; a row
// without what its type needs has no area. False when an element is not positive or the area leaves the range.
bool calculateExceptionRow(SurveyData& data, int tier, int row) {
    if (!hasExceptionArea(data, tier, row)) {
        data.setCell(ListKind::Exception, tier, row, column::Area, {});
        return true;
    }
    const auto type = figureTypeFromCode(data.cell(ListKind::Exception, tier, row, column::Type));
    const double element1 = cellNumber(data, ListKind::Exception, tier, row, column::SideB);
    double area = 0.0;
    if (type == FigureType::Square || type == FigureType::DeductSquare) {
        const double element2 = cellNumber(data, ListKind::Exception, tier, row, column::SideC);
        if (!(element1 > 0.0 && element2 > 0.0)) return false;
        area = element2 * element1;
    } else {
        if (!(element1 > 0.0)) return false;
        area = element1 * element1 * kCircleFactor;
    }
    const float single = number::toSingle(area);
    if (!std::isfinite(single)) return false;
    data.setCell(ListKind::Exception, tier, row, column::Area, number::singleText(single));
    return true;
}

// A row lacking a side, or with faulty values, has no result: what it held before no longer belongs to its sides.
void clearResults(SurveyData& data, ListKind list, int tier, int row) {
    if (list == ListKind::Chain) data.setCell(list, tier, row, column::HalfPerimeter, {});
    data.setCell(list, tier, row, column::Area, {});
}

// Calculates one row; a faulty one is emptied and recorded.
void calculateRow(SurveyData& data, ListKind list, int tier, int row, std::string_view stationPrefix,
                  std::vector<CalculationFault>& faults) {
    if (list == ListKind::Chain && !hasAllSides(data, tier, row)) {
        clearResults(data, list, tier, row);
        return;
    }
    const bool calculated =
        list == ListKind::Chain ? calculateChainRow(data, tier, row) : calculateExceptionRow(data, tier, row);
    if (calculated) return;
    clearResults(data, list, tier, row);
    faults.push_back({FigureInError{list, tier, figureOfRow(row)}, inputSetOfRow(row),
                      inputErrorMessage(tier, row, stationPrefix)});
}

}  // namespace

std::optional<CalculationFailure> CalculateAreas(SurveyData& data, std::string_view stationPrefix) {
    std::vector<CalculationFault> faults;
    try {
        for (ListKind list : {ListKind::Chain, ListKind::Exception}) {
            for (int tier = 0; tier < data.tierCount(); ++tier) {
                const int rows = 2 * data.figureCount(list, tier);
                for (int row = 0; row < rows; ++row) calculateRow(data, list, tier, row, stationPrefix, faults);
            }
        }
    } catch (const std::out_of_range&) {
        // Unexpected: report it and leave the document as far as it got; the program goes on.
        return CalculationFailure{
            {"[No.9]\r\nインデックスが有効範囲にありません。", "mnuToolCalcエラー", Message::Icon::Warning}, std::nullopt, {}};
    } catch (const std::bad_alloc&) {
        return CalculationFailure{{"[No.7]\r\nメモリが不足しています。", "mnuToolCalcエラー", Message::Icon::Warning}, std::nullopt, {}};
    }
    if (!faults.empty()) {
        CalculationFailure failure{faults.front().message, faults.front().figure, std::move(faults)};
        return failure;
    }
    data.view.calculationDone = true;
    return std::nullopt;
}

std::string faultyFigureNames(const CalculationFailure& failure, std::string_view stationPrefix,
                              std::optional<InputSet> inputSet) {
    std::vector<std::string> names;
    for (const CalculationFault& fault : failure.faults) {
        if (inputSet && fault.inputSet != *inputSet) continue;
        const FigureInError& figure = fault.figure;
        std::string name = std::to_string(figure.tier + 1) + "段目 " +
                           (figure.list == ListKind::Exception ? "例外処理 " : "") + std::string(stationPrefix) +
                           std::to_string(figure.figure + 1);
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(std::move(name));
    }
    std::string joined;
    for (const std::string& name : names) joined += (joined.empty() ? "" : "、") + name;
    return joined;
}

}  // namespace mirota
