// The game state's storage, its table accessors and the release of its image memory.
#include "puzzle/state.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "puzzle/piece_tiles.h"

namespace state_detail {
Scalars scalars;
}

namespace {

struct Tables {
    PieceRect pieceRect[maxColumns][maxRows];
    int zLevel[maxColumns][maxRows];
    int cellShuffle[maxColumns][maxRows];
    int cellFlag[maxColumns][maxRows];
    int zOrderColumn[pieceTableSize];
    int zOrderRow[pieceTableSize];
    int pieceRotation[pieceTableSize];
    int slotPiece[pieceTableSize];
    int pieceSpare[pieceTableSize];
    GroupMatrix groupCells[pieceTableSize];
    char messageLine1[messageLineBytes + 1];
    char messageLine2[messageLineBytes + 1];
    char messageLine3[messageLineBytes + 1];
    char attachedMessage[attachedMessageBytes];
    std::uint8_t pictureFileHeader[14];
    std::uint8_t sheetFileHeader[4][14];
    std::uint8_t maskFileHeader[14];
};

Tables tables;

void releaseBlock(std::uint8_t* (*get)(), void (*set)(std::uint8_t*))
{
    if (std::uint8_t* block = get()) {
        std::free(block);
        set(nullptr);
    }
}

}  // namespace

int getPieceRotation(int k) { return tables.pieceRotation[k]; }
void setPieceRotation(int value, int k) { tables.pieceRotation[k] = value; }
int getSlotPiece(int k) { return tables.slotPiece[k]; }
void setSlotPiece(int value, int k) { tables.slotPiece[k] = value; }
int getPieceSpare(int k) { return tables.pieceSpare[k]; }
void setPieceSpare(int value, int k) { tables.pieceSpare[k] = value; }

PieceRect& pieceRect(int column, int row) { return tables.pieceRect[column][row]; }
int& zLevel(int column, int row) { return tables.zLevel[column][row]; }
int& cellShuffle(int column, int row) { return tables.cellShuffle[column][row]; }
int& cellFlag(int column, int row) { return tables.cellFlag[column][row]; }
int& zOrderColumn(int position) { return tables.zOrderColumn[position]; }
int& zOrderRow(int position) { return tables.zOrderRow[position]; }
GroupMatrix& groupCells(int k) { return tables.groupCells[k]; }

char* messageLine1() { return tables.messageLine1; }
char* messageLine2() { return tables.messageLine2; }
char* messageLine3() { return tables.messageLine3; }
char* attachedMessage() { return tables.attachedMessage; }

void installMessageLines(const std::uint8_t* fields)
{
    char* lines[] = {tables.messageLine1, tables.messageLine2, tables.messageLine3};
    for (int i = 0; i < 3; ++i) {
        std::memset(lines[i], 0, messageLineBytes + 1);
        std::memcpy(lines[i], fields + i * messageLineBytes, messageLineBytes);
    }
    rebuildAttachedMessage();
}

void rebuildAttachedMessage()
{
    char* out = tables.attachedMessage;
    std::memset(out, 0, attachedMessageBytes);
    const char* lines[] = {tables.messageLine1, tables.messageLine2, tables.messageLine3};
    std::size_t length = 0;
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            out[length++] = '\r';
            out[length++] = '\n';
        }
        const std::size_t lineLength = strnlen(lines[i], messageLineBytes);
        std::memcpy(out + length, lines[i], lineLength);
        length += lineLength;
    }
}

std::uint8_t* pictureFileHeader() { return tables.pictureFileHeader; }
std::uint8_t* sheetFileHeader(int rotation) { return tables.sheetFileHeader[rotation - 1]; }
std::uint8_t* maskFileHeader() { return tables.maskFileHeader; }

std::uint8_t* pieceSheet(int rotation)
{
    switch (rotation) {
    case 1: return getPieceSheet1();
    case 2: return getPieceSheet2();
    case 3: return getPieceSheet3();
    default: return getPieceSheet4();
    }
}

std::uint8_t* pieceSheetBits(int rotation)
{
    switch (rotation) {
    case 1: return getPieceSheetBits1();
    case 2: return getPieceSheetBits2();
    case 3: return getPieceSheetBits3();
    default: return getPieceSheetBits4();
    }
}

std::uint8_t* allocateImageBlock(std::size_t size, bool zeroFill)
{
    void* block = zeroFill ? std::calloc(size, 1) : std::malloc(size);
    if (!block)
        std::abort();  // image memory is a few megabytes; without it nothing can go on
    return static_cast<std::uint8_t*>(block);
}

void releaseImageBlocks()
{
    releaseBlock(getPictureDib, setPictureDib);
    setPictureBits(nullptr);
    releaseBlock(getPieceSheet1, setPieceSheet1);
    releaseBlock(getPieceSheet2, setPieceSheet2);
    releaseBlock(getPieceSheet3, setPieceSheet3);
    releaseBlock(getPieceSheet4, setPieceSheet4);
    setPieceSheetBits1(nullptr);
    setPieceSheetBits2(nullptr);
    setPieceSheetBits3(nullptr);
    setPieceSheetBits4(nullptr);
    releaseBlock(getPieceMask, setPieceMask);
    setPieceMaskBits(nullptr);
    releasePieceTiles();
}

void releasePixelTables()
{
    delete[] getPicturePixels();
    setPicturePixels(nullptr);
    delete[] getLabelPixels();
    setLabelPixels(nullptr);
}

void rebuildZOrderList()
{
    const int count = getPieceCount();
    for (int p = 0; p < count; ++p)
        for (int c = 0; c < getColumns(); ++c)
            for (int r = 0; r < getRows(); ++r)
                if (tables.zLevel[c][r] == p) {
                    tables.zOrderColumn[p] = c;
                    tables.zOrderRow[p] = r;
                }
}

void clearBoardTables()
{
    for (int c = 0; c < maxColumns; ++c)
        for (int r = 0; r < maxRows; ++r) {
            cellShuffle(c, r) = 0;
            cellFlag(c, r) = 0;
            zLevel(c, r) = 0;
            pieceRect(c, r) = {};
        }
    for (int k = 0; k < pieceTableSize; ++k) {
        std::memset(groupCells(k), 0, sizeof(GroupMatrix));
        zOrderColumn(k) = 0;
        zOrderRow(k) = 0;
    }
}

void resetGameState()
{
    releaseImageBlocks();
    releasePixelTables();
    Window* mainWindow = getMainWindow();
    Window* previewWindow = getPreviewWindow();
    Surface* pictureSurface = getPictureSurface();
    Surface* labelSurface = getLabelSurface();
    state_detail::scalars = {};
    setMainWindow(mainWindow);
    setPreviewWindow(previewWindow);
    setPictureSurface(pictureSurface);
    setLabelSurface(labelSurface);
    std::memset(static_cast<void*>(&tables), 0, sizeof tables);
}

namespace {
int neighbourDxTable[4] = {};
int neighbourDyTable[4] = {};
}  // namespace

int neighbourDx(int direction) { return neighbourDxTable[direction]; }
int neighbourDy(int direction) { return neighbourDyTable[direction]; }

void fillNeighbourSteps()
{
    const int dx[4] = {0, 1, 0, -1};
    const int dy[4] = {-1, 0, 1, 0};
    for (int i = 0; i < 4; ++i) {
        neighbourDxTable[i] = dx[i];
        neighbourDyTable[i] = dy[i];
    }
}
