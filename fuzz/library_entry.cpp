// Fuzz target: a library entry's info file (lines of text and a thumbnail). Whatever the file
// holds, the reader either refuses it or answers values within their ranges that write back to
// a file reading the same.
#include <cstdint>
#include <optional>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "library/entry_info.h"
#include "library/thumbnail.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::optional<EntryInfo> info = parseEntryInfo({data, size});
    if (!info)
        return 0;
    fuzzRequire(info->pieces >= 1 && info->joinedPieces >= 0 && info->joinedPieces < info->pieces,
                "the joins are outside the puzzle");
    const RgbImage& thumbnail = info->thumbnail;
    fuzzRequire(thumbnail.width <= thumbnailWidth && thumbnail.height <= thumbnailHeight &&
                    thumbnail.rgb.size() ==
                        static_cast<std::size_t>(thumbnail.width) * thumbnail.height * 3,
                "the thumbnail does not fit its box");
    const std::vector<std::uint8_t> written = entryInfoText(*info);
    fuzzRequire(written == std::vector<std::uint8_t>(data, data + size),
                "an accepted info file did not write back as it was");
    return 0;
}
