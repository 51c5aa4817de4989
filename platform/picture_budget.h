// What both picture decoders share: the file read whole without waiting on a pipe, the pixel
// budget checked against the picture's header, and the size it is decoded at.
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

// Reads the picture file whole when it is a regular file no longer than maxPictureFileBytes;
// false with the reason otherwise. A pipe or a device is refused without waiting.
bool readPictureBytes(const std::string& path, std::vector<std::uint8_t>& bytes,
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
