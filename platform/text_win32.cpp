// Code page 932 <-> UTF-8 through the system's code page 932 table, giving the same results
// as the iconv conversion of the Linux build: invalid input is replaced the same way, and a
// character with several code page 932 forms gets the one iconv gives.
#include "platform/text.h"

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/utf16.h"

namespace {

constexpr unsigned cp932 = 932;

bool isLeadByte(unsigned char value)
{
    return (value >= 0x81 && value <= 0x9F) || (value >= 0xE0 && value <= 0xFC);
}

// Bytes the system maps to private or control characters although iconv counts them invalid.
bool isValidSingleByte(unsigned char value)
{
    return value < 0x80 || (value >= 0xA1 && value <= 0xDF);
}

constexpr char32_t notACharacter = 0xFFFFFFFF;

// The character the bytes stand for, or notACharacter when they are not one valid character.
char32_t decodeCp932(const char* bytes, int size)
{
    wchar_t wide[2];
    const int count = MultiByteToWideChar(cp932, MB_ERR_INVALID_CHARS, bytes, size, wide, 2);
    return count == 1 ? static_cast<char32_t>(wide[0]) : notACharacter;
}

// Every character of code page 932 with its bytes. Where several forms decode to the same
// character the first one found wins, so lead bytes are walked in the order of preference:
// JIS X 0208 and the user-defined area, then the NEC row 13 (0x87), the IBM extensions
// (0xFA-0xFC) and last the NEC selection of them (0xED, 0xEE).
std::unordered_map<char32_t, std::string> buildEncodeTable()
{
    std::unordered_map<char32_t, std::string> table;
    for (int value = 0; value < 0x100; ++value) {
        const char single = static_cast<char>(value);
        if (isValidSingleByte(static_cast<unsigned char>(value)))
            if (const char32_t c = decodeCp932(&single, 1); c != notACharacter)
                table.emplace(c, std::string(1, single));
    }
    constexpr int laterLeads[] = {0x87, 0xFA, 0xFB, 0xFC, 0xED, 0xEE};
    std::vector<int> leads;
    for (int lead = 0x81; lead <= 0xFC; ++lead)
        if (isLeadByte(static_cast<unsigned char>(lead)) &&
            std::find(std::begin(laterLeads), std::end(laterLeads), lead) == std::end(laterLeads))
            leads.push_back(lead);
    leads.insert(leads.end(), std::begin(laterLeads), std::end(laterLeads));
    for (int lead : leads)
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            if (const char32_t c = decodeCp932(pair, 2); c != notACharacter)
                table.emplace(c, std::string(pair, 2));
        }
    // Characters iconv also takes for their look-alikes (the yen sign, overline, em dash,
    // cent and pound signs, not sign, double vertical line, minus sign and wave dash), which
    // the system's table lacks.
    const std::pair<char32_t, const char*> lookAlikes[] = {
        {U'\u00A5', "\x5C"},     {U'\u203E', "\x7E"},     {U'\u2014', "\x81\x5C"},
        {U'\u00A2', "\x81\x91"}, {U'\u00A3', "\x81\x92"}, {U'\u00AC', "\x81\xCA"},
        {U'\u2016', "\x81\x61"}, {U'\u2212', "\x81\x7C"}, {U'\u301C', "\x81\x60"},
    };
    for (const auto& [c, bytes] : lookAlikes)
        table.emplace(c, bytes);
    return table;
}

bool isContinuation(unsigned char value)
{
    return (value & 0xC0) == 0x80;
}

// The well-formed UTF-8 character at the start of `text` and its length; length 0 when the
// bytes there are not one.
char32_t decodeUtf8(std::string_view text, std::size_t& length)
{
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char first = byteAt(0);
    length = first < 0x80 ? 1 : first >= 0xC2 && first <= 0xDF ? 2
           : first >= 0xE0 && first <= 0xEF                    ? 3
           : first >= 0xF0 && first <= 0xF4                    ? 4
                                                               : 0;
    if (length == 0 || length > text.size()) {
        length = 0;
        return 0;
    }
    char32_t c = length == 1 ? first : first & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if (!isContinuation(byteAt(i))) {
            length = 0;
            return 0;
        }
        c = (c << 6) | (byteAt(i) & 0x3F);
    }
    constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < smallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        length = 0;
    return c;
}

}  // namespace

std::string cp932ToUtf8(std::string_view cp932Text)
{
    std::string output;
    std::size_t at = 0;
    while (at < cp932Text.size()) {
        const auto value = static_cast<unsigned char>(cp932Text[at]);
        const int size = isLeadByte(value) && at + 1 < cp932Text.size() ? 2 : 1;
        const char32_t c = size == 2 || isValidSingleByte(value)
                               ? decodeCp932(cp932Text.data() + at, size)
                               : notACharacter;
        if (c != notACharacter) {
            const wchar_t wide = static_cast<wchar_t>(c);
            output += utf16ToUtf8({&wide, 1});
            at += static_cast<std::size_t>(size);
        } else {
            // Not a character: one replacement for its first byte, then on after that byte.
            output += "\xEF\xBF\xBD";
            ++at;
        }
    }
    return output;
}

std::string utf8ToCp932(std::string_view utf8)
{
    static const std::unordered_map<char32_t, std::string> table = buildEncodeTable();
    std::string output;
    std::size_t at = 0;
    while (at < utf8.size()) {
        std::size_t length = 0;
        const char32_t c = decodeUtf8(utf8.substr(at), length);
        const auto found = length > 0 ? table.find(c) : table.end();
        if (found != table.end()) {
            output += found->second;
            at += length;
            continue;
        }
        // Not a character of code page 932: one '?' for it and any continuation bytes after.
        output += '?';
        ++at;
        while (at < utf8.size() && isContinuation(static_cast<unsigned char>(utf8[at])))
            ++at;
    }
    return output;
}
