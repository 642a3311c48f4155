#pragma once

#include <optional>
#include <string>
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
std::optional<CalculationFailure> calculateAreas(SurveyData& data, std::string_view stationPrefix);

// Every faulty figure of the failure once, in the order calculated: "1段目 No.3、例外処理 2段目 No.1"; only
// those with a faulty row of the input set when one is given. Empty when there are none.
std::string faultyFigureNames(const CalculationFailure& failure, std::string_view stationPrefix,
                              std::optional<InputSet> inputSet = std::nullopt);

}  // namespace mirota
