#pragma once

#include <string>

#include "draw/stream/DrawingRun.h"
#include "model/SurveyData.h"

namespace mirota {

// The SIMA export without its window: the same checks, calculation and layout as a drawing, then the
// development as laid out written to the file at path (UTF-8), which is replaced in one step or left
// as it was. Finished with the message naming the file, or the outcome and message of the failure.
DrawingRunResult exportSimaFile(SurveyData& data, const DrawingRunSettings& settings, const std::string& path);

}  // namespace mirota
