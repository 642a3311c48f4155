#pragma once

#include <string>

#include "model/SurveyData.h"

namespace mirota::test {

// Everything a step may change, as one text: every cell of the capacity, the counts, the settings.
std::string snapshot(const SurveyData& data);

}  // namespace mirota::test
