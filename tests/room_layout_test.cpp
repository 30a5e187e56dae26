// The drawn room held against the places where the program hits, lights and fills it. The left
// panel and the table band are composed at 640 x 480 as the scene draws them; every hit area of
// the object table, the panel buttons and the pots must lie on what is drawn there, every paint
// surface must be a closed area of one colour, and a picture of the room with its hit areas
// outlined is written next to the test for people to look at.
//
// The hit areas come from the scene itself (its object table and layout), so the art is checked
// against what the program really hits.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "scene_fixture.h"

namespace {

constexpr int32_t kWidth = 640;
constexpr int32_t kHeight = 480;
constexpr int32_t kBandTop = kHeight - 96;

// Paint surfaces the program floods with a colour: each pot's surface in the pots picture (drawn
// at (475, H - 96)) cut out by the pot's mask, the paint seen through the four front jars on the
// band, and the current-colour blob.
constexpr Point kBitmapPotsAt{475, kBandTop};
constexpr int32_t kPotMasks[kPotCount] = {kMaskPot0, kMaskPot1, kMaskPot2, kMaskPot3,
                                          kMaskPot4, kMaskPot5, kMaskPot6, kMaskPot7};
struct JarPaint {
    int32_t pot;
    Point at;  // window pixel at H = 480
};
constexpr JarPaint kJarPaint[] = {{0, {486, kHeight - 83}},
                                  {5, {511, kHeight - 69}},
                                  {6, {551, kHeight - 64}},
                                  {7, {597, kHeight - 63}}};

// The polygons of these entries reach a few pixels beyond their pictures.
bool may_overhang(int32_t entry) {
    return entry == 0 || entry == 1 || entry == 2 || entry == 4 || entry == 5 || entry == 8;
}

// ---------------------------------------------------------------------------------------------
// Pixels and masks

uint32_t to_rgb(uint8_t r, uint8_t g, uint8_t b) {
    return (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
}

void use_colour(TargetRef target, uint32_t rgb) {
    const uint32_t r = ((rgb >> 16) & 255) * 255;
    const uint32_t g = ((rgb >> 8) & 255) * 255;
    const uint32_t b = (rgb & 255) * 255;
    tb_SetForeColor(target, r, g, b);
    tb_SetBackColor(target, r, g, b);
}

// A resource image read straight from the resources (mask values unchanged).
class LoadedImage {
   public:
    explicit LoadedImage(int32_t id) : image_(tb_LoadImageResource(id)) {}
    ~LoadedImage() { tb_FreeDibImage(&image_); }
    LoadedImage(const LoadedImage&) = delete;
    LoadedImage& operator=(const LoadedImage&) = delete;

    bool loaded() const { return image_.header != nullptr; }
    int32_t width() const { return loaded() ? image_.header->width : 0; }
    int32_t height() const { return loaded() ? image_.header->height : 0; }
    // For masks: whether the pixel is white (drawn).
    bool shows(int32_t x, int32_t y) const {
        const uint8_t* p = loaded() ? tb_PixelAddress(&image_, x, y) : nullptr;
        return p != nullptr && *p == 255;
    }
    uint32_t rgb(int32_t x, int32_t y) const {
        uint8_t r = 0, g = 0, b = 0;
        tb_GetPixelRGB(&image_, x, y, &r, &g, &b);
        return to_rgb(r, g, b);
    }

   private:
    DibImage image_;
};

Rect grown(Rect r, int32_t by) {
    tb_InsetRect(&r, -by, -by);
    return r;
}

bool inside(const Rect& r, int32_t x, int32_t y) { return tb_PtInRect(x, y, &r) != 0; }

bool contains(const Rect& outer, const Rect& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

std::string describe(const Rect& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " +
           std::to_string(r.right) + ", " + std::to_string(r.bottom) + ")";
}

// Whether the room's own art (panel or band, not the wall behind) is drawn at a window pixel.
class RoomArt {
   public:
    bool opaque(int32_t x, int32_t y) const {
        return (y >= kBandTop && band_.shows(x, y - kBandTop)) || panel_.shows(x, y);
    }

   private:
    LoadedImage panel_{kMaskLeftPanel};
    LoadedImage band_{kMaskTableBand};
};

// ---------------------------------------------------------------------------------------------
// Composing the room with the toolbox, in the scene's order

void draw_cut_out(TargetRef target, int32_t pictureId, int32_t maskId, const Rect& at) {
    Rect pictureRect{};
    Rect maskRect{};
    BitmapRef picture = tb_CreateBitmap(&pictureRect, pictureId, 24);
    BitmapRef mask = tb_CreateBitmap(&maskRect, maskId, 8);
    ASSERT_NE(picture, -1) << pictureId;
    ASSERT_NE(mask, -1) << maskId;
    tb_CopyBitmapSprite(picture, mask, target, &pictureRect, &maskRect, &at);
    tb_DisposeBitmap(picture);
    tb_DisposeBitmap(mask);
}

// Pot i in a colour: its part of the pots picture with the surface flooded, cut out by its mask;
// for the front pots the paint seen through the jar is recoloured at 80 %.
void draw_pot(BitmapRef room, int32_t pot, uint32_t rgb) {
    const Rect at = scene_pot_rect(pot);
    const Rect part{at.left - kBitmapPotsAt.x, at.top - kBitmapPotsAt.y, at.right - kBitmapPotsAt.x,
                    at.bottom - kBitmapPotsAt.y};
    Rect whole{};
    BitmapRef pots = tb_CreateBitmap(&whole, kBitmapPots, 24);
    BitmapRef paint = make_bitmap(part.right - part.left, part.bottom - part.top);
    Rect paintRect{0, 0, part.right - part.left, part.bottom - part.top};
    tb_CopyBitmap(pots, paint, &part, &paintRect, 0);
    use_colour(paint, rgb);
    tb_FloodFill(paint, kPointsPotFill[pot].x - part.left, kPointsPotFill[pot].y - part.top, 0, 0,
                 0);
    Rect maskRect{};
    BitmapRef mask = tb_CreateBitmap(&maskRect, kPotMasks[pot], 8);
    tb_CopyBitmapSprite(paint, mask, room, &paintRect, &part, &at);
    tb_DisposeBitmap(mask);
    tb_DisposeBitmap(paint);
    tb_DisposeBitmap(pots);
    for (const JarPaint& jar : kJarPaint) {
        if (jar.pot != pot) continue;
        const uint32_t under = pixel_rgb(room, jar.at.x, jar.at.y);
        auto darker = [](uint32_t c) { return (c * 8 + 5) / 10; };
        use_colour(room, (darker((rgb >> 16) & 255) << 16) | (darker((rgb >> 8) & 255) << 8) |
                             darker(rgb & 255));
        tb_FloodFill(room, jar.at.x, jar.at.y, ((under >> 16) & 255) * 255,
                     ((under >> 8) & 255) * 255, (under & 255) * 255);
    }
}

constexpr uint32_t kStartColours[kPotCount] = {0xFFFFFF, 0x000000, 0xFF0000, 0x00FF00,
                                               0x0000FF, 0xFFFF00, 0xFF00FF, 0xFF8000};

// Wall, white picture area, left panel, table band, pots in their start colours and, for a shelf
// of 0-4, that shelf's tools at their places. The caller disposes of the bitmap.
BitmapRef compose_room(int32_t shelf) {
    BitmapRef room = make_bitmap(kWidth, kHeight);
    const Rect all{0, 0, kWidth, kHeight};
    tb_FillPattern(room, kBitmapWallpaper, &all);
    use_colour(room, 0xFFFFFF);
    tb_PaintRect(room, &g_layout.picture);
    draw_cut_out(room, kBitmapLeftPanel, kMaskLeftPanel, Rect{0, 0, 147, kHeight});
    draw_cut_out(room, kBitmapTableBand, kMaskTableBand, Rect{0, kBandTop, kWidth, kHeight});
    for (int32_t pot = 0; pot < kPotCount; ++pot) draw_pot(room, pot, kStartColours[pot]);
    for (const SceneObject& o : g_sceneObjects) {
        if (o.shelf == shelf) draw_cut_out(room, o.imageId, o.maskId, o.hotRect);
    }
    return room;
}

// The pixels of the area of one colour around `at` in `part` of `source`: a copy of the part is
// flooded with a marker colour and compared with the source. Points are in part coordinates.
std::vector<Point> one_colour_area(BitmapRef source, const Rect& part, Point at) {
    const int32_t w = part.right - part.left;
    const int32_t h = part.bottom - part.top;
    BitmapRef copy = make_bitmap(w, h);
    const Rect whole{0, 0, w, h};
    tb_CopyBitmap(source, copy, &part, &whole, 0);
    const uint32_t colour = pixel_rgb(copy, at.x, at.y);
    use_colour(copy, colour == 0x123456 ? 0x654321 : 0x123456);
    tb_FloodFill(copy, at.x, at.y, ((colour >> 16) & 255) * 255, ((colour >> 8) & 255) * 255,
                 (colour & 255) * 255);
    std::vector<Point> area;
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            if (pixel_rgb(copy, x, y) != pixel_rgb(source, x + part.left, y + part.top))
                area.push_back({x, y});
        }
    }
    tb_DisposeBitmap(copy);
    return area;
}

Rect bounds_of(const std::vector<Point>& points) {
    Rect r{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (const Point& p : points) {
        r.left = std::min(r.left, p.x);
        r.top = std::min(r.top, p.y);
        r.right = std::max(r.right, p.x + 1);
        r.bottom = std::max(r.bottom, p.y + 1);
    }
    return r;
}

// Window pixels of an entry's hit region.
std::vector<Point> region_pixels(const SceneObject& o) {
    std::vector<Point> pixels;
    const Rect around = grown(o.hotRect, 10);
    for (int32_t y = around.top; y < around.bottom; ++y) {
        for (int32_t x = around.left; x < around.right; ++x) {
            if (tb_PtInRegion(x, y, o.hotRegion)) pixels.push_back({x, y});
        }
    }
    return pixels;
}

// The plain table top: the commonest colour of the band's drawn pixels above its front edge.
uint32_t empty_table_colour() {
    LoadedImage band(kBitmapTableBand);
    LoadedImage mask(kMaskTableBand);
    std::map<uint32_t, int32_t> counts;
    for (int32_t y = 0; y < 74; ++y) {
        for (int32_t x = g_layout.tray.left; x < g_layout.tray.right; ++x) {
            if (mask.shows(x, y)) ++counts[band.rgb(x, y)];
        }
    }
    return std::max_element(counts.begin(), counts.end(),
                            [](const auto& a, const auto& b) { return a.second < b.second; })
        ->first;
}

class RoomLayoutTest : public SceneTest {
   protected:
    void SetUp() override { start_scene(kWidth, kHeight); }
};

// ---------------------------------------------------------------------------------------------

TEST_F(RoomLayoutTest, ToolHitAreasLieOnTheirPictures) {
    for (int32_t entry = 0; entry < kSceneObjectCount; ++entry) {
        const SceneObject& o = g_sceneObjects[entry];
        SCOPED_TRACE("entry " + std::to_string(entry) + " at " + describe(o.hotRect));
        LoadedImage mask(o.maskId);
        ASSERT_TRUE(mask.loaded());
        const int32_t w = o.hotRect.right - o.hotRect.left;
        const int32_t h = o.hotRect.bottom - o.hotRect.top;
        ASSERT_EQ(mask.width(), w) << "the picture must fit its place exactly";
        ASSERT_EQ(mask.height(), h) << "the picture must fit its place exactly";
        auto drawn = [&](int32_t x, int32_t y) {
            return mask.shows(x - o.hotRect.left, y - o.hotRect.top);
        };

        // The drawing fills its place: no wide empty margin on any side.
        std::vector<Point> objectPixels;
        for (int32_t y = o.hotRect.top; y < o.hotRect.bottom; ++y) {
            for (int32_t x = o.hotRect.left; x < o.hotRect.right; ++x) {
                if (drawn(x, y)) objectPixels.push_back({x, y});
            }
        }
        ASSERT_FALSE(objectPixels.empty());
        const Rect drawnBox = bounds_of(objectPixels);
        const int32_t slackX = std::max(3, w / 5);
        const int32_t slackY = std::max(3, h / 5);
        EXPECT_LE(drawnBox.left - o.hotRect.left, slackX) << "empty on the left";
        EXPECT_LE(o.hotRect.right - drawnBox.right, slackX) << "empty on the right";
        EXPECT_LE(drawnBox.top - o.hotRect.top, slackY) << "empty at the top";
        EXPECT_LE(o.hotRect.bottom - drawnBox.bottom, slackY) << "empty at the bottom";

        // The hit region lies on the drawing, not on the table around it.
        const std::vector<Point> region = region_pixels(o);
        ASSERT_FALSE(region.empty());
        int32_t onObject = 0;
        int32_t nearObject = 0;
        int32_t beyondPicture = 0;
        for (const Point& p : region) {
            if (!inside(o.hotRect, p.x, p.y)) {
                ++beyondPicture;
                EXPECT_TRUE(inside(grown(o.hotRect, 3), p.x, p.y))
                    << "far outside at " << p.x << ", " << p.y;
            }
            if (drawn(p.x, p.y)) ++onObject;
            bool near = false;
            for (int32_t dy = -4; dy <= 4 && !near; ++dy) {
                for (int32_t dx = -4; dx <= 4 && !near; ++dx) near = drawn(p.x + dx, p.y + dy);
            }
            if (near) ++nearObject;
        }
        const auto share = [&](int32_t n) {
            return static_cast<double>(n) / static_cast<double>(region.size());
        };
        EXPECT_LE(beyondPicture, may_overhang(entry) ? static_cast<int32_t>(region.size() / 10) : 0)
            << "hit pixels beyond the picture";
        EXPECT_GE(share(onObject), 1.0 / 3.0) << "too little of the hit area is on the tool";
        EXPECT_GE(share(nearObject), 0.7) << "too much of the hit area is bare table";

        // And most of the drawing can be clicked.
        int32_t hittable = 0;
        for (const Point& p : objectPixels)
            hittable += tb_PtInRegion(p.x, p.y, o.hotRegion) ? 1 : 0;
        EXPECT_GE(static_cast<double>(hittable) / static_cast<double>(objectPixels.size()), 0.7)
            << "much of the tool cannot be clicked";
    }
}

TEST_F(RoomLayoutTest, PanelButtonsLieOnTheirDrawnButtons) {
    const RoomArt art;
    BitmapRef room = compose_room(-1);
    for (int32_t button = 0; button < kButtonCount; ++button) {
        const Rect r = scene_button_rect(button);
        const Rect lit = scene_button_highlight_rect(button);
        SCOPED_TRACE("button " + std::to_string(button) + " at " + describe(r));

        // On the room's own art, not on the wall or frame behind it.
        int32_t opaque = 0;
        for (int32_t y = r.top; y < r.bottom; ++y) {
            for (int32_t x = r.left; x < r.right; ++x) opaque += art.opaque(x, y) ? 1 : 0;
        }
        EXPECT_GE(opaque, (r.right - r.left) * (r.bottom - r.top) * 95 / 100)
            << "the button is not drawn there";

        // The lit picture replaces exactly its rectangle, and what it lights is this button: the
        // changed pixels (the glow) surround the button's rectangle closely.
        Rect litRect{};
        BitmapRef highlight = tb_CreateBitmap(&litRect, scene_button_highlight_bitmap(button), 24);
        ASSERT_NE(highlight, -1);
        EXPECT_EQ(litRect.right, lit.right - lit.left);
        EXPECT_EQ(litRect.bottom, lit.bottom - lit.top);
        std::vector<Point> changed;
        for (int32_t y = lit.top; y < lit.bottom; ++y) {
            for (int32_t x = lit.left; x < lit.right; ++x) {
                if (art.opaque(x, y) &&
                    pixel_rgb(highlight, x - lit.left, y - lit.top) != pixel_rgb(room, x, y)) {
                    changed.push_back({x, y});
                }
            }
        }
        tb_DisposeBitmap(highlight);
        ASSERT_FALSE(changed.empty()) << "the lit picture lights nothing";
        const Rect glow = bounds_of(changed);
        EXPECT_TRUE(contains(grown(glow, 1), r)) << "lit " << describe(glow);
        EXPECT_TRUE(contains(grown(r, 16), glow)) << "lit " << describe(glow);
    }
    tb_DisposeBitmap(room);
}

TEST_F(RoomLayoutTest, PotsAndTableButtonsLieOnTheirPaint) {
    const uint32_t table = empty_table_colour();
    LoadedImage band(kBitmapTableBand);
    auto bare_share = [&](const Rect& r) {
        int32_t bare = 0;
        for (int32_t y = r.top; y < r.bottom; ++y) {
            for (int32_t x = r.left; x < r.right; ++x)
                bare += band.rgb(x, y - kBandTop) == table ? 1 : 0;
        }
        return static_cast<double>(bare) / ((r.right - r.left) * (r.bottom - r.top));
    };
    for (int32_t pot = 0; pot < kPotCount; ++pot) {
        SCOPED_TRACE("pot " + std::to_string(pot));
        const Rect r = scene_pot_rect(pot);
        LoadedImage mask(kPotMasks[pot]);
        int32_t own = 0;
        for (int32_t y = r.top; y < r.bottom; ++y) {
            for (int32_t x = r.left; x < r.right; ++x) {
                own += mask.shows(x - kBitmapPotsAt.x, y - kBitmapPotsAt.y) ? 1 : 0;
            }
        }
        EXPECT_GE(own * 2, (r.right - r.left) * (r.bottom - r.top))
            << "the pot's paint fills too little of it";
        EXPECT_LE(bare_share(r), 0.1);
        const Rect extra = scene_pot_extra_rect(pot);
        if (extra.right > extra.left) {
            EXPECT_LE(bare_share(extra), 0.1) << "extra " << describe(extra);
        }
    }
    for (int32_t button : {8, 9}) {
        EXPECT_LE(bare_share(scene_button_rect(button)), 0.5) << "button " << button;
    }
}

TEST_F(RoomLayoutTest, PaintSurfacesAreClosedAreasOfOneColour) {
    // Pots: the program floods black from the fill point in its part of the pots picture.
    Rect potsRect{};
    BitmapRef pots = tb_CreateBitmap(&potsRect, kBitmapPots, 24);
    ASSERT_NE(pots, -1);
    for (int32_t pot = 0; pot < kPotCount; ++pot) {
        SCOPED_TRACE("pot " + std::to_string(pot));
        const Point at{kPointsPotFill[pot].x, kPointsPotFill[pot].y};
        EXPECT_EQ(pixel_rgb(pots, at.x, at.y), 0x000000u) << "the fill starts on black paint";
        const std::vector<Point> area = one_colour_area(pots, potsRect, at);
        const Rect bounds = bounds_of(area);
        Rect potInPicture = scene_pot_rect(pot);
        tb_OffsetRect(&potInPicture, -kBitmapPotsAt.x, -kBitmapPotsAt.y);
        EXPECT_TRUE(contains(potInPicture, bounds))
            << "paint " << describe(bounds) << " leaves the pot";
        EXPECT_TRUE(contains(grown(potsRect, -1), bounds))
            << "paint " << describe(bounds) << " is open at the edge of the pots picture";
        LoadedImage mask(kPotMasks[pot]);
        int32_t hidden = 0;
        for (const Point& p : area) hidden += mask.shows(p.x, p.y) ? 0 : 1;
        EXPECT_EQ(hidden, 0) << "paint outside the pot's mask";
    }
    tb_DisposeBitmap(pots);

    // The current-colour blob.
    Rect swatchRect{};
    BitmapRef swatch = tb_CreateBitmap(&swatchRect, kBitmapSwatch, 24);
    EXPECT_EQ(pixel_rgb(swatch, kPointSwatchFill.x, kPointSwatchFill.y), 0x000000u);
    const std::vector<Point> blob =
        one_colour_area(swatch, swatchRect, Point{kPointSwatchFill.x, kPointSwatchFill.y});
    EXPECT_TRUE(contains(grown(swatchRect, -1), bounds_of(blob))) << "the swatch's paint is open";
    LoadedImage swatchMask(kMaskSwatch);
    int32_t hidden = 0;
    for (const Point& p : blob) hidden += swatchMask.shows(p.x, p.y) ? 0 : 1;
    EXPECT_EQ(hidden, 0);
    EXPECT_GE(blob.size(), 100u) << "the current colour is hard to see";
    tb_DisposeBitmap(swatch);

    // The paint behind the glass of the front jars, recoloured on the composed room.
    BitmapRef room = compose_room(-1);
    const Rect whole{0, 0, kWidth, kHeight};
    for (const JarPaint& jar : kJarPaint) {
        SCOPED_TRACE("jar of pot " + std::to_string(jar.pot));
        const std::vector<Point> area = one_colour_area(room, whole, jar.at);
        const Rect bounds = bounds_of(area);
        EXPECT_TRUE(contains(Rect{1, kBandTop + 1, kWidth - 1, kHeight - 1}, bounds))
            << "the jar's paint " << describe(bounds) << " runs out of the table band";
        EXPECT_TRUE(contains(grown(g_layout.paintArea, 30), bounds)) << describe(bounds);
        EXPECT_LE(area.size(), 2000u) << "the jar's paint spreads over the table";
    }
    tb_DisposeBitmap(room);
}

TEST_F(RoomLayoutTest, RepaintingAPotChangesOnlyItsOwnPaint) {
    BitmapRef room = compose_room(-1);
    BitmapRef before = make_bitmap(kWidth, kHeight);
    const Rect whole{0, 0, kWidth, kHeight};
    for (int32_t pot = 0; pot < kPotCount; ++pot) {
        SCOPED_TRACE("pot " + std::to_string(pot));
        tb_CopyBitmap(room, before, &whole, &whole, 0);
        std::vector<Point> jarPaint;
        for (const JarPaint& jar : kJarPaint) {
            if (jar.pot == pot) jarPaint = one_colour_area(room, whole, jar.at);
        }
        draw_pot(room, pot, 0x2288CC);
        LoadedImage mask(kPotMasks[pot]);
        const Rect at = scene_pot_rect(pot);
        int32_t strayPixels = 0;
        for (int32_t y = kBandTop; y < kHeight; ++y) {
            for (int32_t x = 0; x < kWidth; ++x) {
                if (pixel_rgb(room, x, y) == pixel_rgb(before, x, y)) continue;
                const bool ownPaint =
                    inside(at, x, y) && mask.shows(x - kBitmapPotsAt.x, y - kBitmapPotsAt.y);
                const bool ownJar =
                    std::any_of(jarPaint.begin(), jarPaint.end(),
                                [&](const Point& p) { return p.x == x && p.y == y; });
                if (!ownPaint && !ownJar) {
                    ++strayPixels;
                    ADD_FAILURE() << "changed at " << x << ", " << y;
                }
            }
        }
        EXPECT_EQ(strayPixels, 0);
        draw_pot(room, pot, kStartColours[pot]);
    }
    tb_DisposeBitmap(before);
    tb_DisposeBitmap(room);
}

TEST_F(RoomLayoutTest, SmallPiecesFitTheirPlaces) {
    const RoomArt art;
    auto size_is = [](int32_t id, const Rect& place) {
        LoadedImage image(id);
        EXPECT_EQ(image.width(), place.right - place.left) << id;
        EXPECT_EQ(image.height(), place.bottom - place.top) << id;
    };
    auto drawn_under = [&](const Rect& place) {
        for (int32_t y = place.top; y < place.bottom; ++y) {
            for (int32_t x = place.left; x < place.right; ++x) {
                if (!art.opaque(x, y)) return false;
            }
        }
        return true;
    };
    size_is(kBitmapOptionsBlank, g_layout.optionsPanel);
    size_is(kBitmapOptionsResting, g_layout.optionsPanel);
    EXPECT_TRUE(drawn_under(g_layout.optionsPanel)) << "the options screen must sit on the panel";
    for (int32_t id : {kBitmapSpeakerOn, kBitmapSpeakerOff, kBitmapSpeakerLoud})
        size_is(id, g_layout.speaker);
    for (int32_t id : {kBitmapMagnifierOff, kBitmapMagnifierOn}) size_is(id, g_layout.magnifier);
    EXPECT_TRUE(drawn_under(g_layout.speaker));
    EXPECT_TRUE(drawn_under(g_layout.magnifier));
    size_is(kBitmapSwatch, g_layout.swatch);

    // Hover labels replace the band's front edge left of x = 572: the blank label continues it,
    // and every label meets the band without a seam at both ends.
    LoadedImage band(kBitmapTableBand);
    const int32_t labelTop = g_layout.labelStrip.top - kBandTop;
    for (int32_t id = kBitmapLabelBlank; id <= kBitmapLabelCurrentColour; ++id) {
        LoadedImage label(id);
        size_is(id, g_layout.labelStrip);
        int32_t seams = 0;
        for (int32_t y = 0; y < label.height(); ++y) {
            for (int32_t x : {0, label.width() - 1})
                seams += label.rgb(x, y) != band.rgb(x, labelTop + y) ? 1 : 0;
        }
        EXPECT_EQ(seams, 0) << "label " << id << " does not meet the band";
    }
    LoadedImage blank(kBitmapLabelBlank);
    int32_t same = 0;
    for (int32_t y = 0; y < blank.height(); ++y) {
        for (int32_t x = 0; x < blank.width(); ++x)
            same += blank.rgb(x, y) == band.rgb(x, labelTop + y) ? 1 : 0;
    }
    EXPECT_GE(same, blank.width() * blank.height() * 95 / 100)
        << "the blank label must look like the band";
}

// ---------------------------------------------------------------------------------------------
// The picture for people: the room with shelf 0, then the table of shelves 1-4; tool hit regions
// in red, tool pictures in green, panel buttons in blue, pots in magenta, their extra rectangles
// in cyan, the jar paint points in black.

void outline_region(BitmapRef sheet, const SceneObject& o, int32_t dy) {
    use_colour(sheet, 0xE00000);
    for (const Point& p : region_pixels(o)) {
        const bool edge = !tb_PtInRegion(p.x - 1, p.y, o.hotRegion) ||
                          !tb_PtInRegion(p.x + 1, p.y, o.hotRegion) ||
                          !tb_PtInRegion(p.x, p.y - 1, o.hotRegion) ||
                          !tb_PtInRegion(p.x, p.y + 1, o.hotRegion);
        if (edge) tb_PutPixel(sheet, p.x, p.y + dy, 0xE0 * 255, 0, 0);
    }
}

void frame(BitmapRef sheet, Rect r, int32_t dy, uint32_t rgb) {
    tb_OffsetRect(&r, 0, dy);
    use_colour(sheet, rgb);
    tb_FrameRect(sheet, &r);
}

void outline_shelf(BitmapRef sheet, int32_t shelf, int32_t dy) {
    for (const SceneObject& o : g_sceneObjects) {
        if (o.shelf != shelf) continue;
        frame(sheet, o.hotRect, dy, 0x00A000);
        outline_region(sheet, o, dy);
    }
}

TEST_F(RoomLayoutTest, WritesAPictureOfTheHitAreas) {
    const int32_t sheetHeight = kHeight + 4 * 96;
    BitmapRef sheet = make_bitmap(kWidth, sheetHeight);
    BitmapRef room = compose_room(0);
    const Rect whole{0, 0, kWidth, kHeight};
    tb_CopyBitmap(room, sheet, &whole, &whole, 0);
    tb_DisposeBitmap(room);
    outline_shelf(sheet, 0, 0);
    for (int32_t button = 0; button < kButtonCount; ++button)
        frame(sheet, scene_button_rect(button), 0, 0x0000FF);
    for (int32_t pot = 0; pot < kPotCount; ++pot) {
        frame(sheet, scene_pot_rect(pot), 0, 0xFF00FF);
        const Rect extra = scene_pot_extra_rect(pot);
        if (extra.right > extra.left) frame(sheet, extra, 0, 0x00C8C8);
    }
    for (const JarPaint& jar : kJarPaint)
        frame(sheet, Rect{jar.at.x - 1, jar.at.y - 1, jar.at.x + 2, jar.at.y + 2}, 0, 0);
    for (int32_t shelf = 1; shelf <= 4; ++shelf) {
        BitmapRef shelfRoom = compose_room(shelf);
        const Rect band{0, kBandTop, kWidth, kHeight};
        const int32_t dy = kHeight + (shelf - 1) * 96 - kBandTop;
        Rect to = band;
        tb_OffsetRect(&to, 0, dy);
        tb_CopyBitmap(shelfRoom, sheet, &band, &to, 0);
        tb_DisposeBitmap(shelfRoom);
        outline_shelf(sheet, shelf, dy);
    }

    const std::filesystem::path folder = std::filesystem::current_path();
    const std::string bmp = (folder / "room_layout_hits.bmp").string();
    const std::string png = (folder / "room_layout_hits.png").string();
    ASSERT_EQ(tb_OpenFileForWriting(bmp.c_str()), 1);
    EXPECT_EQ(tb_WriteBitmapToFile(sheet), 1);
    EXPECT_EQ(tb_CloseFile(), 1);
    tb_DisposeBitmap(sheet);
    std::filesystem::remove(png);
    const std::string convert = "convert '" + bmp + "' -scale 200% '" + png + "'";
    ASSERT_EQ(std::system(convert.c_str()), 0) << convert;
    std::filesystem::remove(bmp);
    EXPECT_TRUE(std::filesystem::exists(png));
    std::cout << "The room with its hit areas: " << png << "\n";
}

}  // namespace
