// Fuzz target: the message catalog reader. Whatever the file holds, loading ends; a refused
// catalog is empty; a loaded one answers the same after loading again, and its header's
// language field is one line.
#include <cstdint>
#include <span>
#include <string>

#include "fuzz/fuzz_support.h"
#include "platform/mo_catalog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    MoCatalog catalog;
    const bool loaded = catalog.load(bytes);
    const std::string language = catalog.language();
    fuzzRequire(language.find('\n') == std::string::npos, "the language field runs past its line");
    const char* header = catalog.find("");
    if (!loaded) {
        fuzzRequire(header == nullptr && language.empty(), "a refused catalog kept texts");
        return 0;
    }
    const std::string headerText = header ? header : "";
    MoCatalog again;
    fuzzRequire(again.load(bytes), "a catalog loaded once was refused the second time");
    const char* headerAgain = again.find("");
    fuzzRequire((headerAgain ? headerAgain : "") == headerText && again.language() == language,
                "the same catalog loaded twice answered differently");
    return 0;
}
