#include "draw/geometry/HatchClipping.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <utility>

#include "draw/geometry/TextWidth.h"

namespace mirota::hatching {

namespace {

constexpr double kGap = 0.25;         // around a text, in its heights
constexpr double kShortest = 1e-9;    // of a segment's length, the parts shorter than this are dropped

using Interval = std::pair<double, double>;

// Where along the segment (0 at its start, 1 at its end) it runs inside a convex polygon: the
// parameter range inside every edge's half-plane, whichever way round the corners go.
std::optional<Interval> insidePolygon(const Segment& s, const std::vector<Point>& corners) {
    double area = 0.0;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Point& p = corners[i];
        const Point& q = corners[(i + 1) % corners.size()];
        area += p.x * q.y - q.x * p.y;
    }
    const double turn = area < 0.0 ? -1.0 : 1.0;
    double enter = 0.0;
    double leave = 1.0;
    const double dx = s.to.x - s.from.x;
    const double dy = s.to.y - s.from.y;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Point& p = corners[i];
        const Point& q = corners[(i + 1) % corners.size()];
        // Inside: on the left of p -> q for a counter-clockwise polygon.
        const double ex = q.x - p.x;
        const double ey = q.y - p.y;
        const double atStart = turn * (ex * (s.from.y - p.y) - ey * (s.from.x - p.x));
        const double along = turn * (ex * dy - ey * dx);
        if (along == 0.0) {
            if (atStart < 0.0) return std::nullopt;
            continue;
        }
        const double t = -atStart / along;
        if (along > 0.0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
        if (enter >= leave) return std::nullopt;
    }
    return Interval{enter, leave};
}

std::optional<Interval> insideCircle(const Segment& s, Point centre, double radius) {
    const double dx = s.to.x - s.from.x;
    const double dy = s.to.y - s.from.y;
    const double fx = s.from.x - centre.x;
    const double fy = s.from.y - centre.y;
    const double a = dx * dx + dy * dy;
    if (!(a > 0.0)) return std::nullopt;
    const double b = fx * dx + fy * dy;
    const double c = fx * fx + fy * fy - radius * radius;
    const double discriminant = b * b - a * c;
    if (!(discriminant > 0.0)) return std::nullopt;
    const double root = std::sqrt(discriminant);
    const double enter = std::max(0.0, (-b - root) / a);
    const double leave = std::min(1.0, (-b + root) / a);
    if (enter >= leave) return std::nullopt;
    return Interval{enter, leave};
}

Point along(const Segment& s, double t) {
    return {s.from.x + t * (s.to.x - s.from.x), s.from.y + t * (s.to.y - s.from.y)};
}

}  // namespace

double spacingOnPaper(float scale, DisplayUnit unit) {
    if (!(scale > 0.0f) || !std::isfinite(scale)) return 0.0;
    return kSpacingOnPaper * static_cast<double>(scale) / millimetresPerUnit(unit);
}

KeepOut textKeepOut(Point at, std::string_view text, double height, double degrees, TextAnchor anchor) {
    const double halfWidth = estimatedTextWidth(text) * height / 2.0 + kGap * height;
    const double tall = 1.2 * height;  // the letters and the descent below the baseline
    double bottom = 0.0;
    switch (anchor) {
        case TextAnchor::Bottom: bottom = 0.0; break;
        case TextAnchor::Middle: bottom = -tall / 2.0; break;
        case TextAnchor::Top: bottom = -tall; break;
    }
    bottom -= kGap * height;
    const double top = bottom + tall + 2.0 * kGap * height;
    const double radians = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    KeepOut box;
    box.centre = at;
    for (const auto& [x, y] : {Interval{-halfWidth, bottom}, Interval{halfWidth, bottom}, Interval{halfWidth, top},
                               Interval{-halfWidth, top}}) {
        box.corners.push_back({at.x + x * c - y * s, at.y + x * s + y * c});
    }
    return box;
}

KeepOut circleKeepOut(Point centre, double radius) { return KeepOut{{}, centre, radius}; }

KeepOuts::KeepOuts(std::vector<KeepOut> keepOuts) {
    sorted_.reserve(keepOuts.size());
    for (KeepOut& keepOut : keepOuts) {
        Indexed item{keepOut.centre.x - keepOut.radius, keepOut.centre.x + keepOut.radius,
                     keepOut.centre.y - keepOut.radius, keepOut.centre.y + keepOut.radius, {}};
        if (!keepOut.corners.empty()) {
            item.left = item.bottom = std::numeric_limits<double>::infinity();
            item.right = item.top = -item.left;
            for (const Point& corner : keepOut.corners) {
                item.left = std::min(item.left, corner.x);
                item.right = std::max(item.right, corner.x);
                item.bottom = std::min(item.bottom, corner.y);
                item.top = std::max(item.top, corner.y);
            }
        }
        // A keep-out without an extent (a text far out of range) keeps nothing out.
        if (!std::isfinite(item.right - item.left) || !std::isfinite(item.top - item.bottom)) continue;
        item.keepOut = std::move(keepOut);
        widest_ = std::max(widest_, item.right - item.left);
        sorted_.push_back(std::move(item));
    }
    std::sort(sorted_.begin(), sorted_.end(), [](const Indexed& a, const Indexed& b) { return a.left < b.left; });
}

std::vector<Segment> KeepOuts::clip(const std::vector<Segment>& segments) const {
    std::vector<Segment> kept;
    kept.reserve(segments.size());
    std::vector<Interval> covered;
    for (const Segment& segment : segments) {
        const double left = std::min(segment.from.x, segment.to.x);
        const double right = std::max(segment.from.x, segment.to.x);
        const double bottom = std::min(segment.from.y, segment.to.y);
        const double top = std::max(segment.from.y, segment.to.y);
        covered.clear();
        // Only keep-outs that start less than the widest one's width left of the segment can reach it.
        auto item = std::lower_bound(sorted_.begin(), sorted_.end(), left - widest_,
                                     [](const Indexed& a, double x) { return a.left < x; });
        for (; item != sorted_.end() && item->left <= right; ++item) {
            if (item->right < left || item->top < bottom || item->bottom > top) continue;
            const KeepOut& k = item->keepOut;
            const auto inside = k.corners.empty() ? insideCircle(segment, k.centre, k.radius)
                                                  : insidePolygon(segment, k.corners);
            if (inside) covered.push_back(*inside);
        }
        std::sort(covered.begin(), covered.end());
        const double length = std::hypot(segment.to.x - segment.from.x, segment.to.y - segment.from.y);
        const double shortest = length > 0.0 ? kShortest / length : 0.0;
        double start = 0.0;
        for (const Interval& gap : covered) {
            if (gap.first - start > shortest) kept.push_back({along(segment, start), along(segment, gap.first)});
            start = std::max(start, gap.second);
        }
        if (1.0 - start > shortest) kept.push_back(start == 0.0 ? segment : Segment{along(segment, start), segment.to});
    }
    return kept;
}

}  // namespace mirota::hatching
