// The real window system's sound: one voice mixed by SDL's audio callback. The device opens
// with the first sound and runs only while a sound plays; without a device (CI, no sound card)
// a sound "plays" silently for as long as it lasts.
#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

#include "toolbox/platform.h"
#include "toolbox/platform_sdl.h"

namespace {

struct Voice {
    const std::vector<uint8_t>* samples = nullptr;
    size_t position = 0;
    bool loop = false;
    bool active = false;
};

SDL_AudioDeviceID g_audio = 0;
SDL_AudioSpec g_audioSpec{};
Voice g_voice;
std::map<const uint8_t*, std::vector<uint8_t>> g_converted;  // by resource address
uint32_t g_silentUntil = 0;  // without a device: when the "playing" sound would end

void audio_callback(void* /*user*/, Uint8* stream, int length) {
    std::memset(stream, g_audioSpec.silence, static_cast<size_t>(length));
    size_t written = 0;
    auto want = static_cast<size_t>(length);
    while (g_voice.active && written < want) {
        const std::vector<uint8_t>& s = *g_voice.samples;
        size_t n = std::min(want - written, s.size() - g_voice.position);
        std::memcpy(stream + written, s.data() + g_voice.position, n);
        written += n;
        g_voice.position += n;
        if (g_voice.position >= s.size()) {
            if (g_voice.loop && !s.empty())
                g_voice.position = 0;
            else
                g_voice.active = false;
        }
    }
}

// The sound device opens with the first sound, so that start-up never waits for it.
bool g_audioTried = false;

void open_audio() {
    if (g_audioTried) return;
    g_audioTried = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    SDL_AudioSpec want{};
    want.freq = 22050;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 512;
    want.callback = audio_callback;
    g_audio = SDL_OpenAudioDevice(nullptr, 0, &want, &g_audioSpec, 0);
}

// The wave converted to the device's format, made once per resource.
const std::vector<uint8_t>* converted(const uint8_t* wave, size_t size) {
    auto found = g_converted.find(wave);
    if (found != g_converted.end()) return &found->second;
    SDL_AudioSpec waveFormat;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    SDL_RWops* rw = SDL_RWFromConstMem(wave, static_cast<int>(size));
    if (SDL_LoadWAV_RW(rw, 1, &waveFormat, &buffer, &length) == nullptr) return nullptr;
    std::vector<uint8_t> out;
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, waveFormat.format, waveFormat.channels, waveFormat.freq,
                          g_audioSpec.format, g_audioSpec.channels, g_audioSpec.freq) >= 0) {
        out.resize(static_cast<size_t>(length) * static_cast<size_t>(cvt.len_mult));
        std::memcpy(out.data(), buffer, length);
        cvt.buf = out.data();
        cvt.len = static_cast<int>(length);
        if (cvt.needed != 0) SDL_ConvertAudio(&cvt);
        out.resize(static_cast<size_t>(cvt.needed != 0 ? cvt.len_cvt : static_cast<int>(length)));
    }
    SDL_FreeWAV(buffer);
    return &(g_converted[wave] = std::move(out));
}

uint32_t wave_duration_ms(const uint8_t* wave, size_t size) {
    SDL_AudioSpec waveFormat;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    SDL_RWops* rw = SDL_RWFromConstMem(wave, static_cast<int>(size));
    if (SDL_LoadWAV_RW(rw, 1, &waveFormat, &buffer, &length) == nullptr) return 0;
    SDL_FreeWAV(buffer);
    uint32_t bytesPerSecond = static_cast<uint32_t>(waveFormat.freq) * waveFormat.channels *
                              (SDL_AUDIO_BITSIZE(waveFormat.format) / 8);
    return bytesPerSecond == 0 ? 0
                               : static_cast<uint32_t>(uint64_t{length} * 1000 / bytesPerSecond);
}

}  // namespace

namespace sdl_platform {

// The device runs only while a sound plays, so an idle program wakes nothing up.
void pause_when_silent() {
    if (g_audio != 0 && !g_voice.active) SDL_PauseAudioDevice(g_audio, 1);
}

void close_audio() {
    if (g_audio != 0) SDL_CloseAudioDevice(g_audio);
    g_audio = 0;
}

}  // namespace sdl_platform

namespace platform {

void play_wave(const uint8_t* wave, size_t size, bool loop) {
    open_audio();
    if (g_audio == 0) {
        g_silentUntil = loop ? 0xFFFFFFFFu : SDL_GetTicks() + wave_duration_ms(wave, size);
        return;
    }
    const std::vector<uint8_t>* samples = converted(wave, size);
    if (samples == nullptr || samples->empty()) {
        stop_sound();  // a new sound always replaces the old one, even one that cannot play
        return;
    }
    SDL_LockAudioDevice(g_audio);
    g_voice = Voice{samples, 0, loop, true};
    SDL_UnlockAudioDevice(g_audio);
    SDL_PauseAudioDevice(g_audio, 0);
}

void stop_sound() {
    g_silentUntil = 0;
    if (g_audio == 0) return;
    SDL_LockAudioDevice(g_audio);
    g_voice.active = false;
    SDL_UnlockAudioDevice(g_audio);
    SDL_PauseAudioDevice(g_audio, 1);
}

bool sound_playing() {
    if (g_audio == 0) return g_silentUntil == 0xFFFFFFFFu || SDL_GetTicks() < g_silentUntil;
    SDL_LockAudioDevice(g_audio);
    bool active = g_voice.active;
    SDL_UnlockAudioDevice(g_audio);
    return active;
}

}  // namespace platform
