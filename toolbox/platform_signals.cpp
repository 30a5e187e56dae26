// Ending on SIGTERM and SIGINT, whatever the program is doing. The signal itself only takes a
// note and wakes whoever waits; every event loop (the main one, the dialogs', the message
// boxes') sees the note and ends what it runs, so the program leaves the way it does when its
// window is closed, writing nothing half. Should that take longer than a second, or a second
// signal come, the program ends at once: the settings file is only ever replaced whole, so
// it is intact either way.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "toolbox/platform.h"
#include "toolbox/platform_sdl.h"

namespace {

volatile sig_atomic_t g_endingSignal = 0;
int g_wakePipe[2] = {-1, -1};

void note_ending(int signal) {
    if (g_endingSignal != 0) _exit(128 + g_endingSignal);
    g_endingSignal = signal;
    int saved = errno;
    char byte = 1;
    if (g_wakePipe[1] >= 0 && write(g_wakePipe[1], &byte, 1) < 0) {
        // Full: whoever waits has been woken already.
    }
    alarm(1);
    errno = saved;
}

void end_at_once(int /*signal*/) {
    static const char kText[] = "tintamar: ended at once, the orderly way took over a second\n";
    if (write(STDERR_FILENO, kText, sizeof kText - 1) < 0) {
        // Nowhere to say it.
    }
    _exit(128 + g_endingSignal);
}

void handle(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no restart: a wait in progress returns and looks at the note
    sigaction(signal, &action, nullptr);
}

}  // namespace

namespace sdl_platform {

int ending_wake_fd() { return g_wakePipe[0]; }

void orderly_end_reached() { alarm(0); }

}  // namespace sdl_platform

namespace platform {

void watch_end_signals() {
    if (g_wakePipe[0] < 0 && pipe2(g_wakePipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        g_wakePipe[0] = g_wakePipe[1] = -1;
    }
    handle(SIGTERM, note_ending);
    handle(SIGINT, note_ending);
    handle(SIGALRM, end_at_once);
}

int ending_signal() { return g_endingSignal; }

}  // namespace platform
