#pragma once

#include <optional>
#include <string_view>
#include <vector>

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

// A row whose values could not be calculated, and the message naming its figure.
struct CalculationFault {
    FigureInError figure;
    InputSet inputSet = InputSet::Design;
    Message message;
};

// Why a calculation did not go through: the message for the user and, for input errors, the first
// faulty figure (the one the message names) and every faulty row in the order calculated.
struct CalculationFailure : Message {
    std::optional<FigureInError> inError;
    std::vector<CalculationFault> faults;
};

// Computes every figure of every tier, both input sets: half perimeter and area of each chain row
// with three sides (Heron), and the area of each exception rectangle and circle. Results are stored in
// columns 4 and 5 as the exact values of the typed texts (see ExactArea.h). A row without what its
// figure needs (an empty side or element) has its results emptied.
// An input error (a side not greater than 0, an element that is no number or below 0, no triangle, a
// result beyond the single-precision range) empties that row's results and the calculation goes on with the next row, so that every valid figure
// is calculated; the failure names the first and lists them all. calculationDone is set only when
// every row could be calculated.
std::optional<CalculationFailure> CalculateAreas(SurveyData& data, std::string_view stationPrefix);

}  // namespace mirota
