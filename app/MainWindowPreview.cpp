// The development preview beside the grids: its place in the window, what redraws it, and the way
// back from a figure in it to the grid.
#include "app/MainWindow.h"

#include <QAction>
#include <QSplitter>
#include <QTabWidget>

#include "app/CentralArea.h"
#include "app/PreviewPane.h"
#include "grid/TierGrid.h"

namespace mirota {

namespace {

// The grids take the larger share of the window when the preview first shows.
constexpr int kGridShare = 3;
constexpr int kPreviewShare = 2;

}  // namespace

QWidget* MainWindow::besidePreview(QWidget* gridArea) {
    previewSplitter_ = new QSplitter(Qt::Horizontal, this);
    previewSplitter_->setObjectName(QStringLiteral("previewSplitter"));
    previewSplitter_->setChildrenCollapsible(false);
    previewSplitter_->addWidget(gridArea);
    preview_ = new PreviewPane(data_, prefs_, previewSplitter_);
    previewSplitter_->addWidget(preview_);
    previewSplitter_->setStretchFactor(0, kGridShare);
    previewSplitter_->setStretchFactor(1, kPreviewShare);
    return previewSplitter_;
}

void MainWindow::connectPreview() {
    // The grid area is laid out again whenever the splitter gives it another width.
    connect(central_, &CentralArea::resized, this, &MainWindow::Form_Resize);
    connect(tierView_.get(), &TierView::documentEdited, preview_, &PreviewPane::refresh);
    connect(tierView_->grid(ListKind::Chain), &QTableWidget::currentCellChanged, preview_, [this](int row) {
        // Table rows 2k - 2 and 2k - 1 show figure k.
        preview_->setCurrentFigure(row >= 0 ? std::optional<int>(row / 2 + 1) : std::nullopt);
    });
    connect(preview_, &PreviewPane::figureClicked, this, &MainWindow::selectFigure);
    preview_->setVisible(prefs_.showPreview);
    command(Command::ShowPreview)->setChecked(prefs_.showPreview);
}

void MainWindow::setPreviewShown(bool shown) {
    prefs_.showPreview = shown;
    preview_->setVisible(shown);
    command(Command::ShowPreview)->setChecked(shown);
}

void MainWindow::selectFigure(int tier, int figure) {
    tierView_->HideCellEditors();
    if (tier != data_.view.currentTier) tabMain_->setCurrentIndex(tier);
    TierGrid* grid = tierView_->grid(ListKind::Chain);
    const int row = 2 * figure - 1 + (data_.view.currentInputSet == InputSet::Measured ? 1 : 0);
    for (int col = 0; col < TierGrid::kColumns; ++col) {
        if (grid->state(row, col) == CellState::Editable) {
            grid->setCurrentGridCell(row, col);
            break;
        }
    }
    data_.view.activeList = ListKind::Chain;
    grid->setFocus();
}

}  // namespace mirota
