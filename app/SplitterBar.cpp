#include "app/SplitterBar.h"

#include <QMouseEvent>

namespace mirota {

SplitterBar::SplitterBar(int index, QWidget* parent) : QFrame(parent), index_(index) {
    setObjectName(QStringLiteral("picSplitter%1").arg(index));
    setCursor(index == 0 ? Qt::SplitVCursor : Qt::SplitHCursor);
    setAutoFillBackground(true);
    setPressedLook(false);
}

void SplitterBar::setPressedLook(bool pressed) {
    QPalette look = palette();
    look.setColor(QPalette::Window, palette().color(pressed ? QPalette::Dark : QPalette::Button));
    setPalette(look);
}

void SplitterBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit pressed(index_);
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event) { emit moved(index_, event->position().toPoint()); }

void SplitterBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit released(index_);
}

}  // namespace mirota
