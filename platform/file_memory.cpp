// Room in memory for a whole file, asked for without letting std::bad_alloc end the game.
#include <new>

#include "platform/files.h"

bool resizeWithinMemory(std::vector<std::uint8_t>& bytes, std::size_t size)
{
    try {
        bytes.resize(size);
        return true;
    } catch (const std::bad_alloc&) {
        bytes.clear();
        bytes.shrink_to_fit();
        return false;
    }
}
