#pragma once

#include <QPointer>
#include <QWidget>

namespace mirota {

// Gives the keyboard back, when a modal box or dialog closes, to the window and the widget that had it.
// Without a window manager nobody else does, and the window's shortcuts and tooltips stay dead until
// the user clicks into it.
class FocusReturn {
public:
    FocusReturn();
    ~FocusReturn();
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

private:
    QPointer<QWidget> window_;
    QPointer<QWidget> focus_;
};

}  // namespace mirota
