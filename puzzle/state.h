// The game state: one puzzle's geometry, message, tables, images and the game in progress.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/types.h"
#include "puzzle/limits.h"

struct Surface;

constexpr int pieceTableSize = 1001;
constexpr int messageLineBytes = 111;
constexpr int attachedMessageBytes = 338;
// The embedded puzzles are played as puzzleNumber 2 to 8, in turn.
constexpr int firstSeriesPuzzleNumber = 2;
constexpr int lastSeriesPuzzleNumber = 8;

struct PieceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

using GroupMatrix = std::uint8_t[maxColumns][maxRows];

namespace state_detail {

struct Scalars {
    int columns = 0;
    int rows = 0;
    int pieceCore = 0;
    int pieceMargin = 0;
    int pieceSize = 0;
    int pictureFormat = 0;
    int sheetFormat = 0;
    std::uint8_t puzzleTag = 0;
    int pictureIncluded = 0;
    int layoutClass = 0;
    int maskRowPad = 0;
    int puzzleNumber = 0;
    int currentPiece = 0;
    std::uint32_t startTick = 0;
    int elapsedSeconds = 0;
    int spareHeaderValue = 0;
    int buildInProgress = 0;
    int pieceHeld = 0;
    int glueChoice = 0;
    int panelChoice = 0;
    int previewShown = 0;
    int madePuzzle = 0;  // 1 while the puzzle in play was made from the player's picture
    std::uint8_t spareFileByte = 0;
    Window* mainWindow = nullptr;
    Window* previewWindow = nullptr;
    std::uint8_t* pictureDib = nullptr;
    std::uint8_t* pictureBits = nullptr;
    std::uint8_t* pieceSheet1 = nullptr;
    std::uint8_t* pieceSheet2 = nullptr;
    std::uint8_t* pieceSheet3 = nullptr;
    std::uint8_t* pieceSheet4 = nullptr;
    std::uint8_t* pieceSheetBits1 = nullptr;
    std::uint8_t* pieceSheetBits2 = nullptr;
    std::uint8_t* pieceSheetBits3 = nullptr;
    std::uint8_t* pieceSheetBits4 = nullptr;
    std::uint8_t* pieceMask = nullptr;
    std::uint8_t* pieceMaskBits = nullptr;
    int* picturePixels = nullptr;
    int* labelPixels = nullptr;
    Surface* pictureSurface = nullptr;
    Surface* labelSurface = nullptr;
};

extern Scalars scalars;

}  // namespace state_detail

// One getter and one setter per scalar, named after it.
#define VELMORA_STATE_SCALAR(Type, Name, name)                             \
    inline Type get##Name() { return state_detail::scalars.name; }        \
    inline void set##Name(Type value) { state_detail::scalars.name = value; }

VELMORA_STATE_SCALAR(int, Columns, columns)
VELMORA_STATE_SCALAR(int, Rows, rows)
VELMORA_STATE_SCALAR(int, PieceCore, pieceCore)
VELMORA_STATE_SCALAR(int, PieceMargin, pieceMargin)
VELMORA_STATE_SCALAR(int, PieceSize, pieceSize)
VELMORA_STATE_SCALAR(int, PictureFormat, pictureFormat)
VELMORA_STATE_SCALAR(int, SheetFormat, sheetFormat)
VELMORA_STATE_SCALAR(std::uint8_t, PuzzleTag, puzzleTag)
VELMORA_STATE_SCALAR(int, PictureIncluded, pictureIncluded)
VELMORA_STATE_SCALAR(int, LayoutClass, layoutClass)
VELMORA_STATE_SCALAR(int, MaskRowPad, maskRowPad)
VELMORA_STATE_SCALAR(int, PuzzleNumber, puzzleNumber)
VELMORA_STATE_SCALAR(int, CurrentPiece, currentPiece)
VELMORA_STATE_SCALAR(std::uint32_t, StartTick, startTick)
VELMORA_STATE_SCALAR(int, ElapsedSeconds, elapsedSeconds)
VELMORA_STATE_SCALAR(int, SpareHeaderValue, spareHeaderValue)
VELMORA_STATE_SCALAR(int, BuildInProgress, buildInProgress)
VELMORA_STATE_SCALAR(int, PieceHeld, pieceHeld)
VELMORA_STATE_SCALAR(int, GlueChoice, glueChoice)
VELMORA_STATE_SCALAR(int, PanelChoice, panelChoice)
VELMORA_STATE_SCALAR(int, PreviewShown, previewShown)
VELMORA_STATE_SCALAR(int, MadePuzzle, madePuzzle)
VELMORA_STATE_SCALAR(std::uint8_t, SpareFileByte, spareFileByte)
VELMORA_STATE_SCALAR(Window*, MainWindow, mainWindow)
VELMORA_STATE_SCALAR(Window*, PreviewWindow, previewWindow)
VELMORA_STATE_SCALAR(std::uint8_t*, PictureDib, pictureDib)
VELMORA_STATE_SCALAR(std::uint8_t*, PictureBits, pictureBits)
VELMORA_STATE_SCALAR(std::uint8_t*, PieceSheet1, pieceSheet1)
VELMORA_STATE_SCALAR(std::uint8_t*, PieceSheet2, pieceSheet2)
VELMORA_STATE_SCALAR(std::uint8_t*, PieceSheet3, pieceSheet3)
VELMORA_STATE_SCALAR(std::uint8_t*, PieceSheet4, pieceSheet4)
VELMORA_STATE_SCALAR(std::uint8_t*, PieceSheetBits1, pieceSheetBits1)
VELMORA_STATE_SCALAR(std::uint8_t*, PieceSheetBits2, pieceSheetBits2)
VELMORA_STATE_SCALAR(std::uint8_t*, PieceSheetBits3, pieceSheetBits3)
VELMORA_STATE_SCALAR(std::uint8_t*, PieceSheetBits4, pieceSheetBits4)
VELMORA_STATE_SCALAR(std::uint8_t*, PieceMask, pieceMask)
VELMORA_STATE_SCALAR(std::uint8_t*, PieceMaskBits, pieceMaskBits)
VELMORA_STATE_SCALAR(int*, PicturePixels, picturePixels)
VELMORA_STATE_SCALAR(int*, LabelPixels, labelPixels)
VELMORA_STATE_SCALAR(Surface*, PictureSurface, pictureSurface)
VELMORA_STATE_SCALAR(Surface*, LabelSurface, labelSurface)

