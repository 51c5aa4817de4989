// Picture files of any common kind (JPEG, PNG, BMP, WebP, SVG, ...) decoded and scaled, as the
// system's picture decoder (gdk-pixbuf, or the Windows Imaging Component) does for the game.
// Only regular files are read, checked without waiting (a pipe or a device is refused
// unopened), and a picture's size is read from its header before any pixel is decoded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// 24-bit picture, rows from the top, three bytes red, green, blue per pixel.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// The pixel budget: pictures with more pixels than this are refused before decoding (a
// 48-megapixel camera photograph, 8000 x 6000, has 48 million).
constexpr long long maxPicturePixels = 64'000'000;
// Pictures with more pixels than this are decoded scaled down to about this many, proportions
// kept: far more than a puzzle's picture needs.
constexpr long long maxDecodedPixels = 8'000'000;
// The longest picture file read.
constexpr std::size_t maxPictureFileBytes = std::size_t{256} << 20;

enum class PictureProblem {
    none,
    cannotOpen,     // the file is not there or may not be read
    notAFile,       // a folder, a pipe, a device: anything but a regular file
    empty,          // a file of no bytes
    fileTooLarge,   // longer than maxPictureFileBytes
    tooManyPixels,  // more than maxPicturePixels
    notAPicture,    // no decoder reads it
    cutShort,       // the file ends before the picture its header starts does
    damaged,        // corrupt
    outOfMemory,    // the memory for its pixels could not be had
};

// Why a picture could not be read.
struct PictureError {
    PictureProblem problem = PictureProblem::none;
    // The picture's own size, as its header says, for tooManyPixels.
    int width = 0;
    int height = 0;
    // In English, with the path, for the command-line tools.
    std::string message;
};

// Reads and decodes the picture file, turned upright by its camera orientation, laid over
// white where it is transparent and scaled down to maxDecodedPixels when larger; false with
// the reason when it cannot be read.
bool readPictureFile(const std::string& path, RgbImage& picture, PictureError& error);

// The same picture scaled down to fit within maxWidth x maxHeight, for a thumbnail.
bool readPictureThumbnail(const std::string& path, int maxWidth, int maxHeight,
                          RgbImage& picture, PictureError& error);

// The name patterns of every kind of picture file the decoder reads, as a file dialog's
// filter wants them: "*.jpg;*.JPG;*.png;*.PNG;...".
std::string pictureFilePatterns();

// The part of `picture` at (x, y) of width x height, scaled to exactly toWidth x toHeight with
// a filter that averages on the way down; empty when the memory for it cannot be had.
RgbImage scalePicturePart(const RgbImage& picture, int x, int y, int width, int height,
                          int toWidth, int toHeight);
