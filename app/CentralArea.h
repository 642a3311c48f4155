#pragma once

#include <QWidget>

namespace mirota {

// The window's client area below the toolbar; it draws the etched line that separates the toolbar.
class CentralArea : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace mirota
