// The keyboard state the game polls through getKeyboardState, kept by a real back end from its
// key events (virtual-key codes).
#pragma once

#include <cstdint>

namespace keystate {

// A key went down or up. With `latch`, a key pressed and released before the game looked reads
// as down once, so that a short tap of Escape still reaches the game's keyboard poll.
void record(int key, bool down, bool latch);

// Keys released while another program has the focus never come back: forgets them all.
void forgetAll();

// Whether the key is down (or was tapped and not yet read), without reading it.
bool isDown(int key);

// Copies the state (0x80 for a key that is down) into `state`; the latched keys, now seen, go up.
void read(std::uint8_t state[256]);

}  // namespace keystate
