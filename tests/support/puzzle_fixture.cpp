// Test helpers: a fresh headless game and hand-made puzzle resources.
#include "puzzle_fixture.h"

#include <algorithm>
#include <cstring>

#include "app/window_proc.h"
#include "board/surfaces.h"
#include "platform/dib_format.h"
#include "platform/headless/headless.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"

namespace {

Surface testPictureSurface;
Surface testLabelSurface;

std::intptr_t ignoreMessages(Window*, unsigned, std::uintptr_t, std::intptr_t) { return 0; }

void put(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// Appends a file header and an info header for an image of `bits` bits a pixel.
void appendHeaders(std::vector<std::uint8_t>& out, int width, int height, int bits,
                   std::uint32_t pixelOffset, std::uint32_t imageSize)
{
    const std::size_t at = out.size();
    out.resize(at + bitmapFileHeaderSize + bitmapInfoHeaderSize, 0);
    writeFileHeader(out.data() + at, pixelOffset + imageSize, pixelOffset);
    writeInfoHeader(out.data() + at + bitmapFileHeaderSize, width, height, bits, imageSize);
}

}  // namespace

void startHeadlessGame()
{
    headless::reset();
    resetGameState();
    fillNeighbourSteps();
    setMainWindow(createMainWindow("VELMORA", 0, 0, 1000, 700, 113, 118, ignoreMessages));
    setPictureSurface(&testPictureSurface);
    setLabelSurface(&testLabelSurface);
    setPuzzleNumber(2);
}

void startEmbeddedGame(int clientWidth, int clientHeight)
{
    headless::reset();
    createDrawingSurfaces();
    fillNeighbourSteps();
    setMainWindow(createMainWindow("VELMORA", 0, 0, clientWidth, clientHeight, 113, 118,
                                   mainWindowProc));
    setPuzzleNumber(2);
    buildPuzzle();
    headless::pumpMessages();
}

Colour labelPaletteColour(int index)
{
    static const Colour palette[16] = {
        0x000000, 0x3050E0, 0x40C040, 0xE08030, 0xC040C0, 0x101010, 0x202020, 0x303030,
        0x404040, 0x505050, 0x606060, 0x707070, 0x808080, 0x909090, 0xA0A0A0, 0xFFFFFF};
    return palette[index & 15];
}

int squareCellLabel(const SyntheticPuzzle& puzzle, int x, int y)
{
    const int step = puzzle.core + puzzle.margin;
    const int half = puzzle.margin / 2;
    const int width = step * puzzle.columns + puzzle.margin;
    const int height = step * puzzle.rows + puzzle.margin;
    if (x < half || y < half || x >= width - half || y >= height - half)
        return 15;
    const int c = std::min((x - half) / step, puzzle.columns - 1);
    const int r = std::min((y - half) / step, puzzle.rows - 1);
    return 1 + (c % 2) + 2 * (r % 2);
}

Colour gradientPicture(int x, int y)
{
    return makeColour(x & 0xFF, y & 0xFF, ((x >> 8) * 16 + (y >> 8) * 64 + 7) & 0xFF);
}

std::vector<std::uint8_t> makePuzzleResource(const SyntheticPuzzle& puzzle)
{
    const int step = puzzle.core + puzzle.margin;
    const int width = step * puzzle.columns + puzzle.margin;
    const int height = step * puzzle.rows + puzzle.margin;
    std::vector<std::uint8_t> out(6400, 0);
    put(out, 0, static_cast<std::uint32_t>(puzzle.columns), 4);
    put(out, 4, static_cast<std::uint32_t>(puzzle.rows), 4);
    put(out, 8, static_cast<std::uint32_t>(puzzle.core), 4);
    put(out, 12, static_cast<std::uint32_t>(puzzle.margin), 4);
    put(out, 16, static_cast<std::uint32_t>(puzzle.format), 4);
    std::memset(out.data() + 20, ' ', 111);
    std::memcpy(out.data() + 131, "   TEST", 7);
    out[353] = 1;
    out[354] = static_cast<std::uint8_t>(puzzle.included);
    out[355] = static_cast<std::uint8_t>(puzzle.layoutClass);

    auto labelAtPixel = [&](int x, int y) {
        return puzzle.label ? puzzle.label(x, y) : squareCellLabel(puzzle, x, y);
    };
    auto pictureAtPixel = [&](int x, int y) {
        return puzzle.picture ? puzzle.picture(x, y) : gradientPicture(x, y);
    };

    const std::uint32_t pictureBytes = static_cast<std::uint32_t>(width * height * 3);
    appendHeaders(out, width, height, 24, 54, pictureBytes);
    for (int y = height - 1; y >= 0; --y)
        for (int x = 0; x < width; ++x) {
            const Colour colour = pictureAtPixel(x, y);
            out.push_back(static_cast<std::uint8_t>(colour >> 16));
            out.push_back(static_cast<std::uint8_t>(colour >> 8));
            out.push_back(static_cast<std::uint8_t>(colour));
        }

    const std::size_t rowBytes = ((static_cast<std::size_t>(width) + 1) / 2 + 3) / 4 * 4;
    appendHeaders(out, width, height, 4, 118, static_cast<std::uint32_t>(rowBytes * height));
    for (int i = 0; i < 16; ++i) {
        const Colour colour = labelPaletteColour(i);
        out.push_back(static_cast<std::uint8_t>(colour >> 16));
        out.push_back(static_cast<std::uint8_t>(colour >> 8));
        out.push_back(static_cast<std::uint8_t>(colour));
        out.push_back(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(rowBytes, 0);
        for (int x = 0; x < width; ++x) {
            const int index = labelAtPixel(x, y) & 15;
            row[x / 2] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}
