// The directory the program was started in, and the folder its settings live in
// ($XDG_CONFIG_HOME/tintamar, else ~/.config/tintamar), created when missing.
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

std::string settings_directory() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path base;
    if (xdg != nullptr && xdg[0] == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        base = std::filesystem::path(home != nullptr && home[0] != 0 ? home : "/tmp") / ".config";
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
