// Builds a puzzle: reads its resource, cuts the pieces and scatters them on the board.
#include "puzzle/construction.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "settings/settings.h"
#include "platform/dialogs.h"
#include "platform/dib_format.h"
#include "platform/resources.h"
#include "platform/surface.h"
#include "platform/system.h"
#include "platform/window.h"
#include "puzzle/board_extent.h"
#include "puzzle/cutting.h"
#include "puzzle/image_headers.h"
#include "puzzle/preview_placement.h"
#include "puzzle/progress_dialog.h"
#include "puzzle/puzzle_resource.h"
#include "puzzle/state.h"

namespace {

constexpr int firstPuzzleResource = 162;

void readHeader(const PuzzleResource& puzzle)
{
    setColumns(puzzle.columns);
    setRows(puzzle.rows);
    setPieceCore(puzzle.pieceCore);
    setPieceMargin(puzzle.pieceMargin);
    setPictureFormat(puzzle.pictureFormat);
    installMessageLines(puzzle.header.data() + puzzleMessageLinesAt);
    setPuzzleTag(puzzle.header[353]);
    setPictureIncluded(puzzle.pictureIncluded);
    setLayoutClass(puzzle.layoutClass);
    setPieceSize(calcPieceSize());
    const int pad = maskRowPadForLayoutClass(getLayoutClass());
    if (pad >= 0)
        setMaskRowPad(pad);
}

// Copies the picture into its own block and finds its pixel rows.
void loadPicture(const PuzzleResource& puzzle)
{
    std::memcpy(pictureFileHeader(), puzzle.pictureFileHeader.data(), bitmapFileHeaderSize);
    std::uint8_t* dib = allocateImageBlock(puzzle.pictureImage.size(), false);
    std::memcpy(dib, puzzle.pictureImage.data(), puzzle.pictureImage.size());
    setPictureDib(dib);
    setPictureBits(dib + dibPixelOffset(dib));
}

// Draws a DIB 1:1 onto a surface sized to the picture.
void drawWhole(Surface& surface, const std::uint8_t* dib)
{
    const int width = getPictureWidth();
    const int height = getPictureHeight();
    resizeSurface(surface, width, height, 0);
    drawDib(surface, 0, 0, width, height, dib, dib + dibPixelOffset(dib), 0, 0, width, height,
            RasterOp::copy);
}

void makeSheetsAndMask()
{
    const int sheetWidth = getSheetWidth();
    const int sheetHeight = getSheetHeight();
    const std::uint32_t pixelBytes = static_cast<std::uint32_t>(sheetWidth) *
                                     static_cast<std::uint32_t>(sheetHeight) * 3;
    for (int rotation = 1; rotation <= 4; ++rotation) {
        std::uint8_t* sheet = allocateImageBlock(40 + pixelBytes, true);
        writeInfoHeader(sheet, sheetWidth, sheetHeight, 24, pixelBytes);
        std::memset(sheet + 40, 255, pixelBytes);
        switch (rotation) {
        case 1: setPieceSheet1(sheet); setPieceSheetBits1(sheet + 40); break;
        case 2: setPieceSheet2(sheet); setPieceSheetBits2(sheet + 40); break;
        case 3: setPieceSheet3(sheet); setPieceSheetBits3(sheet + 40); break;
        default: setPieceSheet4(sheet); setPieceSheetBits4(sheet + 40); break;
        }
        // The palette term is 4 x 2^24 although the sheets have no palette; play files
        // carry these headers as they are.
        writeFileHeader(sheetFileHeader(rotation), pixelBytes + 67108918u, 67108918u);
    }
    const std::size_t maskSize = maskBlockSize();
    std::uint8_t* mask = allocateImageBlock(maskSize, true);
    writeInfoHeader(mask, 4 * sheetWidth, sheetHeight, 1, pixelBytes * 4 / 3);
    const std::uint8_t palette[8] = {255, 255, 255, 0, 0, 0, 0, 0};
    std::memcpy(mask + 40, palette, sizeof palette);
    std::memset(mask + 48, 0xFF, maskSize - 48);
    setPieceMask(mask);
    setPieceMaskBits(mask + 48);
    writeFileHeader(maskFileHeader(), pixelBytes + 62, 62);
}

// A memory surface without a bitmap of its own, as at start-up: a single pixel.
void releaseConstructionSurface(Surface& surface)
{
    surface = Surface{};
    resizeSurface(surface, 1, 1, 0);
}

// Reads the picture and the label into the pixel tables; the two surfaces, needed for nothing
// else, give their memory back.
void readPixelTables()
{
    const int width = getPictureWidth();
    const int height = getPictureHeight();
    releasePixelTables();
    const std::size_t entries = static_cast<std::size_t>(width + 1) * (height + 1) + 1;
    int* const colours = new int[entries]();
    int* const labels = new int[entries]();
    setPicturePixels(colours);
    setLabelPixels(labels);
    Surface& picture = *getPictureSurface();
    Surface& label = *getLabelSurface();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            colours[x + y * width] = static_cast<int>(pixelAt(picture, x, y));
            labels[x + y * width] = static_cast<int>(pixelAt(label, x, y));
        }
    releaseConstructionSurface(picture);
    releaseConstructionSurface(label);
}

void cutAllPieces()
{
    Window* progress = createModelessDialog(progressDialogId, getMainWindow(), progressDialogProc, 0);
    readPixelTables();
    sendDlgItemMessage(progress, progressBarId, PBM_SETRANGE, 0, makeRangeParam(0, getPieceCount()));
    sendDlgItemMessage(progress, progressBarId, PBM_SETSTEP, 1, 0);
    for (int r = 0; r < getRows(); ++r)
        for (int c = 0; c < getColumns(); ++c) {
            sendDlgItemMessage(progress, progressBarId, PBM_STEPIT, 0, 0);
            cutPiece(c, r);
            setSheetFormat(2);
        }
    destroyWindow(progress);
}

