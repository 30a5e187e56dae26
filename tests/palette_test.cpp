// The shared palette: the same table as the art tools use, and 8-bit images remapped onto it
// with their black and white kept.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "resources/resources.h"
#include "test_support.h"

namespace {

// resources/tools/palette.py's table, printed by the script itself: "r g b" per entry.
std::vector<PaletteEntry> palette_of_the_art_tools() {
    std::string tools = std::string(TEST_DATA_DIR) + "/../../resources/tools";
    const char* python = access("/usr/bin/python3", X_OK) == 0 ? "/usr/bin/python3" : "python3";
    std::string command = std::string(python) + " -c \"import sys; sys.path.insert(0, '" + tools +
                          "'); import palette\nfor c in palette.shared_palette(): print(*c)\"";
    std::vector<PaletteEntry> entries;
    FILE* out = popen(command.c_str(), "r");
    if (out == nullptr) return entries;
    int r = 0, g = 0, b = 0;
    while (std::fscanf(out, "%d %d %d", &r, &g, &b) == 3) {
        entries.push_back({uint8_t(r), uint8_t(g), uint8_t(b), 0});
    }
    pclose(out);
    return entries;
}

// An 8-bit image the way the art tools make a mask: a grey colour table, 0 black, 255 white.
struct GreyImage {
    std::vector<uint8_t> block;
    DibImage image;
    GreyImage(int32_t w, int32_t h) : block(40 + 1024 + size_t(tb_StorageWidth(8, w)) * size_t(h)) {
        DibHeader header{40, w, h, 1, 8, 0, 0, 0, 0, 256, 256};
        std::memcpy(block.data(), &header, sizeof header);
        for (int i = 0; i < 256; ++i) {
            block[40 + 4 * size_t(i)] = block[41 + 4 * size_t(i)] = block[42 + 4 * size_t(i)] =
                uint8_t(i);
        }
        image.header = reinterpret_cast<DibHeader*>(block.data());
        image.pixels = block.data() + 1064;
    }
};

}  // namespace

TEST(Palette, TheSystemPaletteIsTheOneTheArtToolsUse) {
    std::vector<PaletteEntry> expected = palette_of_the_art_tools();
    ASSERT_EQ(expected.size(), 256u) << "could not run resources/tools/palette.py";
    const Palette* system = tb_GetSystemPalette();
    for (int i = 0; i < 256; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(system->entries[i].red, expected[size_t(i)].red);
        EXPECT_EQ(system->entries[i].green, expected[size_t(i)].green);
        EXPECT_EQ(system->entries[i].blue, expected[size_t(i)].blue);
    }
    EXPECT_EQ(
        tb_MakeColor(system->entries[0].red, system->entries[0].green, system->entries[0].blue),
        0u);
    EXPECT_EQ(system->entries[255].red & system->entries[255].green & system->entries[255].blue,
              255);
}

TEST(Palette, RemappingKeepsBlackAndWhiteAndTakesThePalettesColours) {
    GreyImage mask(3, 1);
    uint8_t* row = mask.image.pixels;
    row[0] = 0;
    row[1] = 255;
    row[2] = 128;  // grey (128, 128, 128): the static grey at 248
    const Palette* system = tb_GetSystemPalette();
    tb_RemapToPalette(system, &mask.image);
    EXPECT_EQ(row[0], 0);
    EXPECT_EQ(row[1], 255);
    EXPECT_EQ(row[2], 248);
    for (int i : {0, 17, 248, 255}) {
        const uint8_t* quad = mask.block.data() + 40 + 4 * i;
        EXPECT_EQ(quad[0], system->entries[i].blue);
        EXPECT_EQ(quad[1], system->entries[i].green);
        EXPECT_EQ(quad[2], system->entries[i].red);
        EXPECT_EQ(quad[3], 0);
    }
}

TEST(Palette, EightBitPixelsShowThePaletteColourInTwentyFourBitCopies) {
    fresh_toolbox();
    BitmapRef indices = make_bitmap(3, 1, 8);
    uint8_t* row = tb_PixelAddress(tb_GetBitmapImage(indices), 0, 0);
    row[0] = 249;                      // pure red among the static colours
    row[1] = 10 + 36 * 2 + 6 * 3 + 4;  // the cube's (102, 153, 204)
    row[2] = 255;
    BitmapRef picture = make_bitmap(3, 1, 24);
    Rect r{0, 0, 3, 1};
    tb_CopyBitmap(indices, picture, &r, &r, 0);
    EXPECT_EQ(pixel_rgb(picture, 0, 0), 0xFF0000u);
    EXPECT_EQ(pixel_rgb(picture, 1, 0), 0x6699CCu);
    EXPECT_EQ(pixel_rgb(picture, 2, 0), 0xFFFFFFu);
    // And back: each colour finds its own index.
    BitmapRef back = make_bitmap(3, 1, 8);
    tb_CopyBitmap(picture, back, &r, &r, 0);
    const uint8_t* again = tb_PixelAddress(tb_GetBitmapImage(back), 0, 0);
    EXPECT_EQ(again[0], 249);
    EXPECT_EQ(again[1], row[1]);
    EXPECT_EQ(again[2], 255);
}

TEST(Palette, AMaskResourceKeepsItsBlackAndWhite) {
    int32_t id = 0;
    for_each_resource(
        [](ResourceKind kind, int32_t resourceId, ResourceBytes, void* found) {
            auto* slot = static_cast<int32_t*>(found);
            if (*slot == 0 && kind == ResourceKind::Mask) *slot = resourceId;
        },
        &id);
    if (id == 0) GTEST_SKIP() << "no mask resource is built into this tree yet";
    fresh_toolbox();
    Rect r{};
    BitmapRef mask = tb_CreateBitmap(&r, id, 8);
    ASSERT_GE(mask, 0);
    ASSERT_NE(tb_GetSharedPalette(), nullptr);
    const DibImage* img = tb_GetBitmapImage(mask);
    int32_t stride = tb_GetBitmapStorageWidth(mask);
    for (int32_t y = 0; y < r.bottom; ++y)
        for (int32_t x = 0; x < r.right; ++x) {
            uint8_t v = img->pixels[size_t(y) * size_t(stride) + size_t(x)];
            ASSERT_TRUE(v == 0 || v == 255) << x << "," << y << ": " << int(v);
        }
}
