#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "draw/geometry/ExceptionLayout.h"
#include "draw/geometry/Hatching.h"
#include "draw/geometry/HeightLine.h"

// The commands of the drawing options, each made of plain LINE, DTEXT and CIRCLE commands that the
// drawing engine and every CAD program take alike (no line types or hatch patterns to load).
namespace mirota {

// One straight segment: LINE from, to, then Enter to end the command.
std::string segmentCommand(hatching::Point from, hatching::Point to);

// A triangle's height (三斜) as a dashed line from the apex to the base (dashes as long as the text is
// high, gaps half that), a right-angle mark on the base at the foot, and the height's value written
// along the line where HeightLine puts it, the right way up once the drawing is turned (as the side labels).
std::vector<std::string> heightLineCommands(const HeightLine& line, float textHeight, bool flipped,
                                            std::string_view heightText);

// The hatching of a figure, one segment a command.
std::vector<std::string> hatchCommands(const std::vector<hatching::Segment>& segments);

// An exception figure's outline: a closed rectangle, or a circle.
std::string exceptionOutlineCommand(const PlacedExceptionFigure& figure);
// Its hatching, the lines spacing apart, no more than a figure of the drawing gets.
std::vector<hatching::Segment> exceptionHatching(const PlacedExceptionFigure& figure, double spacing);
// The area written under it: negative for a deduction, as in the area table, shown by the rules.
std::string exceptionAreaText(const PlacedExceptionFigure& figure, const AreaRules& rules);
// Its name above the centre and its area below, along the reference angle.
std::vector<std::string> exceptionLabelCommands(const PlacedExceptionFigure& figure, float textHeight,
                                                float referenceAngle, const AreaRules& rules);

}  // namespace mirota
