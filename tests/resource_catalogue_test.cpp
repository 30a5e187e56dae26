// The resources built into the program, held against their catalogue: every bitmap with its size
// and depth, masks that are clean cut-outs of their pictures, pointer images with their hot spots,
// sounds the sound layer can play with the lengths their uses need, the dialog templates and the
// icon, and nothing in the table that the catalogue does not name.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "test_support.h"
#include "toolbox/platform_headless.h"

namespace {

enum class Art { Picture, Mask };

// Bitmaps first..last share a size and depth (4, 8 or 24 bits per pixel).
struct CatalogueBitmap {
    int32_t first;
    int32_t last;
    int32_t width;
    int32_t height;
    int32_t depth;
    Art art;
};

constexpr Art P = Art::Picture;
constexpr Art M = Art::Mask;

constexpr CatalogueBitmap kBitmaps[] = {
    // The room: left panel, table band, wallpaper, frame strips, lit buttons.
    {100, 100, 147, 480, 24, P},
    {101, 101, 640, 96, 24, P},
    {102, 102, 147, 480, 8, M},
    {103, 103, 640, 96, 8, M},
    {104, 104, 256, 256, 24, P},
    {105, 105, 17, 399, 24, P},
    {106, 106, 509, 15, 24, P},
    {107, 107, 32, 15, 24, P},
    {108, 108, 32, 16, 24, P},
    {109, 109, 20, 32, 24, P},
    {110, 110, 500, 16, 24, P},
    {111, 111, 19, 389, 24, P},
    {112, 112, 17, 385, 24, P},
    {113, 113, 492, 15, 24, P},
    {114, 117, 111, 125, 24, P},
    {118, 119, 111, 91, 24, P},
    {120, 120, 133, 47, 24, P},
    {121, 121, 23, 92, 24, P},
    {122, 122, 50, 43, 24, P},
    // The remote control with its pressed buttons and light.
    {123, 123, 228, 240, 24, P},
    {124, 124, 228, 240, 8, M},
    {125, 125, 70, 38, 24, P},
    {126, 126, 72, 40, 24, P},
    {127, 127, 75, 43, 24, P},
    {128, 128, 77, 46, 24, P},
    {129, 129, 70, 39, 24, P},
    {130, 130, 73, 41, 24, P},
    {131, 131, 75, 43, 24, P},
    {132, 132, 78, 47, 24, P},
    {133, 133, 18, 17, 24, P},
    // Stamp picker, colour mixer, palette button lit.
    {134, 134, 627, 241, 24, P},
    {135, 135, 627, 241, 8, M},
    {136, 136, 369, 242, 24, P},
    {137, 137, 369, 242, 8, M},
    {138, 138, 55, 21, 24, P},
    // Paint pots, swatch, options screens.
    {141, 148, 142, 39, 8, M},
    {149, 149, 44, 17, 24, P},
    {150, 150, 44, 17, 8, M},
    {151, 151, 142, 39, 24, P},
    {152, 153, 94, 82, 24, P},
    // Shelf 0 and its masks.
    {154, 154, 65, 14, 24, P},
    {155, 155, 88, 22, 24, P},
    {156, 156, 36, 15, 24, P},
    {157, 157, 19, 54, 24, P},
    {158, 158, 93, 15, 24, P},
    {159, 159, 37, 17, 24, P},
    {160, 160, 22, 27, 24, P},
    {161, 161, 52, 17, 24, P},
    {162, 162, 46, 19, 24, P},
    {163, 163, 65, 14, 8, M},
    {164, 164, 88, 22, 8, M},
    {165, 165, 36, 15, 8, M},
    {166, 166, 19, 54, 8, M},
    {167, 167, 93, 15, 8, M},
    {168, 168, 37, 17, 8, M},
    {169, 169, 22, 27, 8, M},
    {170, 170, 52, 17, 8, M},
    {171, 171, 46, 19, 8, M},
    // Selection and shelf markers, stamp picker arrows.
    {172, 172, 20, 20, 24, P},
    {173, 173, 24, 20, 24, P},
    {174, 174, 20, 20, 8, M},
    {175, 175, 24, 20, 8, M},
    {176, 176, 68, 47, 24, P},
    {177, 177, 68, 47, 8, M},
    {178, 178, 68, 47, 24, P},
    {179, 179, 68, 47, 8, M},
    // Shelf 1 and its masks, the textures.
    {200, 200, 75, 30, 24, P},
    {201, 201, 61, 24, 24, P},
    {202, 202, 62, 24, 24, P},
    {203, 203, 63, 24, 24, P},
    {204, 204, 74, 29, 24, P},
    {205, 205, 71, 29, 24, P},
    {206, 206, 75, 30, 8, M},
    {207, 207, 61, 24, 8, M},
    {208, 208, 62, 24, 8, M},
    {209, 209, 63, 24, 8, M},
    {210, 210, 74, 29, 8, M},
    {211, 211, 71, 29, 8, M},
    {212, 217, 128, 128, 24, P},
    // Shelf 3 and its masks.
    {300, 300, 56, 15, 24, P},
    {301, 301, 85, 35, 24, P},
    {302, 302, 47, 32, 24, P},
    {303, 303, 60, 34, 24, P},
    {304, 304, 53, 16, 24, P},
    {305, 305, 17, 34, 24, P},
    {306, 306, 56, 15, 8, M},
    {307, 307, 85, 35, 8, M},
    {308, 308, 47, 32, 8, M},
    {309, 309, 60, 34, 8, M},
    {310, 310, 53, 16, 8, M},
    {311, 311, 17, 34, 8, M},
    // Printing picture, About badge and easel.
    {366, 366, 64, 64, 4, P},
    {389, 389, 32, 32, 8, P},
    {391, 391, 137, 98, 8, P},
    // Shelf 4 and its masks, the splats.
    {400, 400, 51, 35, 24, P},
    {401, 401, 24, 24, 24, P},
    {402, 402, 61, 30, 24, P},
    {403, 403, 114, 21, 24, P},
    {404, 404, 51, 37, 24, P},
    {405, 405, 75, 38, 24, P},
    {406, 406, 51, 35, 8, M},
    {407, 407, 24, 24, 8, M},
    {408, 408, 61, 30, 8, M},
    {409, 409, 114, 21, 8, M},
    {410, 410, 51, 37, 8, M},
    {411, 411, 75, 38, 8, M},
    {412, 414, 120, 120, 24, P},
    {415, 417, 120, 120, 8, M},
    // Shelf 2 and its masks.
    {500, 500, 102, 50, 24, P},
    {501, 501, 85, 48, 24, P},
    {502, 502, 84, 49, 24, P},
    {503, 503, 102, 50, 8, M},
    {504, 504, 85, 48, 8, M},
    {505, 505, 84, 49, 8, M},
    // Speaker and magnifier, hover labels.
    {600, 601, 16, 21, 24, P},
    {602, 603, 22, 21, 24, P},
    {604, 604, 16, 21, 24, P},
    {700, 740, 572, 22, 24, P},
    // Dialog faces, posters, stamp sheets.
    {800, 800, 495, 370, 24, P},
    {801, 801, 408, 417, 24, P},
    {802, 803, 54, 36, 24, P},
    {900, 900, 420, 319, 24, P},
    {901, 901, 421, 244, 8, P},
    {902, 902, 448, 324, 24, P},
    {903, 903, 600, 60, 8, P},
    {904, 904, 87, 21, 24, P},
    {1000, 1000, 522, 702, 8, P},
    {1001, 1001, 491, 246, 24, P},
    {1002, 1002, 491, 246, 8, M},
    {1003, 1003, 491, 246, 24, P},
    {1004, 1004, 491, 246, 8, M},
    {1005, 1005, 491, 246, 24, P},
    {1006, 1006, 491, 246, 8, M},
};

// Pictures drawn through a mask: count consecutive pictures from `picture`, masks from `mask`.
struct CutOutPairs {
    int32_t picture;
    int32_t mask;
    int32_t count;
};

constexpr CutOutPairs kCutOuts[] = {
    {100, 102, 1}, {101, 103, 1},   {123, 124, 1},   {134, 135, 1},   {136, 137, 1},
    {149, 150, 1}, {154, 163, 9},   {172, 174, 1},   {173, 175, 1},   {176, 177, 1},
    {178, 179, 1}, {200, 206, 6},   {300, 306, 6},   {400, 406, 6},   {412, 415, 3},
    {500, 503, 3}, {1001, 1002, 1}, {1003, 1004, 1}, {1005, 1006, 1},
};

struct CataloguePointer {
    int32_t id;
    int32_t hotX;
    int32_t hotY;
};

constexpr CataloguePointer kCursors[] = {
    {171, 0, 0},  {200, 0, 31}, {201, 3, 7},   {202, 2, 1},  {203, 6, 6},   {204, 5, 31},
    {205, 5, 31}, {206, 1, 18}, {207, 1, 29},  {208, 6, 0},  {209, 3, 3},   {210, 3, 4},
    {211, 3, 3},  {212, 11, 8}, {213, 6, 29},  {214, 0, 29}, {215, 3, 10},  {216, 3, 3},
    {217, 3, 6},  {218, 0, 29}, {219, 11, 31}, {220, 4, 30}, {221, 7, 7},   {222, 3, 3},
    {223, 0, 0},  {224, 2, 29}, {225, 16, 15}, {226, 0, 30}, {227, 16, 16}, {228, 15, 18},
    {229, 16, 16},
};

constexpr int32_t kDialogTemplates[] = {156, 361, 10000, 10001};
constexpr int32_t kIcon = 375;

// Sound ids: 1000-1038, 1040 and the warning beep.
std::vector<int32_t> sound_ids() {
    std::vector<int32_t> ids;
    for (int32_t id = 1000; id <= 1038; ++id) ids.push_back(id);
    ids.push_back(1040);
    ids.push_back(kSoundWarning);
    return ids;
}

// What the built table holds, as (kind, id) pairs, duplicates kept.
std::vector<std::pair<ResourceKind, int32_t>> table_entries() {
    std::vector<std::pair<ResourceKind, int32_t>> entries;
    for_each_resource(
        [](ResourceKind kind, int32_t id, ResourceBytes, void* context) {
            static_cast<std::vector<std::pair<ResourceKind, int32_t>>*>(context)->emplace_back(kind,
                                                                                               id);
        },
        &entries);
    return entries;
}

bool table_has(ResourceKind kind, int32_t id) {
    for (const auto& e : table_entries()) {
        if (e.first == kind && e.second == id) return true;
    }
    return false;
}

uint16_t read16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t read32(const uint8_t* p) {
    return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

// A mask pixel (palette index) of a loaded image, top-left origin.
uint8_t index_at(const DibImage& image, int32_t x, int32_t y) {
    return *tb_PixelAddress(&image, x, y);
}

class ResourceCatalogueTest : public ::testing::Test {
   protected:
    void SetUp() override { fresh_toolbox(); }
};

TEST_F(ResourceCatalogueTest, BitmapsHaveTheirKindSizeAndDepth) {
    for (const CatalogueBitmap& item : kBitmaps) {
        for (int32_t id = item.first; id <= item.last; ++id) {
            SCOPED_TRACE("bitmap " + std::to_string(id));
            const ResourceKind kind =
                item.art == Art::Mask ? ResourceKind::Mask : ResourceKind::Bitmap;
            EXPECT_TRUE(table_has(kind, id))
                << (item.art == Art::Mask ? "not a mask" : "not a picture");

            DibImage image = tb_LoadImageResource(id);
            ASSERT_NE(image.header, nullptr) << "missing or unreadable";
            EXPECT_EQ(image.header->width, item.width);
            EXPECT_EQ(image.header->height, item.height) << "rows must be stored bottom-up";
            EXPECT_EQ(image.header->bitCount, item.depth);
            EXPECT_EQ(image.header->compression, 0u);
            tb_FreeDibImage(&image);

            // Through the bitmap table as the program loads it.
            Rect rect{};
            BitmapRef bitmap = tb_CreateBitmap(&rect, id, item.depth == 8 ? 8 : 24);
            ASSERT_NE(bitmap, -1);
            EXPECT_EQ(rect.right - rect.left, item.width);
            EXPECT_EQ(rect.bottom - rect.top, item.height);
            EXPECT_EQ(tb_GetBitmapWidth(bitmap), item.width);
            EXPECT_EQ(tb_GetBitmapHeight(bitmap), item.height);
            tb_DisposeBitmap(bitmap);
        }
    }
    EXPECT_TRUE(shown_boxes().empty());
}

TEST_F(ResourceCatalogueTest, MasksAreCleanCutOutsOfTheirPictures) {
    for (const CatalogueBitmap& item : kBitmaps) {
        if (item.art != Art::Mask) continue;
        for (int32_t id = item.first; id <= item.last; ++id) {
            SCOPED_TRACE("mask " + std::to_string(id));
            DibImage mask = tb_LoadImageResource(id);
            ASSERT_NE(mask.header, nullptr);
            const auto* palette = reinterpret_cast<const uint8_t*>(mask.header) + sizeof(DibHeader);
            int32_t greyMismatches = 0;
            for (int32_t i = 0; i < 256; ++i) {
                const uint8_t* quad = palette + 4 * i;
                if (quad[0] != i || quad[1] != i || quad[2] != i) ++greyMismatches;
            }
            EXPECT_EQ(greyMismatches, 0) << "the palette must be the grey ramp";
            int32_t shown = 0;
            int32_t other = 0;
            for (int32_t y = 0; y < mask.header->height; ++y) {
                for (int32_t x = 0; x < mask.header->width; ++x) {
                    const uint8_t v = index_at(mask, x, y);
                    if (v == 255)
                        ++shown;
                    else if (v != 0)
                        ++other;
                }
            }
            EXPECT_EQ(other, 0) << "values other than 0 and 255";
            EXPECT_GT(shown, 0) << "the mask shows nothing";
            tb_FreeDibImage(&mask);
        }
    }

    // The cut-out copy ORs the mask in and then ANDs the picture: where the mask is black the
    // picture must be white, or the scene behind it is darkened around the outline.
    for (const CutOutPairs& pairs : kCutOuts) {
        for (int32_t k = 0; k < pairs.count; ++k) {
            const int32_t pictureId = pairs.picture + k;
            const int32_t maskId = pairs.mask + k;
            SCOPED_TRACE("picture " + std::to_string(pictureId) + " with mask " +
                         std::to_string(maskId));
            DibImage picture = tb_LoadImageResource(pictureId);
            DibImage mask = tb_LoadImageResource(maskId);
            ASSERT_NE(picture.header, nullptr);
            ASSERT_NE(mask.header, nullptr);
            ASSERT_EQ(picture.header->width, mask.header->width);
            ASSERT_EQ(picture.header->height, mask.header->height);
            int32_t notWhite = 0;
            for (int32_t y = 0; y < mask.header->height; ++y) {
                for (int32_t x = 0; x < mask.header->width; ++x) {
                    if (index_at(mask, x, y) != 0) continue;
                    uint8_t r = 0, g = 0, b = 0;
                    tb_GetPixelRGB(&picture, x, y, &r, &g, &b);
                    if (r != 255 || g != 255 || b != 255) ++notWhite;
                }
            }
            EXPECT_EQ(notWhite, 0) << "pixels outside the mask that are not white";
            tb_FreeDibImage(&picture);
            tb_FreeDibImage(&mask);
        }
    }
}

TEST_F(ResourceCatalogueTest, PointerImagesHaveTheirSizeAndHotSpot) {
    for (const CataloguePointer& item : kCursors) {
        SCOPED_TRACE("pointer image " + std::to_string(item.id));
        ResourceBytes bytes = find_resource(ResourceKind::Cursor, item.id);
        ASSERT_GE(bytes.size, 8u) << "missing";
        const int32_t side = item.id == 171 ? 64 : 32;
        const int32_t w = read16(bytes.data);
        const int32_t h = read16(bytes.data + 2);
        EXPECT_EQ(w, side);
        EXPECT_EQ(h, side);
        EXPECT_EQ(read16(bytes.data + 4), item.hotX);
        EXPECT_EQ(read16(bytes.data + 6), item.hotY);
        ASSERT_EQ(bytes.size, 8u + static_cast<size_t>(w) * static_cast<size_t>(h) * 4u);

        // The hot spot is where the image points: a drawn pixel lies on it or right beside it
        // (the scissors cut between their blades).
        auto alpha = [&](int32_t x, int32_t y) {
            if (x < 0 || y < 0 || x >= w || y >= h) return 0;
            return static_cast<int>(bytes.data[8 + 4 * (static_cast<size_t>(y) * w + x) + 3]);
        };
        bool drawnNearHotSpot = false;
        for (int32_t dy = -2; dy <= 2; ++dy) {
            for (int32_t dx = -2; dx <= 2; ++dx) {
                if (alpha(item.hotX + dx, item.hotY + dy) >= 128) drawnNearHotSpot = true;
            }
        }
        EXPECT_TRUE(drawnNearHotSpot) << "nothing drawn within 2 pixels of the hot spot";

        tb_SetCursor(static_cast<int16_t>(item.id));
        EXPECT_EQ(tb_GetCursor(), item.id) << "the toolbox refused the image";
        EXPECT_EQ(headless::cursor_id(), item.id);
    }
}

// The parts of a WAVE file the sound layer relies on.
struct WaveInfo {
    bool valid = false;
    uint16_t format = 0;
    uint16_t channels = 0;
    uint32_t rate = 0;
    uint16_t bits = 0;
    uint16_t blockAlign = 0;
    uint32_t byteRate = 0;
    const uint8_t* data = nullptr;
    uint32_t dataSize = 0;
};

WaveInfo read_wave(ResourceBytes bytes) {
    WaveInfo wave;
    if (bytes.size < 12 || std::memcmp(bytes.data, "RIFF", 4) != 0 ||
        std::memcmp(bytes.data + 8, "WAVE", 4) != 0) {
        return wave;
    }
    bool haveFormat = false;
    size_t at = 12;
    while (at + 8 <= bytes.size) {
        const uint8_t* chunk = bytes.data + at;
        const uint32_t size = read32(chunk + 4);
        if (size > bytes.size - at - 8) return wave;
        if (std::memcmp(chunk, "fmt ", 4) == 0 && size >= 16) {
            wave.format = read16(chunk + 8);
            wave.channels = read16(chunk + 10);
            wave.rate = read32(chunk + 12);
            wave.byteRate = read32(chunk + 16);
            wave.blockAlign = read16(chunk + 20);
            wave.bits = read16(chunk + 22);
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            wave.data = chunk + 8;
            wave.dataSize = size;
        }
        at += 8 + size + (size & 1);
    }
    wave.valid = haveFormat && wave.data != nullptr;
    return wave;
}

bool is_long_cue(int32_t id) {
    for (int32_t longId : {1011, 1017, 1030, 1031, 1032, 1036, 1037}) {
        if (id == longId) return true;
    }
    return false;
}

TEST_F(ResourceCatalogueTest, SoundsArePlayableWavesOfTheirLength) {
    for (int32_t id : sound_ids()) {
        SCOPED_TRACE("sound " + std::to_string(id));
        ResourceBytes bytes = find_resource(ResourceKind::Sound, id);
        ASSERT_NE(bytes.data, nullptr) << "missing";
        const WaveInfo wave = read_wave(bytes);
        ASSERT_TRUE(wave.valid) << "not a readable WAVE file";
        EXPECT_EQ(wave.format, 1) << "must be uncompressed PCM";
        EXPECT_TRUE(wave.channels == 1 || wave.channels == 2);
        EXPECT_TRUE(wave.bits == 8 || wave.bits == 16);
        EXPECT_TRUE(wave.rate == 11025 || wave.rate == 22050 || wave.rate == 44100) << wave.rate;
        ASSERT_EQ(wave.blockAlign, wave.channels * wave.bits / 8);
        EXPECT_EQ(wave.byteRate, wave.rate * wave.blockAlign);
        ASSERT_GT(wave.blockAlign, 0);
        EXPECT_EQ(wave.dataSize % wave.blockAlign, 0u);

        const double seconds = static_cast<double>(wave.dataSize / wave.blockAlign) / wave.rate;
        if (id >= 1006 && id <= 1010) {
            EXPECT_GE(seconds, 0.008) << "a ball-brush click of about 10-20 ms";
            EXPECT_LE(seconds, 0.025) << "a ball-brush click of about 10-20 ms";
        } else if (is_long_cue(id)) {
            EXPECT_GE(seconds, 2.3);
            EXPECT_LE(seconds, 8.9);
        } else {
            EXPECT_GT(seconds, 0.0);
            EXPECT_LT(seconds, 2.0);
        }

        // Audible and not clipped: the loudest sample is clear of silence and of full scale
        // held for more than one sample.
        int32_t peak = 0;
        int32_t fullScaleRun = 0;
        int32_t longestFullScaleRun = 0;
        const uint32_t samples = wave.dataSize / (wave.bits / 8);
        for (uint32_t i = 0; i < samples; ++i) {
            int32_t v = wave.bits == 16 ? static_cast<int16_t>(read16(wave.data + 2 * i))
                                        : (static_cast<int32_t>(wave.data[i]) - 128) * 256;
            int32_t magnitude = v < 0 ? -v : v;
            peak = std::max(peak, magnitude);
            fullScaleRun = magnitude >= 32767 ? fullScaleRun + 1 : 0;
            longestFullScaleRun = std::max(longestFullScaleRun, fullScaleRun);
        }
        EXPECT_GT(peak, 2000) << "too quiet to hear";
        EXPECT_LE(longestFullScaleRun, 1) << "clipped";

        headless::reset();
        tb_PlaySound(static_cast<int16_t>(id), 0);
        ASSERT_EQ(headless::sounds().size(), 1u);
        EXPECT_EQ(headless::sounds().back().wave, bytes.data);
    }
    EXPECT_EQ(find_resource(ResourceKind::Sound, 1039).data, nullptr) << "1039 is not a sound";
}

TEST_F(ResourceCatalogueTest, DialogTemplatesAndIconExist) {
    for (int32_t id : kDialogTemplates) {
        size_t size = 0;
        const char* text = tb_GetDialogTemplate(static_cast<int16_t>(id), &size);
        ASSERT_NE(text, nullptr) << "dialog template " << id;
        EXPECT_GT(size, 0u) << "dialog template " << id;
    }
    size_t size = 0;
    const char* blank = tb_GetDialogTemplate(156, &size);
    EXPECT_EQ(std::string(blank, size).find("\ncontrol"), std::string::npos)
        << "every custom-drawn dialog is built on 156, which has no controls";
    const char* printAbort = tb_GetDialogTemplate(10000, &size);
    EXPECT_NE(std::string(printAbort, size).find("\"Cancel Printing\""), std::string::npos);

    ResourceBytes icon = find_resource(ResourceKind::Icon, kIcon);
    ASSERT_GE(icon.size, 8u) << "the icon is missing";
    const uint16_t w = read16(icon.data);
    const uint16_t h = read16(icon.data + 2);
    EXPECT_EQ(w, h);
    EXPECT_GE(w, 32);
    EXPECT_EQ(icon.size, 8u + size_t{w} * h * 4u);
}

TEST_F(ResourceCatalogueTest, TheTableHoldsNothingElse) {
    std::set<std::pair<ResourceKind, int32_t>> expected;
    for (const CatalogueBitmap& item : kBitmaps) {
        for (int32_t id = item.first; id <= item.last; ++id) {
            expected.emplace(item.art == Art::Mask ? ResourceKind::Mask : ResourceKind::Bitmap, id);
        }
    }
    for (const CataloguePointer& item : kCursors) expected.emplace(ResourceKind::Cursor, item.id);
    for (int32_t id : sound_ids()) expected.emplace(ResourceKind::Sound, id);
    for (int32_t id : kDialogTemplates) expected.emplace(ResourceKind::Dialog, id);
    expected.emplace(ResourceKind::Icon, kIcon);

    std::set<std::pair<ResourceKind, int32_t>> seen;
    for (const auto& entry : table_entries()) {
        EXPECT_TRUE(seen.insert(entry).second)
            << "kind " << static_cast<int>(entry.first) << " id " << entry.second << " twice";
        EXPECT_EQ(expected.count(entry), 1u)
            << "unexpected kind " << static_cast<int>(entry.first) << " id " << entry.second;
    }
    EXPECT_EQ(seen.size(), expected.size()) << "entries of the catalogue are missing";

    // Ids the catalogue leaves unused.
    for (int32_t id : {139, 140})
        EXPECT_EQ(find_resource(ResourceKind::Bitmap, id).data, nullptr) << id;
    for (int32_t id = 180; id <= 199; ++id) {
        EXPECT_EQ(find_resource(ResourceKind::Bitmap, id).data, nullptr) << id;
    }
}

}  // namespace
