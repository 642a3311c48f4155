#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/AreaCalculation.h"
#include "draw/CadLink.h"
#include "draw/FigureGeometry.h"
#include "draw/stream/DrawingCommands.h"
#include "model/Message.h"
#include "model/SurveyData.h"

namespace mirota {

struct DrawingRunSettings {
    std::string digitsFormat = "0.00";
    std::string stationPrefix = "No.";
    AreaTableRules areaTable{};  // the user's area rules and the table's closing lines
    // Drawing options of the user; with all of them off the stream is the plain drawing.
    bool heightLines = false;        // 三斜: each triangle's height from its apex to its base
    bool exceptionFigures = false;   // the exception list's rectangles and circles at their positions
    bool deductionHatching = false;  // deductions hatched
    std::string sideDigitsFormat{};  // the side labels' format; empty: as digitsFormat
    // Asked, when the calculation finds figures that cannot be calculated and the drawing could go on without
    // them, whether it should; when no one is asked, it goes on.
    std::function<bool(const CalculationFailure&)> goOnWithoutFaultyFigures{};
};

struct DrawingRunResult {
    enum class Outcome {
        ConditionsMissing,  // a text height or the scale is 0: nothing calculated, nothing drawn
        NotCalculated,      // no area calculation has gone through yet
        GeometryFailed,     // the development could not be laid out: nothing sent
        Cancelled,          // not to go on without the faulty figures: nothing sent, nothing to say
        NotFinished,        // the link failed or the geometry could not be drawn
        Finished,           // every command delivered
    };

    Outcome outcome = Outcome::NotCalculated;
    // Every message to show, in order: the check's, or the calculation's, then the geometry's,
    // the failure of the drawing or its completion.
    std::vector<Message> messages;
    // Lines for the status: what the drawing left out (an exception figure without a position), lots
    // of a SIMA file whose area is not the calculated one.
    std::vector<std::string> notices;

    bool finished() const { return outcome == Outcome::Finished; }
    // After a missing text height or scale the window opens the settings dialog (not modal).
    bool openSettingsDialog() const { return outcome == Outcome::ConditionsMissing; }
};

// The steps every use of the laid-out development starts with: checks the text heights and the scale,
// recalculates the areas and lays out the development of the input set on view. Gives the geometry,
// or nothing with the outcome and the messages written into result.
std::optional<FigureGeometry> layOutDevelopment(SurveyData& data, const DrawingRunSettings& settings,
                                               DrawingRunResult& result);

// The Draw command without its window: checks the text heights and the scale, recalculates the areas,
// lays out the development of the input set on view and sends it through the link.
DrawingRunResult drawToLink(SurveyData& data, const DrawingRunSettings& settings, CadLink& link,
                            const ProgressCallback& progress);

}  // namespace mirota
