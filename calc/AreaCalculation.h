#pragma once

#include <optional>
#include <string_view>

#include "model/Message.h"
#include "model/SurveyData.h"

namespace mirota {

// Computes every figure of every tier, both input sets: half perimeter and area of each chain row
// with three sides (Heron), and the area of each exception rectangle and circle. Results are stored as
// single-precision text in columns 4 and 5. Rows with an empty side keep what they held.
// On an input error (no triangle, a result beyond the number range) the calculation stops at that
// figure and the message names it; rows already done keep their new values. calculationDone is set
// only when every row went through.
std::optional<Message> CalculateAreas(SurveyData& data, std::string_view stationPrefix);

}  // namespace mirota
