#pragma once

#include <string_view>
#include <vector>

#include "calc/AreaRules.h"
#include "draw/FigureGeometry.h"
#include "draw/geometry/ExceptionLayout.h"
#include "draw/geometry/HatchClipping.h"
#include "model/SurveyData.h"

// The texts and circled numbers of the drawing that its hatching leaves free.
namespace mirota {

// Of the chain, in the development's own frame (where the chain is drawn, before the move and turn):
// every side label the dimension position draws, every circled number and, with heightLines, every
// height's value.
std::vector<hatching::KeepOut> chainKeepOuts(const SurveyData& data, const FigureGeometry& geometry,
                                             std::string_view sideDigitsFormat, const AreaRules& rules,
                                             bool heightLines, bool flipped);

// Of the exception figures placed in the drawing's frame: their names and areas.
std::vector<hatching::KeepOut> exceptionKeepOuts(const ExceptionLayout& layout, const DrawingConditions& conditions,
                                                 const AreaRules& rules);

}  // namespace mirota
