// The preferences file: read once over the defaults, written whole through a temporary file.
#include "shell/preferences.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <string>

#include "toolbox/toolbox.h"

Preferences g_prefs;

namespace {

constexpr const char* kFileName = "qoxtmr10.pfs";
constexpr size_t kReservedBytes = 260;
constexpr int kMaxLinkHops = 40;  // as the kernel allows when it follows links itself

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

// Reads the fields from a regular file at path into *read. False when there is no such file,
// it is something else (a folder, a device, a pipe: never waited on), or a read fails.
bool read_file(const std::string& path, Preferences* read) {
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    std::FILE* f = nullptr;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) f = fdopen(fd, "rb");
    if (f == nullptr) {
        close(fd);
        return false;
    }
    bool ok = read_field(f, &read->soundOn) && read_field(f, &read->fitPictures) &&
              read_field(f, &read->animatedClearing) && skip_reserved(f) &&
              read_field(f, &read->lightPrinting);
    std::fclose(f);
    return ok;
}

// The file a save replaces: the settings file itself, or, when it is a symbolic link, the file
// at the end of its links, so that the links stay as the user made them. Empty when the links
// go round in a loop or cannot be read.
std::string save_target(const std::string& path) {
    std::filesystem::path target = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st {};
        if (lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return target.string();
        std::error_code ec;
        std::filesystem::path next = std::filesystem::read_symlink(target, ec);
        if (ec) return {};
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return {};
}

bool write_all(int fd, const unsigned char* bytes, size_t size) {
    while (size > 0) {
        ssize_t n = write(fd, bytes, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// What a new settings file's permissions are: those of the file it replaces, else the usual
// ones for a new file.
mode_t mode_for(const struct stat* replaced) {
    if (replaced != nullptr) return replaced->st_mode & 07777;
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// Writes the bytes to a new file beside target and puts it in target's place in one step, so
// that the settings file is always either the old one or the new one, whole.
bool replace_file(const std::string& target, const struct stat* replaced,
                  const unsigned char* bytes, size_t size) {
    std::string temporary = target + ".XXXXXX";
    int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return false;
    bool written = write_all(fd, bytes, size);
    written = fchmod(fd, mode_for(replaced)) == 0 && written;
    // On the disk before it takes the old file's place, so a crash leaves one or the other.
    written = fsync(fd) == 0 && written;
    written = close(fd) == 0 && written;
    if (!written || rename(temporary.c_str(), target.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    // The new name on the disk too.
    std::string folder = std::filesystem::path(target).parent_path().string();
    int dir = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}

}  // namespace

std::string preferences_path() {
    int32_t length = tb_GetWindowsDirectory(0, nullptr);
    if (length <= 0) return {};
    std::string dir(static_cast<size_t>(length) + 1, '\0');
    tb_GetWindowsDirectory(length + 1, dir.data());
    dir.resize(static_cast<size_t>(length));
    return (std::filesystem::path(dir) / kFileName).string();
}

void preferences_set_defaults() { g_prefs = Preferences{}; }

void preferences_load() {
    std::string path = preferences_path();
    Preferences read = g_prefs;
    if (!path.empty() && read_file(path, &read)) {
        g_prefs = read;
        return;
    }
    preferences_set_defaults();
    preferences_save();
}

bool preferences_save() {
    unsigned char bytes[kPreferencesFileSize] = {};
    put_le32(bytes + 0, g_prefs.soundOn);
    put_le32(bytes + 4, g_prefs.fitPictures);
    put_le32(bytes + 8, g_prefs.animatedClearing);
    put_le32(bytes + 272, g_prefs.lightPrinting);
    std::string path = preferences_path();
    if (path.empty()) return false;
    std::string target = save_target(path);
    if (target.empty()) return false;
    struct stat existing {};
    if (lstat(target.c_str(), &existing) == 0) {
        // A device, a pipe or a folder is never replaced by a settings file.
        if (!S_ISREG(existing.st_mode)) return false;
        return replace_file(target, &existing, bytes, sizeof bytes);
    }
    if (errno != ENOENT) return false;
    return replace_file(target, nullptr, bytes, sizeof bytes);
}
