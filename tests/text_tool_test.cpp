// The text tool on a 640 x 480 room: the dialog driven with the events a person makes (what it
// leaves in the settings, and what it leaves alone), the renderer's anchor, clip, colours and
// fallbacks, and the line following the pointer and stamped into the picture, plain and zoomed.
#include "text/text_tool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "scene/input_dispatch.h"
#include "scene/scene_draw.h"
#include "scene/scene_hooks.h"
#include "scene/scene_state.h"
#include "scene_fixture.h"
#include "text/text_dialog.h"
#include "text/text_render.h"
#include "text/text_settings.h"

namespace {

// The dialog lies centred on the 640 x 480 room.
constexpr Point kDialog{(640 - 495) / 2, (480 - 370) / 2};
constexpr Point kTextButton{60, 440};  // the room's text button (H = 480)

// Dialog points of the face.
constexpr Point kOk{393, 305};
constexpr Point kCancel{430, 305};
constexpr Point kBold{282, 218};
constexpr Point kSizeMedium{397, 219};
constexpr Point kSizeHuge{397, 253};
constexpr Point kFieldLeft{52, 313};
constexpr Point kFieldRight{366, 313};
constexpr Point kFirstRow{100, 70};    // the list's first row in view
constexpr Point kDownArrow{211, 263};  // the list's scroll bar
constexpr Point kThumbTop{211, 85};

constexpr int32_t kRowsInView = 8;  // 208 pixels of 24-pixel rows

TbEvent pointer_event(int32_t kind, Point dialogPoint, int32_t modifiers = 0) {
    TbEvent e;
    e.kind = kind;
    e.x = kDialog.x + dialogPoint.x;
    e.y = kDialog.y + dialogPoint.y;
    e.modifiers = modifiers;
    return e;
}

void press(Point p, int32_t modifiers = 0) {
    headless::push_event(pointer_event(TB_EVENT_BUTTON_DOWN, p, modifiers));
}
void release(Point p) { headless::push_event(pointer_event(TB_EVENT_BUTTON_UP, p)); }
void move(Point p) { headless::push_event(pointer_event(TB_EVENT_MOUSE_MOVE, p)); }
void click(Point p, int32_t modifiers = 0) {
    press(p, modifiers);
    release(p);
}
void double_click(Point p) {
    click(p);
    headless::push_event(pointer_event(TB_EVENT_DOUBLE_CLICK, p));
    release(p);
}
void wheel(Point p, int32_t notches) {
    TbEvent e = pointer_event(TB_EVENT_WHEEL, p);
    e.key = notches;
    headless::push_event(e);
}
void keys(std::initializer_list<int32_t> virtualKeys, int32_t modifiers = 0) {
    for (int32_t k : virtualKeys) {
        TbEvent e;
        e.kind = TB_EVENT_KEY_DOWN;
        e.key = k;
        e.modifiers = modifiers;
        headless::push_event(e);
    }
}
void type(const char* text) {
    TbEvent e;
    e.kind = TB_EVENT_TEXT;
    std::snprintf(e.text, sizeof e.text, "%s", text);
    headless::push_event(e);
}

std::string family(int32_t index) {
    const char* name = tb_GetFontFamilyName(index);
    return name != nullptr ? name : "";
}

// Ink of one colour in a target's rectangle: how many pixels, and their bounds.
struct Ink {
    int32_t count = 0;
    Rect box{1 << 20, 1 << 20, -1, -1};
};

Ink ink_of(TargetRef target, const Rect& area, TbColor colour) {
    const int32_t w = area.right - area.left;
    const int32_t h = area.bottom - area.top;
    BitmapRef copy = make_bitmap(w, h);
    Rect local{0, 0, w, h};
    tb_CopyBitmap(target, copy, &area, &local, 0);
    Ink ink;
    const uint32_t rgb = (uint32_t{tb_ColorRed(colour)} << 16) |
                         (uint32_t{tb_ColorGreen(colour)} << 8) | tb_ColorBlue(colour);
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            if (pixel_rgb(copy, x, y) != rgb) continue;
            ++ink.count;
            ink.box.left = std::min(ink.box.left, area.left + x);
            ink.box.top = std::min(ink.box.top, area.top + y);
            ink.box.right = std::max(ink.box.right, area.left + x + 1);
            ink.box.bottom = std::max(ink.box.bottom, area.top + y + 1);
        }
    }
    tb_DisposeBitmap(copy);
    return ink;
}

