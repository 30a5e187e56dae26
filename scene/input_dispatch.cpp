// The pointer input dispatch: decides what the pointer is over, shows the matching pointer
// image and hover label, picks up tools, picks colours, works the buttons of the left panel,
// and drives the current tool's press, drag and release while the child paints.
//
// Presses and moves paint; everything else (picking up, buttons, pots) happens on release,
// as a child's click only counts once the finger lets go.
#include "scene/input_dispatch.h"

#include <algorithm>

#include "resources/resource_ids.h"
#include "scene/scene.h"
#include "scene/scene_draw.h"
#include "scene/scene_hooks.h"
#include "scene/scene_table.h"
#include "scene/tool_traits.h"
#include "shell/preferences.h"
#include "tools/colour_mixer.h"
#include "tools/scissors_stamps.h"
#include "tools/tool_ops.h"

int32_t g_textPlacement = 0;
int32_t g_zoomPick = 0;
Point g_lastPointer;

namespace {

// Hover labels of the left-panel buttons, in button order.
constexpr int32_t kButtonLabels[kButtonCount] = {kBitmapLabelTextureBrushesShelf,
                                                 kBitmapLabelStampBooksShelf,
                                                 kBitmapLabelEverydayToolsShelf,
                                                 kBitmapLabelEffectsShelf,
                                                 kBitmapLabelPrint,
                                                 kBitmapLabelFancyBrushesShelf,
                                                 kBitmapLabelText,
                                                 kBitmapLabelUndo,
                                                 kBitmapLabelRemoteControl,
                                                 kBitmapLabelColourMixer};

// Left-panel buttons that are not shelves.
constexpr int32_t kPrintButton = 4;
constexpr int32_t kTextButton = 6;
constexpr int32_t kUndoButton = 7;
constexpr int32_t kRemoteButton = 8;
constexpr int32_t kPaletteButton = 9;

constexpr int32_t kFancyShelf = 4;  // its panels show the current colour

constexpr int32_t kStampCount = 48;  // stamps on each sheet

bool inside(const Rect& r, int32_t x, int32_t y) { return tb_PtInRect(x, y, &r) != 0; }
bool in_picture(int32_t x, int32_t y) { return inside(g_layout.picture, x, y); }

SceneObject& current() { return g_sceneObjects[g_currentObject]; }
const ToolTraits& traits() { return tool_traits(g_currentObject); }

void set_pointer(int32_t cursorId) { tb_SetCursor(static_cast<int16_t>(cursorId)); }

bool carrying(const SceneObject& o, const ToolTraits& t) { return tool_is_carrying(o, t); }

bool has_own_panel(const SceneObject& o) { return o.drawOptions != tool_default_draw_options; }
bool has_own_panel_clicks(const SceneObject& o) {
    return o.clickOptions != tool_default_click_options;
}

void give_current_colour(SceneObject& o) {
    if (traits().keepsOwnColour) return;
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

// Tools whose whole width must fit (not while carrying a cut-out) keep the pointer far enough
// inside the picture; the system pointer follows.
Point clamp_pointer(int32_t x, int32_t y) {
    const SceneObject& o = current();
    const ToolTraits& t = traits();
    if (t.clampScale == 0 || (t.carries == ToolCarries::CutOut && carrying(o, t))) {
        return Point{x, y};
    }
    int32_t k = (o.size / 2) * t.clampScale * (g_zoomed != 0 ? t.clampZoomScale : 1);
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
    return traits().onWindow ? w : scene_window_to_picture(w.x, w.y);
}

// Runs one of the current tool's operations. What the picture showed before waits (its changes
// not yet shown are set aside), so that afterwards the picture's touched rectangle is exactly
// what the operation changed; what it drew straight on the window or into the back buffer is
// noted as out of step (beside the picture only for the tools that draw on the window).
template <typename Operation>
void run_tool_operation(Operation operation) {
    scene_defer_picture_changes();
    const WindowRef window = tb_GetMainWindow();
    tb_ResetTouchedRect(g_backBuffer);
    tb_ResetTouchedRect(window);
    operation();
    Rect drawn;
    tb_GetTouchedRect(g_backBuffer, &drawn);
    scene_note_out_of_step(drawn, false);
    tb_GetTouchedRect(window, &drawn);
    scene_note_out_of_step(drawn, traits().onWindow);
}

// A press or drag: the operation with the back buffer clipped to the picture area unless the
// tool draws beside it.
template <typename Operation>
void run_stroke_operation(Operation operation) {
    if (!traits().drawsOffPicture) scene_clip_to_picture();
    run_tool_operation(operation);
    scene_unclip();
}

// Takes what a tool carried off the screen around the pointer: a w x h rectangle around it,
// w x h being the cut-out's size or the stamp's (twice that while zoomed).
void remove_floating(int32_t x, int32_t y, const ToolTraits& t) {
    int32_t w = 0;
    int32_t h = 0;
    if (t.carries == ToolCarries::CutOut && g_floatingImage != -1) {
        w = tb_GetBitmapWidth(g_floatingImage);
        h = tb_GetBitmapHeight(g_floatingImage);
    } else if (t.carries == ToolCarries::Stamp) {
        w = h = g_zoomed != 0 ? 2 * kStampSide : kStampSide;
    }
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
        tb_SetCursor(kCursorHandPoint);
        return;
    }
    if (inside(g_layout.speaker, x, y)) {
        tb_SetCursor(kCursorHandPress);
        scene_show_label(kBitmapLabelSpeaker);
        return;
    }
    if (inside(g_layout.magnifier, x, y)) {
        tb_SetCursor(kCursorHandPress);
        scene_show_label(kBitmapLabelMagnifier);
        return;
    }
    if (input_pot_at(x, y) >= 0) {
        tb_SetCursor(kCursorDropper);
        scene_show_label(kBitmapLabelPaintPots);
        return;
    }
    if (inside(g_layout.optionsPanel, x, y) && has_own_panel(current())) {
        tb_SetCursor(kCursorHandPoint);
        scene_show_label(kBitmapLabelToolOptions);
        return;
    }
    if (inside(g_layout.swatch, x, y)) {
        scene_show_label(kBitmapLabelCurrentColour);
        return;
    }
    bool onPicture = in_picture(x, y);
    if (!onPicture) {
        int32_t entry = scene_object_at(x, y);
        if (entry >= 0) {
            tb_SetCursor(kCursorHandOpen);
            scene_show_label(scene_object_label(entry));
            return;
        }
    }
    set_pointer(onPicture ? current().cursorId : kCursorArrow);
    scene_show_label(0);
}

// ---- Clicks on the room (releases outside a stroke) -------------------------------------------

void pick_up(int32_t entry) {
    tb_PlaySoundNoStop(kSoundPickUp);
    g_currentObject = entry;
    SceneObject& o = current();
    const ToolCarries carries = traits().carries;
    if (carries == ToolCarries::CutOut) o.mode = 0;  // picked up afresh: ready to cut
    give_current_colour(o);
    scene_compose_panels();
    scene_show_rect(g_layout.tableBand);
    scene_show_rect(g_layout.optionsPanel);
    if (carries == ToolCarries::Stamp && input_choose_stamp(entry) >= 0) o.active = 1;
}

void click_options(int32_t x, int32_t y) {
    SceneObject& o = current();
    if (has_own_panel_clicks(o)) tb_PlaySoundAsync(kSoundOptionsClick);
    o.clickOptions(&o, x, y, &g_layout.optionsPanel);
    o.drawOptions(&o, &g_layout.optionsPanel);
    scene_show_rect(g_layout.optionsPanel);
}

void click_paint(int32_t x, int32_t y) {
    int32_t pot = input_pot_at(x, y);
    if (pot < 0) return;
    tb_PlaySoundAsync(kSoundColourPick);
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
    tb_PlaySoundNoStop(kSoundPickUp);
    g_currentShelf = shelf;
    scene_compose_panels();
    scene_show_rect(g_layout.leftPanel);
    scene_show_rect(g_layout.tableBand);
    if (shelf == 0) set_pointer(current().cursorId);
}

void open_text_dialog() {
    tb_PlaySoundNoStop(kSoundPickUp);
    if (g_sceneHooks.runTextDialog() != 1) return;
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
    tb_PlaySoundNoStop(kSoundPickUp);
    int32_t red = 0, green = 0, blue = 0;
    int32_t result = colour_mixer_run(&red, &green, &blue);
    tb_SetCursor(kCursorArrow);
    if (result == 1) scene_show_colour(red, green, blue, true);
}

void click_magnifier() {
    tb_PlaySoundAsync(kSoundClick);
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
    tb_PlaySoundAsync(kSoundClick);
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
        tb_PlaySoundNoStop(kSoundPickUp);
        g_sceneHooks.printPicture();
    } else if (button == kTextButton) {
        open_text_dialog();
    } else if (button == kUndoButton) {
        undo();
    } else if (button == kRemoteButton) {
        tb_PlaySoundNoStop(kSoundPickUp);
        g_sceneHooks.runCommand(-1);
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
        g_sceneHooks.stampText(p.x, p.y);
        tb_PlaySoundAsync(kSoundStamp);
    }
    // Placed or not, the preview goes: near the edge part of it may still show on the picture.
    scene_show_picture_area();
    set_pointer(current().cursorId);
}

