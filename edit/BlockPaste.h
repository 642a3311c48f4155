#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "edit/DocumentChange.h"
#include "model/Message.h"
#include "model/SurveyData.h"

namespace mirota {

// Rows of text fields, as a spreadsheet puts a block of cells on the clipboard.
using TextTable = std::vector<std::vector<std::string>>;

// Tab-separated text: lines end in CR LF, LF or CR, fields are separated by tabs; the line end after
// the last line starts no further row. Empty text is no row at all.
TextTable splitTabSeparated(std::string_view text);

// The largest text a paste takes: no real block of values comes near it.
inline constexpr std::size_t kPastedTextMaxBytes = 1024 * 1024;

// A pasted text split as splitTabSeparated splits it, or refused at once, before it is split, when
// it is larger than kPastedTextMaxBytes or has more lines than a list holds figures (maxFigures).
std::variant<TextTable, Message> splitPastedText(std::string_view text, int maxFigures);

// A block of values pasted into one list of a tier: each row of values fills one figure's row of the
// input set, from the given figure on; each value fills one column, from the given table column on.
struct BlockPaste {
    ListKind list = ListKind::Chain;
    int tier = 0;
    InputSet set = InputSet::Design;
    int figure = 0;
    int column = column::SideA;
    TextTable values;
    std::string digitsFormat;  // the display format the values are stored with
    std::string figurePrefix;  // before the figure number in a message
};

// What a paste writes: the figure count it needs and each cell as cell entry stores it, in the order
// of the values. A computed column, and a joined side given empty or as its carried value, are left
// to the document.
struct PastePlan {
    int figureCount = 0;
    std::vector<std::pair<CellAddress, std::string>> cells;
};

// Checks every value of the paste against the document as the earlier values of the same paste leave
// it; the first value refused gives the message naming its figure, its column and why.
std::variant<PastePlan, Message> planBlockPaste(const SurveyData& data, const BlockPaste& paste);

}  // namespace mirota
