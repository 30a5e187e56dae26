// Where the program's data files lie: beside the program in a build folder, or in
// <prefix>/share/tintamar when the program is installed as <prefix>/bin/tintamar.
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "toolbox/toolbox.h"

namespace {

std::string program_folder() {
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || self.empty()) return ".";
    return self.parent_path().string();
}

std::string data_directory() {
    std::filesystem::path folder = program_folder();
    std::filesystem::path installed = folder.parent_path() / "share" / "tintamar";
    std::error_code ec;
    if (folder.filename() == "bin" && std::filesystem::is_directory(installed, ec)) {
        return installed.string();
    }
    return folder.string();
}

}  // namespace

int32_t tb_GetDataDirectory(int32_t size, char* buffer) {
    static const std::string kDirectory = data_directory();
    if (buffer != nullptr && size > 0) {
        size_t n = std::min(kDirectory.size(), static_cast<size_t>(size - 1));
        std::memcpy(buffer, kDirectory.data(), n);
        buffer[n] = 0;
    }
    return static_cast<int32_t>(kDirectory.size());
}
