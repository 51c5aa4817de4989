// A puzzle's title as the library shows it, from the lines of its attached message.
#include "puzzle/puzzle_title.h"

#include <cstring>
#include <string_view>

#include "platform/text.h"
#include "puzzle/puzzle_resource.h"
#include "puzzle/state.h"

namespace {

// The line up to its first NUL in UTF-8, blanks (half and full width) around it removed.
std::string trimmedLine(const char* line)
{
    const std::string whole = cp932ToUtf8(std::string_view(line, strnlen(line, messageLineBytes)));
    std::string_view text = whole;
    constexpr std::string_view wideBlank = "\u3000";
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (std::string_view blank : {std::string_view(" "), wideBlank}) {
            if (text.starts_with(blank)) {
                text.remove_prefix(blank.size());
                trimmed = true;
            }
            if (text.ends_with(blank)) {
                text.remove_suffix(blank.size());
                trimmed = true;
            }
        }
    }
    return std::string(text);
}

// The second line (where puzzles keep their titles), else the first, else the third.
std::string titleOfLines(const char* first, const char* second, const char* third)
{
    for (const char* line : {second, first, third}) {
        std::string text = trimmedLine(line);
        if (!text.empty())
            return text;
    }
    return {};
}

}  // namespace

std::string titleOfPuzzleInPlay()
{
    return titleOfLines(messageLine1(), messageLine2(), messageLine3());
}

std::string titleOfPuzzleHeader(std::span<const std::uint8_t> header)
{
    char lines[3][messageLineBytes];
    std::memcpy(lines, header.data() + puzzleMessageLinesAt, sizeof lines);
    return titleOfLines(lines[0], lines[1], lines[2]);
}
