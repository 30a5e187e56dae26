// The shared palette that every 8-bit image is expressed in, and the palette our displays
// stand in for (they have none of their own): the twenty static colours at 0-9 and 246-255,
// a 6 x 6 x 6 colour cube at 10-225 and a ramp of greys at 226-245. resources/tools/palette.py
// builds the same table for the 8-bit art.
#include <cmath>
#include <cstring>

#include "toolbox/internal.h"

namespace {

const uint8_t kStaticLow[10][3] = {{0, 0, 0},       {128, 0, 0},    {0, 128, 0},   {128, 128, 0},
                                   {0, 0, 128},     {128, 0, 128},  {0, 128, 128}, {192, 192, 192},
                                   {192, 220, 192}, {166, 202, 240}};
const uint8_t kStaticHigh[10][3] = {
    {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},   {0, 255, 0},
    {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255}, {255, 255, 255}};

Palette make_system_palette() {
    Palette p;
    int i = 0;
    for (const auto& c : kStaticLow) p.entries[i++] = {c[0], c[1], c[2], 0};
    const uint8_t levels[6] = {0, 51, 102, 153, 204, 255};
    for (uint8_t r : levels)
        for (uint8_t g : levels)
            for (uint8_t b : levels) p.entries[i++] = {r, g, b, 0};
    for (int k = 1; k <= 20; ++k) {
        auto v = static_cast<uint8_t>(std::lround(k * 255.0 / 21.0));
        p.entries[i++] = {v, v, v, 0};
    }
    for (const auto& c : kStaticHigh) p.entries[i++] = {c[0], c[1], c[2], 0};
    return p;
}

}  // namespace

const Palette* tb_GetSystemPalette() {
    static const Palette system = make_system_palette();
    return &system;
}

const Palette* tb_GetSharedPalette() { return tb::g_sharedPalette; }

const Palette& tb::active_palette() {
    return g_sharedPalette != nullptr ? *g_sharedPalette : *tb_GetSystemPalette();
}

// The colour cube repeats black, white and the pure colours of the static entries; ties go
// to the static entries (searched first), so that black stays 0 and white 255 and masks and
// the keyed copy (which skips byte 255) keep working after remapping.
uint8_t tb_NearestPaletteIndex(const Palette* palette, TbColor color) {
    int r = tb_ColorRed(color), g = tb_ColorGreen(color), b = tb_ColorBlue(color);
    int best = 0;
    int bestDistance = 1 << 30;
    auto consider = [&](int from, int to) {
        for (int i = from; i < to && bestDistance > 0; ++i) {
            const PaletteEntry& e = palette->entries[i];
            int dr = e.red - r, dg = e.green - g, db = e.blue - b;
            int d = dr * dr + dg * dg + db * db;
            if (d < bestDistance) {
                bestDistance = d;
                best = i;
            }
        }
    };
    consider(0, 10);
    consider(246, 256);
    consider(10, 246);
    return static_cast<uint8_t>(best);
}

// On a display without a palette of its own every entry is a system colour: the image's
// colours are not added, they are mapped onto these.
Palette* tb_CreateSharedPalette(const DibImage* /*image*/) {
    auto* p = new Palette(*tb_GetSystemPalette());
    return p;
}

void tb_RemapToPalette(const Palette* palette, DibImage* image) {
    if (palette == nullptr || image == nullptr || image->header == nullptr ||
        image->header->bitCount != 8) {
        return;
    }
    auto* table = reinterpret_cast<uint8_t*>(image->header) + sizeof(DibHeader);
    // The art shares a few colour tables (every mask has the same greys), and finding the
    // nearest colours is most of a remap's work: the last few translations are kept.
    struct Translation {
        const Palette* palette = nullptr;
        PaletteEntry entries[256];
        uint8_t colours[1024];
        uint8_t translate[256];
    };
    static Translation kept[8];
    static int nextKept = 0;
    const Translation* found = nullptr;
    for (const Translation& t : kept) {
        if (t.palette == palette && std::memcmp(t.colours, table, sizeof t.colours) == 0 &&
            std::memcmp(t.entries, palette->entries, sizeof t.entries) == 0) {
            found = &t;
        }
    }
    if (found == nullptr) {
        Translation& t = kept[nextKept];
        nextKept = (nextKept + 1) % 8;
        t.palette = palette;
        std::memcpy(t.entries, palette->entries, sizeof t.entries);
        std::memcpy(t.colours, table, sizeof t.colours);
        for (int i = 0; i < 256; ++i) {
            const uint8_t* quad = table + 4 * i;  // blue, green, red, 0
            t.translate[i] =
                tb_NearestPaletteIndex(palette, tb_MakeColor(quad[2], quad[1], quad[0]));
        }
        found = &t;
    }
    const uint8_t* translate = found->translate;
    size_t bytes = static_cast<size_t>(tb_StorageWidth(8, image->header->width)) *
                   static_cast<size_t>(image->header->height);
    for (size_t i = 0; i < bytes; ++i) image->pixels[i] = translate[image->pixels[i]];
    for (int i = 0; i < 256; ++i) {
        const PaletteEntry& e = palette->entries[i];
        uint8_t* quad = table + 4 * i;
        quad[0] = e.blue;
        quad[1] = e.green;
        quad[2] = e.red;
        quad[3] = 0;
    }
}

// There is no hardware palette to reset: every colour is always available.
void tb_ResetSystemPalette() {}

namespace tb {

TbColor stored_to_color(const DibImage& img, uint32_t value) {
    switch (img.header->bitCount) {
        case 24:
            return tb_MakeColor(static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 8),
                                static_cast<uint8_t>(value));
        case 8: {
            const PaletteEntry& e = active_palette().entries[value & 255];
            return tb_MakeColor(e.red, e.green, e.blue);
        }
        case 1:
            return value != 0 ? tb_MakeColor(255, 255, 255) : 0;
        case 4: {
            // Resource images only: their own 16-entry table.
            const uint8_t* quad =
                reinterpret_cast<const uint8_t*>(img.header) + sizeof(DibHeader) + 4 * (value & 15);
            return tb_MakeColor(quad[2], quad[1], quad[0]);
        }
        default:
            return 0;
    }
}

uint32_t color_to_stored(const DibImage& img, TbColor color) {
    switch (img.header->bitCount) {
        case 24:
            return (static_cast<uint32_t>(tb_ColorRed(color)) << 16) |
                   (static_cast<uint32_t>(tb_ColorGreen(color)) << 8) | tb_ColorBlue(color);
        case 8:
            return tb_NearestPaletteIndex(&active_palette(), color);
        case 1:
            return (tb_ColorRed(color) + tb_ColorGreen(color) + tb_ColorBlue(color)) >= 384 ? 1 : 0;
        default:
            return 0;
    }
}

}  // namespace tb
