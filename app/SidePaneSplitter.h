#pragma once

#include <QSplitter>

namespace mirota {

// A horizontal splitter of a main pane and a side pane at its right. A resized splitter widens or
// narrows the main pane only: the side pane keeps the width the user gave it with the handle, and
// the handle never takes the main pane below its smallest width.
class SidePaneSplitter : public QSplitter {
    Q_OBJECT

public:
    SidePaneSplitter(QWidget* mainPane, QWidget* sidePane, int smallestMainWidth, QWidget* parent = nullptr);

    int sideWidth() const { return sideWidth_; }
    void setSideWidth(int width);
    // The width the side pane and its handle take; none while the side pane is hidden.
    int sideRoom() const;
    // Lays the panes out again from the side pane's width (after it was shown, say).
    void keepSideWidth();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int smallestMainWidth_;
    int sideWidth_;
};

}  // namespace mirota
