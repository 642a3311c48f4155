#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "draw/FigureGeometry.h"
#include "model/Message.h"
#include "model/SurveyData.h"

namespace mirota {

// Lays the chain figures of every tier out flat, from the rows of the input set being drawn:
// each tier's first figure with side B on the +x axis, every following figure onto the side its
// join names, every tier after the first moved and turned into place beside the tier before it,
// then the midpoint and slope angle of every side for its label. The exception list is not placed.
//
// `geometry` is made afresh (all zeros, every base number -1). Returns nothing when every tier
// was placed; otherwise the message for the user, with the tiers already placed kept.
// The figure number in messages is shown after `stationPrefix`. The document is not changed.
std::optional<Message> computeDevelopmentGeometry(const SurveyData& data, std::string_view stationPrefix,
                                                  FigureGeometry& geometry);

// A tier that stopped early: the first figure that could not be placed (1-based; 0 when the fault
// lies with the tier as a whole: no base, or the tier cannot be put beside the one before it) and
// the message the drawing would give for it.
struct DevelopmentFault {
    int tier = 0;
    int figure = 0;
    Message message;
};

// The development as far as it goes, for a view that follows the typing. Every tier is placed by the
// same rules up to its first figure that cannot be; that figure and every one after it in the tier
// are left out (their rows read 0), and the next tier goes on. A tier after the first whose base
// figure is left out is left out whole, as it cannot be put in place.
struct PartialDevelopment {
    FigureGeometry geometry;
    std::vector<int> placedFigures;  // per tier: figures 1 .. n of the input set are placed
    std::vector<DevelopmentFault> faults;  // in tier order, at most one per tier
};

PartialDevelopment computePartialDevelopment(const SurveyData& data, std::string_view stationPrefix);

// The fault as one line: the message up to its first blank line without its error number, its line
// breaks as spaces, led by the tier when the message does not name it.
std::string faultMessageLine(const DevelopmentFault& fault);

}  // namespace mirota
