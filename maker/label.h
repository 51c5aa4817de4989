// The label image: jigsaw-shaped piece regions in four alternating colours inside a white
// border with a black frame line.
#pragma once

#include <array>
#include <cstdint>

#include "maker/geometry.h"
#include "maker/images.h"

constexpr std::uint8_t labelBlack = 0;
constexpr std::uint8_t labelWhite = 15;

// The 16 palette entries of the label image as 0x00RRGGBB.
const std::array<std::uint32_t, 16>& labelPalette();

// Palette index of piece (column, row): side and diagonal neighbours always differ.
std::uint8_t pieceColour(int column, int row);

// Draws the label; every inner edge gets a knob pointing one way or the other, chosen by
// the C runtime random generator seeded with seed, so the same seed gives the same pieces.
LabelImage drawLabel(const PuzzleGeometry& geometry, std::uint32_t seed);
