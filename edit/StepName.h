#pragma once

#include <string>

#include "edit/EditHistory.h"

namespace mirota {

// What a step did and where, in the user's words ("No.3 の B辺 入力"), to name it on the undo and
// redo commands.
std::string stepName(const EditStep& step);

}  // namespace mirota
