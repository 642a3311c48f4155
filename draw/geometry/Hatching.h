#pragma once

#include <limits>
#include <vector>

// The hatching of deduction figures as plain line segments, which every CAD program and the drawing
// engine take alike: parallel lines at 45° (rising to the right), `spacing` apart, clipped to the figure.
// A figure given mostLines gets no more lines than that: one that large on paper is hatched a whole
// multiple of the spacing apart, so that a hatch stays a small part of the drawing whatever its size.
namespace mirota::hatching {

// The most lines a figure of the drawing gets.
inline constexpr int kMostLines = 32;
inline constexpr int kNoLimit = std::numeric_limits<int>::max();

struct Point {
    double x = 0.0;
    double y = 0.0;
};

struct Segment {
    Point from;
    Point to;
};

// Inside a convex polygon (its vertices in order, either way round).
std::vector<Segment> convexPolygon(const std::vector<Point>& vertices, double spacing, int mostLines = kNoLimit);
// Inside a circle.
std::vector<Segment> circle(Point centre, double radius, double spacing, int mostLines = kNoLimit);

}  // namespace mirota::hatching
