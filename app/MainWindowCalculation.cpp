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
        // Every faulty figure once, in the order calculated: "1段目 No.3、例外処理 2段目 No.1".
        std::vector<std::string> names;
        for (const CalculationFault& fault : failure->faults) {
            const FigureInError& figure = fault.figure;
            std::string name = (figure.list == ListKind::Exception ? "例外処理 " : "") + std::to_string(figure.tier + 1) +
                               "段目 " + prefs_.stationPrefix + std::to_string(figure.figure + 1);
            if (std::ranges::find(names, name) == names.end()) names.push_back(std::move(name));
        }
        std::string joined;
        for (const std::string& name : names) joined += (joined.empty() ? "" : "、") + name;
        statusBar()->showMessage(qt(joined + " に数値入力の誤りがあります"));
    } else {
        statusBar()->clearMessage();
    }
    refreshSummary();
    return failure;
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
    const DocumentSummary summary = SummarizeDocument(data_, rules);
    summaryWindow_->showSummary(SummaryTable(summary, rules, prefs_.showTsubo),
                                summary.of(InputSet::Design).complete() && summary.of(InputSet::Measured).complete());
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
        showMessage(RuntimeFailure(failure, "mnuToolCalc"), QMessageBox::Ok);
    }
}

}  // namespace mirota
