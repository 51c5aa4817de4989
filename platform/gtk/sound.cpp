// Plays WAVE resources through SDL2 audio: one device, opened on the first sound, and each
// new sound replaces the one still playing.
#include "platform/sound.h"

#include <SDL.h>

#include <vector>

#include "platform/gtk/sound_device.h"
#include "platform/resources.h"

namespace {

SDL_AudioDeviceID device = 0;
SDL_AudioSpec deviceFormat{};
bool audioStarted = false;

bool openDevice()
{
    SDL_AudioSpec wanted{};
    wanted.freq = 44100;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = 2048;
    device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &deviceFormat, SDL_AUDIO_ALLOW_ANY_CHANGE);
    if (device == 0)
        return false;
    SDL_PauseAudioDevice(device, 0);
    return true;
}

// Opens the device once. SDL picks the driver (or takes SDL_AUDIODRIVER); when that gives no
// device, the silent "dummy" driver stands in so that playing never fails.
bool ensureDevice()
{
    if (device != 0)
        return true;
    if (!audioStarted)
        audioStarted = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (audioStarted && openDevice())
        return true;
    if (audioStarted)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    audioStarted = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    return audioStarted && openDevice();
}

// Decodes a WAVE file held in memory and converts it to the device's format.
std::vector<Uint8> decodeForDevice(std::span<const std::uint8_t> wave)
{
    std::vector<Uint8> converted;
    SDL_AudioSpec waveFormat{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    SDL_RWops* source = SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size()));
    if (!SDL_LoadWAV_RW(source, 1, &waveFormat, &samples, &length))
        return converted;
    SDL_AudioStream* stream =
        SDL_NewAudioStream(waveFormat.format, waveFormat.channels, waveFormat.freq,
                           deviceFormat.format, deviceFormat.channels, deviceFormat.freq);
    if (stream && SDL_AudioStreamPut(stream, samples, static_cast<int>(length)) == 0 &&
        SDL_AudioStreamFlush(stream) == 0) {
        converted.resize(static_cast<std::size_t>(SDL_AudioStreamAvailable(stream)));
        const int got = SDL_AudioStreamGet(stream, converted.data(),
                                           static_cast<int>(converted.size()));
        converted.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    }
    SDL_FreeAudioStream(stream);
    SDL_FreeWAV(samples);
    return converted;
}

}  // namespace

void playSoundResource(int waveId)
{
    const std::span<const std::uint8_t> wave = findResource("WAVE", waveId);
    if (wave.empty() || !ensureDevice())
        return;
    const std::vector<Uint8> samples = decodeForDevice(wave);
    if (samples.empty())
        return;
    SDL_ClearQueuedAudio(device);
    SDL_QueueAudio(device, samples.data(), static_cast<Uint32>(samples.size()));
}

void closeSoundDevice()
{
    if (device != 0) {
        SDL_CloseAudioDevice(device);
        device = 0;
    }
    if (audioStarted) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        audioStarted = false;
    }
}
