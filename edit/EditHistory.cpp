#include "edit/EditHistory.h"

#include <type_traits>

namespace mirota {

void EditHistory::push(EditStep&& step) {
    static_assert(std::is_nothrow_move_constructible_v<EditStep> && std::is_nothrow_move_assignable_v<EditStep>);
    // Appended first, the only part that can fail; the step is moved only once the room is there.
    steps_.push_back(std::move(step));
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end() - 1);
    if (saved_ && *saved_ > done_) saved_.reset();
    ++done_;
    if (steps_.size() > depth_) {
        steps_.pop_front();
        --done_;
        if (saved_) saved_ = *saved_ == 0 ? std::nullopt : std::optional(*saved_ - 1);
    }
}

const EditStep* EditHistory::undo(SurveyData& data) {
    if (!canUndo()) return nullptr;
    const EditStep& step = steps_[done_ - 1];
    step.change.undo(data);  // when it fails, nothing has moved
    --done_;
    return &step;
}

const EditStep* EditHistory::redo(SurveyData& data) {
    if (!canRedo()) return nullptr;
    const EditStep& step = steps_[done_];
    step.change.redo(data);
    ++done_;
    return &step;
}

void EditHistory::markOpened() {
    steps_.clear();
    done_ = 0;
    saved_ = 0;
}

}  // namespace mirota
