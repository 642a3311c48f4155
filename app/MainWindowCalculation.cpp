// The area calculation in the window: the command, and the run that follows every change and an Open.
#include "app/MainWindow.h"

#include <algorithm>
#include <exception>

#include <QStatusBar>

#include "app/RuntimeFailure.h"
#include "ui/QtText.h"

namespace mirota {

namespace {

// The step wrote a cell of the figure.
bool touches(const EditStep* step, const FigureInError& figure) {
    if (!step) return false;
    return std::ranges::any_of(step->change.cells, [&](const CellChange& change) {
        const CellAddress& cell = change.cell;
        return cell.list == figure.list && cell.tier == figure.tier && figureOfRow(cell.row) == figure.figure;
    });
}

}  // namespace

std::optional<CalculationFailure> MainWindow::calculateAndShow() {
    const auto failure = CalculateAreas(data_, prefs_.stationPrefix);
    tierView_->showCalculatedColumns();
    tierView_->showTotals();
    if (failure && failure->inError) {
        const FigureInError& figure = *failure->inError;
        statusBar()->showMessage(qt(std::to_string(figure.tier + 1) + "段目 " + prefs_.stationPrefix +
                                    std::to_string(figure.figure + 1) + " に数値入力の誤りがあります"));
    } else {
        statusBar()->clearMessage();
    }
    return failure;
}

void MainWindow::mnuToolCalc_Click() {
    try {
        if (const auto failure = calculateAndShow()) showMessage(*failure, QMessageBox::Ok);
    } catch (const std::exception& failure) {
        // Reported; the document keeps what the calculation had done and the program goes on.
        showMessage(RuntimeFailure(failure, "mnuToolCalc"), QMessageBox::Ok);
    }
}

void MainWindow::recalculate(bool reportAnyError) {
    try {
        const auto failure = calculateAndShow();
        if (!failure) return;
        // An error the user did not just make is not raised again at every keystroke: the status bar names it.
        // The step just done or redone is the next to undo; the one just undone is the next to redo. The
        // step on the other side of it was taken earlier and says nothing about this change.
        const EditHistory& history = edits_.history();
        const EditStep* step = steppedBack_ ? history.nextRedo() : history.nextUndo();
        const bool made = !failure->inError || touches(step, *failure->inError);
        if (reportAnyError || made) showMessage(*failure, QMessageBox::Ok);
    } catch (const std::exception& failure) {
        showMessage(RuntimeFailure(failure, "mnuToolCalc"), QMessageBox::Ok);
    }
}

}  // namespace mirota
