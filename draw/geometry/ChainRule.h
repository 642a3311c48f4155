#pragma once

#include <array>

#include "model/FigureType.h"

namespace mirota::geometry {

// How a figure is laid onto the previous one P: two vertices are copied from P (the shared side),
// the third is set off from `start` by the side `lengthSide` (0 A, 1 B, 2 C) in the direction
// of the shared edge turned by the interior angle `angle` (0 .. 2 as its vertex), with `turn` +1
// counter-clockwise or -1 clockwise. The new triangle lies beyond the shared edge and so has
// the opposite orientation of P.
struct ChainRule {
    std::array<int, 2> copiedTo;    // vertices of the new figure ...
    std::array<int, 2> copiedFrom;  // ... taken from these vertices of P
    int angle;
    int edgeFrom;  // the shared edge runs from P's vertex edgeFrom to P's vertex edgeTo
    int edgeTo;
    int start;
    int placed;
    int lengthSide;
    int turn;
};

// [previous is up: 0 down, 1 up][join side]
inline constexpr std::array<std::array<ChainRule, 3>, 2> kChainRules{{
    {{
        // down, C-A: N0 = P2, N2 = P1; N1 = N0 + B at (P2 -> P1) - θ0
        {{0, 2}, {2, 1}, 0, 2, 1, 0, 1, 1, -1},
        // down, B-B: N0 = P0, N1 = P1; N2 = N0 + A at (P0 -> P1) + θ0
        {{0, 1}, {0, 1}, 0, 0, 1, 0, 2, 0, +1},
        // down, A-C: N1 = P2, N2 = P0; N0 = N1 + B at (P2 -> P0) + θ1
        {{1, 2}, {2, 0}, 1, 2, 0, 1, 0, 1, +1},
    }},
    {{
        // up, C-A: N0 = P2, N2 = P1; N1 = N2 + C at (P1 -> P2) - θ2
        {{0, 2}, {2, 1}, 2, 1, 2, 2, 1, 2, -1},
        // up, B-B: N0 = P0, N1 = P1; N2 = N0 + A at (P0 -> P1) - θ0
        {{0, 1}, {0, 1}, 0, 0, 1, 0, 2, 0, -1},
        // up, A-C: N1 = P2, N2 = P0; N0 = N2 + A at (P0 -> P2) + θ2
        {{1, 2}, {2, 0}, 2, 0, 2, 2, 0, 0, +1},
    }},
}};

inline const ChainRule& chainRule(bool previousUp, JoinSide join) {
    return kChainRules[previousUp ? 1 : 0][static_cast<int>(join)];
}

}  // namespace mirota::geometry