constexpr TbColor kBlue = tb_MakeColor(0, 0, 255);

class TextTool : public SceneTest {
   protected:
    void SetUp() override {
        start_scene(640, 480);
        tb_SetPointerMode(2);
        text_reset_settings();
        g_textPlacement = 0;
        g_pictureModified = 0;
        saved_ = g_sceneHooks;
        g_sceneHooks.runTextDialog = text_dialog_run;
        g_sceneHooks.drawTextPreview = text_draw_preview;
        g_sceneHooks.stampText = text_stamp;
        families_ = tb_ListFontFamilies();
    }
    void TearDown() override {
        g_sceneHooks = saved_;
        SceneTest::TearDown();
    }

    // The text button clicked on the room, with the dialog's events already queued.
    static void open_dialog_from_room() {
        input_button_down(kTextButton.x, kTextButton.y);
        input_button_up(kTextButton.x, kTextButton.y);
    }

    SceneHooks saved_{};
    int32_t families_ = 0;
};

TEST_F(TextTool, CancelAndEscapeLeaveTheSettingsAsTheyWereAndArmNothing) {
    ASSERT_GT(families_, 1);
    std::snprintf(g_textFontName, sizeof g_textFontName, "%s", family(1).c_str());
    auto change_everything_then = [](bool escape) {
        type("Zebra");
        click(kBold);
        click(kSizeHuge);
        keys({TB_VK_TAB, TB_VK_END});
        if (escape)
            keys({TB_VK_ESCAPE});
        else
            click(kCancel);
    };
    for (bool escape : {false, true}) {
        change_everything_then(escape);
        EXPECT_EQ(text_dialog_run(), escape ? 0 : -1);
        change_everything_then(escape);
        open_dialog_from_room();
        EXPECT_STREQ(g_textString, "Type your text in here.") << escape;
        EXPECT_EQ(g_textFontName, family(1)) << escape;
        EXPECT_EQ(g_textStyle, 0);
        EXPECT_EQ(g_textSizeIndex, 0);
        EXPECT_EQ(g_textPlacement, 0);
        EXPECT_EQ(g_undoAvailable, 0);
        EXPECT_EQ(g_pictureModified, 0);
    }
}

TEST_F(TextTool, OkWritesTheChoicesBackMeasuresTheLineAndArmsIt) {
    ASSERT_GT(families_, 0);
    type("Hi é");  // replaces the whole line, selected as the dialog opens
    click(kBold);
    click(kSizeMedium);
    keys({TB_VK_TAB, TB_VK_END, TB_VK_HOME});
    click(kOk);
    open_dialog_from_room();
    EXPECT_STREQ(g_textString, "Hi \xC3\xA9");
    EXPECT_EQ(g_textStyle, 1);
    EXPECT_EQ(g_textSizeIndex, 2);
    EXPECT_EQ(g_textFontName, family(0));
    EXPECT_EQ(g_textPlacement, 1);
    EXPECT_EQ(g_undoAvailable, 1);
    EXPECT_EQ(g_pictureModified, 1);

    // The extent is the line's at its size and style.
    BitmapRef scratch = make_bitmap(1, 1);
    tb_SetFontSize(scratch, 40);
    tb_SetFontStyle(scratch, 1);
    TbLineMetrics line;
    const int32_t width =
        tb_DrawFamilyText(scratch, family(0).c_str(), 0, 0, g_textString,
                          static_cast<int32_t>(std::strlen(g_textString)), 0, 0, 0, 0, &line);
    EXPECT_EQ(g_textWidth, width);
    EXPECT_GT(g_textWidth, 40);
    EXPECT_EQ(g_textHeight, line.height);
    EXPECT_GE(g_textHeight, 40);

    // Return is OK too.
    type("Yo");
    keys({TB_VK_RETURN});
    EXPECT_EQ(text_dialog_run(), 1);
    EXPECT_STREQ(g_textString, "Yo");
}

