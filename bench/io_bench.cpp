// The data file at full capacity: 20 tiers with 100 figures in both lists, every cell filled.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <unistd.h>

#include "io/CodePage.h"
#include "io/DataFileReader.h"
#include "io/DataFileWriter.h"
#include "model/NumberText.h"

namespace {

using mirota::ListKind;
using mirota::SurveyData;

std::string length(std::mt19937& random, double low, double high) {
    const double value = std::uniform_real_distribution<double>(low, high)(random);
    return mirota::number::formatDouble(value, "0.000");
}

SurveyData fullDocument() {
    static const char* const names[] = {"花壇", "池", "物置", "浄化槽", "駐車場", "庭石", "井戸", "植込み"};
    static const char* const exceptionTypes[] = {"12", "13", "22", "23"};
    std::mt19937 random(20240607);
    SurveyData document;
    document.changeTierCount(SurveyData::kTierCapacity);
    for (int tier = 0; tier < SurveyData::kTierCapacity; ++tier) {
        document.setFigureCount(ListKind::Chain, tier, SurveyData::kFigureCapacity);
        document.setFigureCount(ListKind::Exception, tier, SurveyData::kFigureCapacity);
        for (int row = 0; row < 2 * SurveyData::kFigureCapacity; ++row) {
            const int figure = row / 2;
            const auto setChain = [&](int col, std::string text) {
                document.setCell(ListKind::Chain, tier, row, col, std::move(text));
            };
            setChain(0, figure == 0 ? "0" : figure % 2 == 1 ? "11" : figure % 7 == 0 ? "20" : "10");
            setChain(1, length(random, 8, 40));
            setChain(2, length(random, 8, 40));
            setChain(3, length(random, 8, 40));
            setChain(4, length(random, 20, 60));
            setChain(5, length(random, 50, 600));
            setChain(6, std::to_string(figure % 3));
            const auto setException = [&](int col, std::string text) {
                document.setCell(ListKind::Exception, tier, row, col, std::move(text));
            };
            setException(0, exceptionTypes[figure % 4]);
            setException(1, std::string(names[figure % 8]) + std::to_string(figure + 1));
            setException(2, length(random, 0.5, 9));
            setException(3, length(random, 0.5, 9));
            setException(4, length(random, 0, 90) + "," + length(random, 0, 90));
            setException(5, length(random, 1, 80));
            setException(6, "");
        }
    }
    document.conditions.numbers = {12345.67f, -2345.5f, 32.5f, 0.4f, 0.3f, 0, 0, 0, 150.25f, -80.5f, 200};
    document.conditions.choices = {1, 2, 1, 1};
    document.conditions.drawingLayerName = "作図_本体";
    return document;
}

const SurveyData& theDocument() {
    static const SurveyData document = fullDocument();
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
