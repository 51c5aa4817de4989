// Fuzz target: the series text kept beside the kept game. Whatever the file holds, the reader
// either refuses it and leaves the defaults, or answers a puzzle of the series and a kind of
// 0 or 1 that write back to a text reading the same.
#include <cstdint>
#include <span>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "puzzle/state.h"
#include "savegame/series.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    int number = -7;
    int made = -7;
    if (!parseSeries({data, size}, number, made)) {
        fuzzRequire(number == -7 && made == -7, "a refused series text changed the answer");
        return 0;
    }
    fuzzRequire(number >= firstSeriesPuzzleNumber && number <= lastSeriesPuzzleNumber,
                "the series number is outside the series");
    fuzzRequire(made == 0 || made == 1, "the kind is neither 0 nor 1");
    const std::vector<std::uint8_t> written = seriesText(number, made);
    int numberAgain = 0;
    int madeAgain = 0;
    fuzzRequire(parseSeries(written, numberAgain, madeAgain) && numberAgain == number &&
                    madeAgain == made,
                "the series text did not read back as written");
    return 0;
}
