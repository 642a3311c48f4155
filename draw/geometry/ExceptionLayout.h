#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "draw/geometry/Hatching.h"
#include "model/SurveyData.h"

namespace mirota {

// An exception figure (rectangle or circle) as the drawing places it, in the drawing's own coordinates
// (after the move and turn of the development): its position "X,Y" is its centre; a rectangle's sides
// lie along the reference angle, element 2 along it and element 1 across it; a circle's element 1 is
// its diameter.
struct PlacedExceptionFigure {
    int tier = 0;
    int number = 0;  // 1-based within the tier's exception list
    bool circle = false;
    bool deduction = false;
    hatching::Point centre;
    std::vector<hatching::Point> corners;  // a rectangle's, in order around it; none for a circle
    double radius = 0.0;                   // a circle's
    std::string name;
    std::string area;  // the calculated area cell
};

struct ExceptionLayout {
    std::vector<PlacedExceptionFigure> placed;
    // One line for each figure with an area but no position ("X,Y"): it is left out, never guessed.
    std::vector<std::string> withoutPosition;
};

// The exception figures of every tier, from the rows of the input set on view that have an area.
ExceptionLayout layOutExceptionFigures(const SurveyData& data, std::string_view stationPrefix);

}  // namespace mirota
