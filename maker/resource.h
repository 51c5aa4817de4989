// The puzzle resource: 6400-byte header, picture BMP and label BMP laid end to end.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "maker/geometry.h"
#include "maker/images.h"

constexpr std::size_t puzzleHeaderSize = 6400;
constexpr std::size_t messageLineSize = 111;

// The second message line: a few blanks, then the title in code page 932, cut to fit
// messageLineSize bytes without splitting a double-byte character.
std::string titleLine(std::string_view titleUtf8);

// The header: geometry slots, the three message lines, tag, picture flag and layout class.
std::vector<std::uint8_t> puzzleHeader(const PuzzleGeometry& geometry,
                                       std::string_view titleUtf8);

// The whole resource for a picture and label of the geometry's picture size.
std::vector<std::uint8_t> puzzleResource(const PuzzleGeometry& geometry,
                                         std::string_view titleUtf8, const RgbImage& picture,
                                         const LabelImage& label);
