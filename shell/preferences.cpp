// The preferences file: read once over the defaults, written whole through a temporary file.
#include "shell/preferences.h"

#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "toolbox/toolbox.h"

Preferences g_prefs;

namespace {

constexpr const char* kFileName = "qoxtmr10.pfs";
constexpr size_t kReservedBytes = 260;

void put_le32(unsigned char* out, int32_t value) {
    auto v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) out[i] = static_cast<unsigned char>(v >> (8 * i));
}

int32_t get_le32(const unsigned char* in) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(in[i]) << (8 * i);
    return static_cast<int32_t>(v);
}

// One field read: it counts as read when the read call itself succeeds. The bytes that
// arrive replace the field's own from the lowest up, so a short file leaves the fields (and
// the bytes of a field) it does not reach as they were.
bool read_field(std::FILE* f, int32_t* field) {
    unsigned char bytes[4];
    put_le32(bytes, *field);
    std::fread(bytes, 1, sizeof bytes, f);
    if (std::ferror(f) != 0) return false;
    *field = get_le32(bytes);
    return true;
}

bool skip_reserved(std::FILE* f) {
    unsigned char ignored[kReservedBytes];
    std::fread(ignored, 1, sizeof ignored, f);
    return std::ferror(f) == 0;
}

}  // namespace

std::string preferences_path() {
    char dir[4096];
    int32_t length = tb_GetWindowsDirectory(sizeof dir, dir);
    if (length <= 0 || length >= static_cast<int32_t>(sizeof dir)) return kFileName;
    return (std::filesystem::path(dir) / kFileName).string();
}

void preferences_set_defaults() { g_prefs = Preferences{}; }

void preferences_load() {
    std::string path = preferences_path();
    std::error_code ec;
    bool ok = false;
    if (std::filesystem::is_regular_file(path, ec)) {
        if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
            Preferences read = g_prefs;
            ok = read_field(f, &read.soundOn) && read_field(f, &read.fitPictures) &&
                 read_field(f, &read.animatedClearing) && skip_reserved(f) &&
                 read_field(f, &read.lightPrinting);
            std::fclose(f);
            if (ok) g_prefs = read;
        }
    }
    if (!ok) {
        preferences_set_defaults();
        preferences_save();
    }
}

bool preferences_save() {
    unsigned char bytes[kPreferencesFileSize] = {};
    put_le32(bytes + 0, g_prefs.soundOn);
    put_le32(bytes + 4, g_prefs.fitPictures);
    put_le32(bytes + 8, g_prefs.animatedClearing);
    put_le32(bytes + 272, g_prefs.lightPrinting);
    std::string path = preferences_path();
    std::string temporary = path + ".new";
    std::FILE* f = std::fopen(temporary.c_str(), "wb");
    if (f == nullptr) return false;
    bool written = std::fwrite(bytes, 1, sizeof bytes, f) == sizeof bytes;
    written = (std::fflush(f) == 0) && written;
    // On the disk before it takes the old file's place, so a crash leaves one or the other.
    written = (fsync(fileno(f)) == 0) && written;
    written = (std::fclose(f) == 0) && written;
    std::error_code ec;
    if (written) std::filesystem::rename(temporary, path, ec);
    if (!written || ec) {
        std::filesystem::remove(temporary, ec);
        return false;
    }
    return true;
}
