#pragma once

#include <optional>
#include <string_view>

namespace mirota {

// How a computed value (S, an area, a total) is brought to the decimals shown. The rules act on the
// value's decimal digits, never on a binary approximation of them.
enum class RoundingRule {
    HalfUp,  // 四捨五入: half away from zero
    Down,    // 切り捨て: the digits beyond the shown ones are dropped
    Up,      // 切り上げ: the last shown digit goes up when any digit beyond it is not zero
};

// What a total is the sum of.
enum class SumRule {
    Stored,  // the values as calculated (the totals formed as they always were)
    Shown,   // the values as shown: what a reviewer adds up by hand
};

// The registered area asked for: the area of a parcel of land by its class, or a building's floor area.
enum class RegisteredClass {
    None,
    Residential,  // 宅地・鉱泉地: fractions below 1/100 m² cut off
    Other,        // その他の地目: as residential, but over 10 m² fractions below 1 m² cut off
    Floor,        // 床面積: every tier a floor, each floor's net cut below 1/100 m², the total their sum
};

// The rules every computed value is shown by.
struct AreaRules {
    int decimals = 2;
    RoundingRule rounding = RoundingRule::HalfUp;
    SumRule sum = SumRule::Stored;
    RegisteredClass registered = RegisteredClass::None;

    bool operator==(const AreaRules&) const = default;
};

// The rules by the names the command line and the preferences use: "half-up", "down", "up"; "stored",
// "shown"; "none", "residential", "other", "floor". Nothing for any other name.
std::optional<RoundingRule> roundingRuleNamed(std::string_view name);
std::optional<SumRule> sumRuleNamed(std::string_view name);
std::optional<RegisteredClass> registeredClassNamed(std::string_view name);
std::string_view nameOf(RoundingRule rule);
std::string_view nameOf(SumRule rule);
std::string_view nameOf(RegisteredClass registered);
// The rules as the sheet and the CSV name them for a person: "四捨五入", "計算値の合計", "地積（宅地・鉱泉地）",
// "なし" for no registered area.
std::string_view captionOf(RoundingRule rule);
std::string_view captionOf(SumRule rule);
std::string_view captionOf(RegisteredClass registered);

}  // namespace mirota
