// The area calculation in the window: the command, and the run that follows every change and an Open.
#include "app/MainWindow.h"

#include <algorithm>
#include <exception>
#include <string>
#include <utility>
#include <vector>

#include <QStatusBar>

#include "app/RuntimeFailure.h"
#include "app/SummaryWindow.h"
#include "calc/DocumentSummary.h"
#include "calc/SummaryTable.h"
#include "grid/ShownRules.h"
#include "model/ProgramTitle.h"
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
    const auto failure = calculateAreas(data_, prefs_.stationPrefix);
    tierView_->showCalculatedColumns();
    tierView_->showTotals();
    if (failure && failure->inError) {
        statusBar()->showMessage(qt(faultyFigureNames(*failure, prefs_.stationPrefix) + " に数値入力の誤りがあります"));
    } else {
        statusBar()->clearMessage();
    }
    refreshSummary();
    return failure;
}

bool MainWindow::goOnWithoutFaultyFigures(const CalculationFailure& failure, std::optional<InputSet> inputSet,
                                          const std::string& making) {
    const std::string names = faultyFigureNames(failure, prefs_.stationPrefix, inputSet);
    if (names.empty()) return true;
    const Message question{"次の図形は計算できないため（計算不可）、面積の合計に入りません。\r\n" + names +
                               "\r\n\r\nこれらの図形を除いて" + making + "。よろしいですか？",
                           kProgramTitle, Message::Icon::Question};
    return showMessage(question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

void MainWindow::showSummaryWindow() {
    if (!summaryWindow_) summaryWindow_ = new SummaryWindow(this);
    summaryWindow_->show();
    summaryWindow_->raise();
    refreshSummary();
}

void MainWindow::refreshSummary() {
    if (!summaryWindow_ || !summaryWindow_->isVisible()) return;
    const AreaRules rules = areaRulesOf(prefs_);
    const DocumentSummary summary = summarizeDocument(data_, rules);
    summaryWindow_->showSummary(summaryRows(summary, rules, prefs_.showTsubo),
                                summary.of(InputSet::Design).complete() && summary.of(InputSet::Measured).complete());
}

void MainWindow::mnuToolCalc_Click() {
    try {
        if (const auto failure = calculateAndShow()) showMessage(*failure, QMessageBox::Ok);
    } catch (const std::exception& failure) {
        // Reported; the document keeps what the calculation had done and the program goes on.
        showMessage(runtimeFailure(failure, "mnuToolCalc"), QMessageBox::Ok);
    }
}

void MainWindow::recalculate(bool reportAnyError) {
    try {
        const auto failure = calculateAndShow();
        if (!failure) return;
        if (!failure->inError || reportAnyError) {
            showMessage(*failure, QMessageBox::Ok);
            return;
        }
        // An error the user did not just make is not raised again at every keystroke: the status bar names it.
        // The step just done or redone is the next to undo; the one just undone is the next to redo. The
        // step on the other side of it was taken earlier and says nothing about this change.
        const EditHistory& history = edits_.history();
        const EditStep* step = steppedBack_ ? history.nextRedo() : history.nextUndo();
        const auto made = std::ranges::find_if(failure->faults,
                                               [&](const CalculationFault& fault) { return touches(step, fault.figure); });
        if (made != failure->faults.end()) showMessage(made->message, QMessageBox::Ok);
    } catch (const std::exception& failure) {
        showMessage(runtimeFailure(failure, "mnuToolCalc"), QMessageBox::Ok);
    }
}

}  // namespace mirota
