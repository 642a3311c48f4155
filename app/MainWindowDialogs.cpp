// The small windows of the frame: the settings dialog, the version box and the help.
#include "app/MainWindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include "app/HelpWindow.h"
#include "app/PreviewPane.h"
#include "app/AboutBox.h"
#include "ui/PlatformFeatures.h"
#include "app/SettingsDialog.h"

namespace mirota {

namespace {

// The window of that kind the main window has open, if any: each of them exists once.
template <typename Window>
Window* openWindow(const QWidget* owner) {
    for (Window* window : owner->findChildren<Window*>(Qt::FindDirectChildrenOnly)) {
        if (window->isVisible()) return window;
    }
    return nullptr;
}

void bringToFront(QWidget* window) {
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

// Shows the one window of its kind: the open one brought to the front, or a new one made by make.
template <typename Window, typename Make>
Window* showSingle(QWidget* owner, Make make) {
    Window* window = openWindow<Window>(owner);
    if (!window) {
        window = make();
        window->setAttribute(Qt::WA_DeleteOnClose);
        // Closed, it hands the keyboard back to its owner when no other window took it (no window manager does).
        QObject::connect(window, &QObject::destroyed, owner, [owner] {
            QTimer::singleShot(0, owner, [owner] {
                if (!QApplication::activeWindow() && owner->isVisible()) owner->activateWindow();
            });
        });
    }
    bringToFront(window);
    return window;
}

}  // namespace

void MainWindow::mnuToolSetUp_Click() { openSettingsDialog(true); }

void MainWindow::openSettingsDialog(bool modal) {
    showSingle<SettingsDialog>(this, [this, modal] {
        auto* dialog = new SettingsDialog(edits_, prefs_, platformHasDde(), this);
        dialog->refreshMainWindow = [this] {
            updateCaption();
            tierView_->cboMain_Click(ListKind::Chain);
            tierView_->showCalculatedColumns();  // the area rules may have changed
            tierView_->showTotals();
            refreshSummary();
            preview_->refresh();
            Form_Resize();
        };
        dialog->setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
        return dialog;
    });
}

void MainWindow::mnuHelp1_Click() {
    if (platformShowsHelpFile() && !helpFile_.isEmpty() && QFileInfo::exists(helpFile_) && shellOpen) {
        shellOpen(helpFile_);
        return;
    }
    showSingle<HelpWindow>(this, [this] { return new HelpWindow(this); });
}

void MainWindow::mnuVersion_Click() {
    showSingle<AboutBox>(this, [this] { return new AboutBox(kProgramVersion, this); });
}

}  // namespace mirota
