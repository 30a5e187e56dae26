// The byte stream: one file open at a time, read or written strictly in sequence.
//
// Saving must never cost a child the picture already on disk. So writing goes to a hidden
// temporary file beside the target, and only a close after writes that all succeeded renames
// it over the target; after a failed write the close removes it and the old file stays as it
// was. When an existing picture is being replaced, the new bytes are flushed to the disk before
// the rename, so that a power cut just after saving cannot leave an empty file in its place.
// Targets that cannot be replaced by renaming (devices such as /dev/full, pipes) are written
// in place. Only regular files are read: a directory, a pipe or a device is not a picture.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "toolbox/toolbox.h"

namespace {

enum class StreamMode { Closed, Reading, Writing };

struct Stream {
    StreamMode mode = StreamMode::Closed;
    int fd = -1;
    bool writeFailed = false;  // the file must not replace the target
    bool syncBeforeRename = false;
    std::string target;     // the file the temporary one becomes at close
    std::string temporary;  // empty when writing in place
};

Stream g_stream;
int g_lastError = 0;  // errno of the stream's last failure, 0 after a success
constexpr size_t kMaxChunk = size_t{1} << 30;  // what one read or write call is asked for
unsigned g_temporaryCounter = 0;

// The file a path finally names: a symbolic link is replaced through, not overwritten.
std::string resolved_target(const char* path) {
    struct stat st {};
    if (lstat(path, &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = realpath(path, nullptr)) {
            std::string resolved = real;
            std::free(real);
            return resolved;
        }
    }
    return path;
}

// A fresh hidden file in the target's folder. Its name never ends in ".bmp", so a leftover
// from a crash is never listed as a picture. Created with the usual permissions for new files.
int create_temporary(const std::string& target, std::string* temporary) {
    size_t slash = target.rfind('/');
    std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        *temporary = folder + "." + name + "." + std::to_string(getpid()) + "-" +
                     std::to_string(++g_temporaryCounter) + ".part";
        int fd = open(temporary->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

int32_t start_stream(StreamMode mode, int fd, std::string target = {}, std::string temporary = {},
                     bool syncBeforeRename = false) {
    g_stream = Stream{mode, fd, false, syncBeforeRename, std::move(target), std::move(temporary)};
    g_lastError = 0;
    return 1;
}

// Notes why an operation failed; gives the operation's result for a failure, 0.
int32_t failed(int error) {
    g_lastError = error != 0 ? error : EIO;
    return 0;
}

}  // namespace

int32_t tb_GetFileError() { return g_lastError; }

int32_t tb_OpenFileForReading(const char* path) {
    if (g_stream.mode != StreamMode::Closed || path == nullptr) return failed(EBUSY);
    // Non-blocking only so that opening a pipe cannot hang; regular files never block.
    int fd = open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return failed(errno);
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        int error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        close(fd);
        return failed(error);
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return start_stream(StreamMode::Reading, fd);
}

int32_t tb_OpenFileForWriting(const char* path) {
    if (g_stream.mode != StreamMode::Closed) return failed(EBUSY);
    if (path == nullptr || *path == '\0') return failed(ENOENT);
    std::string target = resolved_target(path);
    struct stat st {};
    bool exists = stat(target.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) return failed(EISDIR);
    if (exists && !S_ISREG(st.st_mode)) {
        int fd = open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        if (fd < 0) return failed(errno);
        fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
        return start_stream(StreamMode::Writing, fd);
    }
    // A file the user may not change is not replaced behind their back.
    if (exists && access(target.c_str(), W_OK) != 0) return failed(errno);
    std::string temporary;
    int fd = create_temporary(target, &temporary);
    if (fd < 0) return failed(errno);
    if (exists) fchmod(fd, st.st_mode & 07777);
    return start_stream(StreamMode::Writing, fd, std::move(target), std::move(temporary),
                        exists && st.st_size > 0);
}

int32_t tb_FileIsOpen() { return g_stream.mode != StreamMode::Closed ? 1 : 0; }

size_t tb_ReadFile(void* buffer, size_t size) {
    if (g_stream.mode != StreamMode::Reading || buffer == nullptr) return 0;
    auto* bytes = static_cast<uint8_t*>(buffer);
    size_t done = 0;
    while (done < size) {
        size_t chunk = size - done < kMaxChunk ? size - done : kMaxChunk;
        ssize_t got = read(g_stream.fd, bytes + done, chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) g_lastError = errno;
        if (got <= 0) break;
        done += static_cast<size_t>(got);
    }
    return done;
}

int32_t tb_WriteFile(const void* buffer, size_t size) {
    if (g_stream.mode != StreamMode::Writing || g_stream.writeFailed) return 0;
    if (buffer == nullptr && size > 0) return 0;
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    size_t done = 0;
    while (done < size) {
        size_t chunk = size - done < kMaxChunk ? size - done : kMaxChunk;
        ssize_t put = write(g_stream.fd, bytes + done, chunk);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) {
            g_stream.writeFailed = true;
            return failed(put < 0 ? errno : ENOSPC);
        }
        done += static_cast<size_t>(put);
    }
    return 1;
}

int32_t tb_CloseFile() {
    if (g_stream.mode == StreamMode::Closed) return failed(EBADF);
    bool writing = g_stream.mode == StreamMode::Writing;
    bool ok = !(writing && g_stream.writeFailed);
    int error = ok ? 0 : g_lastError;
    if (writing && ok && g_stream.syncBeforeRename && fdatasync(g_stream.fd) != 0) {
        ok = false;
        error = errno;
    }
    // Some file systems report a failed write only when the file is closed.
    if (close(g_stream.fd) != 0 && writing && ok) {
        ok = false;
        error = errno;
    }
    if (writing && !g_stream.temporary.empty()) {
        if (ok && rename(g_stream.temporary.c_str(), g_stream.target.c_str()) != 0) {
            ok = false;
            error = errno;
        }
        if (!ok) unlink(g_stream.temporary.c_str());
    }
    g_stream = Stream{};
    if (!ok) return failed(error);
    g_lastError = 0;
    return 1;
}
