// Application-wide state of the shell: one instance, kept for the whole run.
#pragma once

#include "toolbox/toolbox.h"

#include <cstdint>

struct AppState {
    WindowRef mainWindow = -1;
    Rect desktop;  // the whole screen, re-read whenever the window is (re)sized
    int32_t sceneReady = 0;  // painting, refocus and display changes wait for it
    int32_t focusLost = 0;  // presses and releases are dropped while set
    int32_t exitCode = 0;
};

extern AppState g_app;
