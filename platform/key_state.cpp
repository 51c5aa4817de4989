// The keyboard state kept from a real back end's key events.
#include "platform/key_state.h"

#include <cstring>

namespace {

std::uint8_t keyState[256];
bool unseenPress[256];
bool releasedUnseen[256];

void setKey(int key, bool down)
{
    keyState[key] = down ? 0x80 : 0;
    // Left and right modifier keys also set the generic VK_SHIFT, VK_CONTROL and VK_MENU.
    if (key >= 0xA0 && key <= 0xA5) {
        const int left = 0xA0 + (key - 0xA0) / 2 * 2;
        const int generic = 0x10 + (key - 0xA0) / 2;
        keyState[generic] = (keyState[left] | keyState[left + 1]) & 0x80;
    }
}

}  // namespace

namespace keystate {

void record(int key, bool down, bool latch)
{
    if (down) {
        unseenPress[key] = latch;
        releasedUnseen[key] = false;
        setKey(key, true);
    } else if (unseenPress[key]) {
        releasedUnseen[key] = true;
    } else {
        setKey(key, false);
    }
}

void forgetAll()
{
    std::memset(keyState, 0, sizeof keyState);
    std::memset(unseenPress, 0, sizeof unseenPress);
    std::memset(releasedUnseen, 0, sizeof releasedUnseen);
}

bool isDown(int key)
{
    return key >= 0 && key < 256 && (keyState[key] & 0x80) != 0;
}

void read(std::uint8_t state[256])
{
    std::memcpy(state, keyState, sizeof keyState);
    for (int key = 0; key < 256; ++key) {
        unseenPress[key] = false;
        if (releasedUnseen[key]) {
            releasedUnseen[key] = false;
            setKey(key, false);
        }
    }
}

}  // namespace keystate
