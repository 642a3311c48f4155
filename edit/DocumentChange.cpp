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

void DocumentChange::undo(SurveyData& data) const {
    if (settings) settings->before.applyTo(data);
    if (tierCount) data.restoreTierCounts(tierCount->before.count, tierCount->before.previous);
    for (const FigureCountChange& c : figureCounts | std::views::reverse) data.setFigureCount(c.list, c.tier, c.before);
    for (const CellChange& c : cells | std::views::reverse) {
        data.setCell(c.cell.list, c.cell.tier, c.cell.row, c.cell.col, c.before);
    }
}

void DocumentChange::redo(SurveyData& data) const {
    for (const CellChange& c : cells) data.setCell(c.cell.list, c.cell.tier, c.cell.row, c.cell.col, c.after);
    for (const FigureCountChange& c : figureCounts) data.setFigureCount(c.list, c.tier, c.after);
    if (tierCount) data.restoreTierCounts(tierCount->after.count, tierCount->after.previous);
    if (settings) settings->after.applyTo(data);
}

ChangeRecorder::ChangeRecorder(SurveyData& data) : data_(data) { data_.setWriteObserver(this); }

ChangeRecorder::~ChangeRecorder() { data_.setWriteObserver(nullptr); }

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
}

void ChangeRecorder::figureCountWriting(ListKind list, int tier, int before) {
    const bool seen = std::ranges::any_of(change_.figureCounts,
                                          [&](const FigureCountChange& c) { return c.list == list && c.tier == tier; });
    if (!seen) change_.figureCounts.push_back({list, tier, before, 0});
}

void ChangeRecorder::tierCountWriting(int before, int previousBefore) {
    if (!change_.tierCount) change_.tierCount = TierCountChange{{before, previousBefore}, {}};
}

DocumentChange ChangeRecorder::finish() {
    data_.setWriteObserver(nullptr);
    for (CellChange& c : change_.cells) c.after = data_.cell(c.cell.list, c.cell.tier, c.cell.row, c.cell.col);
    std::erase_if(change_.cells, [](const CellChange& c) { return c.before == c.after; });
    for (FigureCountChange& c : change_.figureCounts) c.after = data_.figureCount(c.list, c.tier);
    std::erase_if(change_.figureCounts, [](const FigureCountChange& c) { return c.before == c.after; });
    if (change_.tierCount) {
        change_.tierCount->after = {data_.tierCount(), data_.previousTierCount()};
        if (change_.tierCount->before == change_.tierCount->after) change_.tierCount.reset();
    }
    if (change_.settings && change_.settings->before == change_.settings->after) change_.settings.reset();
    recordedCells_.clear();
    return std::exchange(change_, {});
}

}  // namespace mirota
