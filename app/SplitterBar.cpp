#include "app/SplitterBar.h"

#include <QMouseEvent>
#include <QPainter>

namespace mirota {

SplitterBar::SplitterBar(int index, QWidget* parent) : QFrame(parent), index_(index) {
    setObjectName(QStringLiteral("picSplitter%1").arg(index));
    setCursor(index == 0 ? Qt::SplitVCursor : Qt::SplitHCursor);
    setAutoFillBackground(true);
    setPressedLook(false);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setToolTip(QStringLiteral("ドラッグすると、表の大きさを変えられます"));
}

void SplitterBar::setPressedLook(bool pressed) {
    QPalette look = palette();
    look.setColor(QPalette::Window, palette().color(pressed ? QPalette::Dark : QPalette::Button));
    setPalette(look);
}

void SplitterBar::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Dark));
    const bool across = index_ == 0;  // the horizontal bar lies across the window
    const QPoint middle = rect().center();
    for (int dot = -3; dot <= 3; ++dot) {
        const QPoint at = across ? QPoint(middle.x() + 5 * dot, middle.y()) : QPoint(middle.x(), middle.y() + 5 * dot);
        painter.drawEllipse(at, 1, 1);
    }
}

void SplitterBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit pressed(index_);
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event) { emit moved(index_, event->position().toPoint()); }

void SplitterBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit released(index_);
}

}  // namespace mirota
