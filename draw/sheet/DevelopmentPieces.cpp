#include "draw/sheet/DevelopmentPieces.h"

#include <algorithm>
#include <cmath>

namespace mirota::sheet {

namespace {

// The polygon's part inside the rectangle (Sutherland-Hodgman, one side at a time).
std::vector<Point> clipPolygon(std::vector<Point> points, const Rect& rect) {
    struct Side {
        bool vertical;  // x = value, else y = value
        double value;
        bool keepBelow;  // the inside has the smaller coordinate
    };
    const Side sides[] = {{true, rect.left, false}, {true, rect.right, true}, {false, rect.top, false},
                          {false, rect.bottom, true}};
    for (const Side& side : sides) {
        const auto coordinate = [&](Point p) { return side.vertical ? p.x : p.y; };
        const auto inside = [&](Point p) { return side.keepBelow ? coordinate(p) <= side.value : coordinate(p) >= side.value; };
        std::vector<Point> kept;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Point a = points[i];
            const Point b = points[(i + 1) % points.size()];
            if (inside(a)) kept.push_back(a);
            if (inside(a) != inside(b)) {
                const double t = (side.value - coordinate(a)) / (coordinate(b) - coordinate(a));
                kept.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
            }
        }
        points = std::move(kept);
    }
    return points;
}

// The segment's part inside the rectangle (Liang-Barsky), or nothing when it misses.
bool clipSegment(Point& from, Point& to, const Rect& rect) {
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    double enter = 0.0;
    double leave = 1.0;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {from.x - rect.left, rect.right - from.x, from.y - rect.top, rect.bottom - from.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) enter = std::max(enter, t);
        else leave = std::min(leave, t);
    }
    if (enter > leave) return false;
    const Point start = from;
    from = {start.x + enter * dx, start.y + enter * dy};
    to = {start.x + leave * dx, start.y + leave * dy};
    return true;
}

}  // namespace

std::vector<CutPiece> cutCanvas(const Canvas& canvas, double pieceWidth, double pieceHeight) {
    const int columns = std::max(1, static_cast<int>(std::ceil(canvas.width / pieceWidth - 1e-9)));
    const int rows = std::max(1, static_cast<int>(std::ceil(canvas.height / pieceHeight - 1e-9)));
    const double width = canvas.width / columns;
    const double height = canvas.height / rows;
    std::vector<int> index(static_cast<std::size_t>(columns * rows), -1);
    std::vector<CutPiece> pieces;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const Rect cut{column * width, row * height, (column + 1) * width, (row + 1) * height};
            const bool drawn =
                std::ranges::any_of(canvas.lines, [&](const Line& line) {
                    Point from = line.from;
                    Point to = line.to;
                    return clipSegment(from, to, cut);
                }) ||
                std::ranges::any_of(canvas.circles, [&](const Circle& circle) { return cut.contains(circle.centre); });
            if (!drawn) continue;
            index[static_cast<std::size_t>(row * columns + column)] = static_cast<int>(pieces.size());
            pieces.push_back({cut});
        }
    }
    const auto at = [&](int row, int column) {
        if (row < 0 || row >= rows || column < 0 || column >= columns) return -1;
        return index[static_cast<std::size_t>(row * columns + column)];
    };
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const int piece = at(row, column);
            if (piece < 0) continue;
            CutPiece& p = pieces[static_cast<std::size_t>(piece)];
            p.left = at(row, column - 1);
            p.right = at(row, column + 1);
            p.above = at(row - 1, column);
            p.below = at(row + 1, column);
        }
    }
    return pieces;
}

void placeCut(Page& page, const Canvas& canvas, const Rect& cut, Point at) {
    const auto moved = [&](Point p) { return Point{p.x - cut.left + at.x, p.y - cut.top + at.y}; };
    for (const Polygon& polygon : canvas.polygons) {
        Polygon placed = polygon;
        placed.points = clipPolygon(polygon.points, cut);
        if (placed.points.size() < 3) continue;
        for (Point& p : placed.points) p = moved(p);
        page.polygons.push_back(std::move(placed));
    }
    for (const Line& line : canvas.lines) {
        Line placed = line;
        if (!clipSegment(placed.from, placed.to, cut)) continue;
        placed.from = moved(placed.from);
        placed.to = moved(placed.to);
        page.lines.push_back(placed);
    }
    for (const Circle& circle : canvas.circles) {
        if (!cut.contains(circle.centre)) continue;
        page.circles.push_back({moved(circle.centre), circle.radius, circle.width});
    }
    for (const Text& text : canvas.texts) {
        if (!cut.contains(text.at)) continue;
        Text placed = text;
        placed.at = moved(text.at);
        page.texts.push_back(std::move(placed));
    }
}

}  // namespace mirota::sheet
