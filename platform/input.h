// Keyboard state and cursors.
#pragma once

#include <cstdint>

#include "platform/types.h"

constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_SPACE = 0x20;

// GetKeyboardState: 256 bytes, bit 7 set for each key that is down.
void getKeyboardState(std::uint8_t state[256]);

// SetCursor(LoadCursor(instance, id)) for the program's cursor resources (104, 125).
void setCursorResource(int cursorId);

// ClipCursor: confines the pointer to a rectangle in screen coordinates; null releases it.
void confineCursor(const Rect* screenRect);
