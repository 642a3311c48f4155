#include "draw/geometry/Hatching.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace mirota::hatching {

namespace {

// Hatch lines run along d; each is the set of points at a fixed distance c along the normal n.
constexpr double kHalfRoot2 = std::numbers::sqrt2 / 2.0;
constexpr Point kAlong{kHalfRoot2, kHalfRoot2};
constexpr Point kNormal{-kHalfRoot2, kHalfRoot2};

double dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }
Point at(double normal, double along) {
    return {normal * kNormal.x + along * kAlong.x, normal * kNormal.y + along * kAlong.y};
}

// The distances along the normal of the hatch lines strictly between low and high, on a grid of
// spacing so that neighbouring figures' hatching lines up (a widened spacing keeps every n-th line).
template <typename Visit>
void forEachLine(double low, double high, double spacing, int mostLines, Visit visit) {
    if (!(spacing > 0.0) || !std::isfinite(low) || !std::isfinite(high) || !std::isfinite(spacing)) return;
    double lines = (high - low) / spacing;
    if (!std::isfinite(lines)) return;
    if (lines > mostLines) {
        spacing *= std::ceil(lines / mostLines);
        lines = (high - low) / spacing;
    }
    // Counted, not stepped: far from the origin a step of one can vanish in the rounding.
    const double first = std::floor(low / spacing) + 1.0;
    for (double i = 0.0; i <= lines + 1.0 && (first + i) * spacing < high; i += 1.0) visit((first + i) * spacing);
}

}  // namespace

std::vector<Segment> convexPolygon(const std::vector<Point>& vertices, double spacing, int mostLines) {
    std::vector<Segment> segments;
    if (vertices.size() < 3) return segments;
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (Point v : vertices) {
        low = std::min(low, dot(v, kNormal));
        high = std::max(high, dot(v, kNormal));
    }
    forEachLine(low, high, spacing, mostLines, [&](double c) {
        double first = std::numeric_limits<double>::infinity();
        double last = -first;
        for (std::size_t i = 0; i < vertices.size(); ++i) {
            const Point p = vertices[i];
            const Point q = vertices[(i + 1) % vertices.size()];
            const double np = dot(p, kNormal) - c;
            const double nq = dot(q, kNormal) - c;
            if ((np < 0.0) == (nq < 0.0) || np == nq) continue;
            const double t = np / (np - nq);
            const double along = dot(p, kAlong) + t * (dot(q, kAlong) - dot(p, kAlong));
            first = std::min(first, along);
            last = std::max(last, along);
        }
        if (first < last) segments.push_back({at(c, first), at(c, last)});
    });
    return segments;
}

std::vector<Segment> circle(Point centre, double radius, double spacing, int mostLines) {
    std::vector<Segment> segments;
    const double middle = dot(centre, kNormal);
    const double along = dot(centre, kAlong);
    forEachLine(middle - radius, middle + radius, spacing, mostLines, [&](double c) {
        const double offset = c - middle;
        const double half = std::sqrt(std::max(0.0, radius * radius - offset * offset));
        segments.push_back({at(c, along - half), at(c, along + half)});
    });
    return segments;
}

}  // namespace mirota::hatching
