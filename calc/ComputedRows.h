#pragma once

#include "model/SurveyData.h"

namespace mirota {

// The rows of a tier that carry a computed result: a chain row with all three sides, an exception
// rectangle with both elements, an exception circle with its diameter. Only these rows show S and an
// area, and only their areas count in the totals.
bool hasAllSides(const SurveyData& data, int tier, int row);
bool hasExceptionArea(const SurveyData& data, int tier, int row);
bool hasComputedArea(const SurveyData& data, ListKind list, int tier, int row);
// A row with everything its figure needs but no area: the calculation found its values faulty (sides
// that form no triangle, a value that is no positive number). It shows no S and no area and counts in no total.
bool isLeftOut(const SurveyData& data, ListKind list, int tier, int row);

}  // namespace mirota