TEST_F(TextTool, OnlyAChoiceInTheListChangesTheFace) {
    ASSERT_GT(families_, 3);
    // "Arial" is not installed under that name: the list shows its first entry chosen, yet the
    // face stays until the child turns to the list.
    click(kOk);
    EXPECT_EQ(text_dialog_run(), 1);
    EXPECT_STREQ(g_textFontName, "Arial");
    keys({TB_VK_TAB});
    click(kOk);
    EXPECT_EQ(text_dialog_run(), 1);
    EXPECT_EQ(g_textFontName, family(0));
    keys({TB_VK_TAB, TB_VK_DOWN});
    click(kOk);
    EXPECT_EQ(text_dialog_run(), 1);
    EXPECT_EQ(g_textFontName, family(1));
    // An installed face is found and chosen in the list: one down is the next family.
    keys({TB_VK_TAB, TB_VK_DOWN});
    click(kOk);
    EXPECT_EQ(text_dialog_run(), 1);
    EXPECT_EQ(g_textFontName, family(2));
    // Typing a letter in the list jumps to the next family starting with it: from the first
    // entry, once for each family before the fourth that shares its letter, and once more.
    const std::string target = family(3);
    const std::string letter = target.substr(0, 1);
    keys({TB_VK_TAB, TB_VK_HOME});
    for (int32_t i = 1; i <= 3; ++i) {
        if (std::tolower(family(i)[0]) == std::tolower(letter[0])) type(letter.c_str());
    }
    click(kOk);
    EXPECT_EQ(text_dialog_run(), 1);
    EXPECT_EQ(g_textFontName, target);
}

TEST_F(TextTool, ThePointerChoosesRowsScrollsTheListAndSelectsInTheField) {
    ASSERT_GT(families_, kRowsInView + 3) << "too few font families to scroll";
    const int32_t lastTop = families_ - kRowsInView;
    struct Case {
        const char* name;
        void (*input)();
        std::string face;
    };
    const Case cases[] = {
        {"a row", [] { click(kFirstRow); }, family(0)},
        {"the wheel scrolls three rows",
         [] {
             wheel(kFirstRow, -1);
             click(kFirstRow);
         },
         family(3)},
        {"the wheel alone chooses nothing", [] { wheel(kFirstRow, -1); }, "Arial"},
        {"the down arrow scrolls one row",
         [] {
             click(kDownArrow);
             click(kFirstRow);
         },
         family(1)},
        {"the thumb dragged to the bottom",
         [] {
             press(kThumbTop);
             move(Point{211, 200});
             move(Point{211, 500});  // far below the dialog: the press holds the pointer
             release(Point{211, 500});
             click(kFirstRow);
         },
         family(lastTop)},
    };
    for (const Case& c : cases) {
        text_reset_settings();
        c.input();
        click(kOk);
        EXPECT_EQ(text_dialog_run(), 1) << c.name;
        EXPECT_EQ(g_textFontName, c.face) << c.name;
    }

    // In the field: a click at the far right puts the caret at the end, Shift and a click at
    // the far left select everything, a double click selects the word under it.
    click(kFieldRight);
    click(kFieldLeft, TB_MOD_SHIFT);
    type("A");
    click(kOk);
    EXPECT_EQ(text_dialog_run(), 1);
    EXPECT_STREQ(g_textString, "A");
    text_reset_settings();
    double_click(kFieldLeft);
    type("Find");
    click(kOk);
    EXPECT_EQ(text_dialog_run(), 1);
    EXPECT_STREQ(g_textString, "Find your text in here.");
}

// What the window showed while the dialog was up, taken when the main window heard of an
// event the dialog leaves to it.
BitmapRef g_seen = -1;
void take_screen(const TbEvent* e) {
    if (e->kind != TB_EVENT_FOCUS_LOST || g_seen != -1) return;
    g_seen = make_bitmap(640, 480);
    const Rect all{0, 0, 640, 480};
    tb_CopyBitmap(tb_GetMainWindow(), g_seen, &all, &all, 0);
}

