#pragma once

#include <QDialog>

#include "calc/SummaryTable.h"

class QLabel;
class QTableWidget;

namespace mirota {

// The 集計 window: what the whole document adds up to, per input set and tier, with the grand total, 坪
// and the registered area, as the calculation made it. It stays open beside the main window and is
// brought up to date after every calculation.
class SummaryWindow : public QDialog {
    Q_OBJECT

public:
    explicit SummaryWindow(QWidget* parent = nullptr);

    // The table's rows, the header first; complete: no figure was left out of any total.
    void showSummary(const std::vector<SummaryRow>& rows, bool complete);

    QTableWidget* table() const { return table_; }
    QLabel* note() const { return note_; }

private:
    QTableWidget* table_;
    QLabel* note_;
};

}  // namespace mirota
