// Reading and checking an embedded puzzle resource: header, picture file and label file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "platform/dib_format.h"

constexpr std::size_t puzzleHeaderBytes = 6400;
// Where the header's three message lines (messageLineBytes each) begin.
constexpr std::size_t puzzleMessageLinesAt = 20;

// A resource split into its three parts. Every span lies inside the resource.
struct PuzzleResource {
    std::span<const std::uint8_t> header;          // 6400 bytes
    std::span<const std::uint8_t> pictureFileHeader;  // 14 bytes
    std::span<const std::uint8_t> pictureImage;    // info header, palette, rows
    std::span<const std::uint8_t> labelImage;      // info header, 16 colours, rows
    int columns = 0;
    int rows = 0;
    int pieceCore = 0;
    int pieceMargin = 0;
    int pictureFormat = 0;
    int pictureIncluded = 0;
    int layoutClass = 0;
};

// First byte of the 4-byte slot at `offset`.
inline int headerSlot(std::span<const std::uint8_t> header, std::size_t offset)
{
    return header[offset];
}

// Padding of the silhouette mask rows for a layout class; -1 for a class above 15, which
// keeps the padding the previous puzzle had.
int maskRowPadForLayoutClass(int layoutClass);

// Length of the picture file (file header included) for a picture format, 0 for others.
std::size_t pictureFileLength(int pictureFormat, int width, int height);

// Byte length of one 4-bit label row, padded to 4 bytes.
std::size_t labelRowBytes(int width);

// Whether `image` is an uncompressed bottom-up DIB of the given size and depth whose pixel
// rows (4-byte aligned, found after the colour table as drawing finds them) lie inside it.
bool dibFits(std::span<const std::uint8_t> image, int width, int height, int bitCount);

// Splits and checks a resource: the whole resource must be there, and the header must
// describe a puzzle the game can hold (a geometry within the limits of puzzle/limits.h, a 24-
// or 8-bit picture whose width is a multiple of 4, pictures included, mask rows that fill
// whole 4-byte words with the class's padding), with bitmaps of that size and kind.
// `currentMaskRowPad` is the padding in force, kept by classes above 15.
std::optional<PuzzleResource> readPuzzleResource(std::span<const std::uint8_t> bytes,
                                                 int currentMaskRowPad);
