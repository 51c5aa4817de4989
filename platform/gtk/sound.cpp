// Plays WAVE resources through SDL2 audio: one device, opened for a sound and closed once it has
// played, and each new sound replaces the one still playing.
#include "platform/sound.h"

#include <SDL.h>
#include <glib.h>

#include <vector>

#include "platform/gtk/sound_device.h"
#include "platform/resources.h"

namespace {

SDL_AudioDeviceID device = 0;
SDL_AudioSpec deviceFormat{};
bool audioStarted = false;
guint closeTimer = 0;  // the check that closes the device once the sound has played

// Milliseconds of sound in `bytes` of the device's format.
guint playingTime(std::size_t bytes)
{
    const std::size_t bytesPerFrame =
        static_cast<std::size_t>(deviceFormat.channels) * SDL_AUDIO_BITSIZE(deviceFormat.format) / 8;
    const std::size_t bytesPerSecond = bytesPerFrame * static_cast<std::size_t>(deviceFormat.freq);
    return bytesPerSecond == 0 ? 0 : static_cast<guint>(bytes * 1000 / bytesPerSecond);
}

// Closes the device once its queue has run dry, or looks again after the same time.
// A paused SDL2 device would go on feeding silence to its driver, so an idle game closes it.
gboolean closeWhenDone(gpointer)
{
    if (SDL_GetQueuedAudioSize(device) > 0)
        return G_SOURCE_CONTINUE;
    SDL_CloseAudioDevice(device);
    device = 0;
    closeTimer = 0;
    return G_SOURCE_REMOVE;
}

void stopCloseTimer()
{
    if (closeTimer != 0)
        g_source_remove(closeTimer);
    closeTimer = 0;
}

bool openDevice()
{
    SDL_AudioSpec wanted{};
    wanted.freq = 44100;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = 2048;
    device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &deviceFormat, SDL_AUDIO_ALLOW_ANY_CHANGE);
    return device != 0;
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
    SDL_ClearQueuedAudio(device);
    if (!samples.empty()) {
        SDL_QueueAudio(device, samples.data(), static_cast<Uint32>(samples.size()));
        SDL_PauseAudioDevice(device, 0);
    }
    // The device buffer still holds the end of the sound when the queue runs dry, hence the
    // margin before the first look.
    stopCloseTimer();
    closeTimer = g_timeout_add(playingTime(samples.size()) + 200, closeWhenDone, nullptr);
}

void closeSoundDevice()
{
    stopCloseTimer();
    if (device != 0) {
        SDL_CloseAudioDevice(device);
        device = 0;
    }
    if (audioStarted) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        audioStarted = false;
    }
}
