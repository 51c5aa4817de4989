// Puzzles from the player's pictures: making and building 1000 pieces from a 4000 x 3000 JPEG
// against decoding it, and a drag step of a 500-piece group against copying its bounding box.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/board_scene.h"
#include "board/group_layout.h"
#include "board/render.h"
#include "board/surfaces.h"
#include "maker/make.h"
#include "maker/size_choices.h"
#include "platform/files.h"
#include "platform/headless/headless.h"
#include "platform/jpeg.h"
#include "platform/picture_file.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"

namespace {

namespace fs = std::filesystem;

struct BenchFolder {
    fs::path path =
        fs::temp_directory_path() / ("velmora-bench-pictures-" + std::to_string(getpid()));
    BenchFolder() { fs::create_directories(path); }
    ~BenchFolder() { fs::remove_all(path); }
};

// A 4000 x 3000 photograph-like JPEG: smooth colour fields with fine grain.
fs::path writePhotograph(const fs::path& folder)
{
    const int width = 4000;
    const int height = 3000;
    std::vector<std::uint8_t> bgr(static_cast<std::size_t>(width) * height * 3);
    std::uint32_t noise = 1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            noise = noise * 1103515245u + 12345u;
            std::uint8_t* pixel = &bgr[(static_cast<std::size_t>(y) * width + x) * 3];
            const int grain = static_cast<int>((noise >> 16) & 15);
            pixel[0] = static_cast<std::uint8_t>((x * 255 / width + grain) & 0xFF);
            pixel[1] = static_cast<std::uint8_t>((y * 255 / height + grain) & 0xFF);
            pixel[2] = static_cast<std::uint8_t>(((x + y) * 255 / (width + height)) ^ grain);
        }
    const fs::path path = folder / "photograph.jpg";
    replaceFileContents(
        path.string(),
        [&](const FileTransfer& transfer) {
            return writeJpeg(transfer, bgr.data(), width, height,
                             static_cast<std::size_t>(width) * 3);
        },
        false);
    return path;
}

RgbImage decode(const fs::path& path)
{
    RgbImage picture;
    PictureError error;
    readPictureFile(path, picture, error);
    return picture;
}

// The made puzzle with the largest choice for the picture at or below `pieces`, built.
bool buildMadePuzzle(const RgbImage& picture, int pieces)
{
    SizeChoice chosen;
    for (const SizeChoice& choice : sizeChoices(picture.width, picture.height))
        if (choice.pieces() <= pieces)
            chosen = choice;
    return buildPuzzleFrom(makePuzzleResource(
        picture, geometryForChoice(chosen, picture.width, picture.height), "bench", 1));
}

void makeAndBuildThousandPieces(benchmark::State& state)
{
    BenchFolder folder;
    const fs::path jpeg = writePhotograph(folder.path);
    setUpBenchmarkBoard();
    const double decodeSeconds = secondsPerCall([&] { benchmark::DoNotOptimize(decode(jpeg)); });
    const double seconds = secondsPerIteration(state, [&] {
        benchmark::DoNotOptimize(buildMadePuzzle(decode(jpeg), 1000));
    });
    state.counters["ratio_to_decoding"] = seconds / decodeSeconds;
    state.counters["pieces"] = getPieceCount();
}

// Copies the bounding box of the group laid out around piece 0 at (x, y), row by row.
void copyBoundingBox(int x, int y, Surface& window)
{
    const int size = getPieceSize();
    int left = window.width, top = window.height, right = 0, bottom = 0;
    for (int column = 0; column < getColumns(); ++column)
        for (int row = 0; row < getRows(); ++row) {
            const Point at = groupLayout(x, y, 0, column, row);
            left = std::max(0, std::min(left, at.x));
            top = std::max(0, std::min(top, at.y));
            right = std::min(window.width, std::max(right, at.x + size));
            bottom = std::min(window.height, std::max(bottom, at.y + size));
        }
    const Surface& board = boardSurface();
    for (int line = top; line < bottom; ++line)
        std::memcpy(&window.pixels[line * window.width + left],
                    &board.pixels[line * board.width + left],
                    (right - left) * sizeof(std::uint32_t));
}

void dragFiveHundredPieceGroup(benchmark::State& state)
{
    BenchFolder folder;
    setUpBenchmarkBoard();
    buildMadePuzzle(decode(writePhotograph(folder.path)), 500);
    joinWholePuzzle(100, 60);
    Surface& window = windowSurface();
    const double copySeconds = secondsPerCall([&] { copyBoundingBox(100, 60, window); });
    int step = 0;
    const double seconds = secondsPerIteration(state, [&] {
        const int from = 100 + 7 * (step % 2);
        const int to = 100 + 7 * ((step + 1) % 2);
        restoreGroup(from, 60, window, 0);
        drawGroup(to, 60, 0, window);
        ++step;
    });
    state.counters["ratio_to_box_copy"] = seconds / copySeconds;
    state.counters["members"] = getPieceCount();
}

}  // namespace

BENCHMARK(makeAndBuildThousandPieces)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(dragFiveHundredPieceGroup)->Unit(benchmark::kMicrosecond);
