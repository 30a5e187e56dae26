// The pointer input dispatch: decides what the pointer is over, shows the matching pointer
// image and hover label, picks up tools, picks colours, works the buttons of the left panel,
// and drives the current tool's press, drag and release while the child paints.
//
// Presses and moves paint; everything else (picking up, buttons, pots) happens on release,
// as a child's click only counts once the finger lets go.
#include "scene/input_dispatch.h"

#include <algorithm>

#include "pictures/commands.h"
#include "pictures/stamp_picker.h"
#include "print/print_picture.h"
#include "scene/scene.h"
#include "scene/scene_draw.h"
#include "scene/scene_object.h"
#include "shell/preferences.h"
#include "text/text_tool.h"
#include "tools/colour_mixer.h"
#include "tools/tool_ops.h"

int32_t g_textPlacement = 0;
int32_t g_zoomPick = 0;
Point g_lastPointer;
int32_t g_buttonHeldByEvents = 0;

namespace {

// Pointer images.
constexpr int16_t kPointerDropper = 200;  // over a colour pot
constexpr int16_t kPointerHand = 201;     // over a tool on the table
constexpr int16_t kPointerButton = 202;   // over a button or an options panel
constexpr int16_t kPointerArrow = 203;
constexpr int16_t kPointerZoomPick = 212;
constexpr int16_t kPointerSwitch = 226;  // speaker and magnifier
constexpr int16_t kPointerText = 227;

// Sounds.
constexpr int16_t kSoundClick = 1034;
constexpr int16_t kSoundPanel = 1035;
constexpr int16_t kSoundPot = 1019;
constexpr int16_t kSoundUndo = 1028;
constexpr int16_t kSoundSwitch = 1015;
constexpr int16_t kSoundTextStamp = 1020;

// Hover labels.
constexpr int32_t kButtonLabels[kButtonCount] = {720, 721, 717, 718, 716, 719, 713, 710, 714, 711};
constexpr int32_t kLabelSpeaker = 739;
constexpr int32_t kLabelMagnifier = 738;
constexpr int32_t kLabelPots = 712;
constexpr int32_t kLabelOptions = 715;
constexpr int32_t kLabelSwatch = 740;

// Left-panel buttons that are not shelves.
constexpr int32_t kPrintButton = 4;
constexpr int32_t kTextButton = 6;
constexpr int32_t kUndoButton = 7;
constexpr int32_t kRemoteButton = 8;
constexpr int32_t kPaletteButton = 9;

// Entries with something special about them.
constexpr int32_t kRuler = 4;
constexpr int32_t kShapeTemplate = 5;
constexpr int32_t kDropper = 7;
constexpr int32_t kScissors = 8;
constexpr int32_t kTintCrayon = 22;   // keeps the colour channel its panel chose
constexpr int32_t kMirrorBrush = 26;  // paints all over: the whole picture is shown
constexpr int32_t kFancyShelf = 4;    // its panels show the current colour

constexpr int32_t kStampCount = 48;
constexpr int32_t kStampSize = 48;

bool inside(const Rect& r, int32_t x, int32_t y) { return tb_PtInRect(x, y, &r) != 0; }
bool in_picture(int32_t x, int32_t y) { return inside(g_layout.picture, x, y); }

SceneObject& current() { return g_sceneObjects[g_currentObject]; }

void set_pointer(int32_t cursorId) { tb_SetCursor(static_cast<int16_t>(cursorId)); }

bool is_stamp_book(int32_t entry) { return entry >= 15 && entry <= 17; }

// These tools draw their previews on the window and are given window coordinates.
bool works_on_window(int32_t entry) {
    return entry == kRuler || entry == kShapeTemplate || entry == kScissors || is_stamp_book(entry);
}

bool has_own_panel(const SceneObject& o) { return o.drawOptions != tool_default_draw_options; }
bool has_own_panel_clicks(const SceneObject& o) {
    return o.clickOptions != tool_default_click_options;
}

void give_current_colour(SceneObject& o) {
    if (g_currentObject == kTintCrayon) return;
    o.setColour(&o, g_currentColour.red, g_currentColour.green, g_currentColour.blue);
}

int32_t button_at(int32_t x, int32_t y) {
    for (int32_t b = 0; b < kButtonCount; ++b) {
        if (inside(scene_button_rect(b), x, y)) return b;
    }
    return -1;
}

bool in_extra_pot_rect(int32_t x, int32_t y) {
    for (int32_t pot = 0; pot < kPotCount; ++pot) {
        if (inside(scene_pot_extra_rect(pot), x, y)) return true;
    }
    return false;
}

bool over_paint(int32_t x, int32_t y) {
    return inside(g_layout.paintArea, x, y) || in_extra_pot_rect(x, y);
}

// Ruler, shape template and the scissors (not while carrying a cut-out) keep the pointer far
// enough inside the picture that their whole width fits; the system pointer follows.
Point clamp_pointer(int32_t x, int32_t y) {
    const SceneObject& o = current();
    bool clamps = g_currentObject == kRuler || g_currentObject == kShapeTemplate ||
                  (g_currentObject == kScissors && o.mode != 1);
    if (!clamps) return Point{x, y};
    int32_t scale = g_currentObject == kRuler && g_zoomed != 0 ? 2 : 1;
    int32_t k = (o.size / 2) * scale;
    const Rect& p = g_layout.picture;
    Point c{x, y};
    if (x < p.left + k)
        c.x = p.left + k;
    else if (x > p.right - k)
        c.x = p.right - k;
    if (y < p.top + k)
        c.y = p.top + k;
    else if (y > p.bottom - k)
        c.y = p.bottom - k;
    if (c.x != x || c.y != y) tb_SetMousePos(c.x, c.y);
    return c;
}

// Where a press or drag at window point w reaches the current tool.
Point stroke_point(const Point& w) {
    return works_on_window(g_currentObject) ? w : scene_window_to_picture(w.x, w.y);
}

// Takes a floating cut-out or stamp of w x h off the screen around the pointer.
void remove_floating(int32_t x, int32_t y, int32_t w, int32_t h) {
    int32_t halfW = (w + 1) / 2 + 2;
    int32_t halfH = (h + 1) / 2 + 2;
    Rect r{x - halfW, y - halfH, x + halfW, y + halfH};
    Rect screen{0, 0, g_layout.width, g_layout.height};
    Rect shown;
    if (tb_IntersectRect(&shown, &r, &screen) == 0) return;
    tb_CopyBitmap(g_backBuffer, tb_GetMainWindow(), &shown, &shown, 0);
}

// ---- Hover ----------------------------------------------------------------------------------

void hover_buttons_off(int32_t x, int32_t y) {
    for (int32_t b = 0; b < kButtonCount; ++b) {
        if (g_buttonHighlighted[b] != 0 && !inside(scene_button_rect(b), x, y)) {
            scene_remove_button_highlight(b);
            g_buttonHighlighted[b] = 0;
        }
    }
}

void hover(int32_t x, int32_t y) {
    hover_buttons_off(x, y);
    int32_t button = button_at(x, y);
    if (button >= 0) {
        if (g_buttonHighlighted[button] == 0) {
            scene_draw_button_highlight(button);
            g_buttonHighlighted[button] = 1;
            scene_draw_shelf_marker(tb_GetMainWindow());
            scene_show_label(kButtonLabels[button]);
        }
        tb_SetCursor(kPointerButton);
        return;
    }
    if (inside(g_layout.speaker, x, y)) {
        tb_SetCursor(kPointerSwitch);
        scene_show_label(kLabelSpeaker);
        return;
    }
    if (inside(g_layout.magnifier, x, y)) {
        tb_SetCursor(kPointerSwitch);
        scene_show_label(kLabelMagnifier);
        return;
    }
    if (input_pot_at(x, y) >= 0) {
        tb_SetCursor(kPointerDropper);
        scene_show_label(kLabelPots);
        return;
    }
    if (inside(g_layout.optionsPanel, x, y) && has_own_panel(current())) {
        tb_SetCursor(kPointerButton);
        scene_show_label(kLabelOptions);
        return;
    }
    if (inside(g_layout.swatch, x, y)) {
        scene_show_label(kLabelSwatch);
        return;
    }
    bool onPicture = in_picture(x, y);
    if (!onPicture) {
        int32_t entry = scene_object_at(x, y);
        if (entry >= 0) {
            tb_SetCursor(kPointerHand);
            scene_show_label(scene_object_label(entry));
            return;
        }
    }
    set_pointer(onPicture ? current().cursorId : kPointerArrow);
    scene_show_label(0);
}

// ---- Clicks on the room (releases outside a stroke) -------------------------------------------

void pick_up(int32_t entry) {
    tb_PlaySoundNoStop(kSoundClick);
    g_currentObject = entry;
    SceneObject& o = current();
    if (entry == kScissors) o.mode = 0;
    give_current_colour(o);
    scene_compose_panels();
    scene_show_rect(g_layout.tableBand);
    scene_show_rect(g_layout.optionsPanel);
    if (is_stamp_book(entry) && input_choose_stamp(entry) >= 0) o.active = 1;
}

void click_options(int32_t x, int32_t y) {
    SceneObject& o = current();
    if (has_own_panel_clicks(o)) tb_PlaySoundAsync(kSoundPanel);
    o.clickOptions(&o, x, y, &g_layout.optionsPanel);
    o.drawOptions(&o, &g_layout.optionsPanel);
    scene_show_rect(g_layout.optionsPanel);
}

void click_paint(int32_t x, int32_t y) {
    int32_t pot = input_pot_at(x, y);
    if (pot < 0) return;
    tb_PlaySoundAsync(kSoundPot);
    const SceneColour c = g_potColours[pot];
    scene_show_colour(c.red, c.green, c.blue, true);
    SceneObject& o = current();
    give_current_colour(o);
    if (g_currentShelf == kFancyShelf) {
        o.drawOptions(&o, &g_layout.optionsPanel);
        scene_show_rect(g_layout.optionsPanel);
    }
}

void show_shelf(int32_t shelf) {
    tb_PlaySoundNoStop(kSoundClick);
    g_currentShelf = shelf;
    scene_compose_panels();
    scene_show_rect(g_layout.leftPanel);
    scene_show_rect(g_layout.tableBand);
    if (shelf == 0) set_pointer(current().cursorId);
}

void open_text_dialog() {
    tb_PlaySoundNoStop(kSoundClick);
    if (text_dialog_run() != 1) return;
    g_textPlacement = 1;
    scene_save_undo();
    g_pictureModified = 1;
}

void undo() {
    if (g_undoAvailable != 1) return;
    tb_PlaySoundAsync(kSoundUndo);
    scene_undo();
}

void open_colour_mixer() {
    tb_PlaySoundNoStop(kSoundClick);
    int32_t red = 0, green = 0, blue = 0;
    int32_t result = colour_mixer_run(&red, &green, &blue);
    tb_SetCursor(kPointerArrow);
    if (result == 1) scene_show_colour(red, green, blue, true);
}

void click_magnifier() {
    tb_PlaySoundAsync(kSoundSwitch);
    if (g_zoomed == 0) {
        g_zoomPick = 1;
        return;
    }
    g_zoomed = 0;
    scene_draw_magnifier();
    scene_show_rect(g_layout.magnifier);
    scene_show_picture_area();
    set_pointer(current().cursorId);
}

void click_speaker() {
    tb_PlaySoundAsync(kSoundSwitch);
    g_prefs.soundOn = g_prefs.soundOn != 0 ? 0 : 1;
    scene_draw_speaker();
    scene_show_rect(g_layout.speaker);
    preferences_save();
}

void click_room(int32_t x, int32_t y) {
    int32_t entry = scene_object_at(x, y);
    if (entry >= 0) {
        pick_up(entry);
        return;
    }
    if (inside(g_layout.optionsPanel, x, y)) {
        click_options(x, y);
        return;
    }
    if (over_paint(x, y)) {
        click_paint(x, y);
        return;
    }
    int32_t button = button_at(x, y);
    int32_t shelf = button >= 0 ? scene_button_shelf(button) : -1;
    if (shelf >= 0) {
        show_shelf(shelf);
    } else if (button == kPrintButton) {
        tb_PlaySoundNoStop(kSoundClick);
        print_picture();
    } else if (button == kTextButton) {
        open_text_dialog();
    } else if (button == kUndoButton) {
        undo();
    } else if (button == kRemoteButton) {
        tb_PlaySoundNoStop(kSoundClick);
        do_command(-1);
    } else if (button == kPaletteButton) {
        open_colour_mixer();
    } else if (inside(g_layout.magnifier, x, y)) {
        click_magnifier();
    } else if (inside(g_layout.speaker, x, y)) {
        click_speaker();
    }
}

// ---- Releases that end a mode ---------------------------------------------------------------

void place_text(int32_t x, int32_t y) {
    g_textPlacement = 0;
    if (in_picture(x, y)) {
        Point p = scene_window_to_picture(x, y);
        text_stamp(p.x, p.y);
        tb_PlaySoundAsync(kSoundTextStamp);
        scene_show_picture_area();
    }
    set_pointer(current().cursorId);
}

void pick_zoom_centre(int32_t x, int32_t y) {
    g_zoomPick = 0;
    if (in_picture(x, y)) {
        tb_PlaySoundAsync(kSoundSwitch);
        g_zoomed = g_zoomed != 0 ? 0 : 1;
        scene_draw_magnifier();
        Point origin = scene_zoom_origin_for(x, y);
        g_zoomOriginX = origin.x;
        g_zoomOriginY = origin.y;
        scene_show_rect(g_layout.magnifier);
        scene_show_picture_area();
    }
    set_pointer(current().cursorId);
}

}  // namespace