void shuffleRotationsAndSlots()
{
    seedRandom(static_cast<std::uint32_t>(timeOfDaySeconds()));
    const int count = getPieceCount();
    for (int k = 0; k < pieceTableSize; ++k) {
        setPieceSpare(0, k);
        setSlotPiece(0, k);
        setPieceRotation(0, k);
    }
    for (int k = 0; k < count; ++k)
        setSlotPiece(k, k);
    for (int k = 0; k < count; ++k)
        setPieceRotation(1 + nextRandom() % 4, k);
    for (int n = 0; n < count; ++n) {
        const int i = nextRandom() % count;
        const int j = nextRandom() % count;
        const int swapped = getSlotPiece(i);
        setSlotPiece(getSlotPiece(j), i);
        setSlotPiece(swapped, j);
    }
}

// Every piece starts as a group of its own.
void separateAllPieces()
{
    for (int k = 0; k < getPieceCount(); ++k)
        for (int c = 0; c < getColumns(); ++c)
            for (int r = 0; r < getRows(); ++r)
                groupCells(k)[c][r] = r * getColumns() + c == k ? 1 : 0;
}

void scatterPieces()
{
    seedRandom(static_cast<std::uint32_t>(timeOfDaySeconds()));
    setPieceHeld(0);
    const int size = getPieceSize();
    const ScatterArea area = scatterArea();
    for (int r = 0; r < getRows(); ++r)
        for (int c = 0; c < getColumns(); ++c) {
            const int k = r * getColumns() + c;
            cellShuffle(c, r) = k;
            cellFlag(c, r) = 1;
            zLevel(c, r) = k;
            zOrderColumn(k) = c;
            zOrderRow(k) = r;
            const int x = nextRandom() % area.width + area.right;
            const int y = nextRandom() % area.height + area.bottom;
            pieceRect(c, r) = {x - size, y - size, x, y};
        }
    for (int n = 0; n < 201; ++n) {
        const int a = nextRandom() % 13;
        const int b = nextRandom() % 4;
        const int a2 = nextRandom() % 13;
        const int b2 = nextRandom() % 4;
        const int swapped = cellShuffle(a, b);
        cellShuffle(a, b) = cellShuffle(a2, b2);
        cellShuffle(a2, b2) = swapped;
    }
}

}  // namespace

std::span<const std::uint8_t> seriesPuzzleResource(int number)
{
    if (number < firstSeriesPuzzleNumber || number > lastSeriesPuzzleNumber)
        return {};
    return findResource("JZT", firstPuzzleResource + number);
}

void buildPuzzle()
{
    if (buildPuzzleFrom(seriesPuzzleResource(getPuzzleNumber())))
        setMadePuzzle(0);
}

bool buildPuzzleFrom(std::span<const std::uint8_t> bytes, bool tellUnreadable)
{
    setBuildInProgress(1);
    const std::optional<PuzzleResource> puzzle = readPuzzleResource(bytes, getMaskRowPad());
    if (!puzzle) {
        // Nothing has been touched yet: the puzzle in play stays as it was.
        if (tellUnreadable)
            messageBox(getMainWindow(), readFailureText);
        setBuildInProgress(0);
        return false;
    }

    clearBoardTables();
    releaseImageBlocks();
    readHeader(*puzzle);
    loadPicture(*puzzle);
    // The label is only needed while the pieces are cut.
    std::vector<std::uint8_t> label(puzzle->labelImage.begin(), puzzle->labelImage.end());
    drawWhole(*getPictureSurface(), getPictureDib());
    drawWhole(*getLabelSurface(), label.data());
    makeSheetsAndMask();
    cutAllPieces();
    scatterPuzzleAfresh();
    if (getPreviewShown() == 1)
        placePreviewWindow();
    setBuildInProgress(0);
    return true;
}

void scatterPuzzleAfresh()
{
    shuffleRotationsAndSlots();
    separateAllPieces();
    scatterPieces();
    setSpareHeaderValue(0);
    setStartTick(tickCount());
    setElapsedSeconds(0);
    setGlueChoice(0);
    setPanelChoice(0);
    noteNewLayout();
    invalidateWindow(getMainWindow(), false);
}

ScatterArea scatterArea()
{
    ScatterArea area;
    const int count = getPieceCount();
    if (count <= 12)
        return area;
    const int size = getPieceSize();
    const double cells = 3.0 * count * getCellStep() * getCellStep();
    const int wantedWidth = static_cast<int>(std::sqrt(cells * 5 / 3));
    const int wantedHeight = static_cast<int>(std::sqrt(cells * 3 / 5));
    // The heap lies in the window while the assembled picture would fit there, and otherwise
    // spreads over the board.
    const Rect client = getClientRect(getMainWindow());
    int roomWidth = client.right - client.left - size - 20;
    int roomHeight = client.bottom - client.top - size - 20;
    if (getPictureWidth() > client.right - client.left ||
        getPictureHeight() > client.bottom - client.top) {
        const BoardExtent board = boardExtent();
        roomWidth = board.width - size - 20;
        roomHeight = board.height - size - 20;
    }
    area.width = std::max(500, std::min(roomWidth, wantedWidth));
    area.height = std::max(300, std::min(roomHeight, wantedHeight));
    area.right = size + 10 + std::max(0, (roomWidth - area.width) / 2);
    area.bottom = size + 10 + std::max(0, (roomHeight - area.height) / 2);
    return area;
}
