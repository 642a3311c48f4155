// The development preview beside the grids: its place in the window, what redraws it, and the way
// back from a figure in it to the grid.
#include "app/MainWindow.h"

#include <algorithm>

#include <QAction>
#include <QScreen>
#include <QTabWidget>

#include "app/CentralArea.h"
#include "app/MainWindowSize.h"
#include "app/PreviewPane.h"
#include "app/SidePaneSplitter.h"
#include "grid/TierGrid.h"
#include "ui/Twips.h"

namespace mirota {

QWidget* MainWindow::besidePreview(QWidget* gridArea) {
    preview_ = new PreviewPane(data_, prefs_);
    previewSplitter_ = new SidePaneSplitter(gridArea, preview_, twipsToPixels(window_size::kMinWidth), this);
    previewSplitter_->setObjectName(QStringLiteral("previewSplitter"));
    return previewSplitter_;
}

void MainWindow::fitPreviewBesideStartWidth() {
    if (const QScreen* screen = this->screen()) {
        const int spare = screen->availableGeometry().width() - twipsToPixels(window_size::kStartWidth) -
                          previewSplitter_->handleWidth();
        previewSplitter_->setSideWidth(std::min(spare, previewSplitter_->sideWidth()));
    }
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
    if (shown == prefs_.showPreview) return;
    // The window grows or shrinks by the preview, so that the grid area keeps its width.
    const int room = previewSplitter_->sideWidth() + previewSplitter_->handleWidth();
    const int width = this->width() + (shown ? room : -room);  // before the window's smallest size follows the pane
    prefs_.showPreview = shown;
    preview_->setVisible(shown);
    previewSplitter_->keepSideWidth();
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) resize(width, height());
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
    grid->setFocus();
    tierView_->setActiveList(ListKind::Chain);
}

}  // namespace mirota
