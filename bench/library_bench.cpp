// The library: the Puzzles window's listing of 1000 kept puzzles against reading their
// thumbnails, switching to a kept 1000-piece game against building that puzzle afresh, and
// keeping that game against writing its play file.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/board_scene.h"
#include "library/entry_info.h"
#include "library/library_store.h"
#include "library/listing.h"
#include "library/switching.h"
#include "library/thumbnail.h"
#include "maker/make.h"
#include "platform/files.h"
#include "platform/headless/headless.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"
#include "savegame/writer.h"
#include "ui/puzzles_window.h"

namespace {

namespace fs = std::filesystem;

struct BenchFolder {
    fs::path path =
        fs::temp_directory_path() / ("velmora-bench-library-" + std::to_string(getpid()));
    BenchFolder() { fs::create_directories(path); }
    ~BenchFolder() { fs::remove_all(path); }
};

// A picture of colour ramps, as large as a 1000-piece puzzle of 40 x 25 needs.
RgbImage rampPicture(int width, int height)
{
    RgbImage picture{width, height, std::vector<std::uint8_t>(std::size_t(width) * height * 3)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* rgb = &picture.rgb[(std::size_t(y) * width + x) * 3];
            rgb[0] = static_cast<std::uint8_t>(x * 255 / width);
            rgb[1] = static_cast<std::uint8_t>(y * 255 / height);
            rgb[2] = static_cast<std::uint8_t>((x ^ y) & 0xFF);
        }
    return picture;
}

// The listing as the window makes it: entries read and their grid items drawn.
void listAndDraw()
{
    std::vector<PuzzleListing> listings;
    for (ListedEntry& entry : listEntries())
        listings.push_back({entry.name, entry.info.title, entry.info.pieces,
                            std::move(entry.info.thumbnail), entry.info.gameKept, 50});
    benchmark::DoNotOptimize(puzzleGridItems(listings));
}

void listThousandPuzzles(benchmark::State& state)
{
    BenchFolder folder;
    setUpBenchmarkBoard();
    headless::setModulePath((folder.path / "velmora").string());
    // Each entry beside a file of its thumbnail alone, what reading the thumbnails takes.
    const RgbImage thumbnail = rampPicture(thumbnailWidth, thumbnailHeight);
    constexpr const char* thumbnailAlone = "thumbnail.ppm";
    std::vector<std::string> names;
    for (int i = 0; i < 1000; ++i) {
        const std::string name = sourceEntryName(EntryKind::made, std::vector<std::uint8_t>{
            static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i >> 8)});
        EntryInfo info{EntryKind::made, 0, false, "puzzle " + std::to_string(i), 500, 60, 20, i};
        info.gameKept = true;
        info.thumbnail = thumbnail;
        writeEntryFile(name, infoFileName, entryInfoText(info));
        writeEntryFile(name, thumbnailAlone, thumbnailBytes(thumbnail));
        names.push_back(name);
    }
    // Read and held, as a window showing them holds them.
    const double readSeconds = secondsPerCall([&] {
        std::vector<std::optional<std::vector<std::uint8_t>>> thumbnails;
        for (const std::string& name : names)
            thumbnails.push_back(readEntryFile(name, thumbnailAlone, maxThumbnailBytes));
        benchmark::DoNotOptimize(thumbnails);
    });
    const double seconds = secondsPerIteration(state, listAndDraw);
    state.counters["ratio_to_reading_thumbnails"] = seconds / readSeconds;
    state.counters["listing_only_ratio"] =
        secondsPerCall([] { benchmark::DoNotOptimize(listEntries()); }) / readSeconds;
    state.counters["entries"] = static_cast<double>(listEntries().size());
}

// A kept 1000-piece game of a made puzzle, left for the first puzzle of the series.
std::string keepThousandPieceGame()
{
    playMadePuzzle(makePuzzleResource(rampPicture(1800, 1150), PuzzleGeometry{40, 25, 16, 32},
                                      "bench", 1));
    for (int k = 0; k < getPieceCount(); k += 3)
        setPieceRotation(1, k);
    const std::string made = entryInPlay();
    continueEntry(seriesEntryName(2));
    return made;
}

void switchToThousandPieceGame(benchmark::State& state)
{
    BenchFolder folder;
    setUpBenchmarkBoard();
    headless::setModulePath((folder.path / "velmora").string());
    resumeLastPuzzle();
    const std::string made = keepThousandPieceGame();
    const auto resource = readEntryFile(made, sourceFileName(EntryKind::made), 1u << 30);
    const double buildSeconds = secondsPerCall([&] { buildPuzzleFrom(*resource); });
    // Only the switch to the large game is timed, not the way back.
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        continueEntry(made);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        continueEntry(seriesEntryName(2));
    }
    state.counters["ratio_to_building_afresh"] =
        seconds / static_cast<double>(state.iterations()) / buildSeconds;
}

void keepThousandPieceGameOnQuit(benchmark::State& state)
{
    BenchFolder folder;
    setUpBenchmarkBoard();
    headless::setModulePath((folder.path / "velmora").string());
    resumeLastPuzzle();
    continueEntry(keepThousandPieceGame());
    const std::string playFile = (folder.path / "game.jps").string();
    const double writeSeconds =
        secondsPerCall([&] { replaceFileContents(playFile, writePlayFile, true); });
    const double seconds = secondsPerIteration(state, keepGameInLibrary);
    state.counters["ratio_to_play_file"] = seconds / writeSeconds;
    state.counters["record_kilobytes"] =
        static_cast<double>(readEntryFile(entryInPlay(), gameFileName, 1u << 20)->size()) / 1e3;
}

}  // namespace

BENCHMARK(listThousandPuzzles)->Unit(benchmark::kMillisecond);
BENCHMARK(switchToThousandPieceGame)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(keepThousandPieceGameOnQuit)->Unit(benchmark::kMillisecond);
