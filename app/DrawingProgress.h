#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace mirota {

// The progress window of a drawing run (frmDraw): shown while the commands go out, over the window
// that started the run.
class DrawingProgress : public QWidget {
    Q_OBJECT

public:
    explicit DrawingProgress(QWidget* owner);

    QLabel* label() const { return label_; }
    QProgressBar* bar() const { return bar_; }

    // Shows the window centred over its owner, with an empty bar.
    void start();
    // A value past the maximum shows a full bar: the maximum counts the first tier only.
    void setProgress(int value, int maximum);

private:
    QLabel* label_;
    QProgressBar* bar_;
};

}  // namespace mirota
