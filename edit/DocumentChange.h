#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "edit/DocumentSettings.h"
#include "model/SurveyData.h"

namespace mirota {

// One cell of the document's tables.
struct CellAddress {
    ListKind list = ListKind::Chain;
    int tier = 0;
    int row = 0;
    int col = 0;

    bool operator==(const CellAddress&) const = default;
};

struct CellChange {
    CellAddress cell;
    std::string before;
    std::string after;

    bool operator==(const CellChange&) const = default;
};

struct FigureCountChange {
    ListKind list = ListKind::Chain;
    int tier = 0;
    int before = 0;
    int after = 0;

    bool operator==(const FigureCountChange&) const = default;
};

struct TierCounts {
    int count = 1;
    int previous = 1;

    bool operator==(const TierCounts&) const = default;
};

struct TierCountChange {
    TierCounts before;
    TierCounts after;

    bool operator==(const TierCountChange&) const = default;
};

struct SettingsChange {
    DocumentSettings before;
    DocumentSettings after;

    bool operator==(const SettingsChange&) const = default;
};

// Exactly what one transaction changed in the document, each value with its old and new state;
// it costs memory in proportion to the change. Cells and counts appear once each, in the order
// they were first written.
struct DocumentChange {
    std::vector<CellChange> cells;
    std::vector<FigureCountChange> figureCounts;
    std::optional<TierCountChange> tierCount;
    std::optional<SettingsChange> settings;

    bool empty() const { return cells.empty() && figureCounts.empty() && !tierCount && !settings; }
    // Puts the document back to its state before the change, or forward to the state after it; the
    // change is copied first, so that running out of memory leaves the document as it was.
    void undo(SurveyData& data) const;
    void redo(SurveyData& data) const;
    // undo() and redo() of a change that is not kept: the values are moved into place, so that they
    // cannot fail. The document's write observer is told of none of these.
    void revert(SurveyData& data) && noexcept;
    void replay(SurveyData& data) && noexcept;

    bool operator==(const DocumentChange&) const = default;
};

// Records every write of the document's cells and counts while it lives (the settings are
// recorded by whoever replaces them), passing each on to the observer the document had before;
// finish() gives what changed, writes that were undone by a later one left out, in room for exactly
// that. Until then, rollback() puts back everything written, also after a failed write.
class ChangeRecorder : private SurveyData::WriteObserver {
public:
    explicit ChangeRecorder(SurveyData& data);
    ~ChangeRecorder();
    ChangeRecorder(const ChangeRecorder&) = delete;
    ChangeRecorder& operator=(const ChangeRecorder&) = delete;

    // To be told before the settings are replaced.
    void recordSettings(const DocumentSettings& before, const DocumentSettings& after);
    DocumentChange finish();
    void rollback() noexcept;

private:
    void cellWriting(ListKind list, int tier, int row, int col, const std::string& before) override;
    void figureCountWriting(ListKind list, int tier, int before) override;
    void tierCountWriting(int before, int previousBefore) override;

    SurveyData& data_;
    SurveyData::WriteObserver* const outer_;
    DocumentChange change_;
    std::unordered_map<long long, std::size_t> recordedCells_;  // cell key -> index in change_.cells
};

}  // namespace mirota
