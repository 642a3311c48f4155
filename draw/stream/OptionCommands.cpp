#include "draw/stream/OptionCommands.h"

#include <cmath>

#include "calc/ShownValue.h"
#include "draw/stream/Angles.h"
#include "draw/stream/CommandText.h"
#include "draw/stream/FigureCommands.h"
#include "model/NumberText.h"

namespace mirota {

namespace {

std::string pointText(hatching::Point p) { return command::doublePoint(p.x, p.y); }

hatching::Point offset(hatching::Point p, double dx, double dy, double by) { return {p.x + dx * by, p.y + dy * by}; }

std::string textCommand(std::string_view justification, hatching::Point at, float height, double degrees,
                        std::string_view text) {
    return command::answers({"_dtext", "j", justification, pointText(at), number::singleText(height),
                             number::doubleText(degrees), text, ""});
}

}  // namespace

std::string segmentCommand(hatching::Point from, hatching::Point to) {
    return command::answers({"line", pointText(from), pointText(to), ""});
}

std::vector<std::string> heightLineCommands(const HeightLine& line, float textHeight, bool flipped,
                                            std::string_view heightText) {
    std::vector<std::string> commands;
    const hatching::Point apex{line.apexX, line.apexY};
    const hatching::Point foot{line.footX, line.footY};
    const double length = std::hypot(apex.x - foot.x, apex.y - foot.y);
    if (!(length > 0.0)) return commands;
    const double ux = (apex.x - foot.x) / length;
    const double uy = (apex.y - foot.y) / length;

    const double dash = textHeight;
    const double period = 1.5 * dash;
    for (double start = 0.0; start < length; start += period) {
        commands.push_back(
            segmentCommand(offset(foot, ux, uy, start), offset(foot, ux, uy, std::min(start + dash, length))));
    }

    const double mark = textHeight / 2.0;
    const hatching::Point onBase = offset(foot, line.alongBaseX, line.alongBaseY, mark);
    commands.push_back(command::answers({"line", pointText(onBase), pointText(offset(onBase, ux, uy, mark)),
                                         pointText(offset(foot, ux, uy, mark)), ""}));

    commands.push_back(
        textCommand("BC", {line.textX, line.textY}, textHeight, labelAngle(line.slope, flipped), heightText));
    return commands;
}

std::vector<std::string> hatchCommands(const std::vector<hatching::Segment>& segments) {
    std::vector<std::string> commands;
    commands.reserve(segments.size());
    for (const hatching::Segment& segment : segments) commands.push_back(segmentCommand(segment.from, segment.to));
    return commands;
}

std::string exceptionOutlineCommand(const PlacedExceptionFigure& figure) {
    if (figure.circle) {
        return numberCircleCommand({figure.centre.x, figure.centre.y}, static_cast<float>(figure.radius));
    }
    const auto& c = figure.corners;
    return command::answers({"line", pointText(c[0]), pointText(c[1]), pointText(c[2]), pointText(c[3]), "c"});
}

std::vector<hatching::Segment> exceptionHatching(const PlacedExceptionFigure& figure, double spacing) {
    if (figure.circle) return hatching::circle(figure.centre, figure.radius, spacing, hatching::kMostLines);
    return hatching::convexPolygon(figure.corners, spacing, hatching::kMostLines);
}

std::string exceptionAreaText(const PlacedExceptionFigure& figure, const AreaRules& rules) {
    const ExactDecimal area = ExactDecimal::fromLeadingNumber(figure.area).value_or(ExactDecimal());
    return shownValue(figure.deduction ? -area : area, rules);
}

std::vector<std::string> exceptionLabelCommands(const PlacedExceptionFigure& figure, float textHeight,
                                                float referenceAngle, const AreaRules& rules) {
    const std::string areaText = exceptionAreaText(figure, rules);
    std::vector<std::string> commands;
    // An empty text would end DTEXT early and its last Enter repeat the command: a nameless figure shows its area only.
    if (!figure.name.empty()) {
        commands.push_back(textCommand("BC", figure.centre, textHeight, referenceAngle, figure.name));
    }
    commands.push_back(textCommand("TC", figure.centre, textHeight, referenceAngle, areaText));
    return commands;
}

}  // namespace mirota
