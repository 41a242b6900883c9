// Generation of both part types, written to a file, for growing N.
#include "ButtonGenerator.h"
#include "SafeFileWriter.h"
#include "SliderGenerator.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

using namespace velmora;

const std::string& outputPath()
{
    static const std::string path = (std::filesystem::temp_directory_path() / "velmora-bench-part.txt").string();
    return path;
}

template <typename Generate>
void generateAndWrite(benchmark::State& state, Generate generate)
{
    const auto N = static_cast<std::int32_t>(state.range(0));
    std::size_t bytes = 0;
    std::size_t lines = 0;
    for (auto _ : state) {
        const ComponentText text = generate(N);
        const FileWriteResult result = SafeFileWriter::save(outputPath(), text);
        if (!result.ok())
            state.SkipWithError(result.describe().c_str());
        bytes += text.size();
        lines += static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
    // A rate inverted is seconds per line; counting lines in billions makes it nanoseconds.
    state.counters["ns_per_line"] = benchmark::Counter(static_cast<double>(lines) * 1e-9,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    std::remove(outputPath().c_str());
}

template <typename Generate>
void generateOnly(benchmark::State& state, Generate generate)
{
    const auto N = static_cast<std::int32_t>(state.range(0));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const ComponentText text = generate(N);
        benchmark::DoNotOptimize(text.data());
        bytes += text.size();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

ComponentText slider(std::int32_t N)
{
    return SliderComponentText({N, 10.0, 0.001, 0.5, "SL1"});
}

ComponentText button(std::int32_t N)
{
    return ButtonComponentText({N, 10.0, 0.001, 0.5, "BT1"});
}

void BM_SliderToFile(benchmark::State& state) { generateAndWrite(state, slider); }
void BM_ButtonToFile(benchmark::State& state) { generateAndWrite(state, button); }
void BM_SliderText(benchmark::State& state) { generateOnly(state, slider); }
void BM_ButtonText(benchmark::State& state) { generateOnly(state, button); }

} // namespace

BENCHMARK(BM_SliderToFile)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ButtonToFile)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SliderText)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ButtonText)->Arg(10)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