int32_t input_pot_at(int32_t x, int32_t y) {
    int32_t found = -1;
    for (int32_t pot = 0; pot < kPotCount; ++pot) {
        if (inside(scene_pot_rect(pot), x, y)) found = pot;
    }
    for (int32_t pot = 0; pot < kPotCount; ++pot) {
        if (inside(scene_pot_extra_rect(pot), x, y)) found = pot;
    }
    return found;
}

int32_t input_choose_stamp(int32_t entry) {
    // Sheet and mask sheet of books 15, 16 and 17.
    constexpr int32_t kSheets[3][2] = {{1005, 1006}, {1003, 1004}, {1001, 1002}};
    if (!is_stamp_book(entry)) return -1;
    const int32_t* sheet = kSheets[entry - 15];
    int32_t choice = stamp_picker_run(sheet[0], sheet[1], kStampCount, &g_sceneObjects[entry].mode);
    tb_SetCursor(kPointerArrow);
    if (choice < 0 || choice >= kStampCount) return -1;

    Rect sheetRect;
    Rect maskRect;
    BitmapRef picture = tb_CreateBitmap(&sheetRect, sheet[0], 24);
    BitmapRef mask = tb_CreateBitmap(&maskRect, sheet[1], 8);
    if (g_stampImage != -1) tb_DisposeBitmap(g_stampImage);
    if (g_stampMask != -1) tb_DisposeBitmap(g_stampMask);
    Rect stamp{0, 0, kStampSize, kStampSize};
    g_stampImage = tb_CreateBitmap(&stamp, 0, 24);
    g_stampMask = tb_CreateBitmap(&stamp, 0, 8);
    int32_t left = 1 + (kStampSize + 1) * (choice % 10);
    int32_t top = 1 + (kStampSize + 1) * (choice / 10);
    Rect cell{left, top, left + kStampSize, top + kStampSize};
    if (picture != -1 && g_stampImage != -1) tb_CopyBitmap(picture, g_stampImage, &cell, &stamp, 0);
    if (mask != -1 && g_stampMask != -1) tb_CopyBitmap(mask, g_stampMask, &cell, &stamp, 0);
    if (picture != -1) tb_DisposeBitmap(picture);
    if (mask != -1) tb_DisposeBitmap(mask);
    return choice;
}

