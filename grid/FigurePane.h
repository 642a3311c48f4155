#pragma once

#include <array>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "grid/CellEditor.h"
#include "grid/TierGrid.h"

namespace mirota {

// The frame of one figure list (fraMain): its grid, the in-cell editor, the figure-count combo and
// the total boxes (calculated, deducted and the net area).
class FigurePane : public QGroupBox {
    Q_OBJECT

public:
    FigurePane(ListKind list, QWidget* parent = nullptr);

    TierGrid* grid() const { return grid_; }
    CellEditor* editor() const { return editor_; }
    QComboBox* countCombo() const { return countCombo_; }
    QLabel* countLabel() const { return countLabel_; }
    // The total boxes, left to right.
    enum TotalBox { CalculatedTotal, DeductedTotal, NetArea, kTotalBoxes };
    QLineEdit* totalBox(int index) const { return totals_[static_cast<std::size_t>(index)]; }
    QLabel* totalCaption(int index) const { return captions_[static_cast<std::size_t>(index)]; }

    // Places the grid by its frame and the total boxes right-aligned with the grid: beside the count
    // combo, or on a line of their own under it when the frame is too narrow for both.
    void placeGrid();
    void placeTotals();
    // The narrowest frame in which every column still shows its values, and the lowest in which the grid
    // shows its header and one figure.
    int smallestWidth() const;
    int smallestHeight() const;
    // Hides or shows everything but the frame itself, as during a splitter drag.
    void setContentsVisible(bool visible);

private:
    bool totalsBesideCount() const;
    int gridTop() const;

    ListKind list_;
    TierGrid* grid_;
    CellEditor* editor_;
    QLabel* countLabel_;
    QComboBox* countCombo_;
    std::array<QLineEdit*, kTotalBoxes> totals_{};
    std::array<QLabel*, kTotalBoxes> captions_{};
};

}  // namespace mirota
