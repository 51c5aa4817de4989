// A puzzle's title turned into a file name that every file system the game runs on accepts.
#include "completion/picture_name.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace {

constexpr std::size_t maxCharacters = 64;
constexpr std::string_view forbidden = "/\\:*?\"<>|";

bool isContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Blanks (half and full width) and dots at either end: Windows drops those at the end, and a
// leading dot hides the file on Linux.
std::string trimmed(std::string_view text)
{
    constexpr std::array<std::string_view, 3> ends = {" ", ".", "\u3000"};
    for (bool trimming = true; trimming;) {
        trimming = false;
        for (std::string_view end : ends) {
            if (text.starts_with(end)) {
                text.remove_prefix(end.size());
                trimming = true;
            }
            if (text.ends_with(end)) {
                text.remove_suffix(end.size());
                trimming = true;
            }
        }
    }
    return std::string(text);
}

// The first `count` characters, never splitting one.
std::string firstCharacters(const std::string& text, std::size_t count)
{
    std::size_t end = 0;
    for (std::size_t characters = 0; end < text.size(); ++end)
        if (!isContinuationByte(text[end]) && characters++ == count)
            break;
    return text.substr(0, end);
}

// CON, PRN, AUX, NUL, COM1-9 and LPT1-9, whatever the case and whatever follows a dot.
bool isDeviceName(const std::string& name)
{
    std::string base = name.substr(0, name.find('.'));
    base = trimmed(base);
    std::transform(base.begin(), base.end(), base.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL")
        return true;
    return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) &&
           base[3] >= '1' && base[3] <= '9';
}

}  // namespace

std::string pictureFileStem(const std::string& title, const std::string& fallback)
{
    std::string name;
    for (char c : title) {
        const bool control = static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
        name += control || forbidden.find(c) != std::string_view::npos ? '_' : c;
    }
    name = trimmed(firstCharacters(trimmed(name), maxCharacters));
    if (name.empty())
        return fallback;
    return isDeviceName(name) ? name + "_" : name;
}
