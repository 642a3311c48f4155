// The development drawing at full capacity: 20 tiers of 100 chained triangles with the area table,
// each step on its own: the geometry, the command stream, the embedded engine and the DXF file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "bench/FullDocument.h"
#include "calc/AreaCalculation.h"
#include "draw/FigureGeometry.h"
#include "draw/engine/DxfWriter.h"
#include "draw/engine/EngineCadLink.h"
#include "draw/geometry/DevelopmentGeometry.h"
#include "draw/stream/DrawingCommands.h"
#include "draw/stream/RecordingCadLink.h"
#include "model/NumberText.h"

namespace {

using mirota::FigureGeometry;
using mirota::SurveyData;

constexpr const char* kPrefix = "No.";

// The document, its geometry and its command texts, made once; what went wrong if that failed.
struct Development {
    SurveyData data = mirota::bench::fullDocument();
    FigureGeometry geometry{data.tierCount(), data.rowCapacity()};
    std::vector<std::string> requests;
    std::optional<mirota::EngineCadLink> engine;
    std::string failure;

    Development() { failure = make(); }

private:
    std::string make() {
        if (auto message = mirota::calculateAreas(data, kPrefix)) return "calculation: " + message->text;
        if (auto message = mirota::computeDevelopmentGeometry(data, kPrefix, geometry)) return "geometry: " + message->text;
        mirota::RecordingCadLink link;
        if (auto message = mirota::sendDrawingCommands(data, geometry, {}, link, {})) return "stream: " + message->text;
        requests = link.requests();
        engine.emplace();
        engine->open(mirota::kAcadApplication, mirota::kAcadTopic);
        for (const std::string& request : requests) {
            if (auto error = engine->execute(request)) return "engine: " + error->description;
        }
        return {};
    }
};

const Development& development() {
    static const Development made;
    return made;
}

// False (and the benchmark skipped) when the document could not be drawn.
bool drawable(benchmark::State& state) {
    if (development().failure.empty()) return true;
    state.SkipWithError(development().failure.c_str());
    return false;
}

void ComputeDevelopmentGeometry(benchmark::State& state) {
    if (!drawable(state)) return;
    const SurveyData& data = development().data;
    FigureGeometry geometry;
    for (auto _ : state) {
        auto failure = mirota::computeDevelopmentGeometry(data, kPrefix, geometry);
        benchmark::DoNotOptimize(failure);
        benchmark::DoNotOptimize(geometry);
    }
}
BENCHMARK(ComputeDevelopmentGeometry)->Unit(benchmark::kMillisecond);

void SendDrawingCommands(benchmark::State& state) {
    if (!drawable(state)) return;
    const Development& d = development();
    std::optional<mirota::RecordingCadLink> link;
    for (auto _ : state) {
        state.PauseTiming();
        link.emplace();  // the texts of the last round are freed untimed
        state.ResumeTiming();
        auto failure = mirota::sendDrawingCommands(d.data, d.geometry, {}, *link, {});
        benchmark::DoNotOptimize(failure);
    }
    std::size_t bytes = 0;
    for (const std::string& request : d.requests) bytes += request.size();
    state.counters["requests"] = static_cast<double>(d.requests.size());
    state.counters["request_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(SendDrawingCommands)->Unit(benchmark::kMillisecond);

// The recorded texts executed into a fresh engine, which starts from the drawing template.
void ExecuteInEngine(benchmark::State& state) {
    if (!drawable(state)) return;
    const std::vector<std::string>& requests = development().requests;
    std::optional<mirota::EngineCadLink> engine;
    for (auto _ : state) {
        state.PauseTiming();
        engine.emplace();
        engine->open(mirota::kAcadApplication, mirota::kAcadTopic);
        state.ResumeTiming();
        for (const std::string& request : requests) {
            if (auto error = engine->execute(request)) {
                state.SkipWithError(error->description.c_str());
                break;
            }
        }
    }
    state.counters["entities"] = static_cast<double>(development().engine->drawing().entities.size());
}
BENCHMARK(ExecuteInEngine)->Unit(benchmark::kMillisecond);

void DxfBytes(benchmark::State& state) {
    if (!drawable(state)) return;
    const mirota::drawing::Drawing& drawing = development().engine->drawing();
    std::size_t size = 0;
    for (auto _ : state) {
        auto bytes = mirota::drawing::dxfBytes(drawing);
        if (const auto* message = std::get_if<mirota::Message>(&bytes)) {
            state.SkipWithError(message->text.c_str());
            break;
        }
        size = std::get<std::string>(bytes).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["dxf_bytes"] = static_cast<double>(size);
}
BENCHMARK(DxfBytes)->Unit(benchmark::kMillisecond);

// The hatching at full capacity: every chain figure of the document a deduction, hatched or not, in
// metres as typed or as the same survey in millimetres (sides 1000 times larger). The hatched runs
// count their requests and bytes against the unhatched run of the same document: a hatch of any
// figure stays a small multiple of the drawing without it.
struct Deductions {
    SurveyData data = mirota::bench::fullDocument();
    FigureGeometry geometry{data.tierCount(), data.rowCapacity()};
    std::string failure;

    explicit Deductions(bool millimetres) {
        for (int tier = 0; tier < data.tierCount(); ++tier) {
            for (int row = 0; row < 2 * data.figureCount(mirota::ListKind::Chain, tier); ++row) {
                std::string type = data.cell(mirota::ListKind::Chain, tier, row, mirota::column::Type);
                if (type == "10" || type == "11") {
                    data.setCell(mirota::ListKind::Chain, tier, row, mirota::column::Type, "2" + type.substr(1));
                }
                if (!millimetres) continue;
                for (int side = mirota::column::SideA; side <= mirota::column::SideC; ++side) {
                    const std::string metres = data.cell(mirota::ListKind::Chain, tier, row, side);
                    if (metres.empty()) continue;
                    const double millimetres = mirota::number::leadingNumber(metres) * 1000.0;
                    data.setCell(mirota::ListKind::Chain, tier, row, side,
                                 mirota::number::formatDouble(millimetres, "0"));
                }
            }
        }
        if (millimetres) data.conditions.displayUnit = mirota::DisplayUnit::Millimetre;
        if (auto message = mirota::calculateAreas(data, kPrefix)) {
            failure = "calculation: " + message->text;
        } else if (auto laidOut = mirota::computeDevelopmentGeometry(data, kPrefix, geometry)) {
            failure = "geometry: " + laidOut->text;
        }
    }
};

std::pair<std::size_t, std::size_t> sent(const Deductions& d, bool hatched) {
    mirota::RecordingCadLink link;
    mirota::StreamSettings settings;
    settings.deductionHatching = hatched;
    mirota::sendDrawingCommands(d.data, d.geometry, settings, link, {});
    std::size_t bytes = 0;
    for (const std::string& request : link.requests()) bytes += request.size();
    return {link.requests().size(), bytes};
}

void HatchedDeductions(benchmark::State& state) {
    const bool hatched = state.range(0) != 0;
    const bool millimetres = state.range(1) != 0;
    static const Deductions inMetres(false);
    static const Deductions inMillimetres(true);
    const Deductions& d = millimetres ? inMillimetres : inMetres;
    if (!d.failure.empty()) {
        state.SkipWithError(d.failure.c_str());
        return;
    }
    std::optional<mirota::RecordingCadLink> link;
    mirota::StreamSettings settings;
    settings.deductionHatching = hatched;
    for (auto _ : state) {
        state.PauseTiming();
        link.emplace();
        state.ResumeTiming();
        auto failure = mirota::sendDrawingCommands(d.data, d.geometry, settings, *link, {});
        benchmark::DoNotOptimize(failure);
    }
    const auto [requests, bytes] = sent(d, hatched);
    const auto [plainRequests, plainBytes] = sent(d, false);
    state.counters["requests"] = static_cast<double>(requests);
    state.counters["request_bytes"] = static_cast<double>(bytes);
    state.counters["bytes_vs_unhatched"] = static_cast<double>(bytes) / static_cast<double>(plainBytes);
    state.counters["requests_vs_unhatched"] = static_cast<double>(requests) / static_cast<double>(plainRequests);
}
BENCHMARK(HatchedDeductions)->ArgNames({"hatched", "mm"})->Args({0, 0})->Args({1, 0})->Args({0, 1})->Args({1, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
