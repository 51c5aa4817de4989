// The game's two cursors, drawn as black-outlined white shapes on a 32 x 32 grid.
#include "tools/makeart/cursors.h"

#include <string_view>

namespace {

constexpr int cursorSize = 32;

// 'X' black, 'o' white, anything else transparent; rows missing at the bottom are empty.
constexpr std::string_view handPicture[] = {
    "XXXXX",
    "XooooX",
    "XooooX",
    "XooooX",
    "XooooX",
    "XooooX",
    "XooooXXXX",
    "XooooXoooXXX",
    "XooooXoooXoooX",
    "XooooXoooXoooXXX",
    "XooooXoooXoooXooX",
    "XooooXoooXoooXooX",
    "XooooXoooXoooXooX",
    "XXXXXXXoooooooooX",
    "XooooooXooooooooX",
    "XoooooooXoooooooX",
    "XoooooooXoooooooX",
    "XooooooXooooooooX",
    "XXXXXXXooooooooX",
    "XoooooooooooooX",
    ".XooooooooooooX",
    "..XoooooooooooX",
    "...XXXXXXXXXXXX",
};

constexpr std::string_view arrowPicture[] = {
    "",
    ".X",
    ".XX",
    ".XoX",
    ".XooX",
    ".XoooX",
    ".XooooX",
    ".XoooooX",
    ".XooooooX",
    ".XoooooooX",
    ".XooooooooX",
    ".XoooooooooX",
    ".XooooooXXXXX",
    ".XoooXooX",
    ".XooXXooX",
    ".XoX..XooX",
    ".XX...XooX",
    ".X.....XooX",
    ".......XooX",
    "........XooX",
    "........XooX",
    ".........XX",
};

template <std::size_t Rows>
IconImage cursorFromPicture(const std::string_view (&picture)[Rows], int hotSpotX, int hotSpotY)
{
    static_assert(Rows <= cursorSize);
    IconImage image{cursorSize, cursorSize,
                    std::vector<std::uint8_t>(cursorSize * cursorSize * 4, 0), hotSpotX,
                    hotSpotY};
    for (std::size_t y = 0; y < Rows; ++y) {
        for (std::size_t x = 0; x < picture[y].size() && x < cursorSize; ++x) {
            const char cell = picture[y][x];
            if (cell != 'X' && cell != 'o')
                continue;
            std::uint8_t* pixel = &image.rgba[(y * cursorSize + x) * 4];
            const std::uint8_t level = cell == 'X' ? 0 : 255;
            pixel[0] = pixel[1] = pixel[2] = level;
            pixel[3] = 255;
        }
    }
    return image;
}

}  // namespace

IconImage makeHandCursor()
{
    return cursorFromPicture(handPicture, 0, 0);
}

IconImage makeArrowCursor()
{
    return cursorFromPicture(arrowPicture, 1, 1);
}
