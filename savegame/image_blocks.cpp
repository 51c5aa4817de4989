// The picture, the four piece sheets and the silhouette mask by play file block number.
#include "savegame/image_blocks.h"

#include "platform/surface.h"
#include "puzzle/state.h"

namespace playfile {

std::uint8_t* stateFileHeader(int index)
{
    if (index == 0)
        return pictureFileHeader();
    return index <= 4 ? sheetFileHeader(index) : maskFileHeader();
}

std::uint8_t* stateImage(int index)
{
    if (index == 0)
        return getPictureDib();
    return index <= 4 ? pieceSheet(index) : getPieceMask();
}

void installStateImage(int index, std::uint8_t* block)
{
    std::uint8_t* bits = block + dibPixelOffset(block);
    switch (index) {
    case 0: setPictureDib(block); setPictureBits(bits); break;
    case 1: setPieceSheet1(block); setPieceSheetBits1(bits); break;
    case 2: setPieceSheet2(block); setPieceSheetBits2(bits); break;
    case 3: setPieceSheet3(block); setPieceSheetBits3(bits); break;
    case 4: setPieceSheet4(block); setPieceSheetBits4(bits); break;
    default: setPieceMask(block); setPieceMaskBits(bits); break;
    }
}

}  // namespace playfile
