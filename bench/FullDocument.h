#pragma once

#include "model/SurveyData.h"

namespace mirota::bench {

// A survey at the program's full capacity: 20 tiers with 100 figures in both lists, every input cell
// filled as a surveyor would type it (two decimals), the computed columns left to the calculation.
// The chain of every tier is a strip of triangles, each joined C-A to the one before it and typed
// down and up in turn around the tier's base, which lies at figure 2 or later so that every tier
// can be laid out beside the one before it. The measured rows differ from the design rows by a few
// centimetres and keep the same joins. The exception list holds rectangles and circles, half of them
// deductions, with Japanese names. The area table is on.
SurveyData fullDocument();

}  // namespace mirota::bench
