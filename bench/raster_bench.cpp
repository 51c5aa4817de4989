// The raster's hot path: unscaled 200 x 200 tiles from a 24-bit piece sheet and a 1-bit mask,
// and the preview's halftone reduction of a 440 x 560 picture to a third, each against a plain
// memcpy of the same source bytes measured in the same run.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <random>
#include <vector>

#include "platform/surface.h"

namespace {

constexpr int tileSize = 200;

// A bottom-up DIB of random pixels, as the puzzle maker's sheets and masks are laid out.
struct Sheet {
    int width;
    int height;
    int bitCount;
    std::size_t stride;
    std::vector<std::uint8_t> info;
    std::vector<std::uint8_t> bits;
};

Sheet makeSheet(int width, int height, int bitCount)
{
    Sheet sheet{width, height, bitCount, (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4,
                std::vector<std::uint8_t>(bitCount == 1 ? 48 : 40, 0), {}};
    const auto put = [&](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            sheet.info[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    };
    put(0, 40);
    put(4, static_cast<std::uint32_t>(width));
    put(8, static_cast<std::uint32_t>(height));
    sheet.info[12] = 1;
    sheet.info[14] = static_cast<std::uint8_t>(bitCount);
    if (bitCount == 1)
        put(40, 0x00FFFFFF);  // entry 0 white, entry 1 black
    sheet.bits.resize(sheet.stride * height);
    std::mt19937 random(12345);
    for (auto& byte : sheet.bits)
        byte = static_cast<std::uint8_t>(random());
    return sheet;
}

const Sheet& pieceSheet()
{
    static const Sheet sheet = makeSheet(600, 800, 24);
    return sheet;
}

const Sheet& maskSheet()
{
    static const Sheet sheet = makeSheet(2400, 800, 1);
    return sheet;
}

// Tile (1, 1) of the sheet; for the mask, of its second strip. Returns the source x.
int tileX(const Sheet& sheet)
{
    return sheet.bitCount == 1 ? 600 + tileSize : tileSize;
}

// The baseline: the tile's source bytes, row by row, into a plain buffer.
void copyTileBytes(const Sheet& sheet, std::uint8_t* out)
{
    const std::size_t rowBytes = static_cast<std::size_t>(tileSize) * sheet.bitCount / 8;
    const std::size_t firstByte = static_cast<std::size_t>(tileX(sheet)) * sheet.bitCount / 8;
    for (int row = 0; row < tileSize; ++row)
        std::memcpy(out + row * rowBytes,
                    &sheet.bits[(sheet.height - 2 * tileSize + row) * sheet.stride + firstByte],
                    rowBytes);
}

void drawTile(const Sheet& sheet, Surface& tile)
{
    drawDib(tile, 0, 0, tileSize, tileSize, sheet.info.data(), sheet.bits.data(), tileX(sheet),
            sheet.height - 2 * tileSize, tileSize, tileSize, RasterOp::copy);
}

// Nanoseconds per call of `body`, timed over about 50 ms.
template <class Body>
double nanosecondsPerCall(Body&& body)
{
    using Clock = std::chrono::steady_clock;
    long calls = 0;
    const auto start = Clock::now();
    auto now = start;
    while (now - start < std::chrono::milliseconds(50)) {
        for (int i = 0; i < 100; ++i)
            body();
        calls += 100;
        now = Clock::now();
    }
    return std::chrono::duration<double, std::nano>(now - start).count() / calls;
}

void baseline(benchmark::State& state, const Sheet& sheet)
{
    std::vector<std::uint8_t> buffer(tileSize * tileSize * 3);
    for (auto _ : state) {
        copyTileBytes(sheet, buffer.data());
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * tileSize * tileSize * sheet.bitCount / 8);
}

// `draw`, with its time per call as a multiple of `copy`'s, both timed in this run.
template <class Copy, class Draw>
void ratioToMemcpy(benchmark::State& state, Copy&& copy, Draw&& draw)
{
    const double copyTime = nanosecondsPerCall(copy);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        draw();
    const double drawTime =
        std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start)
            .count() /
        static_cast<double>(state.iterations());
    state.counters["memcpy_ns"] = copyTime;
    state.counters["ratio_to_memcpy"] = drawTime / copyTime;
}

void tile(benchmark::State& state, const Sheet& sheet)
{
    Surface surface;
    resizeSurface(surface, 2 * tileSize, 2 * tileSize, 0);
    std::vector<std::uint8_t> buffer(tileSize * tileSize * 3);
    ratioToMemcpy(
        state,
        [&] {
            copyTileBytes(sheet, buffer.data());
            benchmark::DoNotOptimize(buffer.data());
            benchmark::ClobberMemory();
        },
        [&] {
            drawTile(sheet, surface);
            benchmark::DoNotOptimize(surface.pixels.data());
            benchmark::ClobberMemory();
        });
}

void BM_drawDibTile24_baseline(benchmark::State& state)
{
    baseline(state, pieceSheet());
}

void BM_drawDibTile24(benchmark::State& state)
{
    tile(state, pieceSheet());
}

void BM_drawDibTileMask1_baseline(benchmark::State& state)
{
    baseline(state, maskSheet());
}

void BM_drawDibTileMask1(benchmark::State& state)
{
    tile(state, maskSheet());
}

const Sheet& picture()
{
    static const Sheet sheet = makeSheet(440, 560, 24);
    return sheet;
}

// The whole picture at 50/150 of its size with halftone stretching, as the preview paints it,
// against a memcpy of the picture's bytes.
void BM_halftonePreview(benchmark::State& state)
{
    const Sheet& sheet = picture();
    const int width = sheet.width * 50 / 150;
    const int height = sheet.height * 50 / 150;
    Surface surface;
    resizeSurface(surface, width, height, 0);
    std::vector<std::uint8_t> buffer(sheet.bits.size());
    ratioToMemcpy(
        state,
        [&] {
            std::memcpy(buffer.data(), sheet.bits.data(), buffer.size());
            benchmark::DoNotOptimize(buffer.data());
            benchmark::ClobberMemory();
        },
        [&] {
            drawDib(surface, 0, 0, width, height, sheet.info.data(), sheet.bits.data(), 0, 0,
                    sheet.width, sheet.height, RasterOp::copy, StretchMode::halftone);
            benchmark::DoNotOptimize(surface.pixels.data());
            benchmark::ClobberMemory();
        });
}

}  // namespace

BENCHMARK(BM_drawDibTile24_baseline);
BENCHMARK(BM_drawDibTile24);
BENCHMARK(BM_drawDibTileMask1_baseline);
BENCHMARK(BM_drawDibTileMask1);
BENCHMARK(BM_halftonePreview);
