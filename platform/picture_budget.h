// What both picture decoders share: the file read whole without waiting on a pipe, the pixel
// budget checked against the picture's header, files cut short found, and the size a picture
// is decoded at.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/picture_file.h"

// A width x height in pixels.
struct PictureSize {
    int width = 0;
    int height = 0;
};

// Reads the picture file whole when it is a regular file of 1 to maxPictureFileBytes bytes;
// false with the reason otherwise. A pipe or a device is refused without waiting.
bool readPictureBytes(const std::string& path, std::vector<std::uint8_t>& bytes,
                      PictureError& error);

// The checks before a decoder is given the file: the size its header states within the pixel
// budget, and a PNG or BMP long enough for its picture; false with the reason otherwise.
bool checkBeforeDecoding(const std::string& path, const std::vector<std::uint8_t>& bytes,
                         PictureError& error);

// A JPEG (the bytes of any other kind pass) checked once its size is known to be within the
// budget, since the decoders fill a JPEG cut short with grey and report nothing, or refuse it
// without saying why: false, with cutShort or damaged, when it does not hold its whole picture.
bool jpegWhole(const std::string& path, const std::vector<std::uint8_t>& bytes,
               PictureError& error);

// Refuses a picture of width x height beyond the pixel budget (or without pixels): false with
// the reason and the size.
bool pictureWithinBudget(const std::string& path, int width, int height, PictureError& error);

// The size a picture of `size` is decoded at: itself, or scaled down, proportions kept, to at
// most `maxPixels` pixels and to fit within `box` (a side of 0 leaves it free).
PictureSize decodedSize(PictureSize size, long long maxPixels, PictureSize box);

// Sets `error` to `problem` with the English message for the tools.
void setPictureError(PictureError& error, PictureProblem problem, const std::string& path,
                     const std::string& detail);
