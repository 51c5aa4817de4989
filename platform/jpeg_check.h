// Whether a JPEG file holds its whole picture: the picture loader fills a file cut short with
// grey and reports nothing.
#pragma once

#include <cstdint>
#include <vector>

// Whether `bytes` start as a JPEG file.
bool looksLikeJpeg(const std::vector<std::uint8_t>& bytes);

// Decodes the JPEG file at an eighth of its size: false when libjpeg fails or warns (data cut
// short or corrupt).
bool jpegDecodesCleanly(const std::vector<std::uint8_t>& bytes);
