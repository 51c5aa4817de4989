// Reads the directory of an .ico or .cur file: each image's size, hot spot and bytes.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

struct IconImage {
    int width = 0;   // 256 when the directory says 0
    int height = 0;
    int hotX = 0;    // cursors only: the hot spot kept in the planes and bit-count fields
    int hotY = 0;
    std::span<const std::uint8_t> bytes;  // the embedded image (a PNG here)
};

constexpr int iconFileType = 1;
constexpr int cursorFileType = 2;

// The images of an icon (type 1) or cursor (type 2) file; entries that point outside the
// file are skipped, and a file of another type gives none.
std::vector<IconImage> readIconDirectory(std::span<const std::uint8_t> file, int fileType);
