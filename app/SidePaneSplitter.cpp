#include "app/SidePaneSplitter.h"

#include <algorithm>

namespace mirota {

SidePaneSplitter::SidePaneSplitter(QWidget* mainPane, QWidget* sidePane, int smallestMainWidth, QWidget* parent)
    : QSplitter(Qt::Horizontal, parent), smallestMainWidth_(smallestMainWidth), sideWidth_(sidePane->sizeHint().width()) {
    setChildrenCollapsible(false);
    addWidget(mainPane);
    addWidget(sidePane);
    connect(this, &QSplitter::splitterMoved, this, [this](int position) {
        sideWidth_ = widget(1)->width();
        if (position < smallestMainWidth_) {
            sideWidth_ = width() - smallestMainWidth_ - handleWidth();
            keepSideWidth();
        }
    });
}

void SidePaneSplitter::setSideWidth(int width) {
    sideWidth_ = std::max(width, widget(1)->minimumSizeHint().width());
    keepSideWidth();
}

int SidePaneSplitter::sideRoom() const {
    return widget(1)->isHidden() ? 0 : sideWidth_ + handleWidth();
}

void SidePaneSplitter::keepSideWidth() {
    if (widget(1)->isHidden()) return;
    const QList<int> sizes{std::max(0, width() - sideRoom()), sideWidth_};
    if (this->sizes() != sizes) setSizes(sizes);
}

void SidePaneSplitter::resizeEvent(QResizeEvent* event) {
    keepSideWidth();
    QSplitter::resizeEvent(event);
}

}  // namespace mirota
