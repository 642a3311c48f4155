#include "edit/EditHistory.h"

namespace mirota {

void EditHistory::push(EditStep step) {
    if (saved_ && *saved_ > done_) saved_.reset();
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
    steps_.push_back(std::move(step));
    ++done_;
    if (steps_.size() > depth_) {
        steps_.pop_front();
        --done_;
        if (saved_) saved_ = *saved_ == 0 ? std::nullopt : std::optional(*saved_ - 1);
    }
}

const EditStep* EditHistory::undo(SurveyData& data) {
    if (!canUndo()) return nullptr;
    const EditStep& step = steps_[--done_];
    step.change.undo(data);
    return &step;
}

const EditStep* EditHistory::redo(SurveyData& data) {
    if (!canRedo()) return nullptr;
    const EditStep& step = steps_[done_++];
    step.change.redo(data);
    return &step;
}

void EditHistory::markOpened() {
    steps_.clear();
    done_ = 0;
    saved_ = 0;
}

}  // namespace mirota
