// A small hand-made puzzle state for board and play tests.
#include "tests/support/synthetic_puzzle.h"

#include <cstdint>
#include <cstring>

#include "settings/settings.h"
#include "app/window_proc.h"
#include "board/surfaces.h"
#include "platform/dib_format.h"
#include "platform/headless/headless.h"
#include "platform/window.h"
#include "puzzle/board_extent.h"
#include "puzzle/image_headers.h"
#include "puzzle/state.h"

namespace testing_support {

namespace {

void buildSheet(int rotation)
{
    const int size = getPieceSize();
    const int width = getSheetWidth();
    const int height = getSheetHeight();
    const int stride = (width * 3 + 3) & ~3;
    std::uint8_t* block =
        allocateImageBlock(bitmapInfoHeaderSize + static_cast<std::size_t>(stride) * height, true);
    writeInfoHeader(block, width, height, 24, static_cast<std::uint32_t>(stride * height));
    std::uint8_t* bits = block + bitmapInfoHeaderSize;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int k = (y / size) * getColumns() + x / size;
            const bool inside =
                syntheticOutlineCovers(x % size, y % size, size, getPieceMargin(), rotation);
            const Colour colour = inside ? syntheticPieceColour(k, rotation) : 0xFFFFFFu;
            std::uint8_t* pixel = bits + static_cast<std::size_t>(height - 1 - y) * stride + 3 * x;
            pixel[0] = static_cast<std::uint8_t>(colour >> 16);
            pixel[1] = static_cast<std::uint8_t>(colour >> 8);
            pixel[2] = static_cast<std::uint8_t>(colour);
        }
    switch (rotation) {
    case 1: setPieceSheet1(block); setPieceSheetBits1(bits); break;
    case 2: setPieceSheet2(block); setPieceSheetBits2(bits); break;
    case 3: setPieceSheet3(block); setPieceSheetBits3(bits); break;
    default: setPieceSheet4(block); setPieceSheetBits4(bits); break;
    }
}

void buildMask()
{
    const int size = getPieceSize();
    const int sheetWidth = getSheetWidth();
    const int width = 4 * sheetWidth;
    const int height = getSheetHeight();
    const int stride = (width + 31) / 32 * 4;
    const int paletteSize = 8;
    setMaskRowPad(2 * stride - sheetWidth);
    // As large as construction makes it: at least what a play file carries of it.
    std::uint8_t* block = allocateImageBlock(maskBlockSize(), true);
    writeInfoHeader(block, width, height, 1, static_cast<std::uint32_t>(stride * height), 2);
    std::uint8_t* palette = block + bitmapInfoHeaderSize;
    palette[4] = palette[5] = palette[6] = 0xFF;  // entry 1 white, entry 0 black
    std::uint8_t* bits = palette + paletteSize;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int rotation = x / sheetWidth + 1;
            const int inBlock = x % sheetWidth;
            if (syntheticOutlineCovers(inBlock % size, y % size, size, getPieceMargin(),
                                       rotation))
                bits[static_cast<std::size_t>(height - 1 - y) * stride + x / 8] |=
                    static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
    setPieceMask(block);
    setPieceMaskBits(bits);
}

}  // namespace

Colour syntheticPieceColour(int k, int rotation)
{
    return makeColour(10 + (k * 7) % 240, 40 * rotation, 90);
}

bool syntheticOutlineCovers(int x, int y, int size, int margin, int rotation)
{
    // Undo the clockwise quarter turns: a turned tile shows at (x, y) what the unturned
    // tile shows at (y, size - 1 - x).
    for (int turn = 1; turn < rotation; ++turn) {
        const int unturnedX = y;
        y = size - 1 - x;
        x = unturnedX;
    }
    const int inset = margin / 2;
    const bool inSquare = x >= inset && x < size - inset && y >= inset && y < size - inset;
    const bool inTabRows = y >= size / 2 - margin / 4 && y < size / 2 + margin / 4;
    const bool inTab = inTabRows && x >= size - inset && x < size - 1;
    // The notch on the left takes exactly the left-hand neighbour's tab, so joined pieces
    // interlock without overlapping, as cut pieces do.
    const bool inNotch = inTabRows && x >= inset && x < 2 * inset - 1;
    return (inSquare && !inNotch) || inTab;
}

Point spacedPosition(int k)
{
    const int pitch = getPieceSize() * 3 / 2;
    return {10 + (k % getColumns()) * pitch, 10 + (k / getColumns()) * pitch};
}

void placePiece(int k, int left, int top)
{
    pieceRect(k % getColumns(), k / getColumns()) = {left, top, left + getPieceSize(),
                                                     top + getPieceSize()};
}

void buildSyntheticPuzzle(const SyntheticGeometry& geometry)
{
    const int puzzleNumber = getPuzzleNumber();
    resetGameState();
    setPuzzleNumber(puzzleNumber);
    setColumns(geometry.columns);
    setRows(geometry.rows);
    setPieceCore(geometry.pieceCore);
    setPieceMargin(geometry.pieceMargin);
    setPieceSize(calcPieceSize());
    setSheetFormat(2);
    for (int rotation = 1; rotation <= 4; ++rotation)
        buildSheet(rotation);
    buildMask();
    for (int k = 0; k < getPieceCount(); ++k) {
        const int column = k % getColumns();
        const int row = k / getColumns();
        zLevel(column, row) = k;
        zOrderColumn(k) = column;
        zOrderRow(k) = row;
        groupCells(k)[column][row] = 1;
        setPieceRotation(1, k);
        const Point at = spacedPosition(k);
        placePiece(k, at.x, at.y);
    }
    fillNeighbourSteps();
    noteNewLayout();
}

void setUpBoard(const SyntheticGeometry& geometry)
{
    headless::reset();
    createDrawingSurfaces();
    Window* window =
        createMainWindow("VELMORA", 0, 0, 1000, 700, 113, 118, mainWindowProc);
    setMainWindow(window);
    setBackgroundColor(makeColour(0, 128, 128));
    setSoundOn(1);
    setPuzzleNumber(2);
    buildSyntheticPuzzle(geometry);
    headless::clearEvents();
}

}  // namespace testing_support
