// The pointer input dispatch on a 640 x 480 room: pointer events in, then what became of the
// current tool, the colours, the picture, the zoom, the sound setting and the pointer.
#include "scene/input_dispatch.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "scene/scene.h"
#include "scene/scene_draw.h"
#include "scene/scene_hooks.h"
#include "scene/scene_table.h"
#include "shell/app_state.h"
#include "shell/preferences.h"
#include "shell/startup.h"
#include "shell/window_proc.h"
#include "test_support.h"
#include "toolbox/platform_headless.h"

namespace fs = std::filesystem;

namespace {

// Window points on the 640 x 480 room (H = 480, D = 0).
constexpr Point kPencil{395, 450};
constexpr Point kEraser{325, 432};
constexpr Point kRuler{415, 422};
constexpr Point kBluePot{573, 400};             // pot 4
constexpr Point kBelowMagentaPot{550, 440};     // extra rectangle of pot 6
constexpr Point kPot3UnderPot5Extra{520, 400};  // pot 3, but pot 5's extra rectangle wins
constexpr Point kPaintAreaNoPot{600, 390};
constexpr Point kShelf1Button{30, 100};
constexpr Point kShelf3Button{78, 220};
constexpr Point kUndoButton{136, 380};
constexpr Point kMagnifier{600, 470};
constexpr Point kSpeaker{626, 470};

constexpr uint32_t kWhite = 0xFFFFFF;

class InputDispatch : public ::testing::Test {
   protected:
    void SetUp() override {
        settings_ = fs::temp_directory_path() / ("tintamar-input-" + std::to_string(::getpid()));
        fs::remove_all(settings_);
        fs::create_directories(settings_);
        ::setenv("XDG_CONFIG_HOME", settings_.c_str(), 1);

        fresh_toolbox();
        Rect screen{0, 0, 640, 480};
        g_app.mainWindow = tb_OpenWindow(&screen, "Tintamar");
        tb_SetPointerMode(2);
        preferences_set_defaults();
        tb_SetSoundSwitch(&g_prefs.soundOn);
        g_zoomed = 0;
        g_zoomOriginX = g_zoomOriginY = 0;
        g_textPlacement = 0;
        g_zoomPick = 0;
        g_buttonHeldByEvents = 0;
        g_undoAvailable = 0;
        g_pictureModified = 0;
        scene_startup(640, 480);
    }
    void TearDown() override {
        scene_release();
        g_app = AppState{};
        fs::remove_all(settings_);
    }

    static void click(Point p) {
        input_pointer_move(p.x, p.y);
        input_button_down(p.x, p.y);
        input_button_up(p.x, p.y);
    }

    // A stroke as the window delivers it: press, moves with the button held, release.
    static void stroke(std::initializer_list<Point> points) {
        const Point* p = points.begin();
        headless::set_button(true);
        input_button_down(p->x, p->y);
        for (++p; p != points.end(); ++p) input_pointer_move(p->x, p->y);
        headless::set_button(false);
        Point last = *(points.end() - 1);
        input_button_up(last.x, last.y);
    }

    static size_t sounds_played() { return headless::sounds().size(); }
    static const uint8_t* last_sound() { return headless::sounds().back().wave; }
    static const uint8_t* sound(int32_t id) { return find_resource(ResourceKind::Sound, id).data; }

    static SceneColour colour(int32_t r, int32_t g, int32_t b) { return SceneColour{r, g, b}; }

