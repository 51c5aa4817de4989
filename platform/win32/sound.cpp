// Sound effects: the WAVE resources played from memory through winmm, each new sound cutting
// off the one still playing; without an audio device PlaySound fails and nothing is heard.
#include "platform/resources.h"
#include "platform/sound.h"
#include "platform/win32/win32_window.h"

#include <mmsystem.h>

void playSoundResource(int waveId)
{
    const std::span<const std::uint8_t> wave = findResource("WAVE", waveId);
    if (!wave.empty())
        PlaySoundW(reinterpret_cast<LPCWSTR>(wave.data()), nullptr,
                   SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}
