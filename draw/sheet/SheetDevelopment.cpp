#include "draw/sheet/SheetDevelopment.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

#include "calc/HandCalculatedBaseAndHeight.h"
#include "draw/geometry/DevelopmentGeometry.h"
#include "draw/geometry/ExceptionLayout.h"
#include "draw/geometry/HatchClipping.h"
#include "draw/geometry/Hatching.h"
#include "draw/geometry/HeightLine.h"
#include "draw/stream/DevelopmentPlacement.h"
#include "model/FigureType.h"
#include "model/NumberText.h"

namespace mirota::sheet {

namespace {

// Sizes on paper, in millimetres; no text is smaller than 2 mm.
constexpr double kSideSize = 2.0;
constexpr double kNumberSize = 2.5;
constexpr double kNumberRadius = 2.3;
constexpr double kTierSize = 2.5;
constexpr double kLabelGap = 0.6;      // between a side and its length
constexpr double kCapHeight = 0.75;    // of a text's size: digits stand this high above their baseline
constexpr double kMargin = 4.0;        // around the development, for the labels that stand out of it
constexpr double kHatchSpacing = 1.5;
constexpr double kOutlineWidth = 0.25;
constexpr double kBaseWidth = 0.5;     // the 三斜 form's base
constexpr double kRightAngleMark = 1.2;
constexpr double kBaseFill = 0.88;

// The sides A, B, C by their vertices (0: between A and B, 1: between B and C, 2: between A and C).
constexpr int kSideEnds[3][2] = {{0, 2}, {0, 1}, {1, 2}};

// The drawing's move and turn when the first tier's base figure is placed, else the development's own frame.
std::optional<DevelopmentPlacement> placementOf(const SurveyData& data, const PartialDevelopment& development) {
    const int base = development.geometry.baseFigureNumber(0);
    if (development.placedFigures.empty() || base < 1 || base > development.placedFigures.front()) return std::nullopt;
    return DevelopmentPlacement::of(data, development.geometry);
}

// The standard scales 1:n in order, n = 1, 2, 2.5, 5, 10, ...; visit returns true to stop.
template <typename Visit>
double standardScales(Visit visit) {
    for (double power = 1.0;; power *= 10.0) {
        for (double step : {1.0, 2.0, 2.5, 5.0}) {
            if (visit(step * power) || power > 1e12) return step * power;
        }
    }
}

double distance(Point a, Point b) { return std::hypot(b.x - a.x, b.y - a.y); }

std::string tierName(int tier) { return std::to_string(tier + 1) + "段目"; }

// A text's room on paper: a rectangle about its centre, with half its size along its direction u and
// across it (v).
struct Box {
    Point centre;
    Point u;
    double halfAlong = 0.0;
    double halfAcross = 0.0;

    bool overlaps(const Box& other) const {
        const Point v{-u.y, u.x};
        const Point ov{-other.u.y, other.u.x};
        const Point between{other.centre.x - centre.x, other.centre.y - centre.y};
        const auto dot = [](Point a, Point b) { return a.x * b.x + a.y * b.y; };
        // Apart when a gap shows along one of the four edge directions.
        for (const Point axis : {u, v, other.u, ov}) {
            const double reach = halfAlong * std::abs(dot(u, axis)) + halfAcross * std::abs(dot(v, axis)) +
                                 other.halfAlong * std::abs(dot(other.u, axis)) +
                                 other.halfAcross * std::abs(dot(ov, axis));
            if (std::abs(dot(between, axis)) > reach) return false;
        }
        return true;
    }
};

// Puts texts along lines, the right way up, where no text written before stands (else in the middle), and
// remembers the side lengths written, so that a side two figures share and measure alike is written once.
class Labels {
public:
    explicit Labels(Canvas& canvas) : canvas_(canvas) {}

