// Whether a JPEG file holds its whole picture: the picture loader fills a file cut short with
// grey and reports nothing.
#pragma once

#include <cstdint>
#include <vector>

// Whether `bytes` start as a JPEG file.
bool looksLikeJpeg(const std::vector<std::uint8_t>& bytes);

enum class JpegCondition {
    whole,
    cutShort,  // the data runs out before the picture ends
    damaged,   // libjpeg fails or warns for any other reason
};

// Decodes the JPEG file at an eighth of its size to find whether it holds its whole picture.
JpegCondition jpegCondition(const std::vector<std::uint8_t>& bytes);
