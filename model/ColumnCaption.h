#pragma once

#include <string_view>

#include "model/SurveyData.h"

namespace mirota {

// The caption of a value column (column::SideA .. column::Area) of a list, as the grid's header shows it
// and as messages name a cell.
std::string_view columnCaption(ListKind list, int col);

}  // namespace mirota
