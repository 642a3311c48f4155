#pragma once

#include <QWidget>

namespace mirota {

// The window's client area below the toolbar; it draws the etched line that separates the toolbar.
class CentralArea : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

signals:
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

}  // namespace mirota
