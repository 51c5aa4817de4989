// Finds the parts of a surface that are not the see-through key colour, as row runs.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/surface.h"
#include "platform/types.h"

// Appends, row by row inside `area` (clipped to the surface), one rectangle of height 1 for
// each run of pixels whose 0x00RRGGBB value differs from `key`.
void appendOpaqueRuns(const Surface& surface, const Rect& area, std::uint32_t key,
                      std::vector<Rect>& runs);

// The surface pixel value (0x00RRGGBB) of a colour given as 0x00BBGGRR.
constexpr std::uint32_t pixelValueOf(Colour colour)
{
    return ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}
