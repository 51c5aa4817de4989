// Writes every code page 932 conversion the game can meet to one file, so that the Linux
// (iconv) and the Windows (system code page) builds can be compared: each character of the
// Basic Multilingual Plane to code page 932, every one- and two-byte sequence from it, and
// malformed input both ways.
//   velmora_text_table FILE
#include <cstdio>
#include <string>

#include "platform/text.h"

namespace {

std::string utf8Of(char32_t c)
{
    std::string text;
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
    return text;
}

// One line: the input and the output, both as hexadecimal bytes.
void writeLine(std::FILE* file, const std::string& input, const std::string& output)
{
    for (unsigned char b : input)
        std::fprintf(file, "%02X", b);
    std::fputc(' ', file);
    for (unsigned char b : output)
        std::fprintf(file, "%02X", b);
    std::fputc('\n', file);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmora_text_table FILE\n");
        return 2;
    }
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file)
        return 1;
    for (char32_t c = 0; c < 0x10000; ++c)
        if (c < 0xD800 || c > 0xDFFF)
            writeLine(file, utf8Of(c), utf8ToCp932(utf8Of(c)));
    for (int first = 0; first < 0x100; ++first) {
        const std::string single(1, static_cast<char>(first));
        writeLine(file, single, cp932ToUtf8(single));
        for (int second = 0; second < 0x100 && first >= 0x80; ++second) {
            const std::string pair = single + static_cast<char>(second);
            writeLine(file, pair, cp932ToUtf8(pair));
        }
    }
    const char* const malformed[] = {
        "\xC3",         "\xC3" "A",     "\xC0\x80",        "\xED\xA0\x80",   "\xF0\x9F\x98\x80",
        "\xE3\x81\x82\x83", "\xC3\xA9\x80", "\x80\x80" "a",  "\xF8\x88\x80\x80\x80", "\xFF" "b",
    };
    for (const char* text : malformed) {
        writeLine(file, text, utf8ToCp932(text));
        writeLine(file, text, cp932ToUtf8(text));
    }
    return std::fclose(file) == 0 ? 0 : 1;
}
