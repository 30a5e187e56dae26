// Fuzz target: any bytes, as a file read through the toolbox's byte stream, into the BMP reader.
// The file lives in memory (memfd) and is opened by its /proc path, so every run takes the same
// open, read and close path as a picture chosen in the gallery. A picture that was read is then
// saved as the program saves pictures, and read back: it must come back pixel for pixel.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_checks.h"
#include "pictures/bmp_reader.h"

namespace {

using fuzz::check;

int g_fileFd = -1;
std::string g_filePath;
std::string g_savedFolder;  // on a memory file system, holding nothing else
std::string g_savedPath;

void remove_saved_folder() {
    std::remove(g_savedPath.c_str());
    rmdir(g_savedFolder.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    tb_SetMessageSink(fuzz::box_is_a_failure);
    tb_Startup();
    g_fileFd = memfd_create("bmp-fuzz-input", MFD_CLOEXEC);
    check(g_fileFd >= 0, "memfd_create");
    g_filePath = "/proc/self/fd/" + std::to_string(g_fileFd);
    char folder[] = "/dev/shm/tintamar-bmp-fuzz-XXXXXX";
    check(mkdtemp(folder) != nullptr, "mkdtemp");
    g_savedFolder = folder;
    g_savedPath = g_savedFolder + "/saved.bmp";
    std::atexit(remove_saved_folder);
    return 0;
}

namespace {

// Saves the picture, reads the file back and checks that the same picture came back.
void check_save_and_read_back(BitmapRef picture) {
    check(tb_OpenFileForWriting(g_savedPath.c_str()) == 1, "open for writing");
    check(tb_WriteBitmapToFile(picture) == 1, "write");
    check(tb_CloseFile() == 1, "close after writing");

    check(tb_OpenFileForReading(g_savedPath.c_str()) == 1, "open the saved picture");
    Rect rect{-1, -1, -1, -1};
    BitmapRef again = read_bmp_picture(&rect);
    check(tb_CloseFile() == 1, "close the saved picture");
    check(again >= 0, "the saved picture reads back");
    const DibImage* before = tb_GetBitmapImage(picture);
    const DibImage* after = tb_GetBitmapImage(again);
    check(after->header->width == before->header->width, "same width");
    check(after->header->height == before->header->height, "same height");
    check(after->header->bitCount == 24, "24 bits per pixel");
    const size_t bytes = static_cast<size_t>(tb_GetBitmapStorageWidth(picture)) *
                         static_cast<size_t>(before->header->height);
    check(std::memcmp(before->pixels, after->pixels, bytes) == 0, "same pixels");
    tb_DisposeBitmap(again);
}

}  // namespace

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
        check_save_and_read_back(picture);
        tb_DisposeBitmap(picture);
    }
    check(tb_GetBitmapImage(0) == nullptr, "a bitmap was left behind");
    return 0;
}