TEST_F(TextTool, TheFaceShowsTheChoicesMarkedAndTheSampleInBlue) {
    g_textStyle = 2;
    g_textSizeIndex = 3;
    tb_SetMainEventHandler(take_screen);
    TbEvent lost;
    lost.kind = TB_EVENT_FOCUS_LOST;
    headless::push_event(lost);
    keys({TB_VK_ESCAPE});
    g_seen = -1;
    text_dialog_run();
    tb_SetMainEventHandler(nullptr);
    ASSERT_NE(g_seen, -1);
    auto seen = [](int32_t x, int32_t y) {
        return pixel_rgb(g_seen, kDialog.x + x, kDialog.y + y);
    };
    const struct {
        Point at;
        uint32_t rgb;
    } marks[] = {{{240, 191}, 0x0C0B0A}, {{240, 218}, 0x0C0B0A}, {{240, 245}, 0x00FF00},
                 {{237, 242}, 0x0C0B0A},  // the mark's corner, outside its ellipse
                 {{353, 185}, 0x0C0B0A}, {{353, 236}, 0x00FF00}, {{353, 253}, 0x0C0B0A}};
    for (const auto& m : marks) EXPECT_EQ(seen(m.at.x, m.at.y), m.rgb) << m.at.x << "," << m.at.y;
    // The sample: "ABCxyz123" in blue on the chalkboard, its bottom centre at (105, 41 + 30).
    const Rect sample{kDialog.x + 231, kDialog.y + 67, kDialog.x + 442, kDialog.y + 149};
    EXPECT_EQ(seen(231, 67), 0x0C0B0Au);
    const Ink ink = ink_of(g_seen, sample, kBlue);
    EXPECT_GT(ink.count, 300);
    EXPECT_LE(ink.box.bottom, sample.top + 71);
    EXPECT_NEAR((ink.box.left + ink.box.right) / 2.0, sample.left + 105, 3);
    // The field has the keyboard: its ring is blue.
    EXPECT_EQ(seen(48, 313), 0x42A5F5u);
    tb_DisposeBitmap(g_seen);
}

TEST_F(TextTool, ThePointerShowsWhatItIsOver) {
    const struct {
        Point at;
        int32_t cursor;
    } cases[] = {{kOk, kCursorHandPoint},       {kCancel, kCursorHandPoint},
                 {kBold, kCursorHandPoint},     {kSizeHuge, kCursorHandPoint},
                 {kFieldLeft, kCursorTextBeam}, {kFirstRow, kCursorArrow},
                 {Point{20, 20}, kCursorArrow}};
    for (const auto& c : cases) {
        move(c.at);
        keys({TB_VK_ESCAPE});
        text_dialog_run();
        EXPECT_EQ(headless::cursor_id(), c.cursor) << c.at.x << "," << c.at.y;
    }
}

TEST_F(TextTool, TheFieldPastesOneLineAndCopiesTheSelection) {
    headless::set_clipboard("s\xC3\xA9\x63ond\nthird");
    keys({TB_VK_END});
    keys({'V'}, TB_MOD_CONTROL);
    keys({TB_VK_LEFT, TB_VK_LEFT}, TB_MOD_SHIFT);
    keys({'C'}, TB_MOD_CONTROL);
    click(kOk);
    EXPECT_EQ(text_dialog_run(), 1);
    EXPECT_STREQ(g_textString, "Type your text in here.s\xC3\xA9\x63ond");
    EXPECT_EQ(headless::clipboard(), "nd");
}

