// A puzzle's title as its message can keep it: letters code page 932 lacks replaced by their
// plain forms, or by '?'.
#include "maker/title_text.h"

#include <algorithm>

#include "platform/text.h"

namespace {

// The unaccented letters of U+00C0 to U+017F, sixteen to a line: '*' for the letters written
// with two (below), ' ' where the code page has the character itself (× and ÷).
constexpr std::string_view latinPlainLetters =
    "AAAAAA*CEEEEIIII"
    "DNOOOOO OUUUUY**"
    "aaaaaa*ceeeeiiii"
    "dnooooo ouuuuy*y"
    "AaAaAaCcCcCcCcDd"
    "DdEeEeEeEeEeGgGg"
    "GgGgHhHhIiIiIiIi"
    "Ii**JjKkkLlLlLlL"
    "lLlNnNnNn*NnOoOo"
    "Oo**RrRrRrSsSsSs"
    "SsTtTtTtUuUuUuUu"
    "UuUuWwYyYZzZzZzs";
constexpr char32_t firstLatinLetter = 0xC0;

struct TwoLetters {
    char32_t letter;
    const char* plain;
};
constexpr TwoLetters twoLetterForms[] = {
    {0xC6, "AE"}, {0xDE, "TH"}, {0xDF, "ss"}, {0xE6, "ae"}, {0xFE, "th"},
    {0x132, "IJ"}, {0x133, "ij"}, {0x149, "'n"}, {0x152, "OE"}, {0x153, "oe"},
};

// Marks that belong to the letter before them: combining accents, joiners, variation selectors.
bool isMark(char32_t c)
{
    return (c >= 0x300 && c <= 0x36F) || c == 0x200D || (c >= 0xFE00 && c <= 0xFE0F);
}

std::string plainFormOf(char32_t c)
{
    if (isMark(c))
        return "";
    if (c >= firstLatinLetter && c < firstLatinLetter + latinPlainLetters.size()) {
        const char plain = latinPlainLetters[c - firstLatinLetter];
        if (plain == '*')
            for (const TwoLetters& form : twoLetterForms)
                if (form.letter == c)
                    return form.plain;
        if (plain != ' ' && plain != '*')
            return std::string(1, plain);
    }
    if (c == 0x2013)  // en dash
        return "-";
    return "?";
}

// The length of the UTF-8 sequence at `at` and the character it stands for; an invalid
// sequence is one byte of U+FFFD.
std::size_t decodeAt(std::string_view text, std::size_t at, char32_t& c)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    c = length == 1 ? lead : lead & (0x7F >> length);
    if (lead >= 0x80 && (lead < 0xC2 || lead > 0xF4 || at + length > text.size())) {
        c = 0xFFFD;
        return 1;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) {
            c = 0xFFFD;
            return 1;
        }
        c = (c << 6) | (next & 0x3F);
    }
    return length;
}

}  // namespace

KeptTitle keptTitle(std::string_view utf8)
{
    KeptTitle kept;
    for (std::size_t at = 0; at < utf8.size();) {
        char32_t c = 0;
        const std::size_t length = decodeAt(utf8, at, c);
        const std::string letter(utf8.substr(at, length));
        at += length;
        if (c != 0xFFFD && cp932ToUtf8(utf8ToCp932(letter)) == letter) {
            kept.text += letter;
            continue;
        }
        const std::string plain = plainFormOf(c);
        kept.text += plain;
        const bool told = std::any_of(kept.replaced.begin(), kept.replaced.end(),
                                      [&](const auto& pair) { return pair.first == letter; });
        if (!told)
            kept.replaced.emplace_back(letter, plain);
    }
    return kept;
}
