#include "draw/stream/DrawingRun.h"

#include <optional>
#include <string_view>

#include "calc/AreaCalculation.h"
#include "draw/FigureGeometry.h"
#include "draw/geometry/DevelopmentGeometry.h"
#include "draw/geometry/ExceptionLayout.h"
#include "model/NumberText.h"

namespace mirota {

namespace {

// The first drawing condition a drawing cannot do without that is 0.
std::optional<Message> missingCondition(const DrawingConditions& conditions) {
    struct Required {
        float DrawingConditions::*field;
        std::string_view text;
    };
    static constexpr Required kRequired[] = {
        {&DrawingConditions::numberHeight, "Noサイズの入力を確認してください。 Noサイズ："},
        {&DrawingConditions::labelHeight, "寸法値の入力を確認してください。 寸法値："},
        {&DrawingConditions::scale, "縮尺の入力を確認してください。 縮尺："},
    };
    for (const Required& required : kRequired) {
        const float value = conditions.*required.field;
        if (value == 0.0f) return Message{std::string(required.text) + number::singleText(value), "", Message::Icon::Warning};
    }
    return std::nullopt;
}

StreamSettings streamSettings(const DrawingRunSettings& settings) {
    return {settings.digitsFormat, settings.areaTable, settings.heightLines, settings.exceptionFigures,
            settings.deductionHatching, settings.sideDigitsFormat};
}

}  // namespace

std::optional<FigureGeometry> layOutDevelopment(SurveyData& data, const DrawingRunSettings& settings,
                                                DrawingRunResult& result) {
    const std::string_view stationPrefix = settings.stationPrefix;
    using Outcome = DrawingRunResult::Outcome;
    if (auto message = missingCondition(data.conditions)) {
        result.outcome = Outcome::ConditionsMissing;
        result.messages.push_back(std::move(*message));
        return std::nullopt;
    }

    // Once any calculation has gone through, a later failed one still lets the drawing go on: when asked to.
    auto failure = calculateAreas(data, stationPrefix);
    const bool ask = failure && failure->inError && data.view.calculationDone && settings.goOnWithoutFaultyFigures;
    if (ask && !settings.goOnWithoutFaultyFigures(*failure)) {
        result.outcome = Outcome::Cancelled;
        return std::nullopt;
    }
    if (failure && !ask) result.messages.push_back(std::move(*failure));
    if (!data.view.calculationDone) {
        result.outcome = Outcome::NotCalculated;
        return std::nullopt;
    }

    FigureGeometry geometry(data.tierCount(), data.rowCapacity());
    if (auto message = computeDevelopmentGeometry(data, stationPrefix, geometry)) {
        result.outcome = Outcome::GeometryFailed;
        result.messages.push_back(std::move(*message));
        return std::nullopt;
    }
    return geometry;
}

DrawingRunResult drawToLink(SurveyData& data, const DrawingRunSettings& settings, CadLink& link,
                            const ProgressCallback& progress) {
    using Outcome = DrawingRunResult::Outcome;
    DrawingRunResult result;
    const auto geometry = layOutDevelopment(data, settings, result);
    if (!geometry) return result;

    if (auto message = sendDrawingCommands(data, *geometry, streamSettings(settings), link, progress)) {
        result.outcome = Outcome::NotFinished;
        result.messages.push_back(std::move(*message));
        return result;
    }
    result.outcome = Outcome::Finished;
    result.messages.push_back(drawingFinishedMessage());
    if (settings.exceptionFigures) {
        result.notices = layOutExceptionFigures(data, settings.stationPrefix).withoutPosition;
    }
    return result;
}

}  // namespace mirota
