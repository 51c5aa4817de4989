// The board zoomed with made puzzles of 500 and 1000 pieces: a frame of the 1000-piece board in
// a 2560 x 1440 window against copying the window's pixels with memcpy, a zoom command to its
// painted frame against a halftone pass of the area it shows, caching a level's piece tiles
// against one halftone reduction of the assembled picture to that level, and a drag step of a
// 500-piece group at 50 % against copying its members' boxes with memcpy.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>

#include "app/view_control.h"
#include "bench/board_scene.h"
#include "board/group_layout.h"
#include "board/render.h"
#include "board/surfaces.h"
#include "platform/headless/headless.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"
#include "tests/support/made_puzzle.h"
#include "tests/support/puzzle_fixture.h"
#include "view/scaled_tiles.h"
#include "view/view.h"

namespace {

// Builds the paint-brushes picture cut into columns x rows pieces of cell step 48 in a main
// window of the given client size on a screen as large, and paints it once at the view it
// starts with.
void setUpMadeBoard(int columns, int rows, int clientWidth, int clientHeight)
{
    startEmbeddedGame(clientWidth, clientHeight);
    headless::setMonitorWorkAreas({{0, 0, clientWidth, clientHeight}});
    buildPuzzleFrom(
        makeMadePuzzle(VELMORA_PICTURE_DIR "/166-paint-brushes.jpg", columns, rows, 16, 32));
    paintBoard();
}

// The level asked for is the benchmark's argument; the view may show a larger one when the
// whole board fits the window at it (no level below the whole board is offered).
void zoomTo(benchmark::State& state)
{
    zoomViewTo(static_cast<int>(state.range(0)), {0, 0});
    state.counters["percent"] = viewPercent();
}

void paintThousandPiecesZoomed(benchmark::State& state)
{
    setUpMadeBoard(40, 25, 2560, 1440);
    zoomTo(state);
    paintBoard();
    const Surface& window = windowSurface();
    Surface copy;
    resizeSurface(copy, window.width, window.height, 0);
    const double memcpySeconds = secondsPerCall([&] {
        std::memcpy(copy.pixels.data(), window.pixels.data(),
                    copy.pixels.size() * sizeof(std::uint32_t));
        benchmark::ClobberMemory();
    });
    const double paintSeconds = secondsPerIteration(state, paintBoard);
    state.counters["ratio_to_memcpy"] = paintSeconds / memcpySeconds;
    state.counters["pieces"] = getPieceCount();
    state.counters["window_width"] = window.width;
    state.counters["window_height"] = window.height;
}

// The View menu's command of a level (0 for the whole board).
int levelCommand(int percent)
{
    switch (percent) {
    case 0: return wholeBoardCommandId;
    case 100: return actualSizeCommandId;
    case 150: return firstLevelCommandId + 4;
    case 200: return lastLevelCommandId;
    default: return firstLevelCommandId + 3;  // 75 %
    }
}

// From 100 % to the level the benchmark's argument names, the menu command carried out to the
// painted frame, with no piece of that level made before; against a halftone pass over the
// board area the new view shows, from its full size to the window.
void zoomCommandToPaintedFrame(benchmark::State& state)
{
    setUpMadeBoard(40, 25, 2560, 1440);
    const int command = levelCommand(static_cast<int>(state.range(0)));
    runViewCommand(command);
    headless::pumpMessages();
    const Rect client = getClientRect(getMainWindow());
    const Point from = windowToBoard({std::max(0, boardInWindow().left),
                                      std::max(0, boardInWindow().top)});
    const Point to = windowToBoard({std::min(client.right, boardInWindow().right),
                                    std::min(client.bottom, boardInWindow().bottom)});
    Surface shown, window;
    resizeSurface(shown, to.x - from.x, to.y - from.y, 0x406080);
    resizeSurface(window, client.right, client.bottom, 0);
    const double halftoneSeconds = secondsPerCall([&] {
        stretchRect(window, 0, 0, window.width, window.height, shown, 0, 0, shown.width,
                    shown.height, StretchMode::halftone);
        benchmark::ClobberMemory();
    });
    double seconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        runViewCommand(actualSizeCommandId);
        headless::pumpMessages();
        releaseScaledTiles();
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        runViewCommand(command);
        headless::pumpMessages();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    seconds /= static_cast<double>(state.iterations());
    state.counters["milliseconds"] = 1000 * seconds;
    state.counters["ratio_to_halftone"] = seconds / halftoneSeconds;
    state.counters["percent"] = viewPercent();
}

void cacheThousandPieceLevel(benchmark::State& state)
{
    // A window small enough that 25 % is above the level of the whole board.
    setUpMadeBoard(40, 25, 1000, 700);
    zoomTo(state);
    // The assembled picture at full size, as the build draws it from the puzzle's picture.
    const int width = getPictureWidth();
    const int height = getPictureHeight();
    const std::uint8_t* dib = getPictureDib();
    Surface picture;
    resizeSurface(picture, width, height, 0);
    drawDib(picture, 0, 0, width, height, dib, dib + dibPixelOffset(dib), 0, 0, width, height,
            RasterOp::copy);
    Surface reduced;
    const int reducedWidth = windowLength(width);
    const int reducedHeight = windowLength(height);
    resizeSurface(reduced, reducedWidth, reducedHeight, 0);
    const double halftoneSeconds = secondsPerCall([&] {
        stretchRect(reduced, 0, 0, reducedWidth, reducedHeight, picture, 0, 0, width, height,
                    StretchMode::halftone);
        benchmark::ClobberMemory();
    });
    const double cacheSeconds = secondsPerIteration(state, [] {
        releaseScaledTiles();
        for (int k = 0; k < getPieceCount(); ++k)
            benchmark::DoNotOptimize(&scaledPieceTile(k, getPieceRotation(k)));
    });
    state.counters["ratio_to_halftone"] = cacheSeconds / halftoneSeconds;
    state.counters["pieces"] = getPieceCount();
}

constexpr int dragX = 100;
constexpr int dragY = 60;
// 7 window pixels at 50 %.
constexpr int dragSwing = 14;

// Copies every member's window box of the group around piece 0 at (dragX, dragY) from the
// board copy to the window, row by row with memcpy.
void copyMemberBoxes(Surface& window)
{
    const Surface& board = boardSurface();
    const int side = windowLength(getPieceSize());
    for (int column = 0; column < getColumns(); ++column)
        for (int row = 0; row < getRows(); ++row) {
            const Point at = boardToWindow(groupLayout(dragX, dragY, 0, column, row));
            const int left = std::max(0, at.x);
            const int right = std::min({window.width, board.width, at.x + side});
            const int bottom = std::min({window.height, board.height, at.y + side});
            for (int line = std::max(0, at.y); line < bottom && left < right; ++line)
                std::memcpy(&window.pixels[line * window.width + left],
                            &board.pixels[line * board.width + left],
                            (right - left) * sizeof(std::uint32_t));
        }
}

void dragFiveHundredPieceGroupZoomed(benchmark::State& state)
{
    setUpMadeBoard(25, 20, 1000, 700);
    joinWholePuzzle(dragX, dragY);
    zoomTo(state);
    paintBoard();
    Surface& window = windowSurface();
    const double copySeconds = secondsPerCall([&] { copyMemberBoxes(window); });
    int step = 0;
    const double seconds = secondsPerIteration(state, [&] {
        const int from = dragX + dragSwing * (step % 2);
        const int to = dragX + dragSwing * ((step + 1) % 2);
        restoreGroup(from, dragY, window, 0);
        drawGroup(to, dragY, 0, window);
        ++step;
    });
    state.counters["ratio_to_memcpy"] = seconds / copySeconds;
    state.counters["members"] = getPieceCount();
}

}  // namespace

BENCHMARK(paintThousandPiecesZoomed)->Arg(50)->Arg(25)->Unit(benchmark::kMillisecond);
BENCHMARK(zoomCommandToPaintedFrame)
    ->Arg(0)->Arg(75)->Arg(150)->Arg(200)->Arg(100)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(cacheThousandPieceLevel)->Arg(50)->Arg(25)->Unit(benchmark::kMillisecond);
BENCHMARK(dragFiveHundredPieceGroupZoomed)->Arg(50)->Unit(benchmark::kMicrosecond);
