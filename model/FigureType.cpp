#include "model/FigureType.h"

#include <array>

namespace mirota {

namespace {

struct TypeInfo {
    FigureType type;
    std::string_view code;
    std::string_view symbol;
    SymbolColour colour;
};

constexpr std::array<TypeInfo, 9> kTypes{{
    {FigureType::Base, "0", "基準\r\n△", SymbolColour::Blue},
    {FigureType::TriangleUp, "10", "△", SymbolColour::Black},
    {FigureType::TriangleDown, "11", "▽", SymbolColour::Black},
    {FigureType::Square, "12", "□", SymbolColour::Black},
    {FigureType::Circle, "13", "○", SymbolColour::Black},
    {FigureType::DeductTriangleUp, "20", "▲", SymbolColour::Red},
    {FigureType::DeductTriangleDown, "21", "▼", SymbolColour::Red},
    {FigureType::DeductSquare, "22", "■", SymbolColour::Red},
    {FigureType::DeductCircle, "23", "●", SymbolColour::Red},
}};

const TypeInfo& info(FigureType type) {
    for (const auto& entry : kTypes) {
        if (entry.type == type) return entry;
    }
    return kTypes.front();
}

struct JoinInfo {
    JoinSide side;
    std::string_view code;
    std::string_view caption;
};

constexpr std::array<JoinInfo, 3> kJoins{{
    {JoinSide::JoinCA, "0", "C-A"},
    {JoinSide::JoinBB, "1", "B-B"},
    {JoinSide::JoinAC, "2", "A-C"},
}};

}  // namespace

std::optional<FigureType> figureTypeFromCode(std::string_view code) {
    for (const auto& entry : kTypes) {
        if (entry.code == code) return entry.type;
    }
    return std::nullopt;
}

std::string_view typeCode(FigureType type) { return info(type).code; }
std::string_view typeSymbol(FigureType type) { return info(type).symbol; }
SymbolColour typeColour(FigureType type) { return info(type).colour; }

bool isDeduction(FigureType type) { return static_cast<int>(type) >= 20; }

bool isDeductionCode(std::string_view code) {
    const auto type = figureTypeFromCode(code);
    return type && isDeduction(*type);
}

std::optional<JoinSide> joinSideFromCode(std::string_view code) {
    for (const auto& entry : kJoins) {
        if (entry.code == code) return entry.side;
    }
    return std::nullopt;
}

std::string_view joinSideCode(JoinSide side) { return kJoins[static_cast<int>(side)].code; }
std::string_view joinSideCaption(JoinSide side) { return kJoins[static_cast<int>(side)].caption; }
int joinedColumn(JoinSide side) { return static_cast<int>(side) + 1; }
int previousJoinedColumn(JoinSide side) { return 3 - static_cast<int>(side); }

std::string defaultExceptionName(int figure) { return "名称" + std::to_string(figure + 1); }

}  // namespace mirota
