#pragma once

#include <string>
#include <vector>

#include "model/SurveyData.h"

namespace mirota {

// The type codes of a list's positions after an insert or a delete moved its figures. `before` holds the
// codes the positions had; `origin[p]` is the figure (counted from 0, before the move) that now stands at
// position p, or -1 for the new, empty figure.
// Exception list: a figure's type (rectangle or circle, calculated or deducted) moves with it.
// Chain: a figure's marks (base, deduction) move with it, while the up/down orientation stays with the
// position, so that the chain keeps its alternation; a position whose code gives no orientation (the
// base, an unknown code, a new last position) takes the turn after the position before it. A code the
// chain does not know moves with its figure as it is; the new figure is a calculated triangle.
std::vector<std::string> typeCodesAfterMove(ListKind list, const std::vector<std::string>& before,
                                            const std::vector<int>& origin);

}  // namespace mirota
