#include "edit/DocumentChange.h"

#include <algorithm>
#include <ranges>
#include <utility>

namespace mirota {

namespace {

long long cellKey(ListKind list, int tier, int row, int col) {
    return ((static_cast<long long>(list) * SurveyData::kTierCapacity + tier) * 2 * SurveyData::kFigureCapacity + row) *
               SurveyData::kColumnCount +
           col;
}

}  // namespace

void DocumentChange::undo(SurveyData& data) const { DocumentChange(*this).revert(data); }

void DocumentChange::redo(SurveyData& data) const { DocumentChange(*this).replay(data); }

void DocumentChange::replay(SurveyData& data) && noexcept {
    SurveyData::WriteObserver* const observer = data.writeObserver();
    data.setWriteObserver(nullptr);
    for (CellChange& c : cells) data.setCell(c.cell.list, c.cell.tier, c.cell.row, c.cell.col, std::move(c.after));
    for (const FigureCountChange& c : figureCounts) data.setFigureCount(c.list, c.tier, c.after);
    if (tierCount) data.restoreTierCounts(tierCount->after.count, tierCount->after.previous);
    if (settings) std::move(settings->after).moveTo(data);
    data.setWriteObserver(observer);
}

void DocumentChange::revert(SurveyData& data) && noexcept {
    SurveyData::WriteObserver* const observer = data.writeObserver();
    data.setWriteObserver(nullptr);
    if (settings) std::move(settings->before).moveTo(data);
    if (tierCount) data.restoreTierCounts(tierCount->before.count, tierCount->before.previous);
    for (const FigureCountChange& c : figureCounts | std::views::reverse) data.setFigureCount(c.list, c.tier, c.before);
    for (CellChange& c : cells | std::views::reverse) {
        data.setCell(c.cell.list, c.cell.tier, c.cell.row, c.cell.col, std::move(c.before));
    }
    data.setWriteObserver(observer);
}

ChangeRecorder::ChangeRecorder(SurveyData& data) : data_(data), outer_(data.writeObserver()) {
    data_.setWriteObserver(this);
}

ChangeRecorder::~ChangeRecorder() { data_.setWriteObserver(outer_); }

void ChangeRecorder::recordSettings(const DocumentSettings& before, const DocumentSettings& after) {
    if (change_.settings) {
        change_.settings->after = after;
    } else {
        change_.settings = SettingsChange{before, after};
    }
}

void ChangeRecorder::cellWriting(ListKind list, int tier, int row, int col, const std::string& before) {
    const auto [where, first] = recordedCells_.try_emplace(cellKey(list, tier, row, col), change_.cells.size());
    if (first) change_.cells.push_back({CellAddress{list, tier, row, col}, before, {}});
    if (outer_) outer_->cellWriting(list, tier, row, col, before);
}

void ChangeRecorder::figureCountWriting(ListKind list, int tier, int before) {
    const bool seen = std::ranges::any_of(change_.figureCounts,
                                          [&](const FigureCountChange& c) { return c.list == list && c.tier == tier; });
    if (!seen) change_.figureCounts.push_back({list, tier, before, 0});
    if (outer_) outer_->figureCountWriting(list, tier, before);
}

void ChangeRecorder::tierCountWriting(int before, int previousBefore) {
    if (!change_.tierCount) change_.tierCount = TierCountChange{{before, previousBefore}, {}};
    if (outer_) outer_->tierCountWriting(before, previousBefore);
}

DocumentChange ChangeRecorder::finish() {
    data_.setWriteObserver(outer_);
    for (CellChange& c : change_.cells) c.after = data_.cell(c.cell.list, c.cell.tier, c.cell.row, c.cell.col);
    // Most writes of a step that moves figures change nothing; only the changes keep their room.
    std::vector<CellChange> changed;
    changed.reserve(static_cast<std::size_t>(
        std::ranges::count_if(change_.cells, [](const CellChange& c) { return c.before != c.after; })));
    for (CellChange& c : change_.cells) {
        if (c.before != c.after) changed.push_back(std::move(c));
    }
    change_.cells = std::move(changed);
    for (FigureCountChange& c : change_.figureCounts) c.after = data_.figureCount(c.list, c.tier);
    std::erase_if(change_.figureCounts, [](const FigureCountChange& c) { return c.before == c.after; });
    if (change_.tierCount) {
        change_.tierCount->after = {data_.tierCount(), data_.previousTierCount()};
        if (change_.tierCount->before == change_.tierCount->after) change_.tierCount.reset();
    }
    if (change_.settings && change_.settings->before == change_.settings->after) change_.settings.reset();
    recordedCells_ = {};
    return std::exchange(change_, {});
}

void ChangeRecorder::rollback() noexcept {
    data_.setWriteObserver(outer_);
    std::exchange(change_, {}).revert(data_);
}

}  // namespace mirota
