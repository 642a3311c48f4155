#include "app/CentralArea.h"

#include <QPainter>

#include "ui/Twips.h"

namespace mirota {

void CentralArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int y = twipsToPixels(20);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, y, width(), y);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(twipsToPixels(10), y + 1, width(), y + 1);
}

void CentralArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}

}  // namespace mirota
