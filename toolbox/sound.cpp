// Sound effects from the WAVE resources: one voice, a new sound replaces the playing one.
// Every sound waits on the application's sound switch; stopping never does.
#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "toolbox/internal.h"
#include "toolbox/platform.h"

namespace {

const int32_t* g_soundSwitch = nullptr;

bool sound_on() { return g_soundSwitch == nullptr || *g_soundSwitch != 0; }

void play(int16_t id, bool loop) {
    ResourceBytes r = find_resource(ResourceKind::Sound, id);
    if (r.data == nullptr) return;
    platform::play_wave(r.data, r.size, loop);
}

}  // namespace

void tb_SetSoundSwitch(const int32_t* soundOn) { g_soundSwitch = soundOn; }

void tb_PlaySound(int16_t id, int32_t loop) {
    if (sound_on()) play(id, loop != 0);
}

void tb_PlaySoundLoop(int16_t id) { tb_PlaySound(id, 1); }

void tb_PlaySoundAsync(int16_t id) {
    if (sound_on() && id > 0) play(id, false);
}

void tb_PlaySoundNoStop(int16_t id) {
    if (sound_on() && id > 0 && !platform::sound_playing()) play(id, false);
}

void tb_StopSound() { platform::stop_sound(); }

void tb_Beep() {
    if (sound_on()) play(kSoundWarning, false);
}
