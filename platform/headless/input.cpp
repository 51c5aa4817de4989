// The keyboard as tests set it, and records of cursors, cursor confinement and sounds.
#include "platform/input.h"

#include <algorithm>
#include <string>

#include "platform/headless/backend.h"
#include "platform/headless/headless.h"
#include "platform/sound.h"

using headless::backEnd;

void getKeyboardState(std::uint8_t state[256])
{
    std::copy(backEnd().keys.begin(), backEnd().keys.end(), state);
}

bool isKeyDown(int virtualKey)
{
    return virtualKey >= 0 && virtualKey < 256 && (backEnd().keys[virtualKey] & 0x80) != 0;
}

void setCursorResource(int cursorId)
{
    backEnd().cursor = cursorId;
    headless::logEvent("cursor " + std::to_string(cursorId));
}

void confineCursor(const Rect* screenRect)
{
    if (!screenRect) {
        headless::logEvent("confine none");
        return;
    }
    headless::logEvent("confine " + std::to_string(screenRect->left) + "," +
                       std::to_string(screenRect->top) + "," + std::to_string(screenRect->right) +
                       "," + std::to_string(screenRect->bottom));
}

void playSoundResource(int waveId)
{
    headless::logEvent("sound " + std::to_string(waveId));
}

namespace headless {

void setKeyDown(int virtualKey, bool down)
{
    backEnd().keys.at(static_cast<std::size_t>(virtualKey & 0xFF)) = down ? 0x80 : 0x00;
}

int currentCursor()
{
    return backEnd().cursor;
}

}  // namespace headless