#undef VELMORA_STATE_SCALAR

// Per-piece tables: value first, index second.
int getPieceRotation(int k);
void setPieceRotation(int value, int k);
int getSlotPiece(int k);
void setSlotPiece(int value, int k);
int getPieceSpare(int k);
void setPieceSpare(int value, int k);

// Tables read and written in place; cells are [column][row].
PieceRect& pieceRect(int column, int row);
int& zLevel(int column, int row);
int& cellShuffle(int column, int row);
int& cellFlag(int column, int row);
int& zOrderColumn(int position);
int& zOrderRow(int position);
GroupMatrix& groupCells(int k);

// The attached message: three NUL-padded 112-byte lines and their CR LF join.
char* messageLine1();
char* messageLine2();
char* messageLine3();
char* attachedMessage();
// Rebuilds attachedMessage from the three lines (each up to its NUL or its 111th byte).
void rebuildAttachedMessage();
// Takes the three message lines from three consecutive 111-byte fields, as puzzle resources
// and play files store them, and rebuilds the attached message from them.
void installMessageLines(const std::uint8_t* fields);

// 14-byte bitmap file headers kept for play files.
std::uint8_t* pictureFileHeader();
std::uint8_t* sheetFileHeader(int rotation);  // 1..4
std::uint8_t* maskFileHeader();

// Sheet and sheet bits by rotation value 1..4.
std::uint8_t* pieceSheet(int rotation);
std::uint8_t* pieceSheetBits(int rotation);

// Image memory: blocks are allocated whole and released before they are replaced.
std::uint8_t* allocateImageBlock(std::size_t size, bool zeroFill);
// Releases the picture, the four sheets and the mask that exist; their pointers (and the
// bits pointers into them) become null at once, and the masked tiles made from them go too.
void releaseImageBlocks();
// Releases picturePixels and labelPixels when present.
void releasePixelTables();

// Derived geometry.
inline int getCellStep() { return getPieceCore() + getPieceMargin(); }
inline int getPictureWidth() { return getCellStep() * getColumns() + getPieceMargin(); }
inline int getPictureHeight() { return getCellStep() * getRows() + getPieceMargin(); }
inline int getSheetWidth() { return getPieceSize() * getColumns(); }
inline int getSheetHeight() { return getPieceSize() * getRows(); }
inline int getPieceCount() { return getColumns() * getRows(); }

// Computed getters.
inline int calcPieceSize() { return getPieceCore() + 2 * getPieceMargin(); }
// Where piece k's tile lies in a sheet: its left edge, and its bottom edge's height above the
// sheet's bottom (a bottom-up DIB's source y).
inline int tileLeftOf(int k) { return (k % getColumns()) * getPieceSize(); }
inline int tileBottomOffsetOf(int k)
{
    return (getRows() - 1 - k / getColumns()) * getPieceSize();
}
inline int tileLeft() { return tileLeftOf(getCurrentPiece()); }
inline int tileBottomOffset() { return tileBottomOffsetOf(getCurrentPiece()); }
inline std::ptrdiff_t rgbOffset(int x, int y)
{
    return 3 * static_cast<std::ptrdiff_t>(x) +
           3 * static_cast<std::ptrdiff_t>(getPieceSize()) * getColumns() *
               (static_cast<std::ptrdiff_t>(getPieceSize()) * getRows() - y);
}
inline std::ptrdiff_t maskByteOffset(int x, int y)
{
    return static_cast<std::ptrdiff_t>((getPieceSize() * getColumns() + getMaskRowPad()) / 2) *
               (static_cast<std::ptrdiff_t>(getPieceSize()) * getRows() - y) +
           x / 8;
}
inline int maskBit(int x) { return 1 << (7 - x % 8); }
inline int labelAt(int x, int y) { return getLabelPixels()[x + y * getPictureWidth()]; }
inline int pictureAt(int x, int y) { return getPicturePixels()[x + y * getPictureWidth()]; }
inline std::ptrdiff_t exportOffset(int x, int y)
{
    return 3 * static_cast<std::ptrdiff_t>(x) +
           3 * static_cast<std::ptrdiff_t>(getCellStep()) * getColumns() *
               (static_cast<std::ptrdiff_t>(getCellStep()) * getRows() - 1 - y);
}
void rebuildZOrderList();
// Zeroes the board state of the whole 41 x 26 grid and every piece table entry: boxes, levels,
// cell values, group matrices and the drawing-order lists.
void clearBoardTables();
inline int base255Low(int n) { return n % 255; }
inline int base255High(int n) { return n / 255; }

// Every table zero, every block released and null, every scalar back to its initial value
// (the shared handles and surfaces excepted).
void resetGameState();

// Column and row steps to the neighbour above, to the right, below and to the left
// (directions 0 to 3); filled once at start-up.
int neighbourDx(int direction);
int neighbourDy(int direction);
void fillNeighbourSteps();
