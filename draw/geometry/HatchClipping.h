#pragma once

#include <string_view>
#include <vector>

#include "draw/geometry/Hatching.h"
#include "model/DrawingConditions.h"

// Where the hatching stops: the texts and circled numbers it would run through, and the spacing that
// keeps its lines as far apart on paper whatever the figure's size in its unit.
namespace mirota::hatching {

// The hatch lines' spacing on paper, in millimetres.
inline constexpr double kSpacingOnPaper = 2.0;

// The spacing in drawing units: the millimetres on paper at 1:scale, in the document's length unit
// (a metre is 1, 100 or 1000 of them). Nothing drawable (zero) for a scale that is no positive number.
double spacingOnPaper(float scale, DisplayUnit unit);

// A region the hatching leaves free: a text's estimated box (four corners, in order), or a circle.
struct KeepOut {
    std::vector<Point> corners;  // none for a circle
    Point centre;
    double radius = 0.0;
};

// Where the text's point lies on it: every text of the drawing is centred along its baseline.
enum class TextAnchor { Bottom, Middle, Top };

// The box of a text at its point, turned by degrees, with a gap of a quarter of its height around it.
KeepOut textKeepOut(Point at, std::string_view text, double height, double degrees, TextAnchor anchor);
KeepOut circleKeepOut(Point centre, double radius);

// Keep-outs moved into another frame by a rigid motion (a move and a turn).
template <typename Move>
KeepOut moved(const KeepOut& keepOut, Move move) {
    KeepOut result = keepOut;
    for (Point& corner : result.corners) corner = move(corner);
    result.centre = move(keepOut.centre);
    return result;
}

// The keep-outs of a drawing, indexed by position so that a segment meets only those near it.
class KeepOuts {
public:
    explicit KeepOuts(std::vector<KeepOut> keepOuts);

    // The parts of the segments outside every keep-out.
    std::vector<Segment> clip(const std::vector<Segment>& segments) const;

private:
    struct Indexed {
        double left;
        double right;
        double bottom;
        double top;
        KeepOut keepOut;
    };
    std::vector<Indexed> sorted_;  // by left edge
    double widest_ = 0.0;
};

}  // namespace mirota::hatching
