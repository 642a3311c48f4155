// The edit layer against a model of it: seeded random sequences of every operation, each state kept
// as a snapshot. Undo and redo must walk the snapshots exactly, a refused operation must change
// nothing, "modified" must follow the save points, and every state must save and read back unchanged.
// No value the user gave is lost or changed but by the operation that writes that cell, wherever its
// figure moves, and every joined side equals the side it is joined to.
// A short run is part of the suite; a long one by hand:
//   MIROTA_EDIT_MODEL_OPERATIONS=50000 MIROTA_EDIT_MODEL_SEED=7 build/tests/edit/edit_tests --gtest_filter='EditModel*'
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <limits>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "DocumentSnapshot.h"
#include "edit/DocumentEditor.h"
#include "io/DataFileReader.h"
#include "io/DataFileWriter.h"
#include "model/CellEntry.h"

namespace mirota {
namespace {

constexpr std::string_view kDigits = "0.00";

// The state is saved, read back and compared value by value: the file keeps every cell of the shown
// figures but the computed ones (S, area, the exception position), the counts and the settings.
void expectSavedAndReadBack(const SurveyData& data, int operation) {
    std::string bytes;
    const auto refused = formatDataFile(data, bytes);
    ASSERT_FALSE(refused) << "operation " << operation << ": " << refused->text;
    SurveyData read;
    const auto unread = parseDataFile(bytes, read);
    ASSERT_FALSE(unread) << "operation " << operation << ": " << unread->text;
    ASSERT_EQ(read.tierCount(), data.tierCount());
    for (ListKind list : {ListKind::Chain, ListKind::Exception}) {
        for (int tier = 0; tier < data.tierCount(); ++tier) {
            ASSERT_EQ(read.figureCount(list, tier), data.figureCount(list, tier));
            for (int row = 0; row < 2 * data.figureCount(list, tier); ++row) {
                for (int col : {column::Type, column::SideA, column::SideB, column::SideC, column::Join}) {
                    ASSERT_EQ(read.cell(list, tier, row, col), data.cell(list, tier, row, col))
                        << "operation " << operation << " list " << static_cast<int>(list) << " tier " << tier << " row "
                        << row << " col " << col;
                }
            }
        }
    }
    ASSERT_EQ(DocumentSettings::of(read), DocumentSettings::of(data)) << "operation " << operation;
}

// Where an operation moves the figures of one list, and the cells it writes as the user asked.
struct Effect {
    ListKind list = ListKind::Chain;
    int tier = -1;
    int inserted = -1;     // the new figure's position
    int deleted = -1;
    int joinChanged = -1;  // the chain figure whose join side was changed
    std::vector<CellAddress> written;
};

Effect movedFigures(ListKind list, int tier, int inserted, int deleted) {
    Effect effect;
    effect.list = list;
    effect.tier = tier;
    effect.inserted = inserted;
    effect.deleted = deleted;
    return effect;
}

int movedTo(const Effect& effect, ListKind list, int tier, int figure) {
    if (list != effect.list || tier != effect.tier) return figure;
    if (effect.inserted >= 0 && figure >= effect.inserted) return figure + 1;
    if (effect.deleted >= 0 && figure >= effect.deleted) return figure == effect.deleted ? -1 : figure - 1;
    return figure;
}

int joinedColumnOf(const SurveyData& data, int tier, int figure) {
    const auto code = data.cell(ListKind::Chain, tier, tableRow(figure, InputSet::Design), column::Join);
    return joinedColumn(joinSideFromCode(code).value_or(JoinSide::JoinCA));
}

// The columns a user gives a figure: the chain sides not joined to the previous figure; the exception
// list's name, elements and position.
std::vector<int> givenColumns(const SurveyData& data, ListKind list, int tier, int figure) {
    std::vector<int> columns;
    const int last = list == ListKind::Chain ? column::SideC : column::HalfPerimeter;
    for (int col = column::SideA; col <= last; ++col) {
        if (list == ListKind::Chain && figure >= 1 && col == joinedColumnOf(data, tier, figure)) continue;
        columns.push_back(col);
    }
    return columns;
}

void expectGivenValuesKept(const SurveyData& before, const SurveyData& after, const Effect& effect, int operation) {
    const std::set<std::tuple<ListKind, int, int, int>> written = [&] {
        std::set<std::tuple<ListKind, int, int, int>> cells;
        for (const CellAddress& c : effect.written) cells.insert({c.list, c.tier, c.row, c.col});
        return cells;
    }();
    for (ListKind list : {ListKind::Chain, ListKind::Exception}) {
        for (int tier = 0; tier < std::min(before.tierCount(), after.tierCount()); ++tier) {
            for (int figure = 0; figure < before.figureCount(list, tier); ++figure) {
                const int to = movedTo(effect, list, tier, figure);
                if (to < 0 || to >= after.figureCount(list, tier)) continue;
                const bool joinChanged = list == ListKind::Chain && tier == effect.tier && figure == effect.joinChanged;
                for (int col : givenColumns(before, list, tier, figure)) {
                    for (InputSet set : {InputSet::Design, InputSet::Measured}) {
                        const int row = tableRow(figure, set);
                        const std::string& given = before.cell(list, tier, row, col);
                        if (written.count({list, tier, row, col})) continue;
                        // A default name is the position's, not the user's; an empty one is given one.
                        if (list == ListKind::Exception && col == column::SideA &&
                            (given.empty() || given == "名称" + std::to_string(figure + 1))) {
                            continue;
                        }
                        // The side that becomes joined gives its value to the side no longer joined.
                        const int now = joinChanged && col == joinedColumnOf(after, tier, to)
                                            ? joinedColumnOf(before, tier, figure)
                                            : col;
                        ASSERT_EQ(after.cell(list, tier, tableRow(to, set), now), given)
                            << "operation " << operation << " list " << static_cast<int>(list) << " tier " << tier
                            << " figure " << figure << " -> " << to << " col " << col;
                    }
                }
            }
        }
    }
}

void expectChainsClosed(const SurveyData& data, int operation) {
    for (int tier = 0; tier < data.tierCount(); ++tier) {
        for (int figure = 1; figure < data.figureCount(ListKind::Chain, tier); ++figure) {
            const auto code = data.cell(ListKind::Chain, tier, tableRow(figure, InputSet::Design), column::Join);
            const JoinSide side = joinSideFromCode(code).value_or(JoinSide::JoinCA);
            for (InputSet set : {InputSet::Design, InputSet::Measured}) {
                ASSERT_EQ(data.cell(ListKind::Chain, tier, tableRow(figure, set), joinedColumn(side)),
                          data.cell(ListKind::Chain, tier, tableRow(figure - 1, set), previousJoinedColumn(side)))
                    << "operation " << operation << " tier " << tier << " figure " << figure;
            }
        }
    }
}

class RandomEdits {
public:
    explicit RandomEdits(unsigned seed) : random_(seed) {}

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    template <typename T>
    const T& oneOf(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }

    // Texts at the edges of what a cell takes, as typed or pasted.
    std::string cellText() {
        static const std::vector<std::string> texts{
            "", " ", "5", "5.0", "5.00", " 12.345 ", "0", "-1", "0.004", "1e3", "1e30", "abc", "12m", "1,2", "1.5,2",
            "1,2,3", "杭A", "池😀", "〜", "花壇～", "A\"B", "名\r\n称", std::string(25, '9'), std::string(101, 'N'),
            "999999999999999999999.99"};
        return oneOf(texts);
    }

    std::string block() {
        std::string text;
        const int lines = 1 + below(3);
        for (int line = 0; line < lines; ++line) {
            const int fields = 1 + below(3);
            for (int field = 0; field < fields; ++field) text += (field ? "\t" : "") + cellText();
            text += line + 1 < lines ? "\r\n" : "";
        }
        return text;
    }

private:
    std::mt19937 random_;
};

unsigned long setting(const char* name, unsigned long fallback) {
    const char* value = std::getenv(name);
    return value ? std::strtoul(value, nullptr, 10) : fallback;
}

TEST(EditModel, RandomOperationsUndoRedoSaveAndReadBackExactly) {
    const unsigned seed = static_cast<unsigned>(setting("MIROTA_EDIT_MODEL_SEED", 18));
    const int operations = static_cast<int>(setting("MIROTA_EDIT_MODEL_OPERATIONS", 400));
    RandomEdits random(seed);
    SurveyData data;
    data.changeTierCount(2);
    DocumentEditor editor(data);
    for (int tier = 0; tier < 2; ++tier) {
        for (ListKind list : {ListKind::Chain, ListKind::Exception}) editor.completeFigures(list, tier);
    }
    std::deque<std::string> states{test::snapshot(data)};  // the states the history can reach, oldest first
    std::size_t position = 0;                         // the state the document is in
    constexpr long kNoSavedState = -1;
    long saved = 0;  // the state last saved, while the history can reach it

    for (int operation = 0; operation < operations; ++operation) {
        const int tier = random.below(data.tierCount());
        const ListKind list = random.below(3) == 0 ? ListKind::Exception : ListKind::Chain;
        const int count = data.figureCount(list, tier);
        const int figure = random.oneOf(std::vector<int>{0, count - 1, random.below(count)});
        // Typing comes up three times as often as another operation: values in the chain are what an insert or
        // a delete can lose.
        const int drawn = random.below(16);
        const int kind = drawn >= 14 ? 0 : drawn;
        std::optional<bool> reported;  // what a bool operation said, to be checked against the change
        const SurveyData before = kind <= 10 ? data : SurveyData(1, 1);
        Effect effect;
        // Typed and cleared only where the window lets the user: no joined side.
        const auto givenColumn = [&](int at) {
            return random.oneOf(givenColumns(data, list, tier, at));
        };
        switch (kind) {
        case 0: {
            const int col = givenColumn(figure);
            const int row = tableRow(figure, static_cast<InputSet>(random.below(2)));
            const auto entry = enterCellText(random.cellText(), list, col, kDigits);
            if (const auto* text = std::get_if<std::string>(&entry)) {
                reported = editor.enterCell({list, tier, row, col}, *text);
                effect.written = {{list, tier, row, col}};
            }
            break;
        }
        case 1: {
            const BlockPaste paste{list, tier, static_cast<InputSet>(random.below(2)), random.below(count + 1),
                                   column::SideA + random.below(3), splitTabSeparated(random.block()),
                                   std::string(kDigits), "No."};
            const auto planned = planBlockPaste(data, paste);
            if (const auto* plan = std::get_if<PastePlan>(&planned)) {
                for (const auto& [cell, text] : plan->cells) effect.written.push_back(cell);
            }
            editor.pasteBlock(paste);
            break;
        }
        case 2: {
            const int other = random.below(count);
            effect.written = {{list, tier, tableRow(figure, InputSet::Design), givenColumn(figure)},
                              {list, tier, tableRow(other, InputSet::Measured), givenColumn(other)}};
            reported = editor.clearCells(effect.written);
            break;
        }
        case 3: {
            const int at = random.below(3) == 0 ? count : figure;
            if (!editor.insertFigure(list, tier, at)) effect = movedFigures(list, tier, at, -1);
            break;
        }
        case 4:
            if (!editor.deleteFigure(list, tier, figure)) effect = movedFigures(list, tier, -1, figure);
            break;
        case 5: {
            const std::vector<FigureType> types =
                list == ListKind::Chain
                    ? std::vector{FigureType::Base, FigureType::TriangleUp, FigureType::TriangleDown,
                                  FigureType::DeductTriangleUp, FigureType::DeductTriangleDown}
                    : std::vector{FigureType::Square, FigureType::Circle, FigureType::DeductSquare,
                                  FigureType::DeductCircle};
            reported = editor.setFigureType(list, tier, figure, random.oneOf(types));
            break;
        }
        case 6: reported = editor.setChainOrientation(tier, random.below(2) == 0); break;
        case 7: {
            const int joined = random.below(data.figureCount(ListKind::Chain, tier));
            effect.tier = tier;
            effect.joinChanged = joined;
            reported = editor.setJoinSide(tier, joined,
                                          random.oneOf(std::vector{JoinSide::JoinCA, JoinSide::JoinBB, JoinSide::JoinAC}));
            break;
        }
        case 8: reported = editor.setFigureCount(list, tier, 1 + random.below(random.below(4) == 0 ? 100 : 6)); break;
        case 9: reported = editor.setTierCount(1 + random.below(4)); break;
        case 10: {
            DocumentSettings settings = DocumentSettings::of(data);
            settings.conditions.referenceX = random.oneOf(std::vector<float>{
                0.0f, -0.0f, 12.5f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()});
            settings.conditions.dimensionLayerName = random.oneOf(std::vector<std::string>{"寸法値", "寸法〜値", "L"});
            settings.acadVersion = random.oneOf(std::vector<std::string>{"2000", "98"});
            reported = editor.changeSettings(settings);
            break;
        }
        case 11:
        case 12: {
            const bool undo = kind == 11;
            const bool moved = (undo ? editor.undo() : editor.redo()) != nullptr;
            ASSERT_EQ(moved, undo ? position > 0 : position + 1 < states.size()) << "operation " << operation;
            if (moved) position = undo ? position - 1 : position + 1;
            ASSERT_EQ(test::snapshot(data), states[position]) << "operation " << operation << (undo ? " undo" : " redo");
            break;
        }
        case 13:
            editor.markSaved();
            saved = static_cast<long>(position);
            break;
        }
        if (kind <= 10) {
            for (std::size_t i = 0, n = effect.written.size(); i < n; ++i) {
                const CellAddress cell = effect.written[i];
                // An exception name names both rows of its figure.
                if (cell.list == ListKind::Exception && cell.col == column::SideA) {
                    effect.written.push_back({cell.list, cell.tier, cell.row ^ 1, cell.col});
                }
            }
            expectGivenValuesKept(before, data, effect, operation);
            if (HasFatalFailure()) return;
            std::string now = test::snapshot(data);
            const bool changed = now != states[position];
            if (reported) {
                ASSERT_EQ(*reported, changed) << "operation " << operation << " kind " << kind;
            }
            if (changed) {
                // A new step: what could have been redone is gone, and the oldest beyond the history's depth.
                states.erase(states.begin() + static_cast<std::ptrdiff_t>(position) + 1, states.end());
                if (saved > static_cast<long>(position)) saved = kNoSavedState;
                states.push_back(std::move(now));
                ++position;
                if (states.size() > EditHistory::kDefaultDepth + 1) {
                    states.pop_front();
                    --position;
                    if (saved != kNoSavedState) --saved;
                }
            }
            ASSERT_EQ(editor.history().size(), states.size() - 1) << "operation " << operation;
        }
        ASSERT_EQ(editor.isModified(), saved != static_cast<long>(position)) << "operation " << operation;
        expectChainsClosed(data, operation);
        expectSavedAndReadBack(data, operation);
        if (HasFatalFailure()) return;
    }

    while (editor.undo()) {
    }
    EXPECT_EQ(test::snapshot(data), states.front()) << "undo all";
    while (editor.redo()) {
    }
    EXPECT_EQ(test::snapshot(data), states.back()) << "redo all";
}

}  // namespace
}  // namespace mirota