void input_button_down(int32_t x, int32_t y) {
    if (g_textPlacement != 0) {
        tb_SetCursor(kPointerText);
        return;
    }
    if (g_zoomPick != 0) {
        tb_SetCursor(kPointerZoomPick);
        return;
    }
    if (!in_picture(x, y)) return;
    scene_save_undo();
    g_pictureModified = 1;
    SceneObject& o = current();
    if (g_currentObject != kDropper) scene_clip_to_picture();
    Point w = clamp_pointer(x, y);
    Point at = stroke_point(w);
    give_current_colour(o);
    o.press(&o, at.x, at.y);
    scene_unclip();
    scene_show_picture_area();
    g_lastPointer = w;
}

void input_pointer_move(int32_t x, int32_t y) {
    if (g_textPlacement != 0) {
        tb_SetCursor(kPointerText);
        scene_compose_picture();
        text_draw_preview(x, y);
        return;
    }
    if (g_zoomPick != 0) {
        tb_SetCursor(kPointerZoomPick);
        return;
    }
    const int32_t entry = g_currentObject;
    SceneObject& o = current();
    bool held = tb_ButtonDown() != 0 || g_buttonHeldByEvents != 0;
    if (!held && o.active == 0) hover(x, y);

    // Stroke continuation: with the button held, or while the scissors or a stamp book carry
    // something under the pointer.
    if (!in_picture(x, y) && o.active == 0) return;
    bool carrying = (entry == kScissors || is_stamp_book(entry)) && o.active != 0;
    if (!held && !carrying) return;

    if (entry != kDropper) scene_clip_to_picture();
    Point w = clamp_pointer(x, y);
    Point at = stroke_point(w);
    give_current_colour(o);
    if (!works_on_window(entry) || o.active == 1) o.drag(&o, at.x, at.y);

    if (entry == kMirrorBrush) {
        scene_show_picture_area();
    } else if (entry != kRuler && entry != kShapeTemplate && !is_stamp_book(entry) &&
               !(entry == kScissors && o.mode == 1)) {
        int32_t grow = g_zoomed != 0 ? o.size + 10 : o.size / 2 + 5;
        Rect changed{std::min(g_lastPointer.x, w.x) - grow, std::min(g_lastPointer.y, w.y) - grow,
                     std::max(g_lastPointer.x, w.x) + grow, std::max(g_lastPointer.y, w.y) + grow};
        scene_show_rect(changed);
    }
    scene_unclip();
    g_lastPointer = w;
    set_pointer(o.cursorId);
}