    // Along the segment p-q, on the side of `inside` (a point of its figure): at its middle, or moved along
    // it clear of the texts before. A side length names the side's middle, where it may have been written.
    void along(Point p, Point q, Point inside, const std::string& text, double size,
               std::optional<Point> sideMiddle = std::nullopt) {
        const double length = distance(p, q);
        if (!(length > 0.0) || text.empty()) return;
        const Point middle{(p.x + q.x) / 2.0, (p.y + q.y) / 2.0};
        if (sideMiddle) {
            for (const auto& [written, at] : written_) {
                if (written == text && distance(at, *sideMiddle) < 0.5) return;
            }
            written_.emplace_back(text, *sideMiddle);
        }
        double ux = (q.x - p.x) / length;
        double uy = (q.y - p.y) / length;
        // Left to right, or upwards on a vertical side (y runs down the page).
        if (ux < -1e-9 || (std::abs(ux) <= 1e-9 && uy > 0.0)) {
            ux = -ux;
            uy = -uy;
        }
        const Point up{uy, -ux};
        const double towardsInside = (inside.x - middle.x) * up.x + (inside.y - middle.y) * up.y;
        const double offset = towardsInside >= 0.0 ? kLabelGap : -(kLabelGap + kCapHeight * size);
        const double width = textWidth(text, size);
        const auto placed = [&](double shift) {
            const Point at{middle.x + up.x * offset + ux * shift, middle.y + up.y * offset + uy * shift};
            const double rise = kCapHeight * size / 2.0;
            return Box{{at.x + up.x * rise, at.y + up.y * rise}, {ux, uy}, width / 2.0 + 0.2, rise + 0.1};
        };
        double shift = 0.0;
        for (const double part : {0.0, -0.22, 0.22, -0.34, 0.34}) {
            const double along = part * length;
            if (std::abs(along) + width / 2.0 > length / 2.0) continue;
            const Box box = placed(along);
            if (std::ranges::none_of(boxes_, [&](const Box& b) { return b.overlaps(box); })) {
                shift = along;
                break;
            }
        }
        const Box box = placed(shift);
        boxes_.push_back(box);
        Text label{{middle.x + up.x * offset + ux * shift, middle.y + up.y * offset + uy * shift}, size, Align::Center, text};
        label.angle = std::atan2(-uy, ux) * 180.0 / std::numbers::pi;
        canvas_.texts.push_back(std::move(label));
    }

    // Centred on the point, upright, in a room of at least the given half width and height.
    void centred(Point at, const std::string& text, double size, double halfRoom = 0.0) {
        canvas_.texts.push_back({{at.x, at.y + 0.35 * size}, size, Align::Center, text});
        boxes_.push_back({at, {1.0, 0.0}, std::max(halfRoom, textWidth(text, size) / 2.0), std::max(halfRoom, size / 2.0)});
    }

