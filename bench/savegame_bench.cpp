// Saving and opening an embedded puzzle's play file, against copying the same file.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "bench/board_scene.h"
#include "platform/files.h"
#include "savegame/layout.h"
#include "savegame/reader.h"
#include "savegame/writer.h"

namespace {

namespace fs = std::filesystem;

struct BenchFolder {
    fs::path path = fs::temp_directory_path() / ("velmora-bench-save-" + std::to_string(getpid()));
    BenchFolder() { fs::create_directories(path); }
    ~BenchFolder() { fs::remove_all(path); }
};

bool saveTo(const fs::path& path)
{
    return replaceFileContents(path, writePlayFile, true) == FileWriteOutcome::written;
}

// What cp does: the file copied over an existing copy.
void copyFile(const fs::path& from, const fs::path& to)
{
    fs::copy_file(from, to, fs::copy_options::overwrite_existing);
}

// The same copy made as durable as a save: flushed to the disk.
void copyFileAndSync(const fs::path& from, const fs::path& to)
{
    copyFile(from, to);
    const int fd = open(to.c_str(), O_WRONLY);
    fsync(fd);
    close(fd);
}

void setCounters(benchmark::State& state, double seconds, const fs::path& file, const fs::path& copy)
{
    const double copySeconds = secondsPerCall([&] { copyFile(file, copy); });
    const double syncedCopySeconds = secondsPerCall([&] { copyFileAndSync(file, copy); });
    state.counters["ratio_to_copy"] = seconds / copySeconds;
    state.counters["ratio_to_synced_copy"] = seconds / syncedCopySeconds;
    state.counters["megabytes"] = static_cast<double>(fs::file_size(file)) / 1e6;
}

// The benchmark board saved once into the folder; false (the benchmark skipped) when the
// file could not be written.
bool saveBoardOnce(benchmark::State& state, const fs::path& file)
{
    setUpBenchmarkBoard();
    if (saveTo(file))
        return true;
    state.SkipWithError("the play file could not be written");
    return false;
}

void savePlayFile(benchmark::State& state)
{
    BenchFolder folder;
    const fs::path file = folder.path / "game.jps";
    if (!saveBoardOnce(state, file))
        return;
    const double seconds = secondsPerIteration(state, [&] { benchmark::DoNotOptimize(saveTo(file)); });
    setCounters(state, seconds, file, folder.path / "copy.jps");
}

void openPlayFile(benchmark::State& state)
{
    BenchFolder folder;
    const fs::path file = folder.path / "game.jps";
    if (!saveBoardOnce(state, file))
        return;
    const double seconds = secondsPerIteration(state, [&] {
        std::vector<std::uint8_t> bytes;
        readWholeFile(file, bytes, playfile::maxFileLength);
        benchmark::DoNotOptimize(loadPlayFileBytes(bytes));
    });
    setCounters(state, seconds, file, folder.path / "copy.jps");
}

}  // namespace

BENCHMARK(savePlayFile)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(openPlayFile)->Unit(benchmark::kMillisecond)->MinTime(1.0);
