// The classic C runtime's rand and srand: a 32-bit linear congruential generator.
#include "platform/system.h"

namespace {

std::uint32_t randomState = 1;

}  // namespace

void seedRandom(std::uint32_t seed)
{
    randomState = seed;
}

int nextRandom()
{
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int>((randomState >> 16) & 0x7FFF);
}