TEST_F(TextTool, TheRendererPutsTheLinesBottomCentreAtTheAnchor) {
    BitmapRef b = make_bitmap(300, 120);
    const Rect whole{0, 0, 300, 120};
    fill_bitmap(b, whole, 0xFFFFFF);
    int32_t width = 0, height = 0;
    text_render(b, 150, 90, "Hamster", 7, "Arial", 40, 0, 0, 0, 65025, &width, &height, 0, nullptr);
    const Ink ink = ink_of(b, whole, kBlue);
    EXPECT_GT(ink.count, 200);
    EXPECT_NEAR((ink.box.left + ink.box.right) / 2.0, 150, 3);
    EXPECT_LE(ink.box.bottom, 90);
    EXPECT_GE(ink.box.bottom, 78);  // the descent lies below the letters
    EXPECT_NEAR(ink.box.right - ink.box.left, width, 4);
    EXPECT_GE(height, 40);

    // Inside the clip only; colours limited to the scale, then to whole 8-bit steps.
    fill_bitmap(b, whole, 0xFFFFFF);
    const Rect leftHalf{0, 0, 150, 120};
    text_render(b, 150, 90, "Hamster", 7, "Arial", 40, 0, 70000, 30000, -3, nullptr, nullptr, 0,
                &leftHalf);
    const Ink clipped = ink_of(b, whole, tb_MakeColor(255, 117, 0));
    EXPECT_GT(clipped.count, 50);
    EXPECT_LE(clipped.box.right, 150);
    EXPECT_EQ(ink_of(b, whole, kBlue).count, 0) << "other colours appeared";

    // An empty line draws nothing, is 0 wide and one line high.
    fill_bitmap(b, whole, 0xFFFFFF);
    text_render(b, 150, 90, "", 0, "Arial", 40, 0, 0, 0, 65025, &width, &height, 0, nullptr);
    EXPECT_EQ(width, 0);
    EXPECT_GE(height, 40);
    EXPECT_EQ(ink_of(b, whole, kBlue).count, 0);
}

TEST_F(TextTool, FacesAndStylesFallBack) {
    auto drawn = [](const char* face, int32_t style) {
        BitmapRef b = make_bitmap(200, 60);
        fill_bitmap(b, Rect{0, 0, 200, 60}, 0xFFFFFF);
        text_render(b, 100, 50, "Quilt", 5, face, 30, style, 0, 0, 65025, nullptr, nullptr, 0,
                    nullptr);
        std::string pixels;
        for (int32_t y = 0; y < 60; ++y)
            for (int32_t x = 0; x < 200; ++x) pixels += pixel_rgb(b, x, y) == 0xFF ? '#' : '.';
        tb_DisposeBitmap(b);
        return pixels;
    };
    // "Arial" is drawn by the free font of its kind; a family nobody has still draws.
    EXPECT_EQ(drawn("Arial", 0), drawn("Liberation Sans", 0));
    const std::string unknown = drawn("No Such Family Anywhere", 0);
    EXPECT_NE(std::count(unknown.begin(), unknown.end(), '#'), 0);
    // Styles outside the table are plain; bold, italic and underlined differ from plain.
    const std::string plain = drawn("Arial", 0);
    EXPECT_EQ(drawn("Arial", 7), plain);
    EXPECT_EQ(drawn("Arial", -1), plain);
    for (int32_t style : {1, 2, 3, 4}) EXPECT_NE(drawn("Arial", style), plain) << style;
}

