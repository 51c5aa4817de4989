// A name shortened in its middle to fit a label, counted in character cells so that the same
// name is cut the same way on every system.
#include "ui/shortened_name.h"

#include <vector>

namespace {

constexpr std::string_view ellipsis = "…";
constexpr int ellipsisCells = 2;

// One character: its bytes in the text and its cells.
struct Letter {
    std::string_view bytes;
    int cells = 1;
};

bool isContinuation(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// Wide from the Hangul letters up, but for the half-width forms (katakana, Hangul) at the end
// of the plane.
int cellsOf(std::string_view bytes)
{
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0xE1)
        return 1;
    char32_t c = lead & 0x0F;
    if (lead >= 0xF0)
        return 2;
    for (std::size_t i = 1; i < bytes.size(); ++i)
        c = (c << 6) | (static_cast<unsigned char>(bytes[i]) & 0x3F);
    return c >= 0x1100 && !(c >= 0xFF61 && c <= 0xFFDC) ? 2 : 1;
}

std::vector<Letter> lettersOf(std::string_view text)
{
    std::vector<Letter> letters;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = at + 1;
        while (end < text.size() && isContinuation(text[end]))
            ++end;
        const std::string_view bytes = text.substr(at, end - at);
        letters.push_back({bytes, cellsOf(bytes)});
        at = end;
    }
    return letters;
}

}  // namespace

int textCells(std::string_view utf8)
{
    int cells = 0;
    for (const Letter& letter : lettersOf(utf8))
        cells += letter.cells;
    return cells;
}

std::string shortenedInMiddle(std::string_view utf8, int cells)
{
    const std::vector<Letter> letters = lettersOf(utf8);
    int total = 0;
    for (const Letter& letter : letters)
        total += letter.cells;
    if (total <= cells)
        return std::string(utf8);
    // Letters are taken from the side that has fewer cells so far (the start on a tie), or
    // from the other when the next letter of that side does not fit.
    int room = cells - ellipsisCells;
    int frontCells = 0;
    int backCells = 0;
    std::size_t front = 0;
    std::size_t back = letters.size();
    while (front < back) {
        const bool frontFits = letters[front].cells <= room;
        const bool backFits = letters[back - 1].cells <= room;
        if (frontFits && (frontCells <= backCells || !backFits)) {
            frontCells += letters[front].cells;
            room -= letters[front++].cells;
        } else if (backFits) {
            backCells += letters[back - 1].cells;
            room -= letters[--back].cells;
        } else {
            break;
        }
    }
    std::string shortened;
    for (std::size_t i = 0; i < front; ++i)
        shortened += letters[i].bytes;
    shortened += ellipsis;
    for (std::size_t i = back; i < letters.size(); ++i)
        shortened += letters[i].bytes;
    return shortened;
}
