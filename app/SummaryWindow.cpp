#include "app/SummaryWindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/QtText.h"

namespace mirota {

namespace {

constexpr int kFirstValueColumn = 3;  // 計算面積, 控除面積, 差引面積 stand right-aligned

}  // namespace

SummaryWindow::SummaryWindow(QWidget* parent) : QDialog(parent), table_(new QTableWidget), note_(new QLabel) {
    setObjectName(QStringLiteral("frmSummary"));
    setWindowTitle(QStringLiteral("集計"));
    setWindowFlag(Qt::Tool);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    note_->setStyleSheet(QStringLiteral("color: red;"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_);
    layout->addWidget(note_);
    resize(640, 420);
}

void SummaryWindow::showSummary(const std::vector<SummaryRow>& rows, bool complete) {
    if (rows.empty()) return;
    const auto columns = static_cast<int>(rows.front().size());
    table_->setColumnCount(columns);
    table_->setRowCount(static_cast<int>(rows.size()) - 1);
    for (int col = 0; col < columns; ++col) {
        table_->setHorizontalHeaderItem(col, new QTableWidgetItem(qt(rows.front()[static_cast<std::size_t>(col)])));
    }
    for (std::size_t row = 1; row < rows.size(); ++row) {
        for (int col = 0; col < columns; ++col) {
            auto* item = new QTableWidgetItem(qt(rows[row][static_cast<std::size_t>(col)]));
            if (col >= kFirstValueColumn) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(static_cast<int>(row) - 1, col, item);
        }
    }
    table_->resizeColumnsToContents();
    note_->setText(complete ? QString()
                            : QStringLiteral("数値入力の誤りで計算できない図形は、どの合計にも含めていません（除外した図形）。"));
}

}  // namespace mirota