    fs::path settings_;
};

bool same(const SceneColour& a, const SceneColour& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

TEST_F(InputDispatch, ToolsArePickedUpOnReleaseFromTheShownShelfOnly) {
    input_button_down(kEraser.x, kEraser.y);
    EXPECT_EQ(g_currentObject, 0);  // a press outside the picture does nothing
    EXPECT_EQ(g_undoAvailable, 0);
    size_t before = sounds_played();
    input_button_up(kEraser.x, kEraser.y);
    EXPECT_EQ(g_currentObject, 2);
    ASSERT_EQ(sounds_played(), before + 1);
    EXPECT_EQ(last_sound(), sound(kSoundPickUp));
    // The tool takes the current colour when it is picked up.
    EXPECT_EQ(g_sceneObjects[2].red, 65025);

    // Shelf 1 shows the texture brushes: where the pencil lay, a brush is hit instead.
    click(kShelf1Button);
    EXPECT_EQ(g_currentShelf, 1);
    click(kPencil);
    EXPECT_EQ(g_currentObject, 9);
    // Entries 9 and 18 overlap: on shelf 3 the same place gives the screwdriver.
    click(kShelf3Button);
    EXPECT_EQ(g_currentShelf, 3);
    click(Point{400, 445});
    EXPECT_EQ(g_currentObject, 18);
}

TEST_F(InputDispatch, PotsAndTheirExtraRectanglesChooseTheColour) {
    EXPECT_TRUE(same(g_currentColour, colour(65025, 0, 0)));
    click(kBluePot);
    EXPECT_TRUE(same(g_currentColour, colour(0, 0, 65025)));
    EXPECT_EQ(last_sound(), sound(kSoundColourPick));
    EXPECT_EQ(g_sceneObjects[0].blue, 65025);  // the pencil paints blue now
    click(kBelowMagentaPot);
    EXPECT_TRUE(same(g_currentColour, colour(65025, 0, 65025)));
    click(kPot3UnderPot5Extra);
    EXPECT_TRUE(same(g_currentColour, colour(65025, 65025, 0)));
    EXPECT_EQ(input_pot_at(kPot3UnderPot5Extra.x, kPot3UnderPot5Extra.y), 5);
    EXPECT_EQ(input_pot_at(590, 410), 7);  // orange
    EXPECT_TRUE(same(g_potColours[7], colour(65025, 32640, 0)));
    // Paint area but no pot: nothing changes, nothing sounds.
    size_t before = sounds_played();
    click(kPaintAreaNoPot);
    EXPECT_EQ(sounds_played(), before);
    EXPECT_TRUE(same(g_currentColour, colour(65025, 65025, 0)));
}

TEST_F(InputDispatch, PotDoubleClickWithTheMixerCancelledKeepsTheFirstColour) {
    // Escape waits in the queue for the mixer dialog, should it ask for an answer.
    TbEvent escape;
    escape.kind = TB_EVENT_KEY_DOWN;
    escape.key = TB_VK_ESCAPE;
    headless::push_event(escape);
    click(kBluePot);
    input_double_click(kBluePot.x, kBluePot.y);
    input_button_up(kBluePot.x, kBluePot.y);
    EXPECT_TRUE(same(g_currentColour, colour(0, 0, 65025)));
    EXPECT_TRUE(same(g_potColours[4], colour(0, 0, 65025)));
    TbEvent leftover;
    while (tb_GetEvent(&leftover, 0) != 0) {
    }
}

TEST_F(InputDispatch, StrokesPaintInPictureCoordinatesAndUndoTakesTheLastOneBack) {
    const Rect& p = g_layout.picture;
    stroke({{200, 100}, {230, 100}, {260, 100}});
    EXPECT_EQ(pixel_rgb(g_pictureBitmap, 230 - p.left, 100 - p.top), 0xFF0000u);
    EXPECT_EQ(g_pictureModified, 1);
    stroke({{200, 150}, {260, 150}});
    EXPECT_EQ(pixel_rgb(g_pictureBitmap, 230 - p.left, 150 - p.top), 0xFF0000u);
    EXPECT_EQ(g_undoAvailable, 1);

    click(kUndoButton);
    EXPECT_EQ(last_sound(), sound(kSoundUndo));
    EXPECT_EQ(pixel_rgb(g_pictureBitmap, 230 - p.left, 150 - p.top), kWhite);
    EXPECT_EQ(pixel_rgb(g_pictureBitmap, 230 - p.left, 100 - p.top), 0xFF0000u);
    EXPECT_EQ(g_undoAvailable, 0);
    // Nothing left to undo: the button does nothing.
    size_t before = sounds_played();
    click(kUndoButton);
    EXPECT_EQ(sounds_played(), before);
    EXPECT_EQ(pixel_rgb(g_pictureBitmap, 230 - p.left, 100 - p.top), 0xFF0000u);
}

TEST_F(InputDispatch, MovesWithoutAHeldButtonDoNotPaint) {
    const Rect& p = g_layout.picture;
    input_button_down(200, 200);
    input_button_up(200, 200);
    input_pointer_move(260, 200);
    EXPECT_EQ(pixel_rgb(g_pictureBitmap, 240 - p.left, 200 - p.top), kWhite);
    // A move handled after the button already went up still belongs to the stroke while the
    // window's events say the button is down.
    g_buttonHeldByEvents = 1;
    input_button_down(200, 250);
    input_pointer_move(260, 250);
    g_buttonHeldByEvents = 0;
    input_button_up(260, 250);
    EXPECT_EQ(pixel_rgb(g_pictureBitmap, 240 - p.left, 250 - p.top), 0xFF0000u);
}

TEST_F(InputDispatch, TheRulerKeepsThePointerInsideThePicture) {
    click(kRuler);
    ASSERT_EQ(g_currentObject, 4);
    ASSERT_EQ(g_sceneObjects[4].size, 4);
    const Rect& p = g_layout.picture;
    input_button_down(p.left + 1, 200);
    EXPECT_EQ(headless::pointer().x, p.left + 2);
    EXPECT_EQ(headless::pointer().y, 200);
    EXPECT_EQ(g_lastPointer.x, p.left + 2);
    input_button_up(p.left + 2, 200);
    // Far enough inside, the pointer is left alone.
    headless::set_pointer(Point{0, 0});
    input_button_down(300, 200);
    EXPECT_EQ(headless::pointer().x, 0);
    input_button_up(300, 200);
    // The pencil never clamps.
    click(kPencil);
    input_button_down(p.left, 200);
    EXPECT_EQ(headless::pointer().x, 0);
    input_button_up(p.left, 200);
}

TEST_F(InputDispatch, TheMagnifierZoomsOnThePickedCorner) {
    const int32_t pw = scene_picture_width();
    const int32_t ph = scene_picture_height();
    const Rect& p = g_layout.picture;

    click(kMagnifier);
    EXPECT_EQ(g_zoomPick, 1);
    EXPECT_EQ(g_zoomed, 0);
    input_button_down(p.left, p.top);  // the press only shows the zoom pointer
    EXPECT_EQ(g_undoAvailable, 0);
    input_button_up(p.left, p.top);
    EXPECT_EQ(g_zoomPick, 0);
    EXPECT_EQ(g_zoomed, 1);
    EXPECT_EQ(g_zoomOriginX, 0);
    EXPECT_EQ(g_zoomOriginY, 0);

    click(kMagnifier);  // zoomed: the magnifier turns the zoom off at once
    EXPECT_EQ(g_zoomed, 0);
    EXPECT_EQ(g_zoomPick, 0);

    click(kMagnifier);
    input_button_up(p.right - 1, p.bottom - 1);
    EXPECT_EQ(g_zoomed, 1);
    EXPECT_EQ(g_zoomOriginX, pw - pw / 2);
    EXPECT_EQ(g_zoomOriginY, ph - ph / 2);

    // A press at the picture area's corner reaches the pencil at the zoom origin.
    input_button_down(p.left, p.top);
    EXPECT_EQ(g_sceneObjects[0].lastX, pw - pw / 2);
    EXPECT_EQ(g_sceneObjects[0].lastY, ph - ph / 2);
    input_button_up(p.left, p.top);

    // A zoom pick released off the picture is cancelled.
    click(kMagnifier);
    click(kMagnifier);
    EXPECT_EQ(g_zoomPick, 1);
    input_button_up(30, 100);
    EXPECT_EQ(g_zoomPick, 0);
    EXPECT_EQ(g_zoomed, 0);
    EXPECT_EQ(g_currentShelf, 0);  // and the release did nothing else
}

TEST_F(InputDispatch, TheSpeakerTogglesSoundAndWritesTheFile) {
    ASSERT_EQ(g_prefs.soundOn, 1);
    size_t before = sounds_played();
    click(kSpeaker);
    ASSERT_EQ(sounds_played(), before + 1);  // heard before the sound goes off
    EXPECT_EQ(last_sound(), sound(kSoundClick));
    EXPECT_EQ(g_prefs.soundOn, 0);
    std::ifstream file(preferences_path(), std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(file)), {});
    ASSERT_EQ(bytes.size(), static_cast<size_t>(kPreferencesFileSize));
    EXPECT_EQ(bytes[0], 0);

    click(kPencil);  // silent now
    EXPECT_EQ(sounds_played(), before + 1);
    click(kSpeaker);
    EXPECT_EQ(g_prefs.soundOn, 1);
    std::ifstream again(preferences_path(), std::ios::binary);
    EXPECT_EQ(again.get(), 1);
}

TEST_F(InputDispatch, HoverShowsPointerImagesLabelsAndButtonHighlights) {
    input_pointer_move(kBluePot.x, kBluePot.y);
    EXPECT_EQ(headless::cursor_id(), kCursorDropper);
    EXPECT_EQ(g_shownLabel, kBitmapLabelPaintPots);
    input_pointer_move(kEraser.x, kEraser.y);
    EXPECT_EQ(headless::cursor_id(), kCursorHandOpen);
    EXPECT_EQ(g_shownLabel, kBitmapLabelEraser);
    input_pointer_move(kSpeaker.x, kSpeaker.y);
    EXPECT_EQ(headless::cursor_id(), kCursorHandPress);
    EXPECT_EQ(g_shownLabel, kBitmapLabelSpeaker);
    input_pointer_move(kMagnifier.x, kMagnifier.y);
    EXPECT_EQ(g_shownLabel, kBitmapLabelMagnifier);
    input_pointer_move(460, 450);  // the colour swatch: a label, the pointer as it was
    EXPECT_EQ(g_shownLabel, kBitmapLabelCurrentColour);
    EXPECT_EQ(headless::cursor_id(), kCursorHandPress);

    input_pointer_move(kUndoButton.x, kUndoButton.y);
    EXPECT_EQ(headless::cursor_id(), kCursorHandPoint);
    EXPECT_EQ(g_shownLabel, kBitmapLabelUndo);
    EXPECT_EQ(g_buttonHighlighted[7], 1);
    input_pointer_move(300, 200);  // over the picture: the pencil's own pointer, no label
    EXPECT_EQ(g_buttonHighlighted[7], 0);
    EXPECT_EQ(headless::cursor_id(), kCursorPencil);
    EXPECT_EQ(g_shownLabel, 0);

    // The pencil's panel has sizes to click; the paint pot's has none.
    input_pointer_move(50, 380);
    EXPECT_EQ(g_shownLabel, kBitmapLabelToolOptions);
    click(Point{289, 440});
    ASSERT_EQ(g_currentObject, 6);
    input_pointer_move(50, 380);
    EXPECT_EQ(g_shownLabel, 0);

    // While the button is held nothing hovers.
    headless::set_button(true);
    input_pointer_move(kSpeaker.x, kSpeaker.y);
    EXPECT_EQ(g_shownLabel, 0);
    headless::set_button(false);
}

TEST_F(InputDispatch, TheOptionsPanelSetsTheToolSize) {
    const Rect& panel = g_layout.optionsPanel;
    size_t before = sounds_played();
    click(Point{panel.left + 70, panel.top + 40});  // the last bar of the pencil's sizes
    EXPECT_EQ(g_sceneObjects[0].size, 32);
    ASSERT_EQ(sounds_played(), before + 1);
    EXPECT_EQ(last_sound(), sound(kSoundOptionsClick));
}

TEST_F(InputDispatch, PressesAndReleasesAreDroppedWhileTheFocusIsAway) {
    auto send = [](int32_t kind, int32_t x, int32_t y) {
        TbEvent e;
        e.kind = kind;
        e.x = x;
        e.y = y;
        window_proc(&e);
    };
    send(TB_EVENT_FOCUS_LOST, 0, 0);
    send(TB_EVENT_BUTTON_DOWN, 300, 200);
    send(TB_EVENT_BUTTON_UP, 300, 200);
    EXPECT_EQ(g_pictureModified, 0);
    send(TB_EVENT_MOUSE_MOVE, kSpeaker.x, kSpeaker.y);  // moves still arrive
    EXPECT_EQ(g_shownLabel, kBitmapLabelSpeaker);
    send(TB_EVENT_FOCUS_GAINED, 0, 0);
    send(TB_EVENT_BUTTON_DOWN, 300, 200);
    send(TB_EVENT_BUTTON_UP, 300, 200);
    EXPECT_EQ(g_pictureModified, 1);
    EXPECT_EQ(pixel_rgb(g_pictureBitmap, 300 - g_layout.picture.left, 200 - g_layout.picture.top),
              0xFF0000u);
}

bool same_rect(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(InputDispatch, ADragShowsExactlyWhatItChangedZoomedOrNot) {
    const Rect& p = g_layout.picture;
    struct Case {
        int32_t zoomed, originX, originY;
    };
    for (Case c : {Case{0, 0, 0}, Case{1, 10, 20}, Case{1, 237, 184}}) {
        SCOPED_TRACE("zoomed " + std::to_string(c.zoomed) + " at " + std::to_string(c.originX));
        g_zoomed = c.zoomed;
        g_zoomOriginX = c.originX;
        g_zoomOriginY = c.originY;
        headless::set_button(true);
        input_button_down(200, 100);
        // On white again, every pixel the drag writes changes.
        Rect all{0, 0, scene_picture_width(), scene_picture_height()};
        tb_SetForeColor(g_pictureBitmap, 65025, 65025, 65025);
        tb_PaintRect(g_pictureBitmap, &all);
        const std::vector<uint32_t> picture = pixels_of(g_pictureBitmap);
        const int32_t before = headless::presents();
        input_pointer_move(230, 110);
        const Rect touched = changed_bounds(g_pictureBitmap, picture);
        ASSERT_LT(touched.left, touched.right) << "the drag painted";
        // At 640 x 480 the zoomed view doubles exactly: picture pixel x shows at
        // 147 + 2 (x - origin) .. + 2.
        const int32_t scale = c.zoomed != 0 ? 2 : 1;
        Rect expected{p.left + scale * (touched.left - c.originX),
                      p.top + scale * (touched.top - c.originY),
                      p.left + scale * (touched.right - c.originX),
                      p.top + scale * (touched.bottom - c.originY)};
        tb_IntersectRect(&expected, &expected, &p);
        ASSERT_EQ(headless::presents(), before + 1);
        EXPECT_TRUE(same_rect(headless::last_present(), expected));
        EXPECT_TRUE(same_rect(scene_picture_rect_to_window(touched), expected));
        headless::set_button(false);
        input_button_up(230, 110);
    }
    // A drag that changes nothing shows nothing (the paint pot fills once, at the press); the
    // mirror brush always shows it all.
    g_zoomed = 0;
    g_currentObject = 6;
    headless::set_button(true);
    input_button_down(300, 200);
    const int32_t afterPress = headless::presents();
    input_pointer_move(310, 200);
    EXPECT_EQ(headless::presents(), afterPress);
    headless::set_button(false);
    input_button_up(310, 200);
    g_currentObject = 26;
    headless::set_button(true);
    input_button_down(300, 200);
    input_pointer_move(310, 200);
    EXPECT_TRUE(same_rect(headless::last_present(), p));
    headless::set_button(false);
    input_button_up(310, 200);
}

// Records what the dispatch asked of the commands and dialogs above the scene.
struct HookCalls {
    std::vector<int32_t> commands;
    int32_t prints = 0;
    int32_t textDialogs = 0;
    int32_t textAnswer = -1;
    std::vector<Point> previews;
    std::vector<Point> stamps;
    std::vector<std::vector<int32_t>> pickers;  // sheet, mask sheet, count, page
    int32_t stampChosen = -1;
};
HookCalls g_calls;

SceneHooks fake_hooks() {
    return SceneHooks{[](int32_t command) { g_calls.commands.push_back(command); },
                      [] { ++g_calls.prints; },
                      [] {
                          ++g_calls.textDialogs;
                          return g_calls.textAnswer;
                      },
                      [](int32_t x, int32_t y) {
                          g_calls.previews.push_back(Point{x, y});
                      },
                      [](int32_t x, int32_t y) {
                          g_calls.stamps.push_back(Point{x, y});
                      },
                      [](int32_t sheet, int32_t mask, int32_t count, int32_t* page) {
                          g_calls.pickers.push_back({sheet, mask, count, *page});
                          return g_calls.stampChosen;
                      }};
}

TEST_F(InputDispatch, CommandsAndDialogsAreReachedThroughTheHooks) {
    const SceneHooks saved = g_sceneHooks;
    g_calls = HookCalls{};
    g_sceneHooks = fake_hooks();
    click(Point{20, 300});   // print
    click(Point{150, 440});  // remote control
    EXPECT_EQ(g_calls.prints, 1);
    EXPECT_EQ(g_calls.commands, std::vector<int32_t>{-1});

    // The text dialog: cancelled, nothing follows; accepted, the text follows the pointer and
    // a release on the picture stamps it there in picture coordinates.
    click(Point{60, 440});
    EXPECT_EQ(g_textPlacement, 0);
    g_calls.textAnswer = 1;
    click(Point{60, 440});
    EXPECT_EQ(g_calls.textDialogs, 2);
    ASSERT_EQ(g_textPlacement, 1);
    input_pointer_move(250, 150);
    ASSERT_EQ(g_calls.previews.size(), 1u);
    EXPECT_EQ(g_calls.previews[0].x, 250);
    input_button_down(250, 150);
    input_button_up(250, 150);
    ASSERT_EQ(g_calls.stamps.size(), 1u);
    EXPECT_EQ(g_calls.stamps[0].x, 250 - g_layout.picture.left);
    EXPECT_EQ(g_calls.stamps[0].y, 150 - g_layout.picture.top);
    EXPECT_EQ(g_textPlacement, 0);

    // A stamp book opens the picker on its own sheets; a choice makes the stamp float with the
    // pointer, which a release off the picture or the C key puts down.
    click(Point{80, 80});  // shelf 2
    g_calls.stampChosen = 13;
    click(Point{230, 430});  // the butterflies
    ASSERT_EQ(g_currentObject, 15);
    ASSERT_EQ(g_calls.pickers.size(), 1u);
    EXPECT_EQ(g_calls.pickers[0],
              (std::vector<int32_t>{kBitmapStampSheetCreatures, kMaskStampSheetCreatures, 48, 0}));
    EXPECT_EQ(g_sceneObjects[15].active, 1);
    EXPECT_EQ(tb_GetBitmapWidth(g_stampImage), 48);
    input_button_up(30, 300);  // off the picture
    EXPECT_EQ(g_sceneObjects[15].active, 0);
    EXPECT_EQ(g_sceneObjects[15].size, 1);
    EXPECT_EQ(g_currentShelf, 2) << "putting it down clicked nothing";

    click(Point{320, 430});  // the boats book
    ASSERT_EQ(g_currentObject, 16);
    EXPECT_EQ(g_calls.pickers.back()[0], kBitmapStampSheetBoats);
    ASSERT_EQ(g_sceneObjects[16].active, 1);
    idle_pass();
    EXPECT_EQ(g_sceneObjects[16].active, 1) << "only the C key ends it";
    headless::set_key('C', true);
    idle_pass();
    headless::set_key('C', false);
    EXPECT_EQ(g_sceneObjects[16].active, 0);

    // Nothing chosen: nothing floats.
    g_calls.stampChosen = -1;
    click(Point{400, 430});  // the shapes book
    EXPECT_EQ(g_calls.pickers.back()[0], kBitmapStampSheetShapes);
    EXPECT_EQ(g_sceneObjects[17].active, 0);
    g_sceneHooks = saved;
}

}  // namespace
