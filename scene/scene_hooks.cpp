#include "scene/scene_hooks.h"

namespace {

void no_command(int32_t) {}
void no_printing() {}
int32_t text_cancelled() { return -1; }
void no_text(int32_t, int32_t) {}
int32_t no_stamp(int32_t, int32_t, int32_t, int32_t*) { return -1; }

}  // namespace

SceneHooks g_sceneHooks{no_command, no_printing, text_cancelled, no_text, no_text, no_stamp};
