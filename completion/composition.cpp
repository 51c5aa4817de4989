// The finished picture on off-screen canvases: the picture halftone-shrunk when glued, else
// the pieces' own images laid in place (silhouette OR, then sheet AND); a panel is its mask
// stretched with OR, then its frame with AND, over the puzzle area.
#include "completion/composition.h"

#include <array>

#include "platform/dib_format.h"
#include "platform/resources.h"
#include "puzzle/state.h"

namespace {

constexpr Colour black = makeColour(0, 0, 0);
constexpr Colour white = makeColour(255, 255, 255);
constexpr std::array panelBitmaps{brownPanelBitmap, blackPanelBitmap, goldPanelBitmap};

// The whole picture, outer margin included, shrunk into the puzzle area without seams.
void drawGluedPicture(Surface& finishedCanvas)
{
    drawDib(finishedCanvas, puzzleAreaOffset(), puzzleAreaOffset(), finishedWidth(),
            finishedHeight(), getPictureDib(), getPictureBits(), 0, 0, getPictureWidth(),
            getPictureHeight(), RasterOp::copy, StretchMode::halftone);
}

// Each piece's unturned image at its home place: its silhouette turns its shape white, its
// sheet box then paints the shape and leaves the white around it to the neighbours.
void layPieces(Surface& finishedCanvas, Surface& assemblyCanvas)
{
    const int size = getPieceSize();
    for (int k = 0; k < getPieceCount(); ++k) {
        const int column = k % getColumns();
        const int row = k / getColumns();
        const int x = getCellStep() * column;
        const int y = getCellStep() * row;
        // Boxes lie column x size from the left and row x size from the top; bottom-up
        // images count the source y from their bottom edge.
        const int sourceX = column * size;
        const int sourceY = (getRows() - 1 - row) * size;
        drawDib(assemblyCanvas, x, y, size, size, getPieceMask(), getPieceMaskBits(), sourceX,
                sourceY, size, size, RasterOp::paint);
        drawDib(assemblyCanvas, x, y, size, size, getPieceSheet1(), getPieceSheetBits1(),
                sourceX, sourceY, size, size, RasterOp::mask);
    }
    copyRect(finishedCanvas, 0, 0, assemblyCanvas.width, assemblyCanvas.height, assemblyCanvas,
             0, 0, RasterOp::copy);
}

// Loads a bitmap resource into a surface of its own size; false when the program lacks it or
// its bytes do not hold the rows its header promises.
bool loadBitmap(int number, Surface& surface)
{
    const auto bytes = findResource("BITMAP", number);
    if (bytes.size() < bitmapInfoHeaderSize)
        return false;
    const DibInfo info = readInfoHeader(bytes.data());
    const int height = info.height < 0 ? -info.height : info.height;
    const std::size_t rowBytes =
        ((static_cast<std::size_t>(info.width) * static_cast<std::size_t>(info.bitCount) + 31) /
         32) * 4;
    if (info.width <= 0 || height == 0 ||
        dibPixelOffset(bytes.data()) + rowBytes * static_cast<std::size_t>(height) > bytes.size())
        return false;
    resizeSurface(surface, info.width, height, black);
    return drawDib(surface, 0, 0, info.width, height, bytes.data(),
                   bytes.data() + dibPixelOffset(bytes.data()), 0, 0, info.width, height,
                   RasterOp::copy) != 0;
}

// The frame over the outer band of the puzzle area, scaled with it.
void framePicture(Surface& finishedCanvas, int panelBitmap, StretchMode mode)
{
    Surface mask;
    Surface panel;
    if (!loadBitmap(panelMaskBitmap, mask) || !loadBitmap(panelBitmap, panel))
        return;
    const int area = puzzleAreaOffset();
    stretchRect(finishedCanvas, area, area, finishedWidth(), finishedHeight(), mask, 0, 0,
                mask.width, mask.height, mode, RasterOp::paint);
    stretchRect(finishedCanvas, area, area, finishedWidth(), finishedHeight(), panel, 0, 0,
                panel.width, panel.height, mode, RasterOp::mask);
}

}  // namespace

int finishedWidth()
{
    return getCellStep() * getColumns();
}

int finishedHeight()
{
    return getCellStep() * getRows();
}

int puzzleAreaOffset()
{
    return getPieceMargin() / 2;
}

void composeFinishedCanvas(Surface& finishedCanvas, Surface& assemblyCanvas)
{
    resizeSurface(finishedCanvas, getPictureWidth(), getPictureHeight(), black);
    resizeSurface(assemblyCanvas, getPictureWidth(), getPictureHeight(), white);
    // The canvas stretches halftone once the glued picture has been drawn into it.
    StretchMode mode = StretchMode::plain;
    if (getGlueChoice() == 1) {
        drawGluedPicture(finishedCanvas);
        mode = StretchMode::halftone;
    } else {
        layPieces(finishedCanvas, assemblyCanvas);
    }
    const int panel = getPanelChoice();
    if (panel >= 1 && panel <= static_cast<int>(panelBitmaps.size()))
        framePicture(finishedCanvas, panelBitmaps[static_cast<std::size_t>(panel - 1)], mode);
}