void pick_zoom_centre(int32_t x, int32_t y) {
    g_zoomPick = 0;
    if (in_picture(x, y)) {
        tb_PlaySoundAsync(kSoundClick);
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
    const ToolTraits& book = tool_traits(entry);
    if (book.carries != ToolCarries::Stamp) return -1;
    int32_t choice = g_sceneHooks.runStampPicker(book.stampSheet, book.stampMaskSheet, kStampCount,
                                                 &g_sceneObjects[entry].mode);
    tb_SetCursor(kCursorArrow);
    if (choice < 0 || choice >= kStampCount) return -1;
    if (!stamp_take_from_sheet(book.stampSheet, book.stampMaskSheet, choice)) return -1;
    return choice;
}

void input_button_down(int32_t x, int32_t y) {
    if (g_textPlacement != 0) {
        tb_SetCursor(kCursorTextPlace);
        return;
    }
    if (g_zoomPick != 0) {
        tb_SetCursor(kCursorMagnifier);
        return;
    }
    if (!in_picture(x, y)) return;
    scene_save_undo();
    g_pictureModified = 1;
    SceneObject& o = current();
    Point w = clamp_pointer(x, y);
    Point at = stroke_point(w);
    run_stroke_operation([&] {
        give_current_colour(o);
        o.press(&o, at.x, at.y);
    });
    // The picture area as a whole showing again: only what differs from the screen is sent.
    scene_show_picture_changes(false);
    g_lastPointer = w;
}

void input_pointer_move(int32_t x, int32_t y) {
    if (g_textPlacement != 0) {
        tb_SetCursor(kCursorTextPlace);
        g_sceneHooks.drawTextPreview(x, y);
        return;
    }
    if (g_zoomPick != 0) {
        tb_SetCursor(kCursorMagnifier);
        return;
    }
    SceneObject& o = current();
    const ToolTraits& t = traits();
    bool held = scene_button_held();
    if (!held && o.active == 0) hover(x, y);

    // Stroke continuation: with the button held, or while a carrying tool is active.
    if (!in_picture(x, y) && o.active == 0) return;
    bool carries = t.carries != ToolCarries::Nothing && o.active != 0;
    if (!held && !carries) return;

    Point w = clamp_pointer(x, y);
    Point at = stroke_point(w);
    run_stroke_operation([&] {
        give_current_colour(o);
        if (!t.onWindow || o.active == 1) o.drag(&o, at.x, at.y);
    });
    // Exactly what the drag changed reaches the screen (tools drawing on the window show
    // their own previews).
    Rect touched;
    tb_GetTouchedRect(g_pictureBitmap, &touched);
    tb_ResetTouchedRect(g_pictureBitmap);
    Rect changed = scene_picture_rect_to_window(touched);
    if (t.showsWholePicture) {
        scene_show_picture_area();
    } else if (changed.left < changed.right) {
        scene_show_rect(changed);
    }
    g_lastPointer = w;
    set_pointer(o.cursorId);
}

void input_button_up(int32_t x, int32_t y) {
    SceneObject& o = current();
    const ToolTraits& t = traits();
    const bool onPicture = in_picture(x, y);

    // Carrying a cut-out or a stamp off the picture puts it down.
    if (!onPicture && carrying(o, t)) {
        input_put_down();
        remove_floating(x, y, t);
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
        if (!t.onWindow || o.active != 0) {
            Point at = t.releasesOnWindow ? Point{x, y} : scene_window_to_picture(x, y);
            run_tool_operation([&] { o.release(&o, at.x, at.y); });
        }
        scene_show_picture_changes(false);
        return;
    }
    if (o.active != 0) {
        // A stroke that ends off the picture (the point may lie beyond its edges).
        Point at = t.onWindow ? Point{x, y} : scene_window_to_picture(x, y);
        run_tool_operation([&] { o.release(&o, at.x, at.y); });
        scene_show_picture_changes(false);
        return;
    }
    click_room(x, y);
}

void input_put_down() {
    SceneObject& o = current();
    const ToolTraits& t = traits();
    const ToolCarries carries = t.carries;
    if (carries == ToolCarries::Nothing) return;
    // Where the tool drew it last: it may reach beyond the picture area, which the caller
    // brings up to date.
    if (carrying(o, t)) remove_floating(o.curX, o.curY, t);
    o.active = 0;
    if (carries == ToolCarries::CutOut) o.mode = 0;
    o.size = 1;
}

void input_button_state(int32_t held) { g_buttonHeldByEvents = held != 0 ? 1 : 0; }

void input_double_click(int32_t x, int32_t y) {
    if (!over_paint(x, y)) return;
    int32_t pot = input_pot_at(x, y);
    if (pot < 0) return;
    int32_t red = 0, green = 0, blue = 0;
    int32_t result = colour_mixer_run(&red, &green, &blue);
    tb_SetCursor(kCursorArrow);
    if (result != 1) return;
    scene_set_pot(pot, red, green, blue, true);
    scene_show_colour(red, green, blue, true);
}
