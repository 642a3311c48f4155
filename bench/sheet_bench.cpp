// The area calculation sheet (求積表) of a full-capacity survey: 20 tiers with 100 figures in both lists,
// laid out page by page, and written as a PDF file as mirota-cli report writes it.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/FullDocument.h"
#include "calc/AreaCalculation.h"
#include "draw/sheet/SheetLayout.h"
#include "draw/sheet/SheetPdf.h"

namespace {

using mirota::SurveyData;
namespace sheet = mirota::sheet;

SurveyData calculatedDocument(benchmark::State& state) {
    SurveyData document = mirota::bench::fullDocument();
    if (auto failure = mirota::calculateAreas(document, "No.")) state.SkipWithError(failure->text.c_str());
    return document;
}

sheet::Options optionsOf(sheet::Form form) {
    sheet::Options options;
    options.form = form;
    options.documentName = "full-capacity";
    options.date = sheet::sheetDate(2026, 12, 8);
    return options;
}

// The pages of the sheet, in either form.
void SheetLayout(benchmark::State& state) {
    const SurveyData document = calculatedDocument(state);
    const sheet::Options options = optionsOf(state.range(0) == 0 ? sheet::Form::Heron : sheet::Form::BaseAndHeight);
    std::size_t pages = 0;
    for (auto _ : state) {
        const sheet::Sheet laidOut = sheet::layOutSheet(document, options);
        pages = laidOut.pages.size();
        benchmark::DoNotOptimize(laidOut);
    }
    state.counters["pages"] = static_cast<double>(pages);
}
BENCHMARK(SheetLayout)->Arg(0)->Arg(1)->ArgName("sansha")->Unit(benchmark::kMillisecond);

// The layout and the PDF file, fonts embedded, as the command line makes it.
void SheetPdf(benchmark::State& state) {
    const SurveyData document = calculatedDocument(state);
    const sheet::Options options = optionsOf(sheet::Form::Heron);
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "mirota-bench-sheet.pdf";
    for (auto _ : state) {
        if (const auto failure = sheet::writeSheetPdf(sheet::layOutSheet(document, options), path.string())) {
            state.SkipWithError(failure->text.c_str());
            break;
        }
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
}
BENCHMARK(SheetPdf)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
