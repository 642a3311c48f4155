#include "draw/geometry/ExceptionLayout.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "calc/ComputedRows.h"
#include "model/FigureType.h"
#include "model/NumberText.h"

namespace mirota {

namespace {

// "X,Y": exactly two numbers.
std::optional<hatching::Point> positionOf(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const auto x = number::strictNumber(text.substr(0, comma));
    const auto y = number::strictNumber(text.substr(comma + 1));
    if (!x || !y || !std::isfinite(*x) || !std::isfinite(*y)) return std::nullopt;
    return hatching::Point{*x, *y};
}

std::vector<hatching::Point> rectangleCorners(hatching::Point centre, double across, double along, double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    const hatching::Point u{std::cos(radians) * along / 2.0, std::sin(radians) * along / 2.0};
    const hatching::Point v{-std::sin(radians) * across / 2.0, std::cos(radians) * across / 2.0};
    std::vector<hatching::Point> corners;
    for (const auto& [su, sv] : {std::pair{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}) {
        corners.push_back({centre.x + su * u.x + sv * v.x, centre.y + su * u.y + sv * v.y});
    }
    return corners;
}

}  // namespace

ExceptionLayout layOutExceptionFigures(const SurveyData& data, std::string_view stationPrefix) {
    ExceptionLayout layout;
    const int firstRow = static_cast<int>(data.view.currentInputSet);
    for (int tier = 0; tier < data.tierCount(); ++tier) {
        for (int row = firstRow; row < 2 * data.figureCount(ListKind::Exception, tier); row += 2) {
            if (!hasExceptionArea(data, tier, row)) continue;
            const auto cell = [&](int col) -> const std::string& {
                return data.cell(ListKind::Exception, tier, row, col);
            };
            const int number = row / 2 + 1;
            const auto centre = positionOf(cell(column::HalfPerimeter));
            if (!centre) {
                layout.withoutPosition.push_back("例外処理 " + std::to_string(tier + 1) + "段目 " +
                                                 std::string(stationPrefix) + std::to_string(number) + "「" +
                                                 cell(column::SideA) + "」は位置（X,Y）がないため作図していません");
                continue;
            }
            const auto type = figureTypeFromCode(cell(column::Type));
            PlacedExceptionFigure figure;
            figure.tier = tier;
            figure.number = number;
            figure.circle = type == FigureType::Circle || type == FigureType::DeductCircle;
            figure.deduction = type && isDeduction(*type);
            figure.centre = *centre;
            const double element1 = number::leadingNumber(cell(column::SideB));
            if (figure.circle) {
                figure.radius = element1 / 2.0;
            } else {
                figure.corners = rectangleCorners(*centre, element1, number::leadingNumber(cell(column::SideC)),
                                                  data.conditions.referenceAngle);
            }
            figure.name = cell(column::SideA);
            figure.area = cell(column::Area);
            layout.placed.push_back(std::move(figure));
        }
    }
    return layout;
}

}  // namespace mirota
