// Describes the pointer image the X server shows now, for the end-to-end tests:
//   xcursor [BLOCK]
// prints "WIDTHxHEIGHT HOTX,HOTY", and with BLOCK, " blocks" when every BLOCK x BLOCK square
// of the image (from its top-left corner) is one colour, " mixed" otherwise.
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <cstdio>
#include <cstdlib>

namespace {

bool whole_blocks(const XFixesCursorImage& image, int block) {
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const unsigned long corner =
                image.pixels[(y - y % block) * image.width + (x - x % block)];
            if (image.pixels[y * image.width + x] != corner) return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int block = argc > 1 ? std::atoi(argv[1]) : 0;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return 1;
    XFixesCursorImage* image = XFixesGetCursorImage(display);
    if (image == nullptr) {
        XCloseDisplay(display);
        return 1;
    }
    std::printf("%dx%d %d,%d", image->width, image->height, image->xhot, image->yhot);
    if (block > 0) std::printf(" %s", whole_blocks(*image, block) ? "blocks" : "mixed");
    std::printf("\n");
    XFree(image);
    XCloseDisplay(display);
    return 0;
}
