#pragma once

#include <vector>

#include "draw/sheet/SheetOptions.h"
#include "draw/sheet/SheetPage.h"
#include "model/SurveyData.h"

namespace mirota::sheet {

// The development as the sheet draws it, in drawing units after the drawing's move and turn: every
// placed chain figure with its number as the table writes it ("3", or "2-3" when there are several tiers),
// in the 三斜 form its height; the exception figures that have a position.
class SheetDevelopment {
public:
    // From the rows of the options' input set; the document must have been calculated.
    SheetDevelopment(const SurveyData& data, const Options& options);

    bool empty() const { return figures_.empty() && rounds_.empty(); }
    double width() const { return maxX_ - minX_; }
    double height() const { return maxY_ - minY_; }

    // The largest scale 1:n (n = 1, 2, 2.5 or 5 × 10^k) at which the development fits a box of the given
    // millimetres; unitMillimetres is the length of one drawing unit on paper at 1:1.
    double scaleToFit(double boxWidth, double boxHeight) const;
    // Its size on paper at 1:scale.
    double paperWidth(double scale) const { return width() * unitMillimetres_ / scale; }
    double paperHeight(double scale) const { return height() * unitMillimetres_ / scale; }

    // Draws it onto the page at 1:scale with its top left corner at `topLeft`.
    void drawOn(Page& page, Point topLeft, double scale) const;

private:
    struct Figure {
        std::vector<Point> outline;  // drawing units, y up
        bool deduction = false;
        std::string number;
        std::vector<Point> height;  // apex and foot, in the 三斜 form
    };
    struct Round {
        Point centre;
        double radius = 0.0;
        bool deduction = false;
        std::string name;
    };
    void include(Point p);

    std::vector<Figure> figures_;  // chain triangles and exception rectangles
    std::vector<Round> rounds_;    // exception circles
    double unitMillimetres_ = 1000.0;
    double minX_ = 0.0, minY_ = 0.0, maxX_ = 0.0, maxY_ = 0.0;
    bool any_ = false;
};

}  // namespace mirota::sheet
