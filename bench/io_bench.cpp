// The data file at full capacity: 20 tiers with 100 figures in both lists, every stored cell filled.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "bench/FullDocument.h"
#include "model/CodePage.h"
#include "io/DataFileReader.h"
#include "io/DataFileWriter.h"

namespace {

using mirota::SurveyData;

const SurveyData& theDocument() {
    static const SurveyData document = mirota::bench::fullDocument();
    return document;
}

const std::string& fileOfTheDocument() {
    static const std::string path = [] {
        const std::string name = "mirota_io_bench_" + std::to_string(::getpid()) + ".txt";
        const std::string p = (std::filesystem::temp_directory_path() / name).string();
        if (auto failure = mirota::writeDataFile(theDocument(), p)) std::fprintf(stderr, "%s\n", failure->text.c_str());
        return p;
    }();
    return path;
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(std::filesystem::file_size(path)), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

void WriteToBytes(benchmark::State& state) {
    std::string bytes;
    for (auto _ : state) {
        auto failure = mirota::formatDataFile(theDocument(), bytes);
        benchmark::DoNotOptimize(failure);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(WriteToBytes)->Unit(benchmark::kMillisecond);

// Includes the flush to the disk and the replacement of the old file.
void WriteToFile(benchmark::State& state) {
    const std::string path = fileOfTheDocument() + ".out";
    for (auto _ : state) {
        auto failure = mirota::writeDataFile(theDocument(), path);
        benchmark::DoNotOptimize(failure);
    }
    std::filesystem::remove(path);
}
BENCHMARK(WriteToFile)->Unit(benchmark::kMillisecond);

void ReadFromFile(benchmark::State& state) {
    const std::string& path = fileOfTheDocument();
    SurveyData document;
    for (auto _ : state) {
        auto failure = mirota::readDataFile(path, document);
        if (failure) state.SkipWithError(failure->text.c_str());
        benchmark::DoNotOptimize(document);
    }
}
BENCHMARK(ReadFromFile)->Unit(benchmark::kMillisecond);

void ParseBytes(benchmark::State& state) {
    const std::string bytes = readBytes(fileOfTheDocument());
    SurveyData document;
    for (auto _ : state) {
        auto failure = mirota::parseDataFile(bytes, document);
        if (failure) state.SkipWithError(failure->text.c_str());
        benchmark::DoNotOptimize(document);
    }
}
BENCHMARK(ParseBytes)->Unit(benchmark::kMillisecond);

// The floor: the same file's bytes read and decoded, nothing parsed.
void ReadFloor(benchmark::State& state) {
    const std::string& path = fileOfTheDocument();
    for (auto _ : state) {
        const std::string bytes = readBytes(path);
        auto text = mirota::codepage::toUtf8(bytes);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(ReadFloor)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove(fileOfTheDocument());
    return 0;
}
