// The directory the program was started in, and the folder its settings live in
// ($XDG_CONFIG_HOME/tintamar, else .config/tintamar in the home folder), created when missing.
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "toolbox/internal.h"

namespace {

std::string g_startDirectory;

int32_t fill(int32_t size, char* buffer, const std::string& text) {
    if (buffer != nullptr && size > 0) {
        size_t n = std::min(text.size(), static_cast<size_t>(size - 1));
        std::memcpy(buffer, text.data(), n);
        buffer[n] = 0;
    }
    return static_cast<int32_t>(text.size());
}

// The home folder: $HOME, else the one of the user's account entry; empty when there is none.
// Never a folder shared with other users, such as the temporary one.
std::string home_folder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') return home;
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::string buffer(size > 0 ? static_cast<size_t>(size) : 16384, '\0');
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_dir == nullptr || found->pw_dir[0] != '/') {
        return {};
    }
    return found->pw_dir;
}

// Empty when the user has no home folder and no settings folder is named: the settings then
// stay in memory.
std::string settings_directory() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path base;
    if (xdg != nullptr && xdg[0] == '/') {
        base = xdg;
    } else {
        std::string home = home_folder();
        if (home.empty()) return {};
        base = std::filesystem::path(home) / ".config";
    }
    std::filesystem::path dir = base / "tintamar";
    std::error_code ignored;
    std::filesystem::create_directories(dir, ignored);
    return dir.string();
}

}  // namespace

void tb_directories_startup() {
    std::error_code ec;
    std::filesystem::path cwd = std::filesystem::current_path(ec);
    g_startDirectory = ec ? std::string(".") : cwd.string();
}

int32_t tb_GetCurrentDirectory(int32_t size, char* buffer) {
    return fill(size, buffer, g_startDirectory);
}

int32_t tb_GetWindowsDirectory(int32_t size, char* buffer) {
    return fill(size, buffer, settings_directory());
}
