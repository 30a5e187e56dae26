#include "pictures/user_folder.h"

#include <fcntl.h>
#include <pwd.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "pictures/display_text.h"
#include "pictures/documents.h"
#include "toolbox/toolbox.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

// The user's home folder: $HOME, else the one of the user's account.
std::string home() {
    const char* h = std::getenv("HOME");
    if (h != nullptr && h[0] == '/') return h;
    const passwd* account = getpwuid(getuid());
    return account != nullptr && account->pw_dir != nullptr ? account->pw_dir : "/";
}

// What `xdg-user-dir PICTURES` prints, without its line end; empty when it cannot run.
std::string desktop_pictures_folder() {
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    char* const argv[] = {const_cast<char*>("xdg-user-dir"), const_cast<char*>("PICTURES"),
                          nullptr};
    pid_t pid = 0;
    int spawned = posix_spawnp(&pid, "xdg-user-dir", &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    std::string out;
    if (spawned == 0) {
        char buffer[512];
        ssize_t got = 0;
        while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0 ||
               (got < 0 && errno == EINTR)) {
            if (got > 0 && out.size() < 8192) out.append(buffer, static_cast<size_t>(got));
        }
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) out.clear();
    }
    close(pipeEnds[0]);
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
    return out;
}

void tell_folder_unusable(const std::string& folder, const std::error_code& why) {
    std::string text = "Tintamar could not use the folder\n" +
                       cut_to_characters(displayable(folder.c_str()), 300) +
                       "\nfor its pictures (" + displayable(why.message().c_str()) +
                       ").\n\nYou can paint, but saving pictures will not work.";
    tb_Attention(text.c_str());
}

}  // namespace

std::string user_folder_path() {
    const char* chosen = std::getenv(kFolderVariable);
    if (chosen != nullptr && chosen[0] != 0) {
        std::error_code ec;
        fs::path absolute = fs::absolute(chosen, ec);
        std::string folder = (ec ? fs::path(chosen) : absolute).lexically_normal().string();
        if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
        return folder;
    }
    std::string pictures = desktop_pictures_folder();
    // The tool falls back to the home folder itself when the desktop names no pictures folder.
    if (pictures.empty() || pictures[0] != '/' || fs::path(pictures) == fs::path(home())) {
        pictures = (fs::path(home()) / "Pictures").string();
    }
    return (fs::path(pictures) / "Tintamar").string();
}

bool user_folder_prepare(const std::string& folder, const std::string& pagesSource) {
    // The paths built on it must fit in the documents' path buffers.
    if (folder.size() + std::strlen("/Gallery/") >= kPathSize) {
        tell_path_too_long(folder.c_str());
        return false;
    }
    std::error_code ec;
    const fs::path pages = fs::path(folder) / "Pages";
    fs::create_directories(pages, ec);
    if (!ec) fs::create_directories(fs::path(folder) / "Gallery", ec);
    if (!ec) fs::current_path(folder, ec);
    if (ec) {
        tell_folder_unusable(folder, ec);
        return false;
    }
    std::error_code listing;
    for (fs::directory_iterator it(pagesSource, listing);
         !listing && it != fs::directory_iterator(); it.increment(listing)) {
        std::error_code ignored;
        if (!it->is_regular_file(ignored)) continue;
        // Never over a page that is there: copying only when the name is free.
        fs::copy_file(it->path(), pages / it->path().filename(), fs::copy_options::skip_existing,
                      ignored);
    }
    return true;
}
