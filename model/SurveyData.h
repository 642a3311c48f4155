#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/DrawingConditions.h"
#include "model/OptionFlags.h"
#include "model/TitleBlock.h"

namespace mirota {

enum class ListKind { Chain = 0, Exception = 1 };
enum class InputSet { Design = 0, Measured = 1 };

// Table columns of a figure row.
namespace column {
constexpr int Type = 0;
constexpr int SideA = 1;  // exception list: name
constexpr int SideB = 2;  // exception list: element 1
constexpr int SideC = 3;  // exception list: element 2
constexpr int HalfPerimeter = 4;  // exception list: position "X,Y"
constexpr int Area = 5;
constexpr int Join = 6;
}  // namespace column

// Figure k of a list (counted from 0) keeps its design values in table row 2k and its measured values in 2k + 1.
constexpr int tableRow(int figure, InputSet set) { return 2 * figure + static_cast<int>(set); }
constexpr int figureOfRow(int row) { return row / 2; }
constexpr InputSet inputSetOfRow(int row) { return row % 2 == 0 ? InputSet::Design : InputSet::Measured; }

// The one open survey document: fixed-capacity tables of text cells, as typed and as calculated.
// Figure i of a list uses row 2i (design values) and row 2i+1 (measured values). Rows beyond a
// list's figure count are kept, so raising the count again shows them.
class SurveyData {
public:
    static constexpr int kListCount = 2;
    static constexpr int kColumnCount = 7;
    static constexpr int kTierCapacity = 20;    // the most tiers this program can hold
    static constexpr int kFigureCapacity = 100; // the most figures of one list of one tier

    // Process-wide view state; not saved with the document.
    struct ViewState {
        int currentTier = 0;
        InputSet currentInputSet = InputSet::Design;
        ListKind activeList = ListKind::Chain;
        bool calculationDone = false;
    };

    // Told of every write of a cell, a figure count or the tier count before it happens; the edit layer
    // records its transactions through it.
    class WriteObserver {
    public:
        virtual void cellWriting(ListKind list, int tier, int row, int col, const std::string& before) = 0;
        virtual void figureCountWriting(ListKind list, int tier, int before) = 0;
        virtual void tierCountWriting(int before, int previousBefore) = 0;

    protected:
        ~WriteObserver() = default;
    };

    SurveyData();
    // Empty tables of the given capacities as recreate makes them; everything else as a new document.
    SurveyData(int maxTiers, int maxFigures);

    // At most one observer (one that takes the place of another may pass on what it is told); nullptr
    // ends the observation. A copy is not observed, and an assignment (copy or move) keeps the
    // observer of the document assigned to.
    void setWriteObserver(WriteObserver* observer) { observer_.observer = observer; }
    WriteObserver* writeObserver() const { return observer_.observer; }

    // New: full capacities, one tier with two chain figures and one exception figure, untitled, an empty
    // title block. Drawing conditions, the CAD release and the option flags stay as they are.
    void reset();
    // Open: empty tables of the given capacities (1..kTierCapacity, 1..kFigureCapacity), all counts 0.
    void recreate(int maxTiers, int maxFigures);

    int maxTiers() const { return maxTiers_; }
    int maxFigures() const { return maxFigures_; }
    int rowCapacity() const { return 2 * maxFigures_; }

    int tierCount() const { return tierCount_; }
    int previousTierCount() const { return previousTierCount_; }
    // Applies a new tier count: new tiers get two chain figures and one exception figure,
    // dropped tiers have the cells of their figures cleared (their counts stay).
    void changeTierCount(int count);
    // Puts both counts back exactly as they were (undo and redo), or as a read file gives them.
    void restoreTierCounts(int count, int previousCount);

    int figureCount(ListKind list, int tier) const;
    void setFigureCount(ListKind list, int tier, int count);

    const std::string& cell(ListKind list, int tier, int row, int col) const;
    void setCell(ListKind list, int tier, int row, int col, std::string text);
    // Writes every cell of a table row, column by column, as setCell writes each.
    void setRow(ListKind list, int tier, int row, const std::array<std::string_view, kColumnCount>& texts);

    bool isValidIndex(ListKind list, int tier, int row, int col) const;

    DrawingConditions conditions = DrawingConditions::startupDefaults();
    std::string acadVersion = "2000";
    OptionFlags optionFlags{.saveWindowSize = true, .useStationPrefix = true};
    TitleBlock titleBlock;
    std::string currentFilePath;
    ViewState view;

private:
    std::size_t cellIndex(ListKind list, int tier, int row, int col) const;
    void checkTier(int tier) const;

    int maxTiers_ = kTierCapacity;
    int maxFigures_ = kFigureCapacity;
    int tierCount_ = 1;
    int previousTierCount_ = 1;
    std::vector<std::int16_t> figureCounts_;  // [list][tier]
    std::vector<std::string> cells_;          // [list][tier][row][column]
    struct ObserverSlot {
        WriteObserver* observer = nullptr;
        ObserverSlot() = default;
        ObserverSlot(const ObserverSlot&) noexcept {}
        ObserverSlot& operator=(const ObserverSlot&) noexcept { return *this; }
    };
    ObserverSlot observer_;
};

}  // namespace mirota
