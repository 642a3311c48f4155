#pragma once

#include <optional>
#include <string_view>

#include "model/Message.h"
#include "model/SurveyData.h"

namespace mirota {

// The figure an input error was found in (figures counted from 0).
struct FigureInError {
    ListKind list = ListKind::Chain;
    int tier = 0;
    int figure = 0;

    bool operator==(const FigureInError&) const = default;
};

// Why a calculation stopped: the message for the user and, for an input error, its figure.
struct CalculationFailure : Message {
    std::optional<FigureInError> inError;
};

// Computes every figure of every tier, both input sets: half perimeter and area of each chain row
// with three sides (Heron), and the area of each exception rectangle and circle. Results are stored as
// single-precision text in columns 4 and 5. A row without what its figure needs (an empty side or
// element) has its results emptied.
// On an input error (a side or element not greater than 0, no triangle, a result beyond the number
// range) the calculation stops at that figure and the message names it; rows already done keep their
// new values. calculationDone is set only when every row went through.
std::optional<CalculationFailure> CalculateAreas(SurveyData& data, std::string_view stationPrefix);

}  // namespace mirota
