// Layout of the main window: the tab strip, the figure panes, the splitters and the minimum size.
#include "app/MainWindow.h"

#include <algorithm>

#include <QEvent>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

#include "app/CentralArea.h"
#include "app/MainWindowSize.h"
#include "app/SidePaneSplitter.h"
#include "app/SplitterBar.h"
#include "ui/Twips.h"

namespace mirota {

namespace {

using window_size::kMinHeight;
using window_size::kMinWidth;
constexpr int kTabTop = 90;
constexpr int kPaneTop = 60;
constexpr int kSplitterThickness = 105;  // wide enough to find and to hold
constexpr int kVerticalSplitterLimit = 1200;
constexpr int kHorizontalSplitterLimit = 1800;

}  // namespace

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

QRect MainWindow::tabClientRect() const {
    // The tab strip's client area, in the strip's own coordinates.
    const int frame = 2;
    const int top = tabMain_->tabBar()->sizeHint().height();
    return QRect(frame, top + frame, tabMain_->width() - 2 * frame, tabMain_->height() - top - 2 * frame);
}

void MainWindow::Form_Resize() {
    if (tag_ == "start") return;
    if (isMinimized()) {
        tag_ = "min";
        return;
    }
    if (tag_ == "min") {
        tag_.clear();  // the first notification after restoring keeps the layout it had
        return;
    }
    // Too narrow a grid area springs back to its start width; the window takes what is missing.
    // The splitter spans the window (no docks at its sides) but may not be laid out yet: count from the window.
    const int gridAreaWidth = width() - previewSplitter_->sideRoom();
    if (pixelsToTwips(gridAreaWidth) < kMinWidth) {
        resize(width() - gridAreaWidth + twipsToPixels(window_size::kStartWidth), height());
        return;
    }
    if (gridAreaWidth < smallestGridAreaWidth() && widenGridArea(smallestGridAreaWidth() - gridAreaWidth)) return;
    if (pixelsToTwips(height()) < kMinHeight) {
        resize(width(), twipsToPixels(window_size::kStartHeight));
        return;
    }
    // The strip reaches past the right and bottom edges so that its own border stays out of sight.
    tabMain_->setGeometry(0, twipsToPixels(kTabTop), central_->width() + twipsToPixels(kTabTop), central_->height());
    placePanes();
    central_->update();
    if (tierView_->redrawOwner() != "moving") {
        tierView_->FitGridToFrame(ListKind::Chain);
        tierView_->FitGridToFrame(ListKind::Exception);
    }
    tierView_->pane(ListKind::Chain)->placeTotals();
    tierView_->pane(ListKind::Exception)->placeTotals();
}

namespace {

// Where the chain pane ends in room shared with the exception pane: each gets its smallest size and the
// chain three fifths of what is left; in too little room both give up alike.
int chainShareOf(int room, int chainSmallest, int exceptionSmallest) {
    const int spare = room - chainSmallest - exceptionSmallest;
    if (spare >= 0) return chainSmallest + spare * 3 / 5;
    return room * chainSmallest / std::max(1, chainSmallest + exceptionSmallest);
}

}  // namespace

int MainWindow::smallestGridAreaWidth() const {
    if (!exceptionPaneShown_ || !prefs_.extWindowPos) return 0;
    // Side by side: both panes at their smallest, the splitter between them and the strip's frame around.
    return tierView_->pane(ListKind::Chain)->smallestWidth() + tierView_->pane(ListKind::Exception)->smallestWidth() +
           twipsToPixels(kSplitterThickness + 60) + 4;
}

bool MainWindow::widenGridArea(int missing) {
    // The window takes what the screen has, the preview gives up the rest; one step at a time, as each
    // brings its own resize.
    // A maximised window keeps its size.
    const bool sizeFixed = windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen);
    const QScreen* screen = this->screen();
    const int room = sizeFixed ? 0 : screen ? screen->availableGeometry().width() - width() : missing;
    if (room > 0 || (previewSplitter_->sideRoom() == 0 && !sizeFixed)) {
        resize(width() + (room > 0 ? std::min(room, missing) : missing), height());
        return true;
    }
    if (previewSplitter_->sideRoom() == 0) return false;
    const int before = previewSplitter_->sideWidth();
    previewSplitter_->setSideWidth(before - missing);
    return previewSplitter_->sideWidth() != before;
}

