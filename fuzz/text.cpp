// Fuzz target: the code-page conversions both ways. Whatever comes in, UTF-8 out is valid
// UTF-8, code page 932 out reads back without replacement characters, and a text once
// converted to code page 932 goes through UTF-8 and back unchanged.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "platform/text.h"

namespace {

bool validUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3
                                                   : (lead >> 3) == 30 ? 4 : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (std::size_t j = 1; j < length; ++j)
            if ((static_cast<unsigned char>(text[i + j]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

constexpr std::string_view replacementCharacter = "\xEF\xBF\xBD";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    const std::string shown = cp932ToUtf8(input);
    fuzzRequire(validUtf8(shown), "cp932ToUtf8 gave invalid UTF-8");
    fuzzRequire(shown.size() <= 3 * input.size(), "cp932ToUtf8 grew more than 3 bytes a byte");

    const std::string stored = utf8ToCp932(input);
    fuzzRequire(stored.size() <= input.size() + 1, "utf8ToCp932 grew the text");
    const std::string readBack = cp932ToUtf8(stored);
    fuzzRequire(readBack.find(replacementCharacter) == std::string::npos,
                "utf8ToCp932 gave bytes that are not code page 932");
    fuzzRequire(utf8ToCp932(readBack) == stored, "code page 932 text changed on a round trip");
    return 0;
}
