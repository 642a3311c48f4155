#include "calc/RegisteredArea.h"

#include <gtest/gtest.h>

namespace mirota {
namespace {

ExactDecimal decimal(const char* text) { return ExactDecimal::fromText(text).value(); }

TEST(RegisteredArea, LandByItsClass) {
    struct Case {
        const char* area;
        RegisteredClass landClass;
        const char* registered;
    };
    const Case cases[] = {
        {"100.053245", RegisteredClass::Residential, "100.05"},
        {"100.053245", RegisteredClass::Other, "100"},
        {"9.053245", RegisteredClass::Other, "9.05"},
        {"10", RegisteredClass::Other, "10.00"},        // not over 10 m²
        {"10.009", RegisteredClass::Other, "10"},       // over 10 m² before cutting
        {"99.999999", RegisteredClass::Residential, "99.99"},
        {"99.999999", RegisteredClass::Other, "99"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(landRegisteredArea(decimal(c.area), c.landClass).text(), c.registered) << c.area;
    }
}

TEST(RegisteredArea, FloorAreaIsTheSumOfEveryFloorCutOnItsOwn) {
    // Cut as a whole, 80.014 would give 80.01.
    EXPECT_EQ(floorRegisteredArea({decimal("50.005"), decimal("30.009")}).text(), "80.00");
    EXPECT_EQ(registeredAreaOf(RegisteredClass::Floor, decimal("80.014"), {decimal("50.005"), decimal("30.009")})->text(),
              "80.00");
    EXPECT_EQ(registeredAreaOf(RegisteredClass::Residential, decimal("80.014"), {})->text(), "80.01");
    EXPECT_FALSE(registeredAreaOf(RegisteredClass::None, decimal("80.014"), {}));
}

TEST(RegisteredArea, DocumentUnitsInSquareMetresAndTsubo) {
    EXPECT_EQ(squareMetres(decimal("1000532.45"), DisplayUnit::Centimetre), decimal("100.053245"));
    EXPECT_EQ(squareMetres(decimal("100053245"), DisplayUnit::Millimetre), decimal("100.053245"));
    EXPECT_EQ(squareMetres(decimal("100.053245"), DisplayUnit::Metre), decimal("100.053245"));
    EXPECT_EQ(tsubo(decimal("100")), decimal("30.25"));
    EXPECT_EQ(tsubo(decimal("400")), decimal("121"));  // 1 坪 = 400/121 m²
    EXPECT_EQ(tsubo(decimal("3.305785")).fixedText(2, RoundingRule::HalfUp), "1.00");
}

}  // namespace
}  // namespace mirota
