#include "edit/DocumentEditor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <functional>
#include <ostream>
#include <tuple>

namespace mirota {
namespace {

constexpr ListKind kChain = ListKind::Chain;
constexpr ListKind kException = ListKind::Exception;

// Everything of the document that a transaction may change, compared cell by cell: the differences
// of two documents as a change, ordered by place.
DocumentChange differences(const SurveyData& before, const SurveyData& after) {
    DocumentChange change;
    for (ListKind list : {kChain, kException}) {
        for (int tier = 0; tier < before.maxTiers(); ++tier) {
            for (int row = 0; row < before.rowCapacity(); ++row) {
                for (int col = 0; col < SurveyData::kColumnCount; ++col) {
                    const std::string& old = before.cell(list, tier, row, col);
                    const std::string& now = after.cell(list, tier, row, col);
                    if (old != now) change.cells.push_back({{list, tier, row, col}, old, now});
                }
            }
            const int oldCount = before.figureCount(list, tier);
            const int newCount = after.figureCount(list, tier);
            if (oldCount != newCount) change.figureCounts.push_back({list, tier, oldCount, newCount});
        }
    }
    const TierCounts oldTiers{before.tierCount(), before.previousTierCount()};
    const TierCounts newTiers{after.tierCount(), after.previousTierCount()};
    if (oldTiers != newTiers) change.tierCount = TierCountChange{oldTiers, newTiers};
    const auto oldSettings = DocumentSettings::of(before);
    const auto newSettings = DocumentSettings::of(after);
    if (oldSettings != newSettings) change.settings = SettingsChange{oldSettings, newSettings};
    return change;
}

DocumentChange ordered(DocumentChange change) {
    const auto cellPlace = [](const CellChange& c) {
        return std::tuple(c.cell.list, c.cell.tier, c.cell.row, c.cell.col);
    };
    std::ranges::sort(change.cells, {}, cellPlace);
    std::ranges::sort(change.figureCounts, {}, [](const FigureCountChange& c) { return std::tuple(c.list, c.tier); });
    return change;
}

void setSides(SurveyData& data, int tier, int row, const char* a, const char* b, const char* c) {
    data.setCell(kChain, tier, row, column::SideA, a);
    data.setCell(kChain, tier, row, column::SideB, b);
    data.setCell(kChain, tier, row, column::SideC, c);
}

// Tier 1: four chain figures joined C-A (figure 3 B-B), the design sides typed and S/area computed;
// two exception figures. Tier 2: one chain figure with values.
SurveyData sampleDocument() {
    SurveyData data;
    data.changeTierCount(2);
    data.setFigureCount(kChain, 0, 4);
    data.setFigureCount(kException, 0, 2);
    for (int row = 0; row < 8; ++row) {
        data.setCell(kChain, 0, row, column::Type, row % 4 < 2 ? "10" : "11");
        data.setCell(kChain, 0, row, column::Join, row / 2 == 2 ? "1" : "0");
    }
    setSides(data, 0, 0, "3.00", "4.00", "5.00");
    setSides(data, 0, 2, "5.00", "4.00", "6.00");
    setSides(data, 0, 4, "4.50", "4.00", "3.00");
    setSides(data, 0, 6, "3.00", "2.00", "2.50");
    data.setCell(kChain, 0, 0, column::HalfPerimeter, "6");
    data.setCell(kChain, 0, 0, column::Area, "6");
    setSides(data, 0, 1, "3.10", "", "");
    for (int row = 0; row < 4; ++row) {
        data.setCell(kException, 0, row, column::Type, "23");
        data.setCell(kException, 0, row, column::SideA, row < 2 ? "杭A" : "杭B");
    }
    data.setCell(kException, 0, 0, column::SideB, "2.00");
    data.setFigureCount(kChain, 1, 1);
    setSides(data, 1, 0, "7.00", "7.00", "7.00");
    return data;
}

struct OperationCase {
    const char* name;
    std::function<bool(DocumentEditor&)> apply;  // whether the editor reports a change
    std::vector<CellChange> pinned;              // cells the operation must change so (among others)
};

void PrintTo(const OperationCase& c, std::ostream* os) { *os << c.name; }

bool done(const std::optional<Message>& refusal) { return !refusal; }

class DocumentEditorOperations : public testing::TestWithParam<OperationCase> {};

TEST_P(DocumentEditorOperations, RecordsExactlyWhatChangedAndUndoesAndRedoesIt) {
    const OperationCase& c = GetParam();
    SurveyData data = sampleDocument();
    DocumentEditor editor(data);
    const SurveyData before = data;

    ASSERT_TRUE(c.apply(editor));
    const SurveyData after = data;
    ASSERT_TRUE(editor.history().canUndo());
    const DocumentChange& recorded = editor.history().nextUndo()->change;
    EXPECT_EQ(ordered(recorded), differences(before, after));
    for (const CellChange& pin : c.pinned) {
        const auto [list, tier, row, col] = pin.cell;
        EXPECT_EQ(before.cell(list, tier, row, col), pin.before) << "row " << row << " col " << col;
        EXPECT_EQ(after.cell(list, tier, row, col), pin.after) << "row " << row << " col " << col;
    }
    EXPECT_TRUE(editor.isModified());

    ASSERT_NE(editor.undo(), nullptr);
    EXPECT_EQ(differences(before, data), DocumentChange{});
    EXPECT_FALSE(editor.isModified());
    ASSERT_NE(editor.redo(), nullptr);
    EXPECT_EQ(differences(after, data), DocumentChange{});
    EXPECT_TRUE(editor.isModified());
}

// Throws at the write-th write of a cell or a count it is told of (counted from 1).
class FailingWrite : public SurveyData::WriteObserver {
public:
    explicit FailingWrite(int write) : left_(write) {}
    void cellWriting(ListKind, int, int, int, const std::string&) override { count(); }
    void figureCountWriting(ListKind, int, int) override { count(); }
    void tierCountWriting(int, int) override { count(); }

private:
    void count() {
        if (--left_ == 0) throw std::runtime_error("write refused");
    }
    int left_;
};

TEST_P(DocumentEditorOperations, AStepWhoseWriteFailsLeavesTheDocumentAndTheHistoryAsTheyWere) {
    for (int write = 1;; ++write) {
        SurveyData data = sampleDocument();
        DocumentEditor editor(data);
        // One step to undo and one to redo, both kept by a failed step.
        ASSERT_TRUE(editor.enterCell({kException, 1, 0, column::SideB}, "1.00"));
        ASSERT_TRUE(editor.enterCell({kException, 1, 0, column::SideB}, "2.00"));
        editor.undo();
        const SurveyData before = data;
        FailingWrite failing(write);
        data.setWriteObserver(&failing);
        try {
            GetParam().apply(editor);
            data.setWriteObserver(nullptr);
            return;  // past the last write of the step (the settings are not cells: none)
        } catch (const std::runtime_error&) {
        }
        data.setWriteObserver(nullptr);
        ASSERT_EQ(differences(before, data), DocumentChange{}) << "write " << write;
        ASSERT_EQ(editor.history().size(), 2u) << "write " << write;
        ASSERT_TRUE(editor.history().canRedo()) << "write " << write;
        ASSERT_TRUE(editor.isModified()) << "write " << write;
        editor.undo();
        ASSERT_EQ(data.cell(kException, 1, 0, column::SideB), "") << "write " << write;
    }
}

DocumentSettings changedSettings() {
    DocumentSettings settings = DocumentSettings::of(SurveyData{});
    settings.conditions.dimensionLayerName = "寸法";
    settings.acadVersion = "98";
    settings.optionFlags.useStationPrefix = false;
    return settings;
}

INSTANTIATE_TEST_SUITE_P(
    EveryOperation, DocumentEditorOperations,
    testing::Values(
        OperationCase{"SideCarriedIntoTheNextFigure",
                      [](DocumentEditor& e) { return e.enterCell({kChain, 0, 0, column::SideC}, "8.00"); },
                      {{{kChain, 0, 0, column::SideC}, "5.00", "8.00"}, {{kChain, 0, 2, column::SideA}, "5.00", "8.00"}}},
        OperationCase{"SideByBBJoin",
                      [](DocumentEditor& e) { return e.enterCell({kChain, 0, 2, column::SideB}, "9.00"); },
                      {{{kChain, 0, 4, column::SideB}, "4.00", "9.00"}}},
        OperationCase{"SideOfTheLastFigure",
                      [](DocumentEditor& e) { return e.enterCell({kChain, 0, 6, column::SideC}, "", EditKind::CellCut); },
                      {{{kChain, 0, 6, column::SideC}, "2.50", ""}}},
        OperationCase{"MeasuredSide",
                      [](DocumentEditor& e) { return e.enterCell({kChain, 0, 1, column::SideC}, "5.10"); },
                      {{{kChain, 0, 3, column::SideA}, "", "5.10"}}},
        OperationCase{"ExceptionNameOfBothRows",
                      [](DocumentEditor& e) { return e.enterCell({kException, 0, 3, column::SideA}, "杭C"); },
                      {{{kException, 0, 2, column::SideA}, "杭B", "杭C"}}},
        OperationCase{"FigureCountRaised", [](DocumentEditor& e) { return e.setFigureCount(kChain, 0, 6); }, {}},
        OperationCase{"FigureCountLowered", [](DocumentEditor& e) { return e.setFigureCount(kException, 0, 1); }, {}},
        OperationCase{"ChainInsert", [](DocumentEditor& e) { return done(e.insertFigure(kChain, 0, 1)); },
                      {{{kChain, 0, 2, column::SideA}, "5.00", "5.00"},  // joined to figure 1
                       {{kChain, 0, 2, column::SideB}, "4.00", ""},
                       {{kChain, 0, 2, column::SideC}, "6.00", "5.00"},  // the moved figure is joined to it
                       {{kChain, 0, 4, column::SideA}, "4.50", "5.00"},
                       {{kChain, 0, 4, column::SideC}, "3.00", "6.00"},
                       {{kChain, 0, 6, column::Join}, "0", "1"},  // the join code moves with its figure
                       {{kChain, 0, 8, column::SideC}, "", "2.50"}}},
        OperationCase{"ChainInsertAtTheFirstFigure", [](DocumentEditor& e) { return done(e.insertFigure(kChain, 0, 0)); },
                      {{{kChain, 0, 0, column::HalfPerimeter}, "6", ""},
                       {{kChain, 0, 0, column::SideC}, "5.00", "3.00"},
                       {{kChain, 0, 2, column::SideA}, "5.00", "3.00"}}},
        OperationCase{"ExceptionInsert", [](DocumentEditor& e) { return done(e.insertFigure(kException, 0, 0)); },
                      {{{kException, 0, 0, column::SideA}, "杭A", "名称1"}, {{kException, 0, 2, column::SideA}, "杭B", "杭A"},
                       {{kException, 0, 4, column::SideA}, "", "杭B"}, {{kException, 0, 2, column::SideB}, "", "2.00"}}},
        OperationCase{"ChainDelete", [](DocumentEditor& e) { return done(e.deleteFigure(kChain, 0, 1)); },
                      {{{kChain, 0, 2, column::SideA}, "5.00", "4.50"},
                       {{kChain, 0, 2, column::SideC}, "6.00", "3.00"},
                       {{kChain, 0, 2, column::Join}, "0", "1"},  // joined B-B to figure 1 now
                       {{kChain, 0, 4, column::SideA}, "4.50", "3.00"}}},
        OperationCase{"ExceptionDelete", [](DocumentEditor& e) { return done(e.deleteFigure(kException, 0, 0)); },
                      {{{kException, 0, 0, column::SideA}, "杭A", "杭B"}}},
        OperationCase{"TypeOfBothRows",
                      [](DocumentEditor& e) { return e.setFigureType(kChain, 0, 1, FigureType::DeductTriangleDown); },
                      {{{kChain, 0, 3, column::Type}, "11", "21"}}},
        OperationCase{"ChainOrientation", [](DocumentEditor& e) { return e.setChainOrientation(0, false); },
                      {{{kChain, 0, 0, column::Type}, "10", "11"}, {{kChain, 0, 7, column::Type}, "11", "10"}}},
        OperationCase{"JoinSide", [](DocumentEditor& e) { return e.setJoinSide(0, 1, JoinSide::JoinAC); },
                      {{{kChain, 0, 2, column::SideA}, "5.00", "6.00"},
                       {{kChain, 0, 2, column::SideC}, "6.00", "3.00"},
                       {{kChain, 0, 3, column::Join}, "0", "2"}}},
        OperationCase{"TierCountRaised", [](DocumentEditor& e) { return e.setTierCount(4); }, {}},
        OperationCase{"TierCountLowered", [](DocumentEditor& e) { return e.setTierCount(1); },
                      {{{kChain, 1, 0, column::SideA}, "7.00", ""}}},
        OperationCase{"Settings", [](DocumentEditor& e) { return e.changeSettings(changedSettings()); }, {}},
        OperationCase{"TitleBlock",
                      [](DocumentEditor& e) { return e.changeTitleBlock({"千代田区丸の内一丁目", "1番2", "宅地", "測量 太郎"}); },
                      {}},
        OperationCase{"BlockPasteGrowingTheChain",
                      [](DocumentEditor& e) {
                          const BlockPaste paste{kChain, 0, InputSet::Design, 3, column::SideB,
                                                 splitTabSeparated("1\t2\r\n\t3\r\n"), "0.00", "No."};
                          return done(e.pasteBlock(paste));
                      },
                      {{{kChain, 0, 6, column::SideC}, "2.50", "2.00"}, {{kChain, 0, 8, column::SideA}, "", "2.00"}}},
        OperationCase{"ClearCells",
                      [](DocumentEditor& e) {
                          return e.clearCells({{kChain, 0, 0, column::SideC}, {kException, 0, 1, column::SideA}});
                      },
                      {{{kChain, 0, 2, column::SideA}, "5.00", ""}, {{kException, 0, 0, column::SideA}, "杭A", ""}}}),
    [](const testing::TestParamInfo<OperationCase>& info) { return std::string(info.param.name); });

TEST(DocumentEditor, AChangeThatChangesNothingIsNoStep) {
    SurveyData data = sampleDocument();
    DocumentEditor editor(data);
    EXPECT_FALSE(editor.enterCell({kChain, 0, 0, column::SideA}, "3.00"));
    EXPECT_FALSE(editor.setFigureType(kChain, 0, 0, FigureType::TriangleUp));
    EXPECT_FALSE(editor.setJoinSide(0, 0, JoinSide::JoinBB));  // the first figure is joined to nothing
    EXPECT_FALSE(editor.changeSettings(DocumentSettings::of(data)));
    EXPECT_FALSE(editor.changeTitleBlock(data.titleBlock));
    EXPECT_FALSE(editor.changeTitleBlock({"丸の内", "", "", "測量〜太郎"}));  // 〜 cannot be saved
    EXPECT_TRUE(data.titleBlock.empty());
    EXPECT_FALSE(editor.history().canUndo());
    EXPECT_FALSE(editor.isModified());
}

TEST(DocumentEditor, InsertIntoAFullListAndDeleteOfTheLastFigureAreRefused) {
    SurveyData data = sampleDocument();
    data.setFigureCount(kChain, 0, SurveyData::kFigureCapacity);
    data.setFigureCount(kException, 0, 1);
    DocumentEditor editor(data);
    EXPECT_EQ(editor.insertFigure(kChain, 0, 0), (Message{"最高個数は\"100\"です。", "LTミロタ展開図", Message::Icon::Warning}));
    EXPECT_EQ(editor.deleteFigure(kException, 0, 0), (Message{"最低個数は\"1\"です。", "LTミロタ展開図", Message::Icon::Warning}));
    EXPECT_EQ(data.figureCount(kChain, 0), SurveyData::kFigureCapacity);
    EXPECT_FALSE(editor.history().canUndo());
}

TEST(DocumentEditor, LoweringTheTierCountDropsValuesOnlyWhenTheTiersBeyondHoldAny) {
    struct Case {
        const char* name;
        ListKind list;
        int row;
        int col;
        const char* text;
        bool drops;
    };
    const Case cases[] = {
        {"nothing but what a figure is given", kChain, 0, column::Type, "10", false},
        {"a result without its sides", kChain, 1, column::Area, "6", false},
        {"the name a figure is given", kException, 1, column::SideA, "名称1", false},
        {"a side of the measured row", kChain, 3, column::SideC, "2.00", true},
        {"an element", kException, 0, column::SideC, "1.00", true},
        {"a position", kException, 1, column::HalfPerimeter, ",5.00", true},
        {"a name of the user's", kException, 0, column::SideA, "杭A", true},
    };
    for (const Case& c : cases) {
        SurveyData data;
        data.changeTierCount(4);
        DocumentEditor editor(data);
        editor.completeFigures(kChain, 2);
        editor.completeFigures(kException, 2);
        data.setCell(kChain, 0, 0, column::SideA, "3.00");  // the tier that stays
        data.setCell(c.list, 2, c.row, c.col, c.text);
        EXPECT_EQ(editor.tierCountDropsValues(2), c.drops) << c.name;
        EXPECT_FALSE(editor.tierCountDropsValues(3)) << c.name;
    }
}

TEST(DocumentEditor, ShownFiguresAreCompletedWithoutAStep) {
    SurveyData data;
    data.setFigureCount(kException, 0, 2);
    data.setCell(kChain, 0, 2, column::Type, "010");  // no code
    DocumentEditor editor(data);
    editor.completeFigures(kChain, 0);
    editor.completeFigures(kException, 0);
    EXPECT_EQ(data.cell(kChain, 0, 1, column::Type), "10");
    EXPECT_EQ(data.cell(kChain, 0, 2, column::Type), "11");
    EXPECT_EQ(data.cell(kChain, 0, 3, column::Join), "0");
    EXPECT_EQ(data.cell(kChain, 0, 4, column::Type), "");  // beyond the count
    EXPECT_EQ(data.cell(kException, 0, 3, column::Type), "23");
    EXPECT_EQ(data.cell(kException, 0, 3, column::SideA), "名称2");
    EXPECT_EQ(data.cell(kException, 0, 0, column::Join), "");
    EXPECT_FALSE(editor.history().canUndo());
    EXPECT_FALSE(editor.isModified());
}

TEST(DocumentEditor, AStepOutsideTheDocumentThrowsAndLeavesItAsItWas) {
    SurveyData data = sampleDocument();
    DocumentEditor editor(data);
    const SurveyData before = data;
    // The first cell is emptied (and carried into figure 2) before the second is found outside.
    EXPECT_THROW(editor.clearCells({{kChain, 0, 0, column::SideC}, {kChain, 0, 500, column::SideA}}), std::out_of_range);
    EXPECT_EQ(differences(before, data), DocumentChange{});
    EXPECT_THROW(editor.insertFigure(kChain, 0, 5), std::out_of_range);
    EXPECT_EQ(differences(before, data), DocumentChange{});
    EXPECT_FALSE(editor.history().canUndo());
}

TEST(DocumentEditor, AFigureAppendedAfterTheLastOneOfAListOfNinetyNine) {
    for (ListKind list : {kChain, kException}) {
        SurveyData data;
        data.setFigureCount(list, 0, 99);
        data.setCell(list, 0, tableRow(98, InputSet::Design), column::SideC, "4.00");
        DocumentEditor editor(data);
        ASSERT_FALSE(editor.insertFigure(list, 0, 99));
        EXPECT_EQ(data.figureCount(list, 0), 100);
        EXPECT_EQ(data.cell(list, 0, tableRow(98, InputSet::Design), column::SideC), "4.00");
        // The chain's new figure is joined C-A to the old last one.
        EXPECT_EQ(data.cell(list, 0, tableRow(99, InputSet::Design), column::SideA), list == kChain ? "4.00" : "名称100");
    }
}

TEST(DocumentEditor, AStepKeepsRoomOnlyForWhatItChanged) {
    SurveyData data;
    data.setFigureCount(kChain, 0, 99);
    DocumentEditor editor(data);
    editor.completeFigures(kChain, 0);
    ASSERT_FALSE(editor.insertFigure(kChain, 0, 0));  // about a thousand writes, nearly all of them changing nothing
    const std::vector<CellChange>& cells = editor.history().nextUndo()->change.cells;
    EXPECT_LE(cells.size(), 2u * SurveyData::kColumnCount);
    EXPECT_EQ(cells.capacity(), cells.size());
}

TEST(DocumentEditor, AFullListNamesItsOwnCapacity) {
    SurveyData data(SurveyData::kTierCapacity, 40);  // as a file of 40 figures a list opens
    data.setFigureCount(kChain, 0, 40);
    DocumentEditor editor(data);
    EXPECT_EQ(editor.insertFigure(kChain, 0, 0), (Message{"最高個数は\"40\"です。", "LTミロタ展開図", Message::Icon::Warning}));
    EXPECT_EQ(data.figureCount(kChain, 0), 40);
}

TEST(DocumentEditor, SettingsTakeNeitherAnEqualNumberNorWhatTheFileCannotHold) {
    const struct {
        const char* name;
        void (*change)(DocumentSettings&);
    } cases[] = {
        {"minus zero for zero", [](DocumentSettings& s) { s.conditions.referenceX = -0.0f; }},
        {"not a number", [](DocumentSettings& s) { s.conditions.scale = std::numeric_limits<float>::quiet_NaN(); }},
        {"infinity", [](DocumentSettings& s) { s.conditions.tableY = -std::numeric_limits<float>::infinity(); }},
        {"wave dash in a layer", [](DocumentSettings& s) { s.conditions.dimensionLayerName = "寸法〜値"; }},
        {"emoji in a layer", [](DocumentSettings& s) { s.conditions.drawingLayerName = "図面😀"; }},
        {"layer too long", [](DocumentSettings& s) { s.conditions.areaTableLayerName = std::string(256, 'L'); }},
    };
    for (const auto& c : cases) {
        SurveyData data;
        DocumentEditor editor(data);
        DocumentSettings settings = DocumentSettings::of(data);
        c.change(settings);
        EXPECT_FALSE(editor.changeSettings(settings)) << c.name;
        EXPECT_FALSE(editor.history().canUndo()) << c.name;
        EXPECT_FALSE(std::signbit(data.conditions.referenceX)) << c.name;
        EXPECT_EQ(DocumentSettings::of(data), DocumentSettings::of(SurveyData{})) << c.name;
    }
}

TEST(DocumentEditor, ADefaultHistoryKeepsExactlyAThousandSteps) {
    SurveyData data;
    DocumentEditor editor(data);
    SurveyData afterFirstStep;
    for (int step = 1; step <= 1001; ++step) {
        ASSERT_TRUE(editor.enterCell({kChain, 0, 0, column::SideA}, std::to_string(step) + ".00"));
        if (step == 1) afterFirstStep = data;
    }
    EXPECT_EQ(editor.history().size(), 1000u);
    int undone = 0;
    while (editor.undo()) ++undone;
    EXPECT_EQ(undone, 1000);
    EXPECT_EQ(differences(afterFirstStep, data), DocumentChange{});
}

TEST(DocumentEditor, TheLastShownFigureCarriesNothingIntoAHiddenOne) {
    SurveyData data = sampleDocument();
    data.setFigureCount(kChain, 0, 3);  // figure 4 stays in the table, hidden, joined C-A
    DocumentEditor editor(data);
    ASSERT_TRUE(editor.enterCell({kChain, 0, 4, column::SideC}, "9.00"));
    ASSERT_TRUE(editor.enterCell({kChain, 0, 5, column::SideC}, "9.10"));
    EXPECT_EQ(data.cell(kChain, 0, 6, column::SideA), "3.00");
    EXPECT_EQ(data.cell(kChain, 0, 7, column::SideA), "");
}

TEST(DocumentEditor, InsertAndDeleteMoveTheDesignAndTheMeasuredRowsTogether) {
    SurveyData data = sampleDocument();
    const auto measuredC = [&](int figure) { return data.cell(kChain, 0, tableRow(figure, InputSet::Measured), column::SideC); };
    for (int figure = 0; figure < 4; ++figure) {
        data.setCell(kChain, 0, tableRow(figure, InputSet::Measured), column::SideC, std::to_string(figure + 1) + ".50");
    }
    DocumentEditor editor(data);
    ASSERT_FALSE(editor.insertFigure(kChain, 0, 1));
    EXPECT_EQ(measuredC(1), "");
    for (int figure : {2, 3, 4}) EXPECT_EQ(measuredC(figure), std::to_string(figure) + ".50");
    EXPECT_EQ(data.cell(kChain, 0, tableRow(4, InputSet::Design), column::SideC), "2.50");
    ASSERT_FALSE(editor.deleteFigure(kChain, 0, 0));
    for (int figure : {1, 2, 3}) EXPECT_EQ(measuredC(figure), std::to_string(figure + 1) + ".50");
    EXPECT_EQ(data.cell(kChain, 0, tableRow(3, InputSet::Design), column::SideC), "2.50");
}

}  // namespace
}  // namespace mirota