void MainWindow::placePanes() {
    const QRect client = tabClientRect();
    FigurePane* chain = tierView_->pane(ListKind::Chain);
    FigurePane* exception = tierView_->pane(ListKind::Exception);
    SplitterBar* under = splitters_[0];
    SplitterBar* right = splitters_[1];
    const int paneTop = client.top() + twipsToPixels(kPaneTop);
    const int paneBottom = paneTop + tabMain_->height() - twipsToPixels(600);
    const int thickness = twipsToPixels(kSplitterThickness);
    if (!exceptionPaneShown_) {
        chain->setGeometry(client.left(), paneTop, client.width(), paneBottom - paneTop);
    } else if (!prefs_.extWindowPos) {
        // The panes keep their shares of the height as the window grows; a drag sets the share.
        const int room = std::max(1, paneBottom - paneTop - thickness);
        if (splitterDrag_) paneShare_[0] = double(under->y() - paneTop) / room;
        int top = paneTop + (paneShare_[0] ? qRound(*paneShare_[0] * room)
                                           : chainShareOf(room, chain->smallestHeight(), exception->smallestHeight()));
        top = std::clamp(top, twipsToPixels(kHorizontalSplitterLimit),
                         std::max(twipsToPixels(kHorizontalSplitterLimit), height() - twipsToPixels(kHorizontalSplitterLimit)));
        top = std::min(top, paneBottom - thickness);
        under->setGeometry(client.left(), top, client.width(), thickness);
        chain->setGeometry(client.left(), paneTop, client.width(), top - paneTop);
        exception->setGeometry(client.left(), top + thickness, client.width(), paneBottom - top - thickness);
    } else {
        const int gap = twipsToPixels(60);
        const int room = std::max(1, client.width() - thickness - gap);
        if (splitterDrag_) paneShare_[1] = double(right->x() - client.left() - gap) / room;
        int left = client.left() + gap +
                   (paneShare_[1] ? qRound(*paneShare_[1] * room)
                                  : chainShareOf(room, chain->smallestWidth(), exception->smallestWidth()));
        left = std::clamp(left, twipsToPixels(kVerticalSplitterLimit),
                          std::max(twipsToPixels(kVerticalSplitterLimit), central_->width() - twipsToPixels(kVerticalSplitterLimit)));
        right->setGeometry(left, client.top(), thickness, client.height());
        const int height = client.height() - twipsToPixels(120);
        chain->setGeometry(client.left(), paneTop, left - gap - client.left(), height);
        const int exceptionLeft = left + thickness;
        exception->setGeometry(exceptionLeft, paneTop, client.right() + 1 - exceptionLeft, height);
    }
    for (QWidget* widget : {static_cast<QWidget*>(chain), static_cast<QWidget*>(exception),
                            static_cast<QWidget*>(under), static_cast<QWidget*>(right)}) {
        widget->raise();
    }
}

void MainWindow::SetPaneArrangement(bool right) {
    prefs_.extWindowPos = right;
    exceptionPaneShown_ = true;
    splitters_[0]->setVisible(!right);
    splitters_[1]->setVisible(right);
    tierView_->pane(ListKind::Exception)->show();
    syncViewMenu();
    Form_Resize();
}

void MainWindow::setExceptionPaneShown(bool shown) {
    if (shown) {
        SetPaneArrangement(prefs_.extWindowPos);
        return;
    }
    tierView_->HideCellEditors();
    exceptionPaneShown_ = false;
    tierView_->setActiveList(ListKind::Chain);
    for (SplitterBar* bar : splitters_) bar->hide();
    tierView_->pane(ListKind::Exception)->hide();
    syncViewMenu();
    Form_Resize();
}

void MainWindow::picSplitter_MouseDown(int index) {
    splitters_[static_cast<std::size_t>(index)]->setPressedLook(true);
    splitterDrag_ = true;
    tierView_->HideCellEditors();
    for (ListKind list : {ListKind::Chain, ListKind::Exception}) tierView_->pane(list)->setContentsVisible(false);
    tierView_->setRedrawOwner("moving");
}

void MainWindow::picSplitter_MouseMove(int index, QPoint offset) {
    SplitterBar* bar = splitters_[static_cast<std::size_t>(index)];
    bar->setPressedLook(false);
    if (!splitterDrag_) return;
    if (index == 1) {
        const int left = std::clamp(bar->x() + offset.x(), twipsToPixels(kVerticalSplitterLimit),
                                    std::max(twipsToPixels(kVerticalSplitterLimit), central_->width() - twipsToPixels(kVerticalSplitterLimit)));
        bar->move(left, bar->y());
    } else {
        const int top = std::clamp(bar->y() + offset.y(), twipsToPixels(kHorizontalSplitterLimit),
                                   std::max(twipsToPixels(kHorizontalSplitterLimit), height() - twipsToPixels(kHorizontalSplitterLimit)));
        bar->move(bar->x(), top);
    }
    Form_Resize();
}

void MainWindow::picSplitter_MouseUp(int index) {
    splitters_[static_cast<std::size_t>(index)]->setPressedLook(false);
    splitterDrag_ = false;
    for (ListKind list : {ListKind::Chain, ListKind::Exception}) tierView_->pane(list)->setContentsVisible(true);
    tierView_->setRedrawOwner("");
    Form_Resize();
}

}  // namespace mirota
