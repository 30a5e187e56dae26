// The baseline of the printing benchmark: cairo alone writing a picture to a one-page A4 PDF
// at 300 pixels per inch, whole pixels, as printing does, without dialog, page layout or
// print job. Reports the time from the pixels in memory to the file closed, in milliseconds.
// Usage: pdf_probe PICTURE.ppm OUT.pdf   (a binary PPM with 8-bit samples)
#include <cairo-pdf.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: pdf_probe PICTURE.ppm OUT.pdf\n");
        return 2;
    }
    FILE* in = std::fopen(argv[1], "rb");
    int width = 0, height = 0, maxval = 0;
    if (in == nullptr || std::fscanf(in, "P6 %d %d %d", &width, &height, &maxval) != 3 ||
        maxval != 255 || width <= 0 || height <= 0 || std::fgetc(in) == EOF) {
        std::fprintf(stderr, "pdf_probe: %s is not an 8-bit binary PPM\n", argv[1]);
        return 1;
    }
    std::vector<uint8_t> rgb(static_cast<size_t>(width) * height * 3);
    if (std::fread(rgb.data(), 1, rgb.size(), in) != rgb.size()) return 1;
    std::fclose(in);

    auto start = std::chrono::steady_clock::now();
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    uint8_t* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    for (int y = 0; y < height; ++y) {
        auto* out = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        const uint8_t* p = rgb.data() + static_cast<size_t>(y) * width * 3;
        for (int x = 0; x < width; ++x, p += 3) {
            out[x] = 0xFF000000u | (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
        }
    }
    cairo_surface_mark_dirty(image);
    cairo_surface_t* pdf = cairo_pdf_surface_create(argv[2], 595.276, 841.89);
    cairo_t* cr = cairo_create(pdf);
    cairo_scale(cr, 72.0 / 300, 72.0 / 300);
    cairo_set_source_surface(cr, image, 75, 75);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_finish(pdf);
    cairo_surface_destroy(pdf);
    cairo_surface_destroy(image);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - start);
    std::printf("%lld\n", static_cast<long long>(ms.count()));
    return 0;
}
