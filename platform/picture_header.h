// A picture's size as its file's header states it, for the common kinds (PNG, JPEG, GIF, BMP),
// read before a decoder is given the file: some decoders allocate and decode the whole picture
// as soon as they open it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/picture_budget.h"

// The width and height the header states; nullopt for other kinds or a header cut short.
std::optional<PictureSize> statedPictureSize(const std::vector<std::uint8_t>& bytes);
