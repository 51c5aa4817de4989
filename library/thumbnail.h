// Small pictures of the kept puzzles: made from a puzzle's picture, kept as binary PPM images
// (top-down RGB, as the game holds pictures) and read back strictly.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/picture_file.h"

// Every thumbnail fits in this box, proportions kept.
constexpr int thumbnailWidth = 128;
constexpr int thumbnailHeight = 96;

// The picture of a packed DIB (info header, colour table, rows), area-averaged to fit the box.
RgbImage thumbnailOfDib(const std::uint8_t* info, const std::uint8_t* bits, int width,
                        int height);

// The thumbnail as a binary PPM image: "P6\nW H\n255\n" and the pixels.
std::vector<std::uint8_t> thumbnailBytes(const RgbImage& thumbnail);

// Reads what thumbnailBytes() wrote, of a thumbnail that fits the box and exactly as long as
// its size says; nullopt for anything else.
std::optional<RgbImage> parseThumbnail(std::span<const std::uint8_t> bytes);

// The longest thumbnail.
constexpr std::size_t maxThumbnailBytes = 16 + thumbnailWidth * thumbnailHeight * 3;
