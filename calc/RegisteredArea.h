#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/AreaRules.h"
#include "calc/ExactDecimal.h"
#include "model/DrawingConditions.h"

namespace mirota {

// An area of the document's unit (m, cm or mm squared) in square metres; any other unit counts as metres.
ExactDecimal squareMetres(const ExactDecimal& area, DisplayUnit unit);
// Square metres in 坪: 1 坪 = 400/121 m².
ExactDecimal tsubo(const ExactDecimal& squareMetres);

// A registered area in m² and the places it is written with.
struct RegisteredArea {
    ExactDecimal squareMetres;
    int decimals = 2;

    // "100.05", or "100" for a whole square metre.
    std::string text() const;
};

// The registered area of a parcel of land: fractions below 1/100 m² cut off; for land other than 宅地
// and 鉱泉地 over 10 m² (judged before cutting), fractions below 1 m² cut off.
RegisteredArea landRegisteredArea(const ExactDecimal& squareMetres, RegisteredClass landClass);
// A building's floor area: each floor's area cut below 1/100 m², the total their sum.
RegisteredArea floorRegisteredArea(const std::vector<ExactDecimal>& floorSquareMetres);

// By the class asked for: the document's net (land) or the net of every tier as a floor (床面積); none for None.
std::optional<RegisteredArea> registeredAreaOf(RegisteredClass registered, const ExactDecimal& netSquareMetres,
                                               const std::vector<ExactDecimal>& tierNetSquareMetres);

}  // namespace mirota
