// Code page 932 <-> UTF-8 through iconv.
#include "platform/text.h"

#include <iconv.h>

#include <cerrno>

namespace {

std::string convert(std::string_view input, const char* to, const char* from,
                    const std::string& replacement)
{
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::string(input);
    std::string output;
    char buffer[256];
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
        output.append(buffer, out);
        if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // An invalid or unconvertible sequence: replace one byte (or one UTF-8
            // character) and go on after it.
            output += replacement;
            std::size_t skip = 1;
            if (from[0] == 'U')
                while (skip < inLeft && (static_cast<unsigned char>(in[skip]) & 0xC0) == 0x80)
                    ++skip;
            in += skip;
            inLeft -= skip;
        }
    }
    iconv_close(converter);
    return output;
}

}  // namespace

std::string cp932ToUtf8(std::string_view cp932)
{
    return convert(cp932, "UTF-8", "CP932", "\xEF\xBF\xBD");
}

std::string utf8ToCp932(std::string_view utf8)
{
    return convert(utf8, "CP932", "UTF-8", "?");
}
