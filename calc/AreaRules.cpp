#include "calc/AreaRules.h"

#include <array>
#include <utility>

namespace mirota {

namespace {

template <class Rule, std::size_t N>
std::optional<Rule> named(const std::array<std::pair<Rule, std::string_view>, N>& names, std::string_view name) {
    for (const auto& [rule, ruleName] : names) {
        if (ruleName == name) return rule;
    }
    return std::nullopt;
}

template <class Rule, std::size_t N>
std::string_view nameIn(const std::array<std::pair<Rule, std::string_view>, N>& names, Rule rule) {
    for (const auto& [each, name] : names) {
        if (each == rule) return name;
    }
    return {};
}

constexpr std::array<std::pair<RoundingRule, std::string_view>, 3> kRoundingNames{
    {{RoundingRule::HalfUp, "half-up"}, {RoundingRule::Down, "down"}, {RoundingRule::Up, "up"}}};
constexpr std::array<std::pair<SumRule, std::string_view>, 2> kSumNames{
    {{SumRule::Stored, "stored"}, {SumRule::Shown, "shown"}}};
constexpr std::array<std::pair<RegisteredClass, std::string_view>, 4> kRegisteredNames{
    {{RegisteredClass::None, "none"},
     {RegisteredClass::Residential, "residential"},
     {RegisteredClass::Other, "other"},
     {RegisteredClass::Floor, "floor"}}};

constexpr std::array<std::pair<RoundingRule, std::string_view>, 3> kRoundingCaptions{
    {{RoundingRule::HalfUp, "四捨五入"}, {RoundingRule::Down, "切り捨て"}, {RoundingRule::Up, "切り上げ"}}};
constexpr std::array<std::pair<SumRule, std::string_view>, 2> kSumCaptions{
    {{SumRule::Stored, "計算値の合計"}, {SumRule::Shown, "表示した値の合計"}}};
constexpr std::array<std::pair<RegisteredClass, std::string_view>, 4> kRegisteredCaptions{
    {{RegisteredClass::None, "なし"},
     {RegisteredClass::Residential, "地積（宅地・鉱泉地）"},
     {RegisteredClass::Other, "地積（その他の地目）"},
     {RegisteredClass::Floor, "床面積"}}};

}  // namespace

std::string_view captionOf(RoundingRule rule) { return nameIn(kRoundingCaptions, rule); }
std::string_view captionOf(SumRule rule) { return nameIn(kSumCaptions, rule); }
std::string_view captionOf(RegisteredClass registered) { return nameIn(kRegisteredCaptions, registered); }

std::optional<RoundingRule> roundingRuleNamed(std::string_view name) { return named(kRoundingNames, name); }
std::optional<SumRule> sumRuleNamed(std::string_view name) { return named(kSumNames, name); }
std::optional<RegisteredClass> registeredClassNamed(std::string_view name) { return named(kRegisteredNames, name); }
std::string_view nameOf(RoundingRule rule) { return nameIn(kRoundingNames, rule); }
std::string_view nameOf(SumRule rule) { return nameIn(kSumNames, rule); }
std::string_view nameOf(RegisteredClass registered) { return nameIn(kRegisteredNames, registered); }

}  // namespace mirota
