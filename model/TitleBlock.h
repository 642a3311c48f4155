#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace mirota {

// What the area calculation sheet's title block says of the land: where it lies, its lot number, its
// land use (or, for a floor area, the building) and who made the sheet. Kept with the document.
struct TitleBlock {
    std::string location;  // 所在
    std::string lot;       // 地番
    std::string landUse;   // 地目, or the building
    std::string author;    // 作成者

    // The most characters a field takes.
    static constexpr std::size_t kMaxCharacters = 100;

    bool empty() const { return location.empty() && lot.empty() && landUse.empty() && author.empty(); }
    bool operator==(const TitleBlock&) const = default;
};

// The fields in the order the data file keeps them, with the names messages give them.
struct TitleField {
    std::string_view name;
    std::string TitleBlock::*field;
};
inline constexpr std::array<TitleField, 4> kTitleFields{{
    {"所在", &TitleBlock::location},
    {"地番", &TitleBlock::lot},
    {"地目", &TitleBlock::landUse},
    {"作成者", &TitleBlock::author},
}};

// Why a field's text cannot be kept (too long, a double quote, a line break or a character the data
// file cannot hold), in words that follow the field's name ("は…"), or nothing.
std::optional<std::string> titleFieldProblem(std::string_view text);

}  // namespace mirota
