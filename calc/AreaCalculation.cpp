#include "calc/AreaCalculation.h"

#include <cmath>
#include <new>
#include <stdexcept>
#include <string>

#include "model/FigureType.h"
#include "model/NumberText.h"

namespace mirota {

namespace {

constexpr double kCircleFactor = 3.1415926538 / 4.0;

Message inputError(int tier, int row, std::string_view stationPrefix) {
    return Message{"数値入力に誤りがあります。（" + std::to_string(tier + 1) + "段目 " + std::string(stationPrefix) +
                       std::to_string(row / 2 + 1) + "）\r\n\r\n計算を中止します！",
                   "データ入力エラー", Message::Icon::Warning};
}

double cellNumber(const SurveyData& data, ListKind list, int tier, int row, int col) {
    return number::leadingNumber(data.cell(list, tier, row, col));
}

// Half perimeter and area of one chain row; false when the sides form no triangle or leave the number range.
bool calculateChainRow(SurveyData& data, int tier, int row) {
    const double a = cellNumber(data, ListKind::Chain, tier, row, column::SideA);
    const double b = cellNumber(data, ListKind::Chain, tier, row, column::SideB);
    const double c = cellNumber(data, ListKind::Chain, tier, row, column::SideC);
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

// Area of one exception row by its type: rectangles from two elements, circles from the diameter.
bool calculateExceptionRow(SurveyData& data, int tier, int row) {
    const std::string& code = data.cell(ListKind::Exception, tier, row, column::Type);
    const auto type = figureTypeFromCode(code);
    const std::string& element1 = data.cell(ListKind::Exception, tier, row, column::SideB);
    const std::string& element2 = data.cell(ListKind::Exception, tier, row, column::SideC);
    double area = 0.0;
    if (type == FigureType::Square || type == FigureType::DeductSquare) {
        if (element1.empty() || element2.empty()) return true;
        area = number::leadingNumber(element2) * number::leadingNumber(element1);
    } else if (type == FigureType::Circle || type == FigureType::DeductCircle) {
        if (element1.empty()) return true;
        const double diameter = number::leadingNumber(element1);
        area = diameter * diameter * kCircleFactor;
    } else {
        return true;
    }
    const float single = number::toSingle(area);
    if (!std::isfinite(single)) return false;
    data.setCell(ListKind::Exception, tier, row, column::Area, number::singleText(single));
    return true;
}

bool hasEmptySide(const SurveyData& data, int tier, int row) {
    for (int col = column::SideA; col <= column::SideC; ++col) {
        if (data.cell(ListKind::Chain, tier, row, col).empty()) return true;
    }
    return false;
}

}  // namespace

std::optional<Message> CalculateAreas(SurveyData& data, std::string_view stationPrefix) {
    try {
        for (int tier = 0; tier < data.tierCount(); ++tier) {
            const int rows = 2 * data.figureCount(ListKind::Chain, tier);
            for (int row = 0; row < rows; ++row) {
                if (hasEmptySide(data, tier, row)) continue;
                if (!calculateChainRow(data, tier, row)) return inputError(tier, row, stationPrefix);
            }
        }
        for (int tier = 0; tier < data.tierCount(); ++tier) {
            const int rows = 2 * data.figureCount(ListKind::Exception, tier);
            for (int row = 0; row < rows; ++row) {
                if (!calculateExceptionRow(data, tier, row)) return inputError(tier, row, stationPrefix);
            }
        }
    } catch (const std::out_of_range&) {
        // Unexpected: report it and leave the document as far as it got; the program goes on.
        return Message{"[No.9]\r\nインデックスが有効範囲にありません。", "mnuToolCalcエラー", Message::Icon::Warning};
    } catch (const std::bad_alloc&) {
        return Message{"[No.7]\r\nメモリが不足しています。", "mnuToolCalcエラー", Message::Icon::Warning};
    }
    data.view.calculationDone = true;
    return std::nullopt;
}

}  // namespace mirota
