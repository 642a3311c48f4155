#include "edit/EditHistory.h"

#include <gtest/gtest.h>

#include <string>

namespace mirota {
namespace {

// A step that writes text into the first chain cell of tier 1 (the cell held before).
EditStep writeStep(const std::string& before, const std::string& after) {
    DocumentChange change;
    change.cells.push_back({{ListKind::Chain, 0, 0, column::SideA}, before, after});
    return {EditKind::CellEntry, {ListKind::Chain, 0, 0, column::SideA}, change};
}

const std::string& firstCell(const SurveyData& data) { return data.cell(ListKind::Chain, 0, 0, column::SideA); }

TEST(EditHistory, KeepsTheNewestStepsUpToItsDepth) {
    SurveyData data;
    EditHistory history(3);
    for (int step = 1; step <= 5; ++step) {
        history.push(writeStep(std::to_string(step - 1), std::to_string(step)));
        data.setCell(ListKind::Chain, 0, 0, column::SideA, std::to_string(step));
    }
    EXPECT_EQ(history.size(), 3u);
    while (history.undo(data)) {
    }
    EXPECT_EQ(firstCell(data), "2");
    while (history.redo(data)) {
    }
    EXPECT_EQ(firstCell(data), "5");
}

TEST(EditHistory, ANewStepDropsWhatCouldBeRedone) {
    SurveyData data;
    EditHistory history;
    history.push(writeStep("", "a"));
    history.push(writeStep("a", "b"));
    history.undo(data);
    EXPECT_EQ(history.nextRedo()->change.cells[0].after, "b");
    history.push(writeStep("a", "c"));
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.size(), 2u);
    EXPECT_EQ(history.nextUndo()->change.cells[0].after, "c");
}

TEST(EditHistory, ModifiedFollowsTheSavedState) {
    SurveyData data;
    EditHistory history(2);
    EXPECT_FALSE(history.isModified());
    history.push(writeStep("", "a"));
    EXPECT_TRUE(history.isModified());
    history.markSaved();
    EXPECT_FALSE(history.isModified());
    history.undo(data);
    EXPECT_TRUE(history.isModified());
    history.redo(data);
    EXPECT_FALSE(history.isModified());  // back at the saved state

    history.undo(data);
    history.push(writeStep("", "b"));  // the saved state can no longer be reached
    history.undo(data);
    history.push(writeStep("", "a"));
    EXPECT_TRUE(history.isModified());

    history.markOpened();
    history.push(writeStep("", "a"));
    history.markSaved();
    history.push(writeStep("a", "b"));
    history.push(writeStep("b", "c"));  // the oldest step goes; the saved state can still be reached
    history.undo(data);
    history.undo(data);
    EXPECT_FALSE(history.isModified());
    history.redo(data);
    history.push(writeStep("b", "d"));
    history.undo(data);
    EXPECT_TRUE(history.canUndo());
    history.undo(data);
    EXPECT_FALSE(history.isModified());
    history.redo(data);
    history.redo(data);
    history.push(writeStep("d", "e"));  // now the saved state itself is gone
    history.undo(data);
    history.undo(data);
    EXPECT_FALSE(history.canUndo());
    EXPECT_TRUE(history.isModified());

    history.markOpened();
    EXPECT_FALSE(history.isModified());
    EXPECT_FALSE(history.canUndo());
    history.markUnsaved();
    EXPECT_TRUE(history.isModified());
}

}  // namespace
}  // namespace mirota
