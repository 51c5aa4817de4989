// The SDL2 audio device behind playSoundResource, owned by the GTK back end.
#pragma once

// Stops any sound and closes the audio device (opened again on the next sound); the back end
// calls it at exit so that drivers writing to a file finish it.
void closeSoundDevice();
