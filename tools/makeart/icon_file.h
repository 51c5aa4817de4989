// Writes Windows icon (.ico) and cursor (.cur) files whose images are embedded PNGs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One image of an icon or cursor: straight-alpha RGBA pixels, rows from the top.
struct IconImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
    int hotSpotX = 0;  // cursors only
    int hotSpotY = 0;
};

enum class IconFileKind : std::uint16_t { icon = 1, cursor = 2 };

// Writes one image as a plain PNG file (the icon of the desktop entry); false on failure.
bool writePngFile(const std::string& path, const IconImage& image);

// Writes the images as one file (ICONDIR, one ICONDIRENTRY each, then the PNG data);
// answers false when an image cannot be encoded or the file cannot be written.
bool writeIconFile(const std::string& path, IconFileKind kind,
                   const std::vector<IconImage>& images);
