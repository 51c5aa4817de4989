// Cuts pieces along the label regions: sheet pixels, silhouette bits and bevelled outlines.
#include "puzzle/cutting.h"

#include <cstdint>

#include "puzzle/state.h"

namespace {

// The geometry of the piece being cut, fixed for its two passes, with the pixel tables and the
// image bits it reads and writes: the passes work on this copy alone, so that the compiler keeps
// it in registers while bytes are written.
struct PieceCut {
    int size;          // S, the box side
    int tileX;         // tile origin in the sheets
    int tileY;
    int boxX;          // box origin in the picture
    int boxY;
    int label;         // the piece's label colour
    int sheetWidth;
    int sheetHeight;
    int pictureWidth;
    int pictureHeight;
    const int* labels;          // labelPixels
    const int* colours;         // picturePixels
    std::uint8_t* sheets[4];    // where pixel (0, 0) of each rotation's sheet lies
    std::ptrdiff_t sheetStep;   // bytes from sheet row y to row y + 1
    std::uint8_t* mask;         // where mask byte (0, 0) lies
    std::ptrdiff_t maskStep;    // bytes from mask row y to row y + 1
};

struct SheetPoint {
    int x;
    int y;
};

// Where box pixel (p, q) lies in the sheet of each rotation (index 0 = rotation 1).
void rotatedPositions(const PieceCut& cut, int p, int q, SheetPoint out[4])
{
    const int s = cut.size;
    out[0] = {cut.tileX + p, cut.tileY + q};
    out[1] = {cut.tileX + s - q, cut.tileY + p};
    out[2] = {cut.tileX + s - p, cut.tileY + s - q};
    out[3] = {cut.tileX + q, cut.tileY + s - p};
}

bool belongs(const PieceCut& cut, int p, int q)
{
    const int x = cut.boxX + p;
    const int y = cut.boxY + q;
    if (x < 0 || y < 0 || x >= cut.pictureWidth || y >= cut.pictureHeight)
        return false;
    return cut.labels[x + y * cut.pictureWidth] == cut.label;
}

bool insideSheet(const PieceCut& cut, SheetPoint point)
{
    return point.x >= 0 && point.x < cut.sheetWidth && point.y >= 1 && point.y <= cut.sheetHeight;
}

void writeSheetPixel(const PieceCut& cut, int rotation, SheetPoint point, int blue, int green,
                     int red)
{
    std::uint8_t* pixel = cut.sheets[rotation - 1] + 3 * point.x + cut.sheetStep * point.y;
    pixel[0] = static_cast<std::uint8_t>(blue);
    pixel[1] = static_cast<std::uint8_t>(green);
    pixel[2] = static_cast<std::uint8_t>(red);
}

// Paints the outline at box pixel (p, q): one shade per rotation, dropped outside a sheet.
void paintOutline(const PieceCut& cut, int p, int q, const int shades[4])
{
    SheetPoint points[4];
    rotatedPositions(cut, p, q, points);
    for (int i = 0; i < 4; ++i)
        if (insideSheet(cut, points[i]))
            writeSheetPixel(cut, i + 1, points[i], shades[i], shades[i], shades[i]);
}

constexpr int horizontalStart[4] = {outlineLight, outlineLight, outlineDark, outlineDark};
constexpr int horizontalEnd[4] = {outlineDark, outlineDark, outlineLight, outlineLight};
constexpr int verticalStart[4] = {outlineLight, outlineDark, outlineDark, outlineLight};
constexpr int verticalEnd[4] = {outlineDark, outlineLight, outlineLight, outlineDark};

void horizontalPass(const PieceCut cut)
{
    for (int q = 1; q <= cut.size - 1; ++q) {
        bool inside = false;
        for (int p = 1; p <= cut.size - 1; ++p) {
            if (belongs(cut, p, q)) {
                const int colour = cut.colours[cut.boxX + p + (cut.boxY + q) * cut.pictureWidth];
                SheetPoint points[4];
                rotatedPositions(cut, p, q, points);
                for (int i = 0; i < 4; ++i)
                    writeSheetPixel(cut, i + 1, points[i], (colour >> 16) & 0xFF,
                                    (colour >> 8) & 0xFF, colour & 0xFF);
                if (!inside) {
                    inside = true;
                    paintOutline(cut, p, q, horizontalStart);
                }
                for (int i = 0; i < 4; ++i) {
                    const int maskX = i * cut.sheetWidth + points[i].x;
                    cut.mask[cut.maskStep * points[i].y + maskX / 8] &=
                        static_cast<std::uint8_t>(~maskBit(maskX));
                }
            } else if (inside) {
                inside = false;
                paintOutline(cut, p - 1, q, horizontalEnd);
            }
        }
    }
}

void verticalPass(const PieceCut cut)
{
    for (int p = 0; p <= cut.size; ++p) {
        bool inside = false;
        for (int q = 0; q <= cut.size; ++q) {
            const bool inPiece = belongs(cut, p, q);
            if (inPiece && !inside) {
                inside = true;
                paintOutline(cut, p, q, verticalStart);
            } else if (!inPiece && inside) {
                inside = false;
                paintOutline(cut, p, q - 1, verticalEnd);
            }
        }
    }
}

}  // namespace

void cutPiece(int column, int row)
{
    PieceCut cut{};
    cut.size = getPieceSize();
    cut.tileX = column * cut.size;
    cut.tileY = row * cut.size;
    cut.boxX = column * getCellStep();
    cut.boxY = row * getCellStep();
    cut.sheetWidth = getSheetWidth();
    cut.sheetHeight = getSheetHeight();
    cut.pictureWidth = getPictureWidth();
    cut.pictureHeight = getPictureHeight();
    cut.labels = getLabelPixels();
    cut.colours = getPicturePixels();
    // Both offsets of the bits are linear in x and y: an origin and a row step describe them.
    for (int rotation = 1; rotation <= 4; ++rotation)
        cut.sheets[rotation - 1] = pieceSheetBits(rotation) + rgbOffset(0, 0);
    cut.sheetStep = rgbOffset(0, 1) - rgbOffset(0, 0);
    cut.mask = getPieceMaskBits() + maskByteOffset(0, 0);
    cut.maskStep = maskByteOffset(0, 1) - maskByteOffset(0, 0);
    const int centre = getPieceMargin() + getPieceCore() / 2;
    cut.label = labelAt(cut.boxX + centre, cut.boxY + centre);
    horizontalPass(cut);
    verticalPass(cut);
}
