#include "calc/RegisteredArea.h"

namespace mirota {

ExactDecimal squareMetres(const ExactDecimal& area, DisplayUnit unit) {
    switch (unit) {
    case DisplayUnit::Centimetre: return area.timesPowerOfTen(-4);
    case DisplayUnit::Millimetre: return area.timesPowerOfTen(-6);
    default: return area;
    }
}

ExactDecimal tsubo(const ExactDecimal& squareMetres) { return squareMetres.times(121 * 25).timesPowerOfTen(-4); }

std::string RegisteredArea::text() const {
    std::string text = squareMetres.fixedText(decimals, RoundingRule::Down);
    if (decimals == 0) text.pop_back();  // the point
    return text;
}

RegisteredArea landRegisteredArea(const ExactDecimal& squareMetres, RegisteredClass landClass) {
    static const ExactDecimal kTenSquareMetres = *ExactDecimal::fromText("10");
    const int decimals = landClass == RegisteredClass::Other && squareMetres > kTenSquareMetres ? 0 : 2;
    return {squareMetres.rounded(decimals, RoundingRule::Down), decimals};
}

RegisteredArea floorRegisteredArea(const std::vector<ExactDecimal>& floorSquareMetres) {
    RegisteredArea total;
    for (const ExactDecimal& floor : floorSquareMetres) total.squareMetres += floor.rounded(2, RoundingRule::Down);
    return total;
}

std::optional<RegisteredArea> registeredAreaOf(RegisteredClass registered, const ExactDecimal& netSquareMetres,
                                               const std::vector<ExactDecimal>& tierNetSquareMetres) {
    switch (registered) {
    case RegisteredClass::None: return std::nullopt;
    case RegisteredClass::Floor: return floorRegisteredArea(tierNetSquareMetres);
    default: return landRegisteredArea(netSquareMetres, registered);
    }
}

}  // namespace mirota
