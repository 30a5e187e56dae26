// The colour mixer over a 640 x 480 room: what presses, releases and Escape decide, the
// pointer images, and the face the mixer shows while it is open.
#include "tools/colour_mixer.h"

#include <gtest/gtest.h>

#include <iterator>
#include <vector>

#include "resources/resource_ids.h"
#include "scene_fixture.h"

namespace {

// The mixer is 369 x 242, centred: its top-left corner lies at (135, 119).
constexpr Point kDialog{135, 119};
// Dialog pixels.
constexpr Point kRedBlob{102, 53};
constexpr Point kYellowBlob{166, 32};
constexpr Point kCancel{160, 100};
constexpr Point kOk{140, 100};
constexpr Point kSwatch{40, 170};
constexpr Point kWood{230, 200};  // on the palette, away from everything else
constexpr Point kBesidePalette{5, 5};
constexpr Point kOutsideDialog{-20, 40};

enum Act { Down, Up, Move, Escape, Probe };

struct Step {
    Act act;
    Point at{};
};

// What the main window saw at each probe while the mixer was open.
struct Seen {
    int32_t cursor;
    uint32_t swatch;      // the middle of the swatch
    uint32_t swatchEdge;  // its outer edge
    uint32_t beside;      // the room beside the palette
};
std::vector<Seen> g_seen;

void probe(const TbEvent*) {
    auto at = [](Point p) { return window_pixel(kDialog.x + p.x, kDialog.y + p.y); };
    g_seen.push_back({headless::cursor_id(), at(kSwatch), at({15, 148}), at(kBesidePalette)});
}

void queue(const std::vector<Step>& steps) {
    for (const Step& s : steps) {
        TbEvent e;
        e.x = kDialog.x + s.at.x;
        e.y = kDialog.y + s.at.y;
        switch (s.act) {
            case Down:
                e.kind = TB_EVENT_BUTTON_DOWN;
                break;
            case Up:
                e.kind = TB_EVENT_BUTTON_UP;
                break;
            case Move:
                e.kind = TB_EVENT_MOUSE_MOVE;
                break;
            case Escape:
                e.kind = TB_EVENT_KEY_DOWN;
                e.key = TB_VK_ESCAPE;
                break;
            case Probe:
                e.kind = TB_EVENT_MOVED;
                break;
        }
        headless::push_event(e);
    }
}

std::vector<Step> click(Point p) { return {{Down, p}, {Up, p}}; }

std::vector<Step> operator+(std::vector<Step> a, const std::vector<Step>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The palette picture's colour at a dialog point, in toolbox colour units.
SceneColour palette_colour(Point p) {
    Rect r;
    BitmapRef palette = tb_CreateBitmap(&r, kBitmapMixerPalette, 24);
    SceneColour c;
    tb_GetPixel(palette, p.x, p.y, &c.red, &c.green, &c.blue);
    tb_DisposeBitmap(palette);
    return c;
}

int32_t bitmaps_in_use() {
    int32_t n = 0;
    for (BitmapRef b = 0; b < TB_MAX_BITMAPS; ++b) n += tb_GetBitmapImage(b) != nullptr ? 1 : 0;
    return n;
}

uint32_t rgb(const SceneColour& c) {
    return (uint32_t(c.red / 255) << 16) | (uint32_t(c.green / 255) << 8) | uint32_t(c.blue / 255);
}

class ColourMixer : public SceneTest {
   protected:
    void SetUp() override {
        start_scene(640, 480);
        g_seen.clear();
        tb_SetMainEventHandler(probe);
    }
    void TearDown() override {
        tb_SetMainEventHandler(nullptr);
        SceneTest::TearDown();
    }
};

TEST_F(ColourMixer, PressesPickReleasesDecideAndEscapeChangesNothing) {
    const SceneColour red = palette_colour(kRedBlob);
    const SceneColour yellow = palette_colour(kYellowBlob);
    ASSERT_NE(rgb(red), rgb(yellow));
    const SceneColour untouched{-7, -7, -7};
    struct Case {
        const char* what;
        std::vector<Step> steps;
        int32_t result;
        SceneColour colour;
    };
    const Case cases[] = {
        {"OK and the swatch before any pick keep it open",
         click(kOk) + click(kSwatch) + std::vector<Step>{{Escape}}, 0, untouched},
        {"a press on cancel or OK picks nothing",
         std::vector<Step>{{Down, kCancel}, {Up, kWood}, {Down, kOk}} + click(kOk) + click(kCancel),
         -1, untouched},
        {"several picks, then OK returns the last",
         click(kRedBlob) + click(kYellowBlob) + click(kWood) + click(kOk), 1,
         palette_colour(kWood)},
        {"the swatch confirms like OK", click(kYellowBlob) + click(kSwatch), 1, yellow},
        {"Escape after a pick gives 0", click(kRedBlob) + std::vector<Step>{{Escape}}, 0,
         untouched},
        {"a release on cancel gives -1", std::vector<Step>{{Down, kRedBlob}, {Up, kCancel}}, -1,
         untouched},
        {"a release beside the mixer keeps it open",
         std::vector<Step>{{Down, kRedBlob}, {Up, kOutsideDialog}} + click(kOk), 1, red},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        queue(c.steps);
        SceneColour got = untouched;
        EXPECT_EQ(colour_mixer_run(&got.red, &got.green, &got.blue), c.result);
        EXPECT_EQ(got.red, c.colour.red);
        EXPECT_EQ(got.green, c.colour.green);
        EXPECT_EQ(got.blue, c.colour.blue);
        // Every step was taken by the mixer; the room only hears where the pointer went.
        TbEvent left;
        while (tb_GetEvent(&left, 0) != 0) EXPECT_EQ(left.kind, TB_EVENT_MOUSE_MOVE);
    }
    EXPECT_TRUE(shown_boxes().empty());
}

TEST_F(ColourMixer, ShowsThePaletteOverTheRoomWithTheSwatchAndPointerImagesOfItsAreas) {
    auto on_screen = [](Point p) { return window_pixel(kDialog.x + p.x, kDialog.y + p.y); };
    const uint32_t roomBeside = on_screen(kBesidePalette);
    const uint32_t roomUnderSwatch = on_screen(kSwatch);
    const int32_t points[] = {1, 1, 5, 1, 5, 5, TB_POLY_END, TB_POLY_END};
    const RegionRef firstFreeRegion = tb_CreateRegion(points);
    tb_DisposeRegion(firstFreeRegion);
    const int32_t bitmapsBefore = bitmaps_in_use();

    queue({{Move, kCancel},
           {Probe},
           {Move, kOk},
           {Probe},
           {Move, kSwatch},
           {Probe},
           {Move, kBesidePalette},
           {Probe},
           {Move, kOutsideDialog},
           {Probe},
           {Down, kRedBlob},
           {Up, kRedBlob},
           {Move, kOk},
           {Probe},
           {Move, kSwatch},
           {Probe},
           {Move, kRedBlob},
           {Probe},
           {Escape}});
    int32_t r = 0, g = 0, b = 0;
    EXPECT_EQ(colour_mixer_run(&r, &g, &b), 0);

    // Over cancel, the palette, OK and the swatch only once something was picked, elsewhere.
    const int32_t pick = kCursorDropper, active = kCursorHandPoint, elsewhere = kCursorArrow;
    const int32_t cursors[] = {active, pick, elsewhere, elsewhere, elsewhere, active, active, pick};
    ASSERT_EQ(g_seen.size(), std::size(cursors));
    for (size_t i = 0; i < g_seen.size(); ++i) EXPECT_EQ(g_seen[i].cursor, cursors[i]) << i;
    // The room shows beside the palette; the swatch takes the picked colour inside its edges.
    EXPECT_EQ(g_seen[0].beside, roomBeside);
    EXPECT_NE(g_seen[0].swatch, rgb(palette_colour(kRedBlob)));
    EXPECT_EQ(g_seen[5].swatch, rgb(palette_colour(kRedBlob)));
    EXPECT_EQ(g_seen[5].swatchEdge, 0u);
    // Once closed, the room is back and nothing the mixer made is left.
    EXPECT_EQ(on_screen(kSwatch), roomUnderSwatch);
    EXPECT_EQ(bitmaps_in_use(), bitmapsBefore);
    RegionRef again = tb_CreateRegion(points);
    EXPECT_EQ(again, firstFreeRegion);
    tb_DisposeRegion(again);

    // A quit request ends the mixer with 0 and goes on to the main loop; the palette's region
    // goes with the mixer all the same.
    TbEvent quit;
    quit.kind = TB_EVENT_QUIT;
    headless::push_event(quit);
    EXPECT_EQ(colour_mixer_run(&r, &g, &b), 0);
    ASSERT_EQ(tb_GetEvent(&quit, 0), 1);
    EXPECT_EQ(quit.kind, TB_EVENT_QUIT);
    again = tb_CreateRegion(points);
    EXPECT_EQ(again, firstFreeRegion);
    tb_DisposeRegion(again);
}

}  // namespace
