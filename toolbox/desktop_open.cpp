// Handing a file or a web address to the desktop's opener, xdg-open. The opener is a script
// that picks the user's browser or viewer and runs it; it answers within a fraction of a
// second when nothing can show the target (exit status 3) and may stay running for as long as
// a browser it started in the foreground. So the program waits a moment for its answer and
// then lets it be, collecting it later so that no finished opener lingers.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "toolbox/toolbox.h"

extern char** environ;

namespace {

constexpr const char* kOpener = "xdg-open";
constexpr int kPatienceMs = 1500;  // what a failing opener takes, with room for a busy machine
constexpr int kPollMs = 10;
constexpr int kMaxUnfinished = 8;

pid_t g_unfinished[kMaxUnfinished] = {};

void collect_finished_openers() {
    for (pid_t& pid : g_unfinished) {
        if (pid > 0 && waitpid(pid, nullptr, WNOHANG) != 0) pid = 0;
    }
}

void remember_unfinished(pid_t pid) {
    for (pid_t& slot : g_unfinished) {
        if (slot == 0) {
            slot = pid;
            return;
        }
    }
    // All slots busy: this one is collected by the system when the program ends.
}

}  // namespace

int32_t tb_OpenWithDesktop(const char* target) {
    if (target == nullptr || *target == 0) return 0;
    collect_finished_openers();

    // The opener reads nothing from us; its messages go where ours go.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    char* const argv[] = {const_cast<char*>(kOpener), const_cast<char*>(target), nullptr};
    pid_t pid = 0;
    int spawned = posix_spawnp(&pid, kOpener, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return 0;

    for (int waited = 0; waited < kPatienceMs; waited += kPollMs) {
        int status = 0;
        pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 1 : 0;
        if (done < 0) return 1;  // already collected elsewhere: nothing more to learn
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
    }
    remember_unfinished(pid);
    return 1;
}