TEST_F(TextTool, TheLineFollowsThePointerTwiceAsBigWhileZoomedAndLandsUnderIt) {
    std::snprintf(g_textString, sizeof g_textString, "%s", "Hop");
    g_textSizeIndex = 2;  // 40 pixels
    g_currentColour = SceneColour{0, 0, 65025};
    const Rect area = g_layout.picture;

    g_textPlacement = 1;
    input_pointer_move(300, 200);
    const Ink plain = ink_of(tb_GetMainWindow(), area, kBlue);
    ASSERT_GT(plain.count, 50);
    EXPECT_NEAR((plain.box.left + plain.box.right) / 2.0, 300, 3);
    EXPECT_LE(plain.box.bottom, 200);
    // The next move takes the last preview away.
    input_pointer_move(420, 320);
    const Ink moved = ink_of(tb_GetMainWindow(), area, kBlue);
    EXPECT_EQ(moved.count, plain.count);
    EXPECT_GE(moved.box.left, 380);

    // Zoomed: twice as big on the screen, stamped at its picture point at its own size.
    g_zoomed = 1;
    g_zoomOriginX = 10;
    g_zoomOriginY = 20;
    scene_compose_picture();
    input_pointer_move(300, 200);
    const Ink zoomed = ink_of(tb_GetMainWindow(), area, kBlue);
    EXPECT_NEAR(zoomed.box.bottom - zoomed.box.top, 2 * (plain.box.bottom - plain.box.top), 3);
    EXPECT_NEAR(zoomed.box.right - zoomed.box.left, 2 * (plain.box.right - plain.box.left), 3);
    input_button_down(300, 200);
    input_button_up(300, 200);
    EXPECT_EQ(g_textPlacement, 0);
    const Rect picture{0, 0, scene_picture_width(), scene_picture_height()};
    const Ink stamped = ink_of(g_pictureBitmap, picture, kBlue);
    EXPECT_EQ(stamped.count, plain.count);
    const Point at{(300 - 147) / 2 + 10, (200 - 16) / 2 + 20};
    EXPECT_NEAR((stamped.box.left + stamped.box.right) / 2.0, at.x, 3);
    EXPECT_EQ(stamped.box.bottom - plain.box.bottom, at.y - 200);
}

TEST_F(TextTool, TheScreenShowsWhatWasStampedAndAReleaseOffThePictureLeavesNothing) {
    std::snprintf(g_textString, sizeof g_textString, "%s", "Sun \xC3\xA9t\xC3\xA9");
    g_textSizeIndex = 3;
    g_currentColour = SceneColour{0, 0, 65025};
    const Rect area = g_layout.picture;
    const Rect picture{0, 0, scene_picture_width(), scene_picture_height()};

    // Just below the picture, the preview still shows on it; letting go there stamps nothing
    // and takes the preview away.
    const Rect table{0, area.bottom, 640, 480};
    auto table_pixels = [&table] {
        std::string pixels;
        for (int32_t y = table.top; y < table.bottom; y += 2)
            for (int32_t x = table.left; x < table.right; x += 2)
                pixels += std::to_string(window_pixel(x, y)) + " ";
        return pixels;
    };
    const std::string tableBefore = table_pixels();
    g_textPlacement = 1;
    input_pointer_move(300, area.bottom + 6);
    EXPECT_GT(ink_of(tb_GetMainWindow(), area, kBlue).count, 0);
    EXPECT_EQ(table_pixels(), tableBefore) << "the preview reached past the picture area";
    input_button_up(300, area.bottom + 6);
    EXPECT_EQ(g_textPlacement, 0);
    EXPECT_EQ(ink_of(g_pictureBitmap, picture, kBlue).count, 0);
    EXPECT_EQ(ink_of(tb_GetMainWindow(), area, kBlue).count, 0);

    // Stamped by the edge, cut to the picture; the screen shows the picture pixel for pixel.
    // The dialog's OK took the undo copy; undo takes the text away again.
    const std::vector<uint32_t> beforeText = pixels_through_copy(g_pictureBitmap);
    scene_save_undo();
    g_textPlacement = 1;
    input_pointer_move(160, 120);
    input_button_down(160, 120);
    input_button_up(160, 120);
    EXPECT_GT(ink_of(g_pictureBitmap, picture, kBlue).count, 100);
    BitmapRef shown = make_bitmap(picture.right, picture.bottom);
    tb_CopyBitmap(tb_GetMainWindow(), shown, &area, &picture, 0);
    int32_t differing = 0;
    for (int32_t y = 0; y < picture.bottom; ++y)
        for (int32_t x = 0; x < picture.right; ++x)
            differing += pixel_rgb(shown, x, y) != pixel_rgb(g_pictureBitmap, x, y) ? 1 : 0;
    EXPECT_EQ(differing, 0);
    tb_DisposeBitmap(shown);
    scene_undo();
    EXPECT_EQ(pixels_through_copy(g_pictureBitmap), beforeText);
}

}  // namespace