void input_button_up(int32_t x, int32_t y) {
    const int32_t entry = g_currentObject;
    SceneObject& o = current();
    const bool onPicture = in_picture(x, y);

    // Carrying a cut-out or a stamp off the picture puts it down.
    if (entry == kScissors && o.mode == 1 && !onPicture) {
        o.active = 0;
        o.mode = 0;
        o.size = 1;
        int32_t w = g_floatingImage != -1 ? tb_GetBitmapWidth(g_floatingImage) : 0;
        int32_t h = g_floatingImage != -1 ? tb_GetBitmapHeight(g_floatingImage) : 0;
        remove_floating(x, y, w, h);
        return;
    }
    if (is_stamp_book(entry) && o.active != 0 && !onPicture) {
        o.active = 0;
        o.size = 1;
        int32_t side = g_zoomed != 0 ? 2 * kStampSize : kStampSize;
        remove_floating(x, y, side, side);
        return;
    }
    if (g_textPlacement != 0) {
        place_text(x, y);
        return;
    }
    if (g_zoomPick != 0) {
        pick_zoom_centre(x, y);
        return;
    }

    if (onPicture) {
        if (!works_on_window(entry) || o.active != 0) {
            bool windowPoint = entry == kRuler || entry == kShapeTemplate || entry == kScissors;
            Point at = windowPoint ? Point{x, y} : scene_window_to_picture(x, y);
            o.release(&o, at.x, at.y);
        }
        scene_show_picture_area();
        return;
    }
    if (o.active != 0) {
        // A stroke that ends off the picture (the point may lie beyond its edges).
        Point at = works_on_window(entry) ? Point{x, y} : scene_window_to_picture(x, y);
        o.release(&o, at.x, at.y);
        scene_show_picture_area();
        return;
    }
    click_room(x, y);
}

void input_double_click(int32_t x, int32_t y) {
    if (!over_paint(x, y)) return;
    int32_t pot = input_pot_at(x, y);
    if (pot < 0) return;
    int32_t red = 0, green = 0, blue = 0;
    int32_t result = colour_mixer_run(&red, &green, &blue);
    tb_SetCursor(kPointerArrow);
    if (result != 1) return;
    scene_set_pot(pot, red, green, blue, true);
    scene_show_colour(red, green, blue, true);
}
