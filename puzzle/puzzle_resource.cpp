// Splits an embedded puzzle resource into its parts and refuses what the game cannot hold.
#include "puzzle/puzzle_resource.h"

#include "platform/dib_format.h"
#include "platform/surface.h"
#include "puzzle/limits.h"

int maskRowPadForLayoutClass(int layoutClass)
{
    switch (layoutClass) {
    case 0: case 2: case 9: case 11: case 14:
        return 4;
    default:
        return layoutClass > 15 ? -1 : 0;
    }
}

std::size_t pictureFileLength(int pictureFormat, int width, int height)
{
    const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (pictureFormat == 2)
        return pixels * 3 + 54;
    if (pictureFormat == 1)
        return pixels + 1078;
    return 0;
}

std::size_t labelRowBytes(int width)
{
    return ((static_cast<std::size_t>(width) + 1) / 2 + 3) / 4 * 4;
}

bool dibFits(std::span<const std::uint8_t> image, int width, int height, int bitCount)
{
    if (image.size() < bitmapInfoHeaderSize)
        return false;
    const std::uint8_t* info = image.data();
    const DibInfo header = readInfoHeader(info);
    if (header.headerSize != bitmapInfoHeaderSize || header.width != width ||
        header.height != height || header.bitCount != bitCount || header.compression != 0 ||
        header.coloursUsed > 256)
        return false;
    const std::size_t rowBytes = ((static_cast<std::size_t>(width) * bitCount + 31) / 32) * 4;
    return dibPixelOffset(info) + rowBytes * static_cast<std::size_t>(height) <= image.size();
}

std::optional<PuzzleResource> readPuzzleResource(std::span<const std::uint8_t> bytes,
                                                 int currentMaskRowPad)
{
    if (bytes.size() < puzzleHeaderBytes)
        return std::nullopt;
    PuzzleResource puzzle;
    puzzle.header = bytes.first(puzzleHeaderBytes);
    puzzle.columns = headerSlot(puzzle.header, 0);
    puzzle.rows = headerSlot(puzzle.header, 4);
    puzzle.pieceCore = headerSlot(puzzle.header, 8);
    puzzle.pieceMargin = headerSlot(puzzle.header, 12);
    puzzle.pictureFormat = headerSlot(puzzle.header, 16);
    puzzle.pictureIncluded = puzzle.header[354];
    puzzle.layoutClass = puzzle.header[355];

    const int pieceSize = puzzle.pieceCore + 2 * puzzle.pieceMargin;
    const int cellStep = puzzle.pieceCore + puzzle.pieceMargin;
    const int width = cellStep * puzzle.columns + puzzle.pieceMargin;
    const int height = cellStep * puzzle.rows + puzzle.pieceMargin;
    int maskRowPad = maskRowPadForLayoutClass(puzzle.layoutClass);
    if (maskRowPad < 0)
        maskRowPad = currentMaskRowPad;
    const int sheetWidth = pieceSize * puzzle.columns;

    if (!geometryWithinLimits(puzzle.columns, puzzle.rows, puzzle.pieceCore, puzzle.pieceMargin) ||
        width % 4 != 0 || puzzle.pictureIncluded != 1 ||
        (puzzle.pictureFormat != 1 && puzzle.pictureFormat != 2) ||
        sheetWidth % 8 != (maskRowPad == 4 ? 4 : 0))
        return std::nullopt;

    std::size_t offset = puzzleHeaderBytes;
    const std::size_t pictureLength = pictureFileLength(puzzle.pictureFormat, width, height);
    const std::size_t labelLength = bitmapInfoHeaderSize + 64 + labelRowBytes(width) * height;
    if (bytes.size() < offset + pictureLength + bitmapFileHeaderSize + labelLength)
        return std::nullopt;
    puzzle.pictureFileHeader = bytes.subspan(offset, bitmapFileHeaderSize);
    puzzle.pictureImage =
        bytes.subspan(offset + bitmapFileHeaderSize, pictureLength - bitmapFileHeaderSize);
    offset += pictureLength + bitmapFileHeaderSize;
    puzzle.labelImage = bytes.subspan(offset, labelLength);

    if (!dibFits(puzzle.pictureImage, width, height, puzzle.pictureFormat == 2 ? 24 : 8) ||
        !dibFits(puzzle.labelImage, width, height, 4))
        return std::nullopt;
    return puzzle;
}
