// Sound effects from the program's WAVE resources.
#pragma once

// PlaySound(id, NULL, SND_RESOURCE | SND_ASYNC): plays in the background and cuts off the
// sound playing; without an audio device nothing is heard and nothing is reported.
void playSoundResource(int waveId);
