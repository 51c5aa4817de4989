// Small pictures of the kept puzzles: made from a puzzle's picture, kept as little bitmap
// files and read back strictly.
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

// A 24-bit bitmap file of the thumbnail.
std::vector<std::uint8_t> thumbnailFileBytes(const RgbImage& thumbnail);

// Reads a file thumbnailFileBytes() wrote: an uncompressed 24-bit bottom-up bitmap that fits
// the box, exactly as long as its size says; nullopt for anything else.
std::optional<RgbImage> parseThumbnailFile(std::span<const std::uint8_t> bytes);

// The longest thumbnail file.
constexpr std::size_t maxThumbnailFileBytes = 54 + thumbnailHeight * (thumbnailWidth * 3 + 3);
