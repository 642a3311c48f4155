#include "edit/MovedFigureTypes.h"

#include <cstddef>
#include <optional>

#include "model/FigureType.h"

namespace mirota {

namespace {

enum class Mark { Calculated, Deducted, Base, Unknown };

Mark markOf(const std::string& code) {
    const auto type = figureTypeFromCode(code);
    if (!type) return Mark::Unknown;
    switch (*type) {
    case FigureType::Base: return Mark::Base;
    case FigureType::TriangleUp:
    case FigureType::TriangleDown: return Mark::Calculated;
    case FigureType::DeductTriangleUp:
    case FigureType::DeductTriangleDown: return Mark::Deducted;
    default: return Mark::Unknown;  // squares and circles have no place in the chain
    }
}

std::optional<bool> orientationOf(const std::string& code) {
    const auto type = figureTypeFromCode(code);
    if (type == FigureType::TriangleUp || type == FigureType::DeductTriangleUp) return true;
    if (type == FigureType::TriangleDown || type == FigureType::DeductTriangleDown) return false;
    return std::nullopt;
}

// The up/down orientation of every position, by its code or by alternation; the first position without
// one of its own answers the first that has one.
std::vector<bool> positionOrientations(const std::vector<std::string>& before, std::size_t count) {
    std::vector<bool> up(count, true);
    std::optional<std::size_t> known;
    for (std::size_t p = 0; p < before.size() && !known; ++p) {
        if (orientationOf(before[p])) known = p;
    }
    for (std::size_t p = 0; p < count; ++p) {
        const auto own = p < before.size() ? orientationOf(before[p]) : std::nullopt;
        if (own) {
            up[p] = *own;
        } else if (p > 0) {
            up[p] = !up[p - 1];
        } else if (known) {
            up[p] = *orientationOf(before[*known]) == (*known % 2 == 0);
        }
    }
    return up;
}

std::string chainCode(Mark mark, bool up, const std::string& moved) {
    switch (mark) {
    case Mark::Base: return std::string(typeCode(FigureType::Base));
    case Mark::Deducted:
        return std::string(typeCode(up ? FigureType::DeductTriangleUp : FigureType::DeductTriangleDown));
    case Mark::Calculated: return std::string(typeCode(up ? FigureType::TriangleUp : FigureType::TriangleDown));
    case Mark::Unknown: return moved;
    }
    return moved;
}

}  // namespace

std::vector<std::string> typeCodesAfterMove(ListKind list, const std::vector<std::string>& before,
                                            const std::vector<int>& origin) {
    std::vector<std::string> after(origin.size());
    const std::vector<bool> up = positionOrientations(before, origin.size());
    for (std::size_t p = 0; p < origin.size(); ++p) {
        const bool isNew = origin[p] < 0;
        const std::string moved = isNew ? std::string() : before[static_cast<std::size_t>(origin[p])];
        if (list == ListKind::Exception) {
            after[p] = moved;
        } else {
            after[p] = chainCode(isNew ? Mark::Calculated : markOf(moved), up[p], moved);
        }
    }
    return after;
}

}  // namespace mirota
