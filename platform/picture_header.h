// What a picture file's header states, for the common kinds (PNG, JPEG, GIF, BMP), read before
// a decoder is given the file: its size (some decoders allocate and decode the whole picture as
// soon as they open it) and whether the file is long enough to hold its picture.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/picture_budget.h"

// The width and height the header states; nullopt for other kinds or a header cut short.
std::optional<PictureSize> statedPictureSize(const std::vector<std::uint8_t>& bytes);

// Whether a PNG file ends before its closing chunk, or a BMP file before its header or its
// rows (where they are stored uncompressed); false for other kinds.
bool pngOrBmpCutShort(const std::vector<std::uint8_t>& bytes);
