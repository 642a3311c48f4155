#include "ui/FocusReturn.h"

#include <QApplication>

namespace mirota {

FocusReturn::FocusReturn() : window_(QApplication::activeWindow()), focus_(QApplication::focusWidget()) {}

FocusReturn::~FocusReturn() {
    if (!window_ || !window_->isVisible()) return;
    window_->activateWindow();
    if (focus_ && focus_->window() == window_ && focus_->isVisible()) focus_->setFocus(Qt::ActiveWindowFocusReason);
}

}  // namespace mirota
