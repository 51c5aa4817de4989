// The completion work from composing the finished picture to a written JPEG file, against
// libjpeg compressing the same pixels alone: in elapsed time, which includes waiting for the
// file to reach the disk, and in processor time, which shows the work itself.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/board_scene.h"
#include "completion/composition.h"
#include "completion/export.h"
#include "completion/picture_files.h"
#include "platform/jpeg.h"
#include "puzzle/state.h"

namespace {

// Processor seconds per call of `work` over `calls` calls.
template <typename Work>
double processorSecondsPerCall(int calls, Work&& work)
{
    const std::clock_t start = std::clock();
    for (int i = 0; i < calls; ++i)
        work();
    return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC / calls;
}

// Composition, capture and the atomic JPEG write, for one glue and panel choice.
void composeAndWriteJpeg(benchmark::State& state, int glue, int panel)
{
    setUpBenchmarkBoard();
    setGlueChoice(glue);
    setPanelChoice(panel);
    const std::string path =
        (std::filesystem::temp_directory_path() /
         ("velmora-bench-finished-" + std::to_string(getpid()) + ".jpg"))
            .string();

    Surface canvas;
    Surface assembly;
    composeFinishedCanvas(canvas, assembly);
    const std::vector<std::uint8_t> pixels = captureFinishedPixels(canvas);
    const auto compress = [&] {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        const FileTransfer toFile = [file](std::span<const std::uint8_t> bytes) {
            return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
        };
        benchmark::DoNotOptimize(writeJpeg(toFile, pixels.data(), finishedWidth(),
                                           finishedHeight(), 3 * finishedWidth()));
        std::fclose(file);
    };
    const auto complete = [&] {
        Surface finishedCanvas;
        Surface assemblyCanvas;
        composeFinishedCanvas(finishedCanvas, assemblyCanvas);
        const std::vector<std::uint8_t> finishedPixels = captureFinishedPixels(finishedCanvas);
        benchmark::DoNotOptimize(
            writeJpegFile(path, finishedPixels, finishedWidth(), finishedHeight()));
    };
    const double compressSeconds = secondsPerCall(compress);
    const double completionSeconds = secondsPerIteration(state, complete);
    const double compressProcessor = processorSecondsPerCall(100, compress);
    const double completionProcessor = processorSecondsPerCall(100, complete);
    std::filesystem::remove(path);
    state.counters["ratio_to_libjpeg"] = completionSeconds / compressSeconds;
    state.counters["processor_ratio_to_libjpeg"] = completionProcessor / compressProcessor;
}

void completionGluedGold(benchmark::State& state)
{
    composeAndWriteJpeg(state, 1, 3);
}

void completionPiecesBrown(benchmark::State& state)
{
    composeAndWriteJpeg(state, 0, 1);
}

}  // namespace

BENCHMARK(completionGluedGold)->Unit(benchmark::kMillisecond);
BENCHMARK(completionPiecesBrown)->Unit(benchmark::kMillisecond);
