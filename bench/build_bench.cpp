// Building a puzzle, for an embedded puzzle and for a large made one, against one pass that
// reads the same picture and label bytes.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/board_scene.h"
#include "platform/headless/headless.h"
#include "platform/resources.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"
#include "tools/makepuzzle/maker.h"

namespace {

// One pass over the bytes after the header: what reading the picture and label costs.
std::uint64_t readOnce(std::span<const std::uint8_t> bytes)
{
    std::uint64_t sum = 0;
    for (std::size_t i = 6400; i < bytes.size(); ++i)
        sum += bytes[i];
    return sum;
}

void measureBuild(benchmark::State& state, std::span<const std::uint8_t> bytes)
{
    const double readSeconds = secondsPerCall([&] { benchmark::DoNotOptimize(readOnce(bytes)); });
    const double buildSeconds = secondsPerIteration(state, [] {
        buildPuzzle();
        headless::clearEvents();
    });
    state.counters["ratio_to_read"] = buildSeconds / readSeconds;
    state.counters["pieces"] = getPieceCount();
}

void buildEmbeddedPuzzle(benchmark::State& state)
{
    setUpBenchmarkBoard();
    setPuzzleNumber(2);
    measureBuild(state, findResource("JZT", 164));
}

// A 40 x 25 puzzle of 40-pixel pieces made from the first picture by the puzzle maker.
std::vector<std::uint8_t> makeLargePuzzle()
{
    const std::filesystem::path output =
        std::filesystem::temp_directory_path() /
        ("velmora-bench-large-" + std::to_string(getpid()) + ".jzt");
    MakerOptions options;
    options.columns = 40;
    options.rows = 25;
    options.core = 16;
    options.margin = 12;
    options.title = "bench";
    options.picturePath = VELMORA_PICTURE_DIR "/169-ancient-city.jpg";
    options.outputPath = output.string();
    std::string error;
    if (!makePuzzleFile(options, error))
        return {};
    std::ifstream in(output, std::ios::binary);
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    std::filesystem::remove(output);
    return bytes;
}

void buildLargePuzzle(benchmark::State& state)
{
    setUpBenchmarkBoard();
    std::vector<std::uint8_t> bytes = makeLargePuzzle();
    if (bytes.empty()) {
        state.SkipWithError("the puzzle maker could not make the large puzzle");
        return;
    }
    headless::overrideResource("JZT", 164, bytes);
    setPuzzleNumber(2);
    measureBuild(state, bytes);
}

}  // namespace

BENCHMARK(buildEmbeddedPuzzle)->Unit(benchmark::kMillisecond);
BENCHMARK(buildLargePuzzle)->Unit(benchmark::kMillisecond);
