#pragma once

#include <optional>
#include <string_view>

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
std::optional<Message> ComputeDevelopmentGeometry(const SurveyData& data, std::string_view stationPrefix,
                                                  FigureGeometry& geometry);

}  // namespace mirota
