#pragma once

#include <string>
#include <vector>

#include "draw/sheet/DevelopmentPieces.h"
#include "draw/sheet/SheetOptions.h"
#include "draw/sheet/SheetPage.h"
#include "model/SurveyData.h"

namespace mirota::sheet {

// The development as the sheet draws it, in drawing units after the drawing's move and turn, labelled as
// the drawing labels it: every placed chain figure with its side lengths along its sides and its number
// circled as the tables number it (from 1 in every tier), the base figure marked, in the 三斜 form its
// base and height with their values as the table shows them; the exception figures that have a position,
// named. Texts keep their size on paper whatever the scale.
class SheetDevelopment {
public:
    // From the rows of the options' input set; the document must have been calculated.
    SheetDevelopment(const SurveyData& data, const Options& options);

    bool empty() const { return figures_.empty() && rounds_.empty(); }

    // The scale 1:n it is drawn at: the largest (n = 1, 2, 2.5 or 5 × 10^k) at which it fits a box of the
    // given millimetres, but never smaller than the scale at which a typical figure (the median) still
    // holds its number and its side lengths; a development larger than the box at that scale runs over
    // several pieces.
    double scaleFor(double boxWidth, double boxHeight) const;
    // The scale, or the first standard one after it at which the development runs over at most maxPieces
    // boxes of the given size.
    double withinPieces(double scale, double boxWidth, double boxHeight, int maxPieces) const;

    // Everything drawn at 1:scale, from the drawing's top left corner.
    Canvas drawn(double scale) const;

private:
    struct SideLabel {
        Point from;  // drawing units
        Point to;
        std::string text;
    };
    struct Figure {
        std::vector<Point> outline;  // drawing units, y up
        bool deduction = false;
        bool base = false;
        int tier = 0;
        std::string number;
        std::vector<SideLabel> sides;
        int baseSide = -1;           // the 三斜 form's base, 0 .. 2
        std::vector<Point> height;   // apex and foot, in the 三斜 form
        std::string heightText;
    };
    struct Round {
        Point centre;
        double radius = 0.0;
        bool deduction = false;
        std::string name;
    };
    void include(Point p);
    double paperWidth(double scale) const;
    double paperHeight(double scale) const;
    double legibleScale() const;

    std::vector<Figure> figures_;  // chain triangles and exception rectangles
    std::vector<Round> rounds_;    // exception circles
    int tiers_ = 0;
    double unitMillimetres_ = 1000.0;
    double minX_ = 0.0, minY_ = 0.0, maxX_ = 0.0, maxY_ = 0.0;
    bool any_ = false;
};

}  // namespace mirota::sheet
