#pragma once

#include <QFrame>

namespace mirota {

// A splitter bar between the chain pane and the exception pane (picSplitter): 0 horizontal, 1 vertical.
// It reports the mouse; the main window moves it and lays the panes out.
class SplitterBar : public QFrame {
    Q_OBJECT

public:
    SplitterBar(int index, QWidget* parent = nullptr);

    int index() const { return index_; }
    // Paints the bar in the button-shadow colour while pressed, the button-face colour otherwise.
    void setPressedLook(bool pressed);

signals:
    void pressed(int index);
    void moved(int index, QPoint offset);
    void released(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // A raised bar with a grip in its middle, so that it is found between two white grids.
    void paintEvent(QPaintEvent* event) override;

private:
    int index_;
};

}  // namespace mirota
