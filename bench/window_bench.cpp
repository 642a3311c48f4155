// The interactive paths of the main window at full capacity: 20 tiers filled, 100 figures in the tier
// on screen, on the offscreen platform. Each path is timed twice: the handler alone, and the handler
// with the frame it leaves painted (the posted events processed).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "app/MainWindow.h"
#include "app/Startup.h"
#include "app/PreviewPane.h"
#include "bench/FullDocument.h"
#include "grid/CellEditor.h"
#include "grid/TierGrid.h"
#include "viewer/DevelopmentView.h"
#include "model/NumberText.h"

namespace {

using mirota::ListKind;

// The started main window with the full document on screen and its areas calculated.
struct FilledWindow {
    mirota::Preferences prefs;
    std::unique_ptr<mirota::MainWindow> window;
    std::vector<mirota::Message> messages;

    FilledWindow() {
        mirota::setDefaultSettings(prefs);
        prefs.digitsFormat = "0.00";
        window = std::make_unique<mirota::MainWindow>(prefs, QStringLiteral("/opt/mirota/"));
        window->showMessage = [this](const mirota::Message& message, QMessageBox::StandardButtons) {
            messages.push_back(message);
            return QMessageBox::Ok;
        };
        window->shellOpen = [](const QString&) {};
        window->Form_Load();
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) {
            messages.push_back({"the main window did not become active", "window_bench", mirota::Message::Icon::Critical});
        }

        window->data() = mirota::bench::fullDocument();
        window->tierCountCombo()->setCurrentIndex(mirota::SurveyData::kTierCapacity - 1);
        window->mnuToolCalc_Click();
        QApplication::processEvents();
    }

    mirota::TierView& view() { return window->tierView(); }
};

FilledWindow* filled = nullptr;

// Marks the benchmark failed when the window showed a message while being filled or timed.
void failOnMessages(benchmark::State& state) {
    if (filled->messages.empty()) return;
    static std::string text;
    text = filled->messages.front().title + ": " + filled->messages.front().text;
    state.SkipWithError(text.c_str());
}

// Argument 1: the posted events (the repaint above all) are processed inside the timing.
bool painted(const benchmark::State& state) { return state.range(0) == 1; }

void finishFrame() { QApplication::processEvents(); }

// Counts the paint events of the chain grid, to show that a painted round did paint.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* watched) : watched_(watched) { watched_->installEventFilter(this); }
    ~PaintCounter() override { watched_->removeEventFilter(this); }
    int count() const { return count_; }
    // Paints outside the timing are left out.
    void setCounting(bool on) { counting_ = on; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (counting_ && event->type() == QEvent::Paint) ++count_;
        return false;
    }

private:
    QWidget* watched_;
    int count_ = 0;
    bool counting_ = true;
};

void reportPaints(benchmark::State& state, const PaintCounter& paints) {
    state.counters["paints"] = benchmark::Counter(paints.count(), benchmark::Counter::kAvgIterations);
}

// Whether the chain grid shows the side B of the first and the last figure of the tier as stored.
bool showsTier(int tier) {
    const mirota::SurveyData& data = filled->window->data();
    const mirota::TierGrid* grid = filled->view().grid(ListKind::Chain);
    const int last = 2 * data.figureCount(ListKind::Chain, tier) - 1;
    for (int row : {0, last}) {
        const std::string& side = data.cell(ListKind::Chain, tier, row, mirota::column::SideB);
        if (grid->text(row + 1, 4) != QString::fromStdString(side)) return false;
    }
    return grid->rows() == last + 2 && data.view.currentTier == tier;
}

