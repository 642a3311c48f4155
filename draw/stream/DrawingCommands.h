#pragma once

#include <functional>
#include <optional>
#include <string>

#include "draw/CadLink.h"
#include "draw/FigureGeometry.h"
#include "draw/stream/AreaTable.h"
#include "model/Message.h"
#include "model/SurveyData.h"

namespace mirota {

struct StreamSettings {
    std::string digitsFormat = "0.00";
    AreaTableRules areaTable{};
    bool heightLines = false;        // 三斜: the height of every triangle, dashed, with its value; the base marked
    bool exceptionFigures = false;   // the exception list's figures with a position, named, with their areas
    bool deductionHatching = false;  // deductions hatched
    std::string sideDigitsFormat{};  // 辺の桁数: the side labels' format; empty: as digitsFormat

    const std::string& sideDigits() const { return sideDigitsFormat.empty() ? digitsFormat : sideDigitsFormat; }
};

// Told how far the drawing has gone. The maximum covers the figures of the first tier only, so with
// several tiers the value passes it: the receiver shows a full bar then and the drawing goes on.
// Both numbers are given as they are.
using ProgressCallback = std::function<void(int value, int maximum)>;

inline constexpr const char* kAcadApplication = "AutoCAD LT.DDE";
inline constexpr const char* kAcadTopic = "System";

// Draws the development through the link: layers, outlines, side labels, figure numbers, the move and
// turn into the reference point and angle, the layer locks of an additional drawing and the area
// table. Returns nothing when every command was delivered; otherwise the message that the drawing
// did not finish, with the cause. Sending stops at the first command the link fails to deliver;
// geometry that cannot be drawn is refused before the link is opened.
std::optional<Message> sendDrawingCommands(const SurveyData& data, const FigureGeometry& geometry,
                                           const StreamSettings& settings, CadLink& link,
                                           const ProgressCallback& progress);

// Why the geometry or the drawing conditions cannot be drawn (or written for another program), if
// they cannot: a value out of range, a figure not laid out, a base figure that gives no direction.
std::optional<std::string> undrawableCause(const SurveyData& data, const FigureGeometry& geometry);

// The message that ends a drawing sent in full.
Message drawingFinishedMessage();
// The message that the drawing did not finish, with the cause.
Message drawingNotFinishedMessage(const std::string& cause);

}  // namespace mirota
