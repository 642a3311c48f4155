#include "draw/sheet/SheetDevelopment.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "draw/geometry/DevelopmentGeometry.h"
#include "draw/geometry/ExceptionLayout.h"
#include "draw/geometry/Hatching.h"
#include "draw/geometry/HeightLine.h"
#include "draw/stream/DevelopmentPlacement.h"
#include "model/FigureType.h"

namespace mirota::sheet {

namespace {

constexpr double kLargestNumberSize = 2.5;  // millimetres
constexpr double kSmallestNumberSize = 0.9;  // smaller numbers are not legible: left out
constexpr double kHatchSpacing = 1.5;
constexpr double kOutlineWidth = 0.25;

double unitMillimetres(DisplayUnit unit) {
    switch (unit) {
    case DisplayUnit::Centimetre: return 10.0;
    case DisplayUnit::Millimetre: return 1.0;
    default: return 1000.0;
    }
}

// The drawing's move and turn when the first tier's base figure is placed, else the development's own frame.
std::optional<DevelopmentPlacement> placementOf(const SurveyData& data, const PartialDevelopment& development) {
    const int base = development.geometry.baseFigureNumber(0);
    if (development.placedFigures.empty() || base < 1 || base > development.placedFigures.front()) return std::nullopt;
    return DevelopmentPlacement::of(data, development.geometry);
}

}  // namespace

void SheetDevelopment::include(Point p) {
    if (!any_) {
        minX_ = maxX_ = p.x;
        minY_ = maxY_ = p.y;
        any_ = true;
        return;
    }
    minX_ = std::min(minX_, p.x);
    maxX_ = std::max(maxX_, p.x);
    minY_ = std::min(minY_, p.y);
    maxY_ = std::max(maxY_, p.y);
}

SheetDevelopment::SheetDevelopment(const SurveyData& source, const Options& options)
    : unitMillimetres_(unitMillimetres(source.conditions.displayUnit)) {
    // The geometry lays out the input set on view.
    std::optional<SurveyData> copy;
    if (source.view.currentInputSet != options.inputSet) {
        copy = source;
        copy->view.currentInputSet = options.inputSet;
    }
    const SurveyData& data = copy ? *copy : source;
    const PartialDevelopment development = ComputePartialDevelopment(data, options.stationPrefix);
    const FigureGeometry& geometry = development.geometry;
    const auto placement = placementOf(data, development);
    const auto place = [&](double x, double y) {
        if (!placement) return Point{x, y};
        const PlanePoint p = placement->place(static_cast<float>(x), static_cast<float>(y));
        return Point{p.x, p.y};
    };
    const bool severalTiers = development.placedFigures.size() > 1;
    for (std::size_t tier = 0; tier < development.placedFigures.size(); ++tier) {
        const int t = static_cast<int>(tier);
        for (int number = 1; number <= development.placedFigures[tier]; ++number) {
            const int row = tableRow(number - 1, options.inputSet);
            Figure figure;
            for (int vertex = 0; vertex < FigureGeometry::kVertices; ++vertex) {
                figure.outline.push_back(place(geometry.at(t, row, vertex, FigureGeometry::VertexX),
                                               geometry.at(t, row, vertex, FigureGeometry::VertexY)));
                include(figure.outline.back());
            }
            figure.deduction = isDeductionCode(data.cell(ListKind::Chain, t, row, column::Type));
            figure.number = (severalTiers ? std::to_string(tier + 1) + "-" : "") + std::to_string(number);
            if (options.form == Form::BaseAndHeight) {
                if (const auto line = heightLineOf(data, geometry, t, row)) {
                    figure.height = {place(line->apexX, line->apexY), place(line->footX, line->footY)};
                }
            }
            figures_.push_back(std::move(figure));
        }
    }
    for (const PlacedExceptionFigure& placed : layOutExceptionFigures(data, options.stationPrefix).placed) {
        const std::string name = (severalTiers ? std::to_string(placed.tier + 1) + "-" : "") + "例" +
                                 std::to_string(placed.number);
        if (placed.circle) {
            rounds_.push_back({{placed.centre.x, placed.centre.y}, placed.radius, placed.deduction, name});
            include({placed.centre.x - placed.radius, placed.centre.y - placed.radius});
            include({placed.centre.x + placed.radius, placed.centre.y + placed.radius});
            continue;
        }
        Figure figure;
        for (const hatching::Point& corner : placed.corners) {
            figure.outline.push_back({corner.x, corner.y});
            include(figure.outline.back());
        }
        figure.deduction = placed.deduction;
        figure.number = name;
        figures_.push_back(std::move(figure));
    }
}

double SheetDevelopment::scaleToFit(double boxWidth, double boxHeight) const {
    for (double power = 1.0;; power *= 10.0) {
        for (double step : {1.0, 2.0, 2.5, 5.0}) {
            const double scale = step * power;
            if ((paperWidth(scale) <= boxWidth && paperHeight(scale) <= boxHeight) || power > 1e12) return scale;
        }
    }
}

void SheetDevelopment::drawOn(Page& page, Point topLeft, double scale) const {
    const double k = unitMillimetres_ / scale;
    const auto toPaper = [&](Point p) { return Point{topLeft.x + (p.x - minX_) * k, topLeft.y + (maxY_ - p.y) * k}; };
    const auto hatch = [&](const std::vector<hatching::Segment>& segments) {
        for (const hatching::Segment& s : segments) {
            page.lines.push_back({{s.from.x, s.from.y}, {s.to.x, s.to.y}, 0.1, false});
        }
    };
    const auto label = [&](Point centre, const std::string& text, double room) {
        const double size = std::min(kLargestNumberSize, room);
        if (size < kSmallestNumberSize) return;
        page.texts.push_back({{centre.x, centre.y + 0.35 * size}, size, Align::Center, text, false});
    };
    for (const Figure& figure : figures_) {
        Polygon outline{{}, kOutlineWidth, 1.0};
        std::vector<hatching::Point> corners;
        Point centre;
        for (const Point& p : figure.outline) {
            outline.points.push_back(toPaper(p));
            corners.push_back({outline.points.back().x, outline.points.back().y});
            centre.x += outline.points.back().x / static_cast<double>(figure.outline.size());
            centre.y += outline.points.back().y / static_cast<double>(figure.outline.size());
        }
        if (figure.deduction) hatch(hatching::convexPolygon(corners, kHatchSpacing));
        // The room for the number: about the figure's inscribed circle.
        double perimeter = 0.0;
        double doubleArea = 0.0;
        for (std::size_t i = 0; i < outline.points.size(); ++i) {
            const Point& a = outline.points[i];
            const Point& b = outline.points[(i + 1) % outline.points.size()];
            perimeter += std::hypot(b.x - a.x, b.y - a.y);
            doubleArea += a.x * b.y - b.x * a.y;
        }
        const double inRadius = perimeter > 0.0 ? std::abs(doubleArea) / perimeter : 0.0;
        label(centre, figure.number, 2.0 * inRadius / std::max(1.0, textWidth(figure.number, 1.0) + 0.4));
        if (figure.height.size() == 2) {
            page.lines.push_back({toPaper(figure.height[0]), toPaper(figure.height[1]), 0.15, true});
        }
        page.polygons.push_back(std::move(outline));
    }
    for (const Round& round : rounds_) {
        const Point centre = toPaper(round.centre);
        const double radius = round.radius * k;
        if (round.deduction) hatch(hatching::circle({centre.x, centre.y}, radius, kHatchSpacing));
        page.circles.push_back({centre, radius, kOutlineWidth});
        label(centre, round.name, 2.0 * radius / std::max(1.0, textWidth(round.name, 1.0) + 0.4));
    }
}

}  // namespace mirota::sheet
