#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mirota {

// The kind of a figure, stored in column 0 as the plain decimal text of its code.
enum class FigureType {
    Base = 0,
    TriangleUp = 10,
    TriangleDown = 11,
    Square = 12,
    Circle = 13,
    DeductTriangleUp = 20,
    DeductTriangleDown = 21,
    DeductSquare = 22,
    DeductCircle = 23,
};

enum class SymbolColour { Black, Red, Blue };

// Codes are compared as text: "010" or " 10" is no code at all.
std::optional<FigureType> figureTypeFromCode(std::string_view code);
std::string_view typeCode(FigureType type);
// The grid symbol; the base shows two lines ("基準" CR LF "△").
std::string_view typeSymbol(FigureType type);
SymbolColour typeColour(FigureType type);
bool isDeduction(FigureType type);
bool isDeductionCode(std::string_view code);
// The name an exception figure (counted from 0) is given until the user names it: "名称1".
std::string defaultExceptionName(int figure);

// How a chain figure is joined to the previous one, stored in column 6.
enum class JoinSide { JoinCA = 0, JoinBB = 1, JoinAC = 2 };

std::optional<JoinSide> joinSideFromCode(std::string_view code);
std::string_view joinSideCode(JoinSide side);
std::string_view joinSideCaption(JoinSide side);
// The table column (1..3) of this figure's joined side: A for C-A, B for B-B, C for A-C.
int joinedColumn(JoinSide side);
// The table column (1..3) of the previous figure's side that this figure is joined to.
int previousJoinedColumn(JoinSide side);

}  // namespace mirota
