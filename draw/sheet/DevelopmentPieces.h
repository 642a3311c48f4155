#pragma once

#include <vector>

#include "draw/sheet/SheetPage.h"

namespace mirota::sheet {

// A drawing on paper before it is put on a page: its items in millimetres from its own top left corner.
struct Canvas {
    double width = 0.0;
    double height = 0.0;
    std::vector<Polygon> polygons;
    std::vector<Line> lines;
    std::vector<Circle> circles;
    std::vector<Text> texts;
};

struct Rect {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;

    double width() const { return right - left; }
    double height() const { return bottom - top; }
    bool contains(Point p) const { return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom; }
};

// A canvas larger than one page, cut into pieces of at most the given size: an even grid, without the
// cells where no line and no circle's centre lies, in reading order (rows down, each row left to right).
struct CutPiece {
    Rect cut;  // on the canvas
    // The piece beyond each side, as an index into the pieces; -1 at the canvas's edge or an empty cell.
    int left = -1;
    int above = -1;
    int right = -1;
    int below = -1;
};
std::vector<CutPiece> cutCanvas(const Canvas& canvas, double pieceWidth, double pieceHeight);

// Puts the part of the canvas within `cut` on the page with the cut's top left corner at `at`: lines
// and filled areas clipped to it, circles and texts whose centre or anchor lies in it whole.
void placeCut(Page& page, const Canvas& canvas, const Rect& cut, Point at);

}  // namespace mirota::sheet