    // Where the texts written stand, for the hatching to leave free.
    hatching::KeepOuts keepOuts() const {
        std::vector<hatching::KeepOut> rooms;
        rooms.reserve(boxes_.size());
        for (const Box& box : boxes_) {
            const Point v{-box.u.y, box.u.x};
            hatching::KeepOut room;
            room.centre = {box.centre.x, box.centre.y};
            for (const auto& [along, across] : {std::pair{-1.0, -1.0}, {1.0, -1.0}, {1.0, 1.0}, {-1.0, 1.0}}) {
                room.corners.push_back({box.centre.x + along * box.halfAlong * box.u.x + across * box.halfAcross * v.x,
                                        box.centre.y + along * box.halfAlong * box.u.y + across * box.halfAcross * v.y});
            }
            rooms.push_back(std::move(room));
        }
        return hatching::KeepOuts(std::move(rooms));
    }

private:
    Canvas& canvas_;
    std::vector<std::pair<std::string, Point>> written_;
    std::vector<Box> boxes_;
};

// A dashed line from a to b that leaves out its part inside the circle.
void dashedAround(Canvas& canvas, Point a, Point b, Point centre, double radius) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    const auto at = [&](double t) { return Point{a.x + t * dx, a.y + t * dy}; };
    double enter = 1.0;
    double leave = 1.0;
    if (length2 > 0.0) {
        // |a + t·d - c|² = r²
        const double fx = a.x - centre.x;
        const double fy = a.y - centre.y;
        const double half = (fx * dx + fy * dy) / length2;
        const double discriminant = half * half - (fx * fx + fy * fy - radius * radius) / length2;
        if (discriminant > 0.0) {
            enter = std::clamp(-half - std::sqrt(discriminant), 0.0, 1.0);
            leave = std::clamp(-half + std::sqrt(discriminant), 0.0, 1.0);
        }
    }
    if (enter > 0.0) canvas.lines.push_back({a, at(enter), 0.15, true});
    if (leave < 1.0) canvas.lines.push_back({at(leave), b, 0.15, true});
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
    : unitMillimetres_(millimetresPerUnit(source.conditions.displayUnit)) {
    // The geometry lays out the input set on view.
    std::optional<SurveyData> copy;
    if (source.view.currentInputSet != options.inputSet) {
        copy = source;
        copy->view.currentInputSet = options.inputSet;
    }
    const SurveyData& data = copy ? *copy : source;
    const PartialDevelopment development = computePartialDevelopment(data, options.stationPrefix);
    const FigureGeometry& geometry = development.geometry;
    const auto placement = placementOf(data, development);
    const auto place = [&](double x, double y) {
        if (!placement) return Point{x, y};
        const PlanePoint p = placement->place(static_cast<float>(x), static_cast<float>(y));
        return Point{p.x, p.y};
    };
    const std::string digits = sideDigitsFormat(options);
    tiers_ = static_cast<int>(development.placedFigures.size());
    for (int tier = 0; tier < tiers_; ++tier) {
        for (int number = 1; number <= development.placedFigures[static_cast<std::size_t>(tier)]; ++number) {
            const int row = tableRow(number - 1, options.inputSet);
            Figure figure;
            for (int vertex = 0; vertex < FigureGeometry::kVertices; ++vertex) {
                figure.outline.push_back(place(geometry.at(tier, row, vertex, FigureGeometry::VertexX),
                                               geometry.at(tier, row, vertex, FigureGeometry::VertexY)));
                include(figure.outline.back());
            }
            figure.deduction = isDeductionCode(data.cell(ListKind::Chain, tier, row, column::Type));
            figure.base = number == geometry.baseFigureNumber(tier);
            figure.tier = tier;
            figure.number = std::to_string(number);
            for (const auto& [from, to] : kSideEnds) {
                const int side = static_cast<int>(figure.sides.size());
                figure.sides.push_back({figure.outline[static_cast<std::size_t>(from)],
                                        figure.outline[static_cast<std::size_t>(to)],
                                        number::formatDigits(data.cell(ListKind::Chain, tier, row, column::SideA + side),
                                                             digits)});
            }
            if (options.form == Form::BaseAndHeight) {
                const auto line = heightLineOf(data, geometry, tier, row);
                const auto triangle = handCalculatedTriangle(data, tier, row, options.rules);
                if (line && triangle) {
                    figure.baseSide = triangle->baseSide;
                    figure.sides[static_cast<std::size_t>(triangle->baseSide)].text =
                        triangle->base.fixedText(options.rules.decimals, options.rules.rounding);
                    figure.height = {place(line->apexX, line->apexY), place(line->footX, line->footY)};
                    figure.heightText = triangle->height.fixedText(options.rules.decimals, options.rules.rounding);
                }
            }
            figures_.push_back(std::move(figure));
        }
    }
    for (const PlacedExceptionFigure& placed : layOutExceptionFigures(data, options.stationPrefix).placed) {
        if (placed.circle) {
            rounds_.push_back({{placed.centre.x, placed.centre.y}, placed.radius, placed.deduction, placed.name});
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
        figure.tier = placed.tier;
        figure.number = placed.name;
        figures_.push_back(std::move(figure));
    }
}

double SheetDevelopment::paperWidth(double scale) const {
    const double tierLabels = tiers_ > 1 ? textWidth(tierName(tiers_ - 1), kTierSize) + 2.0 : 0.0;
    return (maxX_ - minX_) * unitMillimetres_ / scale + 2.0 * kMargin + tierLabels;
}

double SheetDevelopment::paperHeight(double scale) const {
    return (maxY_ - minY_) * unitMillimetres_ / scale + 2.0 * kMargin;
}

// The largest standard scale at which the median triangle holds its circled number inside it and each
// side's length along it.
double SheetDevelopment::legibleScale() const {
    std::vector<double> largest;  // per triangle, the largest n of 1:n at which it is legible
    for (const Figure& figure : figures_) {
        if (figure.sides.empty()) continue;
        double perimeter = 0.0;
        double n = std::numeric_limits<double>::infinity();
        for (const SideLabel& side : figure.sides) {
            const double length = distance(side.from, side.to);
            perimeter += length;
            n = std::min(n, length * unitMillimetres_ / (textWidth(side.text, kSideSize) + 2.0));
        }
        const Point& a = figure.outline[0];
        const Point& b = figure.outline[1];
        const Point& c = figure.outline[2];
        const double doubleArea = std::abs((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y));
        if (perimeter > 0.0) n = std::min(n, doubleArea / perimeter * unitMillimetres_ / (kNumberRadius + 0.5));
        largest.push_back(n);
    }
    if (largest.empty()) return std::numeric_limits<double>::infinity();
    std::ranges::nth_element(largest, largest.begin() + static_cast<std::ptrdiff_t>(largest.size() / 2));
    const double median = largest[largest.size() / 2];
    double legible = 1.0;
    standardScales([&](double scale) {
        if (scale > median) return true;
        legible = scale;
        return false;
    });
    return legible;
}

double SheetDevelopment::scaleFor(double boxWidth, double boxHeight) const {
    const double fits = standardScales([&](double scale) {
        return paperWidth(scale) <= boxWidth && paperHeight(scale) <= boxHeight;
    });
    return std::min(fits, legibleScale());
}

double SheetDevelopment::withinPieces(double scale, double boxWidth, double boxHeight, int maxPieces) const {
    const auto pieces = [&](double at) {
        return std::ceil(paperWidth(at) / boxWidth) * std::ceil(paperHeight(at) / boxHeight);
    };
    if (pieces(scale) <= maxPieces) return scale;
    return standardScales([&](double at) { return at > scale && pieces(at) <= maxPieces; });
}

Canvas SheetDevelopment::drawn(double scale) const {
    Canvas canvas;
    canvas.width = paperWidth(scale);
    canvas.height = paperHeight(scale);
    const double k = unitMillimetres_ / scale;
    const double left = canvas.width - kMargin - (maxX_ - minX_) * k;
    const auto toPaper = [&](Point p) { return Point{left + (p.x - minX_) * k, kMargin + (maxY_ - p.y) * k}; };
    // Hatching is drawn last, clear of every text and circled number.
    std::vector<hatching::Segment> hatching;
    const auto hatch = [&](const std::vector<hatching::Segment>& segments) {
        hatching.insert(hatching.end(), segments.begin(), segments.end());
    };
    Labels labels(canvas);
    constexpr double kHuge = std::numeric_limits<double>::max();
    std::vector<Rect> tierExtents(static_cast<std::size_t>(std::max(tiers_, 1)), Rect{kHuge, kHuge, -kHuge, -kHuge});
    for (const Figure& figure : figures_) {
        std::vector<Point> corners;
        Point centre;
        for (const Point& p : figure.outline) {
            corners.push_back(toPaper(p));
            centre.x += corners.back().x / static_cast<double>(figure.outline.size());
            centre.y += corners.back().y / static_cast<double>(figure.outline.size());
        }
        if (figure.base) canvas.polygons.push_back({corners, 0.0, kBaseFill});
        if (figure.deduction) {
            std::vector<hatching::Point> hatched;
            for (const Point& p : corners) hatched.push_back({p.x, p.y});
            hatch(hatching::convexPolygon(hatched, kHatchSpacing));
        }
        if (figure.sides.empty()) {  // an exception rectangle: its outline and its name
            for (std::size_t i = 0; i < corners.size(); ++i) {
                canvas.lines.push_back({corners[i], corners[(i + 1) % corners.size()], kOutlineWidth});
            }
            labels.centred(centre, figure.number, kNumberSize);
            continue;
        }
        std::optional<Point> foot;
        if (figure.height.size() == 2) foot = toPaper(figure.height[1]);
        for (int side = 0; side < 3; ++side) {
            const SideLabel& label = figure.sides[static_cast<std::size_t>(side)];
            Point from = toPaper(label.from);
            Point to = toPaper(label.to);
            canvas.lines.push_back({from, to, side == figure.baseSide ? kBaseWidth : kOutlineWidth});
            const Point middle{(from.x + to.x) / 2.0, (from.y + to.y) / 2.0};
            // The base's length stands on its longer part, clear of the height's foot.
            if (side == figure.baseSide && foot) (distance(*foot, from) > distance(*foot, to) ? to : from) = *foot;
            labels.along(from, to, centre, label.text, kSideSize, middle);
        }
        canvas.circles.push_back({centre, kNumberRadius, 0.2});
        labels.centred(centre, figure.number, kNumberSize, kNumberRadius);
        if (figure.base) {
            const std::string mark = "基準";
            labels.centred({centre.x + kNumberRadius + 0.6 + textWidth(mark, kSideSize) / 2.0, centre.y}, mark, kSideSize);
        }
        if (figure.height.size() == 2) {
            const Point apex = toPaper(figure.height[0]);
            const Point foot = toPaper(figure.height[1]);
            dashedAround(canvas, apex, foot, centre, kNumberRadius + 0.4);
            const double length = distance(foot, apex);
            const SideLabel& base = figure.sides[static_cast<std::size_t>(figure.baseSide)];
            const Point baseFrom = toPaper(base.from);
            const Point baseTo = toPaper(base.to);
            // The right-angle mark at the foot, on the base's longer part.
            const Point farEnd = distance(foot, baseFrom) > distance(foot, baseTo) ? baseFrom : baseTo;
            const double along = distance(foot, farEnd);
            if (length > 0.0 && along > 0.0) {
                const Point u{(farEnd.x - foot.x) / along * kRightAngleMark, (farEnd.y - foot.y) / along * kRightAngleMark};
                const Point h{(apex.x - foot.x) / length * kRightAngleMark, (apex.y - foot.y) / length * kRightAngleMark};
                const Point corner{foot.x + u.x + h.x, foot.y + u.y + h.y};
                canvas.lines.push_back({{foot.x + u.x, foot.y + u.y}, corner, 0.15});
                canvas.lines.push_back({corner, {foot.x + h.x, foot.y + h.y}, 0.15});
            }
            // The height's value beside the line, two thirds of the way up, clear of the circled number.
            const Point from{foot.x + (apex.x - foot.x) / 3.0, foot.y + (apex.y - foot.y) / 3.0};
            const Point side{apex.x + (apex.y - foot.y), apex.y - (apex.x - foot.x)};
            labels.along(from, apex, side, figure.heightText, kSideSize);
        }
        Rect& extent = tierExtents[static_cast<std::size_t>(figure.tier)];
        for (const Point& p : corners) {
            extent = {std::min(extent.left, p.x), std::min(extent.top, p.y), std::max(extent.right, p.x),
                      std::max(extent.bottom, p.y)};
        }
    }
    for (const Round& round : rounds_) {
        const Point centre = toPaper(round.centre);
        const double radius = round.radius * k;
        if (round.deduction) hatch(hatching::circle({centre.x, centre.y}, radius, kHatchSpacing));
        canvas.circles.push_back({centre, radius, kOutlineWidth});
        labels.centred(centre, round.name, kNumberSize);
    }
    for (const hatching::Segment& segment : labels.keepOuts().clip(hatching)) {
        canvas.lines.push_back({{segment.from.x, segment.from.y}, {segment.to.x, segment.to.y}, 0.1});
    }
    // With several tiers, each is named at its left end.
    for (int tier = 0; tier < tiers_ && tiers_ > 1; ++tier) {
        const Rect& extent = tierExtents[static_cast<std::size_t>(tier)];
        if (extent.left > extent.right) continue;
        const double middle = (extent.top + extent.bottom) / 2.0;
        canvas.texts.push_back({{extent.left - 2.0, middle + 0.35 * kTierSize}, kTierSize, Align::Right, tierName(tier), true});
    }
    return canvas;
}

}  // namespace mirota::sheet
