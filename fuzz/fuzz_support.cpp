// Helpers of the fuzz targets: loud failures, a headless game, input reading.
#include "fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>

#include "app/window_proc.h"
#include "board/surfaces.h"
#include "platform/headless/headless.h"
#include "platform/window.h"
#include "puzzle/construction.h"
#include "puzzle/state.h"
#include "tests/support/puzzle_fixture.h"

void fuzzFailure(const std::string& what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

void requireNoFaults(const std::vector<std::string>& faults, const std::string& context)
{
    if (faults.empty())
        return;
    std::string text = context + ":";
    for (const std::string& fault : faults)
        text += "\n  " + fault;
    fuzzFailure(text);
}

void startFuzzGame()
{
    static bool surfacesMade = false;
    headless::reset();
    resetGameState();
    if (!surfacesMade) {
        createDrawingSurfaces();
        surfacesMade = true;
    }
    fillNeighbourSteps();
    setMainWindow(createMainWindow("VELMORA", 0, 0, 64, 48, 113, 118, mainWindowProc));
    setPuzzleNumber(2);
}

void buildGameRecordPuzzle()
{
    static const std::vector<std::uint8_t> resource = makePuzzleResource({3, 2, 4, 4, 0});
    headless::overrideResource("JZT", 164, resource);
    buildPuzzle();
    fuzzRequire(getColumns() == 3 && getRows() == 2, "the game record puzzle did not build");
}

std::uint8_t InputReader::take8()
{
    return offset_ < size_ ? data_[offset_++] : 0;
}

std::int32_t InputReader::take16()
{
    const std::uint16_t low = take8();
    return static_cast<std::int16_t>(low | static_cast<std::uint16_t>(take8() << 8));
}

std::int32_t InputReader::take32()
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value |= static_cast<std::uint32_t>(take8()) << (8 * i);
    return static_cast<std::int32_t>(value);
}
