// Fuzz target: any bytes, as a file read through the toolbox's byte stream, into the BMP reader.
// The file lives in memory (memfd) and is opened by its /proc path, so every run takes the same
// open, read and close path as a picture chosen in the gallery.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "pictures/bmp_reader.h"

namespace {

int g_fileFd = -1;
std::string g_filePath;

// Message boxes count as failures: the reader must refuse a file quietly.
int32_t box_is_a_failure(int32_t, const char* title, const char* text) {
    std::fprintf(stderr, "unexpected box %s: %s\n", title, text);
    std::abort();
}

void check(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    tb_SetMessageSink(box_is_a_failure);
    tb_Startup();
    g_fileFd = memfd_create("bmp-fuzz-input", MFD_CLOEXEC);
    check(g_fileFd >= 0, "memfd_create");
    g_filePath = "/proc/self/fd/" + std::to_string(g_fileFd);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    check(ftruncate(g_fileFd, 0) == 0, "ftruncate");
    check(pwrite(g_fileFd, data, size, 0) == static_cast<ssize_t>(size), "pwrite");

    check(tb_OpenFileForReading(g_filePath.c_str()) == 1, "open for reading");
    Rect rect{-1, -1, -1, -1};
    BitmapRef picture = read_bmp_picture(&rect);
    check(tb_CloseFile() == 1, "close");

    if (picture >= 0) {
        check(rect.left == 0 && rect.top == 0, "rect origin");
        check(rect.right == tb_GetBitmapWidth(picture), "rect width");
        check(rect.bottom == tb_GetBitmapHeight(picture), "rect height");
        check(int64_t{rect.right} * rect.bottom <= kMaxPicturePixels, "picture size limit");
        tb_DisposeBitmap(picture);
    }
    check(tb_GetBitmapImage(0) == nullptr, "a bitmap was left behind");
    return 0;
}