// A tab switch: the grids of the other tier rebuilt from the document, its totals shown.
void GridRebuild(benchmark::State& state) {
    QTabWidget* tabs = filled->window->tierTabs();
    const PaintCounter paints(filled->view().grid(ListKind::Chain)->viewport());
    int next = 1;
    for (auto _ : state) {
        tabs->setCurrentIndex(next);
        if (painted(state)) finishFrame();
        next = 1 - next;
    }
    reportPaints(state, paints);
    finishFrame();
    if (!showsTier(1 - next)) {
        state.SkipWithError("the grid does not show the tier switched to");
        return;
    }
    failOnMessages(state);
}
BENCHMARK(GridRebuild)->ArgName("painted")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One side typed into a complete row of figure 50 and committed with Enter: the value is stored, the
// whole document is calculated, the tier's computed columns and totals are shown, the next cell opens.
void CommitWithCalculation(benchmark::State& state) {
    auto& f = *filled;
    f.window->tierTabs()->setCurrentIndex(0);
    finishFrame();
    constexpr int kRow = 99;  // grid row of figure 50's design values
    constexpr int kSideB = 4;
    mirota::TierGrid* grid = f.view().grid(ListKind::Chain);
    mirota::CellEditor* editor = f.view().editor(ListKind::Chain);
    const std::string stored = f.window->data().cell(ListKind::Chain, 0, kRow - 1, mirota::column::SideB);
    // The side is typed alternately one centimetre longer and as it was, so every commit changes it.
    const QString values[] = {
        QString::fromStdString(mirota::number::formatDouble(mirota::number::leadingNumber(stored) + 0.01, "0.00")),
        QString::fromStdString(stored)};
    PaintCounter paints(grid->viewport());
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        f.view().HideCellEditors();
        grid->setFocus();
        grid->setCurrentGridCell(kRow, kSideB);
        f.window->data().view.activeList = ListKind::Chain;
        QTest::keyClick(grid, Qt::Key_F2);
        editor->setText(values[round++ % 2]);
        finishFrame();
        paints.setCounting(true);
        state.ResumeTiming();
        QTest::keyClick(editor, Qt::Key_Return);
        if (painted(state)) finishFrame();
        paints.setCounting(false);
    }
    reportPaints(state, paints);
    // The commit stored the value, calculated, showed the new area and opened the editor on side C.
    const mirota::SurveyData& data = f.window->data();
    const std::string& area = data.cell(ListKind::Chain, 0, kRow - 1, mirota::column::Area);
    const bool done = round > 0 &&
                      data.cell(ListKind::Chain, 0, kRow - 1, mirota::column::SideB) ==
                          values[(round - 1) % 2].toStdString() &&
                      grid->text(kRow, 7) == QString::fromStdString(mirota::number::formatDigits(area, "0.00")) &&
                      editor->isVisible() && grid->currentGridColumn() == kSideB + 1;
    if (!done) {
        state.SkipWithError("the commit did not store, calculate and move on to side C");
        return;
    }
    failOnMessages(state);
}
BENCHMARK(CommitWithCalculation)->ArgName("painted")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// 100 figures of sides pasted from the clipboard over the tier on screen, as one step: every value
// checked and stored, the grid shown again. Two blocks in turn, so that every paste changes the sides.
void BlockPaste(benchmark::State& state) {
    auto& f = *filled;
    f.window->tierTabs()->setCurrentIndex(0);
    finishFrame();
    mirota::TierGrid* grid = f.view().grid(ListKind::Chain);
    QString blocks[2];
    for (int round = 0; round < 2; ++round) {
        // Side A is the joined side after the first figure, given as the previous side C it must equal.
        QStringList lines;
        for (int figure = 0; figure < mirota::SurveyData::kFigureCapacity; ++figure) {
            const QString c = QString::number(4 + round, 'f', 2);
            lines << c + "\t" + QString::number(5.25 + round, 'f', 2) + "\t" + c;
        }
        blocks[round] = lines.join("\r\n");
    }
    PaintCounter paints(grid->viewport());
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QGuiApplication::clipboard()->setText(blocks[round++ % 2]);
        grid->setFocus();
        grid->setCurrentGridCell(1, 3);
        f.window->data().view.activeList = ListKind::Chain;
        finishFrame();
        paints.setCounting(true);
        state.ResumeTiming();
        f.view().mnuEditPaste_Click();
        if (painted(state)) finishFrame();
        paints.setCounting(false);
    }
    reportPaints(state, paints);
    const QString last = QString::number(4 + (round - 1) % 2, 'f', 2);
    if (round == 0 || grid->text(grid->rows() - 2, 5) != last ||
        f.window->data().cell(ListKind::Chain, 0, 198, mirota::column::SideC) != last.toStdString()) {
        state.SkipWithError("the paste did not reach the last figure");
        return;
    }
    failOnMessages(state);
}
BENCHMARK(BlockPaste)->ArgName("painted")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Design and measured values in turn: the cell states repainted, the totals of the other set shown.
void InputSetSwitch(benchmark::State& state) {
    const mirota::TierGrid* grid = filled->view().grid(ListKind::Chain);
    const PaintCounter paints(grid->viewport());
    int set = 1;
    for (auto _ : state) {
        filled->window->mnuDataChangeType_Click(set);
        if (painted(state)) finishFrame();
        set = 1 - set;
    }
    reportPaints(state, paints);
    finishFrame();
    // The set switched to last: its side B editable, the other set's shown as such.
    const int shown = 1 - set;
    const bool switched = static_cast<int>(filled->window->data().view.currentInputSet) == shown &&
                          grid->state(1 + shown, 4) == mirota::CellState::Editable &&
                          grid->state(2 - shown, 4) == mirota::CellState::OtherSet;
    filled->window->mnuDataChangeType_Click(0);
    if (!switched) {
        state.SkipWithError("the cell states do not follow the input set");
        return;
    }
    failOnMessages(state);
}
BENCHMARK(InputSetSwitch)->ArgName("painted")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The preview after a commit: the development of every tier laid out again from the document and its
// scene rebuilt; painted, with the frame of the pane's view.
void PreviewRedraw(benchmark::State& state) {
    mirota::PreviewPane* pane = filled->window->previewPane();
    finishFrame();
    PaintCounter paints(pane->view());
    for (auto _ : state) {
        pane->refresh();
        if (painted(state)) finishFrame();
    }
    reportPaints(state, paints);
    const auto& figures = pane->view()->scene().figures();
    const bool whole = pane->isVisible() && !pane->faultLine()->isVisible() &&
                       figures.size() == std::size_t{mirota::SurveyData::kTierCapacity} * mirota::SurveyData::kFigureCapacity;
    if (!whole) {
        state.SkipWithError("the preview does not show every figure of the document");
        return;
    }
    failOnMessages(state);
}
BENCHMARK(PreviewRedraw)->ArgName("painted")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    // The window's settings go to a folder of their own, never to the user's.
    QTemporaryDir settingsFolder;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
    {
        FilledWindow window;
        filled = &window;
        benchmark::RunSpecifiedBenchmarks();
        filled = nullptr;
    }
    benchmark::Shutdown();
    return 0;
}
