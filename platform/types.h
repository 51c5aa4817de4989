// Basic value types shared by the game and every platform back end.
#pragma once

#include <cstdint>

// A colour as the game passes it around: 0x00BBGGRR, red in the low byte.
using Colour = std::uint32_t;

// What pixelAt answers for a point outside a surface (the classic CLR_INVALID).
constexpr Colour invalidColour = 0xFFFFFFFFu;

constexpr Colour makeColour(int red, int green, int blue)
{
    return static_cast<Colour>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

// A rectangle with exclusive right and bottom edges.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct Point {
    int x = 0;
    int y = 0;
};

// A top-level window or dialog; owned by the back end, never dereferenced by the game.
struct Window;

// A window procedure with the classic (window, message, wParam, lParam) shape.
using WindowProc = std::intptr_t (*)(Window* window, unsigned message, std::uintptr_t wParam,
                                     std::intptr_t lParam);

// Dialog procedures have the same shape; they answer 1 (handled) or 0 (default handling).
using DialogProc = WindowProc;
