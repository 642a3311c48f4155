#include "model/SurveyData.h"

#include <algorithm>
#include <stdexcept>

namespace mirota {

namespace {
int listIndex(ListKind list) { return static_cast<int>(list); }
}  // namespace

SurveyData::SurveyData() { reset(); }

SurveyData::SurveyData(int maxTiers, int maxFigures) { recreate(maxTiers, maxFigures); }

void SurveyData::reset() {
    const int oldCount = tierCount_;
    recreate(kTierCapacity, kFigureCapacity);
    previousTierCount_ = oldCount;
    tierCount_ = 1;
    figureCounts_[0] = 2;
    figureCounts_[static_cast<std::size_t>(maxTiers_)] = 1;
    titleBlock = {};
    currentFilePath.clear();
}

void SurveyData::recreate(int maxTiers, int maxFigures) {
    if (maxTiers < 1 || maxTiers > kTierCapacity || maxFigures < 1 || maxFigures > kFigureCapacity) {
        throw std::out_of_range("survey capacities out of range");
    }
    maxTiers_ = maxTiers;
    maxFigures_ = maxFigures;
    figureCounts_.assign(static_cast<std::size_t>(kListCount * maxTiers_), 0);
    // Cleared and made anew rather than assigned an empty text each: the cells are built in place.
    cells_.clear();
    cells_.resize(static_cast<std::size_t>(kListCount) * maxTiers_ * rowCapacity() * kColumnCount);
}

void SurveyData::changeTierCount(int count) {
    if (count < 1 || count > maxTiers_) throw std::out_of_range("tier count out of range");
    if (observer_.observer) observer_.observer->tierCountWriting(tierCount_, previousTierCount_);
    previousTierCount_ = tierCount_;
    tierCount_ = count;
    for (int tier = previousTierCount_; tier < tierCount_; ++tier) {
        setFigureCount(ListKind::Chain, tier, 2);
        setFigureCount(ListKind::Exception, tier, 1);
    }
    // After an Open the previous count may exceed the new capacity; those tiers no longer exist.
    for (int tier = tierCount_; tier < std::min(previousTierCount_, maxTiers_); ++tier) {
        for (ListKind list : {ListKind::Chain, ListKind::Exception}) {
            const int rows = 2 * figureCount(list, tier);
            for (int row = 0; row < rows; ++row) {
                for (int col = 0; col < kColumnCount; ++col) setCell(list, tier, row, col, {});
            }
        }
    }
}

void SurveyData::restoreTierCounts(int count, int previousCount) {
    if (count < 1 || count > maxTiers_) throw std::out_of_range("tier count out of range");
    tierCount_ = count;
    previousTierCount_ = previousCount;
}

int SurveyData::figureCount(ListKind list, int tier) const {
    checkTier(tier);
    return figureCounts_[static_cast<std::size_t>(listIndex(list) * maxTiers_ + tier)];
}

void SurveyData::setFigureCount(ListKind list, int tier, int count) {
    checkTier(tier);
    if (count < 0 || count > maxFigures_) throw std::out_of_range("figure count out of range");
    auto& stored = figureCounts_[static_cast<std::size_t>(listIndex(list) * maxTiers_ + tier)];
    if (observer_.observer) observer_.observer->figureCountWriting(list, tier, stored);
    stored = static_cast<std::int16_t>(count);
}

const std::string& SurveyData::cell(ListKind list, int tier, int row, int col) const {
    return cells_[cellIndex(list, tier, row, col)];
}

void SurveyData::setCell(ListKind list, int tier, int row, int col, std::string text) {
    std::string& stored = cells_[cellIndex(list, tier, row, col)];
    if (observer_.observer) observer_.observer->cellWriting(list, tier, row, col, stored);
    stored = std::move(text);
}

void SurveyData::setRow(ListKind list, int tier, int row, const std::array<std::string_view, kColumnCount>& texts) {
    std::string* const stored = &cells_[cellIndex(list, tier, row, 0)];
    if (observer_.observer) {
        for (int col = 0; col < kColumnCount; ++col) observer_.observer->cellWriting(list, tier, row, col, stored[col]);
    }
    for (std::size_t col = 0; col < texts.size(); ++col) stored[col].assign(texts[col]);
}

bool SurveyData::isValidIndex(ListKind list, int tier, int row, int col) const {
    const int l = listIndex(list);
    return l >= 0 && l < kListCount && tier >= 0 && tier < maxTiers_ && row >= 0 && row < rowCapacity() &&
           col >= 0 && col < kColumnCount;
}

std::size_t SurveyData::cellIndex(ListKind list, int tier, int row, int col) const {
    if (!isValidIndex(list, tier, row, col)) throw std::out_of_range("survey cell index out of range");
    return ((static_cast<std::size_t>(listIndex(list)) * maxTiers_ + tier) * rowCapacity() + row) * kColumnCount + col;
}

void SurveyData::checkTier(int tier) const {
    if (tier < 0 || tier >= maxTiers_) throw std::out_of_range("tier index out of range");
}

}  // namespace mirota
