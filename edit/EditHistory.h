#pragma once

#include <cstddef>
#include <deque>
#include <optional>

#include "edit/DocumentChange.h"

namespace mirota {

// What the user did, to name a step and to show where it happened.
enum class EditKind {
    CellEntry,
    CellCut,
    CellPaste,
    FigureCount,
    FigureInsert,
    FigureDelete,
    FigureType,
    ChainOrientation,
    JoinSide,
    TierCount,
    Settings,
    TitleBlock,
    BlockPaste,
    ClearCells,
};

// One transaction: what was done, where (the cell, or the figure's first row and the list), and
// what it changed.
struct EditStep {
    EditKind kind = EditKind::CellEntry;
    CellAddress place;
    DocumentChange change;
};

// The steps that can be undone and redone, at most depth of them (the oldest go first), and where
// the document stood when it was last saved or opened.
class EditHistory {
public:
    static constexpr std::size_t kDefaultDepth = 1000;

    explicit EditHistory(std::size_t depth = kDefaultDepth) : depth_(depth) {}

    // A new step drops the steps that could have been redone. When it fails (out of memory), the
    // history is as it was and the step is still the caller's.
    void push(EditStep&& step);
    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    // The step undone or redone, or nullptr when there is none.
    const EditStep* undo(SurveyData& data);
    const EditStep* redo(SurveyData& data);
    // The step undo or redo would take next, or nullptr.
    const EditStep* nextUndo() const { return canUndo() ? &steps_[done_ - 1] : nullptr; }
    const EditStep* nextRedo() const { return canRedo() ? &steps_[done_] : nullptr; }
    std::size_t size() const { return steps_.size(); }

    // The document differs from the one last saved or opened.
    bool isModified() const { return saved_ != done_; }
    void markSaved() { saved_ = done_; }
    // A new or opened document: no steps, nothing changed.
    void markOpened();
    // No state in the history is the saved one any more.
    void markUnsaved() { saved_.reset(); }

private:
    std::size_t depth_;
    std::deque<EditStep> steps_;
    std::size_t done_ = 0;                // steps_[0 .. done_) are applied
    std::optional<std::size_t> saved_ = 0;  // done_ at the last save, while that state can be reached
};

}  // namespace mirota
