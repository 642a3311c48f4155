// A block of 100 figures pasted from a spreadsheet into the chain of a full document, and its undo and
// redo: the text split, every value checked and stored as one step. A clipboard text far too large
// for any list, refused. The memory a history of a thousand row operations holds.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>

#include "bench/FullDocument.h"
#include "edit/DocumentEditor.h"
#include "model/NumberText.h"

// Every allocation of this program counted, to weigh what a history holds.
std::atomic<long long> heldBytes{0};

namespace {

// The size is kept before the block, so that its release can count it off.
void* takeBlock(std::size_t size) {
    void* block = std::malloc(size + alignof(std::max_align_t));
    if (!block) throw std::bad_alloc();
    *static_cast<std::size_t*>(block) = size;
    heldBytes += static_cast<long long>(size);
    return static_cast<char*>(block) + alignof(std::max_align_t);
}

void giveBack(void* memory) noexcept {
    if (!memory) return;
    void* block = static_cast<char*>(memory) - alignof(std::max_align_t);
    heldBytes -= static_cast<long long>(*static_cast<std::size_t*>(block));
    std::free(block);
}

}  // namespace

// Out of line, so that the compiler does not take the block given back for the one the caller was given.
[[gnu::noinline]] void* operator new(std::size_t size) { return takeBlock(size); }
[[gnu::noinline]] void operator delete(void* memory) noexcept { giveBack(memory); }
[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept { giveBack(memory); }

namespace {

using mirota::ListKind;
using mirota::SurveyData;

// One line per figure of the tier's chain, sides A, B, C as a spreadsheet gives them: each figure's side
// A (its joined side) as the previous figure's side C, which it must equal.
std::string hundredFigures() {
    std::string text;
    double previousC = 4.0;
    for (int figure = 0; figure < SurveyData::kFigureCapacity; ++figure) {
        const double c = 4.0 + 0.01 * (figure % 7);
        text += mirota::number::formatDouble(previousC, "0.00") + "\t5.25\t" + mirota::number::formatDouble(c, "0.00") +
                "\r\n";
        previousC = c;
    }
    return text;
}

mirota::BlockPaste pasteOf(const std::string& text) {
    return {ListKind::Chain, 0, mirota::InputSet::Design, 0, mirota::column::SideA, mirota::splitTabSeparated(text),
            "0.00", "No."};
}

// The tier's figure count set to one first, so that the paste also raises it to 100.
SurveyData startingDocument() {
    SurveyData document = mirota::bench::fullDocument();
    document.setFigureCount(ListKind::Chain, 0, 1);
    return document;
}

void PasteHundredFigures(benchmark::State& state) {
    const std::string text = hundredFigures();
    const SurveyData start = startingDocument();
    for (auto _ : state) {
        state.PauseTiming();
        SurveyData document = start;
        mirota::DocumentEditor editor(document);
        state.ResumeTiming();
        if (auto refused = editor.pasteBlock(pasteOf(text))) {
            state.SkipWithError(refused->text.c_str());
            break;
        }
        benchmark::DoNotOptimize(document);
        state.PauseTiming();
        if (document.figureCount(ListKind::Chain, 0) != SurveyData::kFigureCapacity) {
            state.SkipWithError("the paste did not fill 100 figures");
            break;
        }
        state.ResumeTiming();
    }
}
BENCHMARK(PasteHundredFigures)->Unit(benchmark::kMillisecond);

// Argument 0 times the undo, 1 the redo; the other one puts the document back for the next round.
void UndoRedoHundredFigures(benchmark::State& state) {
    SurveyData document = startingDocument();
    mirota::DocumentEditor editor(document);
    if (auto refused = editor.pasteBlock(pasteOf(hundredFigures()))) {
        state.SkipWithError(refused->text.c_str());
        return;
    }
    const bool timeRedo = state.range(0) == 1;
    for (auto _ : state) {
        if (timeRedo) state.PauseTiming();
        editor.undo();
        if (timeRedo) state.ResumeTiming();
        else state.PauseTiming();
        editor.redo();
        if (!timeRedo) state.ResumeTiming();
    }
    if (document.figureCount(ListKind::Chain, 0) != SurveyData::kFigureCapacity || !editor.history().canUndo()) {
        state.SkipWithError("undo and redo did not bring the paste back");
    }
}
BENCHMARK(UndoRedoHundredFigures)->ArgName("redo")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Ten megabytes of lines, as a tester pasted them: refused before they are split.
void RefuseTenMegabytePaste(benchmark::State& state) {
    std::string text;
    while (text.size() < 10 * 1024 * 1024) text += "1234567.891\t2\t3\r\n";
    for (auto _ : state) {
        auto split = mirota::splitPastedText(text, SurveyData::kFigureCapacity);
        if (!std::holds_alternative<mirota::Message>(split)) state.SkipWithError("the paste was not refused");
        benchmark::DoNotOptimize(split);
    }
}
BENCHMARK(RefuseTenMegabytePaste)->Unit(benchmark::kMicrosecond);

// A thousand inserts at the first figure of a 99-figure chain, each taken back by a delete: the memory
// the history of these 2,000 steps (the newest 1,000 of them kept) holds.
void HistoryOfAThousandInserts(benchmark::State& state) {
    for (auto _ : state) {
        SurveyData document;
        document.setFigureCount(ListKind::Chain, 0, 99);
        const long long before = heldBytes;
        {
            mirota::DocumentEditor editor(document);
            for (int step = 0; step < 1000; ++step) {
                editor.insertFigure(ListKind::Chain, 0, 0);
                editor.deleteFigure(ListKind::Chain, 0, 0);
            }
            state.counters["held_MB"] = static_cast<double>(heldBytes - before) / (1024.0 * 1024.0);
        }
    }
}
BENCHMARK(HistoryOfAThousandInserts)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
