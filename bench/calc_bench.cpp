// The area calculation and the totals at full capacity: 20 tiers with 100 figures in both lists.
#include <benchmark/benchmark.h>

#include "bench/FullDocument.h"
#include "calc/AreaCalculation.h"
#include "calc/Totals.h"

namespace {

using mirota::SurveyData;

// Every row of every tier, both lists and both input sets, as after each committed side.
void CalculateAreas(benchmark::State& state) {
    SurveyData document = mirota::bench::fullDocument();
    for (auto _ : state) {
        auto failure = mirota::calculateAreas(document, "No.");
        if (failure) {
            state.SkipWithError(failure->text.c_str());
            break;
        }
        benchmark::DoNotOptimize(document);
    }
    state.counters["rows"] = 2.0 * SurveyData::kTierCapacity * 2 * SurveyData::kFigureCapacity;
}
BENCHMARK(CalculateAreas)->Unit(benchmark::kMillisecond);

// The two boxes of one tier and input set, as on every tier or input-set switch.
void UpdateTotals(benchmark::State& state) {
    SurveyData document = mirota::bench::fullDocument();
    if (auto failure = mirota::calculateAreas(document, "No.")) {
        state.SkipWithError(failure->text.c_str());
        return;
    }
    for (auto _ : state) {
        auto totals = mirota::updateTotals(document, 0, mirota::InputSet::Design);
        benchmark::DoNotOptimize(totals);
    }
}
BENCHMARK(UpdateTotals)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
