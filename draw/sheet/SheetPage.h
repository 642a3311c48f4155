#pragma once

#include <string>
#include <string_view>
#include <vector>

// The area calculation sheet (求積表) as pages of simple items, in millimetres from the page's top left
// corner, y downwards: what a PDF writer or the window's printer paints, with nothing left to decide.
namespace mirota::sheet {

struct Point {
    double x = 0.0;
    double y = 0.0;
};

enum class Align { Left, Center, Right };

// A line of text: `at` is the point of its baseline the alignment names (its left end, middle or right end).
struct Text {
    Point at;
    double size = 3.0;  // the font's em height
    Align align = Align::Left;
    std::string text;
    bool bold = false;
    double angle = 0.0;  // degrees, counter-clockwise as the page is seen, about `at`
};

struct Line {
    Point from;
    Point to;
    double width = 0.2;
    bool dashed = false;
};

// A closed outline, filled with a grey (0 black .. 1 white) when fill is below 1.
struct Polygon {
    std::vector<Point> points;
    double width = 0.2;
    double fill = 1.0;
};

struct Circle {
    Point centre;
    double radius = 1.0;
    double width = 0.15;
};

struct Page {
    double width = 210.0;
    double height = 297.0;
    std::vector<Polygon> polygons;  // painted first, so that lines and texts lie on top
    std::vector<Line> lines;
    std::vector<Circle> circles;
    std::vector<Text> texts;
};

// The width of a text on paper: the font is monospaced, half-width characters half an em wide, every
// other character a whole em.
double textWidth(std::string_view text, double size);

struct Sheet {
    std::string title;  // the document's title for a PDF's information
    std::vector<Page> pages;
};

}  // namespace mirota::sheet
