#pragma once

#include <string>
#include <vector>

#include "model/SurveyData.h"

namespace mirota::test {

// One chain figure as typed: type code, sides A, B, C and join code.
struct FigureInput {
    std::string type;
    std::string a;
    std::string b;
    std::string c;
    std::string join = "0";
};

// Fills the chain list of a tier: the figures' rows of `set` get the given values, the rows of the
// other set the same type and join with other sides, so that reading the wrong row shows.
inline void fillTier(SurveyData& data, int tier, const std::vector<FigureInput>& figures,
                     InputSet set = InputSet::Design) {
    if (data.tierCount() <= tier) data.changeTierCount(tier + 1);
    data.setFigureCount(ListKind::Chain, tier, static_cast<int>(figures.size()));
    const int own = set == InputSet::Measured ? 1 : 0;
    for (std::size_t k = 0; k < figures.size(); ++k) {
        const FigureInput& f = figures[k];
        for (int row : {static_cast<int>(2 * k) + own, static_cast<int>(2 * k) + 1 - own}) {
            const bool mine = row % 2 == own;
            data.setCell(ListKind::Chain, tier, row, column::Type, f.type);
            data.setCell(ListKind::Chain, tier, row, column::SideA, mine ? f.a : "7");
            data.setCell(ListKind::Chain, tier, row, column::SideB, mine ? f.b : "8");
            data.setCell(ListKind::Chain, tier, row, column::SideC, mine ? f.c : "9");
            data.setCell(ListKind::Chain, tier, row, column::Join, f.join);
        }
    }
    data.view.currentInputSet = set;
}

}  // namespace mirota::test
