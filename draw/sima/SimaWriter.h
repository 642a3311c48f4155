#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "draw/FigureGeometry.h"
#include "model/Message.h"
#include "model/SurveyData.h"

// The development as laid out (moved and turned to the reference point and angle) as a SIMA file, the
// points-and-lots exchange file of survey CAD programs: comma-separated records in code page 932, CR LF.
//
//   G00,01,title,  Z00,座標データ,  A00,     the header
//   A01,number,name,X,Y,Z,                   every vertex once (a vertex joined figures share is one point)
//   A99,
//   Z00,区画データ,
//   D00,number,name,  B01,number,name, ...  D99,   every chain figure, its vertices in order around it
//   A99,END
//
// SIMA's X is the northing and Y the easting: X is the drawing's y, Y the drawing's x. Coordinates have
// 4 decimals (0.1 mm in metres); Z is 0. Lots are named by tier and figure number ("1-No.3").
namespace mirota {

struct SimaNames {
    std::string title;          // G00's title: the document's name
    std::string stationPrefix;  // before the figure number of a lot's name
};

// How far a written coordinate may lie from the laid-out vertex: half the last of its 4 decimals.
inline constexpr double kCoordinateRounding = 0.00005;

// The largest difference between a lot's area from its written coordinates and its figure's calculated
// area that the coordinates can make: the lot's perimeter and the magnitude of its laid-out (single
// precision) coordinates give it.
double lotAreaTolerance(double perimeter, double largestCoordinate);

struct SimaFile {
    std::string bytes;
    // The names of the lots whose area from the written coordinates is not the calculated area: their
    // figure is not laid out with the sides it was calculated from (a joined side typed with another
    // length than the side it joins).
    std::vector<std::string> lotsOffArea;
};

// The file from a laid-out development; a message when it cannot be written (a development that
// cannot be placed, a name that code page 932 cannot hold).
std::variant<SimaFile, Message> simaFile(const SurveyData& data, const FigureGeometry& geometry,
                                         const SimaNames& names);

// A coordinate as the file writes it: fixed, 4 decimals, "0.0000" for a negative zero.
std::string simaCoordinate(double value);

}  // namespace mirota
