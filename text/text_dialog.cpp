// The text dialog over the room. Its face is the text face picture; on it the program draws the
// style and size marks, the sample on the chalkboard, and its own two controls where the template
// places them: the list of font families and the field for the line. Coordinates are dialog
// pixels.
#include "text/text_dialog.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "text/control_look.h"
#include "text/edit_field.h"
#include "text/list_box.h"
#include "text/text_render.h"
#include "text/text_settings.h"

namespace {

constexpr int32_t kWidth = 495;
constexpr int32_t kHeight = 370;

// Rectangles of the face, right and bottom exclusive.
constexpr Rect kOk{375, 288, 411, 326};
constexpr Rect kCancel{414, 288, 445, 326};
constexpr Rect kStyleChoices[kTextStyleCount] = {
    {248, 185, 316, 199}, {248, 211, 316, 225}, {248, 239, 316, 253}};
constexpr Rect kStyleMarks[kTextStyleCount] = {
    {237, 188, 243, 194}, {237, 215, 243, 221}, {237, 242, 243, 248}};
constexpr Rect kSizeChoices[kTextSizeCount] = {{363, 178, 431, 192},
                                               {363, 195, 431, 209},
                                               {363, 212, 431, 226},
                                               {363, 229, 431, 243},
                                               {363, 246, 431, 260}};
constexpr Rect kSizeMarks[kTextSizeCount] = {{350, 182, 356, 188},
                                             {350, 199, 356, 205},
                                             {350, 216, 356, 222},
                                             {350, 233, 356, 239},
                                             {350, 250, 356, 256}};
constexpr Rect kSample{231, 67, 442, 149};
// The two controls, where the text dialog's template puts them.
constexpr Rect kField{50, 302, 370, 325};
constexpr Rect kList{51, 63, 219, 271};

constexpr TbColor kChalkboard = tb_MakeColor(12, 11, 10);  // the sample's and the marks' ground
constexpr const char kSampleText[] = "ABCxyz123";

constexpr int32_t kBlinkTimer = 1;
constexpr uint32_t kBlinkPeriod = 530;
constexpr int32_t kRepeatTimer = 2;
constexpr uint32_t kRepeatDelay = 400;
constexpr uint32_t kRepeatPeriod = 50;

enum class Focus { Field, List };

struct TextDialogRun {
    NativeWindow dialog = 0;
    BitmapRef face = -1;    // the face's picture
    BitmapRef canvas = -1;  // the face with everything drawn on it
    char faceName[kFaceNameCapacity] = {};
    int32_t sizeIndex = 0;
    int32_t style = 0;
    EditField field;
    ListBox list;
    Focus focus = Focus::Field;
    Point pointer;  // where the pointer was last seen
};

TextDialogRun g_run;

bool inside(const Rect& r, Point p) { return tb_PtInRect(p.x, p.y, &r) != 0; }

// Any of the face's buttons and choices under p: OK, cancel, a style, a size.
bool over_choice(Point p) {
    return inside(kOk, p) || inside(kCancel, p) ||
           tb_DialogAreaAt(p.x, p.y, kStyleChoices, kTextStyleCount) >= 0 ||
           tb_DialogAreaAt(p.x, p.y, kSizeChoices, kTextSizeCount) >= 0;
}

// ---- Drawing --------------------------------------------------------------------------------

// Puts the face back over r, draws what lies there, and shows r.
template <typename Draw>
void redraw(const Rect& r, Draw draw) {
    tb_CopyBitmap(g_run.face, g_run.canvas, &r, &r, 0);
    draw();
    tb_CopyBitmapToHwnd(g_run.dialog, g_run.canvas, &r, &r);
}

void draw_mark(const Rect& mark, bool chosen) {
    control_paint(g_run.canvas, mark, kChalkboard);
    if (!chosen) return;
    tb_SetForeColor(g_run.canvas, 0, 65025, 0);
    tb_PaintEllipse(g_run.canvas, &mark);
}

void draw_sample() {
    const int32_t w = kSample.right - kSample.left;
    const int32_t h = kSample.bottom - kSample.top;
    Rect whole{0, 0, w, h};
    BitmapRef sample = tb_CreateBitmap(&whole, -1, 24);
    if (sample < 0) return;
    tb_ClearClipRect(sample);
    control_paint(sample, whole, kChalkboard);
    const int32_t size = g_textSizes[g_run.sizeIndex];
    text_render(sample, w / 2, h / 2 + size / 2, kSampleText,
                static_cast<int32_t>(std::strlen(kSampleText)), g_run.faceName, size, g_run.style,
                0, 0, 65025, nullptr, nullptr, 0, nullptr);
    tb_CopyBitmap(sample, g_run.canvas, &whole, &kSample, 0);
    tb_DisposeBitmap(sample);
}

void show_field() {
    redraw(edit_field_area(g_run.field), [] { edit_field_draw(g_run.field); });
}
void show_list() {
    redraw(list_box_area(g_run.list), [] { list_box_draw(&g_run.list); });
}
void show_sample() { redraw(kSample, draw_sample); }

void draw_all() {
    const Rect whole{0, 0, kWidth, kHeight};
    redraw(whole, [] {
        for (int32_t i = 0; i < kTextStyleCount; ++i) draw_mark(kStyleMarks[i], i == g_run.style);
        for (int32_t i = 0; i < kTextSizeCount; ++i) draw_mark(kSizeMarks[i], i == g_run.sizeIndex);
        draw_sample();
        list_box_draw(&g_run.list);
        edit_field_draw(g_run.field);
    });
}

// ---- Choosing -------------------------------------------------------------------------------

// The entry chosen in the list becomes the working face, shown in the sample.
void take_listed_face() {
    if (g_run.list.list.selected < 0) return;
    const std::string& name = g_run.list.list.names[static_cast<size_t>(g_run.list.list.selected)];
    if (name == g_run.faceName) return;
    std::snprintf(g_run.faceName, sizeof g_run.faceName, "%s", name.c_str());
    show_sample();
}

// Whatever the list tells (it got the keyboard, its choice changed), its chosen entry is the
// face from then on; until then the face may be one the list does not have.
void set_focus(Focus focus) {
    if (g_run.focus == focus) return;
    g_run.focus = focus;
    g_run.field.focused = focus == Focus::Field;
    g_run.list.focused = focus == Focus::List;
    g_run.field.caretOn = true;
    if (focus == Focus::List) take_listed_face();
    show_field();
    show_list();
}

void list_changed(ListChange change) {
    if (change == ListChange::None) return;
    if (change == ListChange::Choice) take_listed_face();
    show_list();
}

// A style or size chosen: its mark moves from the old entry to the new one, and the sample
// shows it.
void choose(const Rect* marks, int32_t* working, int32_t index) {
    if (index == *working) return;
    const Rect old = marks[*working];
    const Rect now = marks[index];
    *working = index;
    redraw(old, [old] { draw_mark(old, false); });
    redraw(now, [now] { draw_mark(now, true); });
    show_sample();
}

// ---- Input ----------------------------------------------------------------------------------

void pointer_moved(NativeWindow, Point p) {
    g_run.pointer = p;
    if (g_run.field.dragging) {
        if (edit_field_drag(&g_run.field, p.x)) show_field();
    } else if (g_run.list.draggingRows || g_run.list.draggingThumb) {
        list_changed(list_box_drag(&g_run.list, p.x, p.y));
    }
    if (g_run.field.dragging || inside(kField, p))
        tb_SetCursor(kCursorTextBeam);
    else
        tb_SetCursor(over_choice(p) ? kCursorHandPoint : kCursorArrow);
}

void pressed(NativeWindow, Point p, int32_t modifiers, bool doublePress) {
    g_run.pointer = p;
    if (inside(kField, p)) {
        set_focus(Focus::Field);
        if (edit_field_press(&g_run.field, p.x, modifiers, doublePress)) show_field();
    } else if (inside(kList, p)) {
        set_focus(Focus::List);
        list_changed(list_box_press(&g_run.list, p.x, p.y));
        if (g_run.list.heldStep != 0) tb_SetDialogTimer(g_run.dialog, kRepeatTimer, kRepeatDelay);
    } else if (over_choice(p)) {
        tb_PlaySoundNoStop(kSoundOptionsClick);
    }
}

// A release ends a drag in a control; anywhere else it decides: cancel, OK, a style, a size.
int32_t released(NativeWindow, Point p) {
    const bool dragged = g_run.field.dragging || g_run.list.draggingRows ||
                         g_run.list.draggingThumb || g_run.list.heldStep != 0;
    g_run.field.dragging = false;
    list_box_release(&g_run.list);
    tb_KillDialogTimer(g_run.dialog, kRepeatTimer);
    if (dragged) return TB_FACE_STAY_OPEN;
    const int32_t style = tb_DialogAreaAt(p.x, p.y, kStyleChoices, kTextStyleCount);
    const int32_t size = tb_DialogAreaAt(p.x, p.y, kSizeChoices, kTextSizeCount);
    if (inside(kCancel, p)) return -1;
    if (inside(kOk, p)) return 1;
    if (style >= 0) {
        choose(kStyleMarks, &g_run.style, style);
    } else if (size >= 0) {
        choose(kSizeMarks, &g_run.sizeIndex, size);
    }
    return TB_FACE_STAY_OPEN;
}

void wheel(NativeWindow, Point p, int32_t notches) {
    if (inside(kList, p)) list_changed(list_box_wheel(&g_run.list, notches));
}

void key_pressed(NativeWindow, int32_t key, int32_t modifiers) {
    if (key == TB_VK_TAB) {
        set_focus(g_run.focus == Focus::Field ? Focus::List : Focus::Field);
    } else if (key == TB_VK_RETURN) {
        tb_PlaySoundNoStop(kSoundOptionsClick);
        tb_EndDialog(g_run.dialog, 1);
    } else if (g_run.focus == Focus::Field) {
        if (edit_field_key(&g_run.field, key, modifiers)) show_field();
    } else {
        list_changed(list_box_key(&g_run.list, key));
    }
}

void typed(NativeWindow, uint32_t code) {
    if (g_run.focus == Focus::Field) {
        if (edit_field_type(&g_run.field, code)) show_field();
    } else {
        list_changed(list_box_type(&g_run.list, code));
    }
}

void timer(NativeWindow, int32_t id) {
    if (id == kBlinkTimer && g_run.focus == Focus::Field) {
        g_run.field.caretOn = !g_run.field.caretOn;
        show_field();
    } else if (id == kRepeatTimer) {
        tb_SetDialogTimer(g_run.dialog, kRepeatTimer, kRepeatPeriod);
        list_changed(list_box_repeat(&g_run.list, g_run.pointer.x, g_run.pointer.y));
    }
}

std::vector<std::string> listed_families() {
    std::vector<std::string> names;
    const int32_t count = tb_ListFontFamilies();
    for (int32_t i = 0; i < count; ++i) {
        const char* name = tb_GetFontFamilyName(i);
        // A name too long for the setting could never be chosen faithfully.
        if (name != nullptr && std::strlen(name) < static_cast<size_t>(kFaceNameCapacity)) {
            names.emplace_back(name);
        }
    }
    return names;
}

void start(NativeWindow dialog) {
    g_run.dialog = dialog;
    Rect whole{0, 0, kWidth, kHeight};
    g_run.face = tb_CreateBitmap(&whole, kBitmapTextFace, 24);
    whole = Rect{0, 0, kWidth, kHeight};
    g_run.canvas = tb_CreateBitmap(&whole, -1, 24);
    if (g_run.face < 0 || g_run.canvas < 0) {
        tb_EndDialog(dialog, -1);  // nothing to show it with: as if cancelled
        return;
    }
    tb_ClearClipRect(g_run.face);
    tb_ClearClipRect(g_run.canvas);
    // The list shows the working face chosen, or its first entry; the working face itself
    // only changes when the child picks one.
    list_box_start(&g_run.list, kList, g_run.canvas, listed_families(), g_run.faceName);
    edit_field_start(&g_run.field, kField, g_run.canvas, g_textString);
    g_run.focus = Focus::Field;
    g_run.field.focused = true;
    tb_SetDialogTimer(dialog, kBlinkTimer, kBlinkPeriod);
}

// The line's extent at its size: drawn into a one-pixel scratch bitmap in black.
void measure_text() {
    Rect one{0, 0, 1, 1};
    BitmapRef scratch = tb_CreateBitmap(&one, -1, 24);
    if (scratch < 0) return;
    text_render(scratch, 0, 0, g_textString, static_cast<int32_t>(std::strlen(g_textString)),
                g_textFontName, text_current_size(), g_textStyle, 0, 0, 0, &g_textWidth,
                &g_textHeight, 0, nullptr);
    tb_DisposeBitmap(scratch);
}

}  // namespace

int32_t text_dialog_run() {
    g_run = TextDialogRun{};
    std::snprintf(g_run.faceName, sizeof g_run.faceName, "%s", g_textFontName);
    g_run.sizeIndex =
        g_textSizeIndex >= 0 && g_textSizeIndex < kTextSizeCount ? g_textSizeIndex : 0;
    g_run.style = g_textStyle >= 0 && g_textStyle < kTextStyleCount ? g_textStyle : 0;
    const TbFaceDialog dialog{.templateId = static_cast<int16_t>(kDialogText),
                              .width = kWidth,
                              .height = kHeight,
                              .paint = [](NativeWindow) { draw_all(); },
                              .release = released,
                              .start = start,
                              .moved = pointer_moved,
                              .press = pressed,
                              .wheel = wheel,
                              .key = key_pressed,
                              .typed = typed,
                              .timer = timer};
    // Escape ends the dialog with 0.
    const int32_t result = tb_RunFaceDialog(dialog);
    if (result == 1) {
        std::snprintf(g_textString, sizeof g_textString, "%s", g_run.field.edit.text);
        std::snprintf(g_textFontName, sizeof g_textFontName, "%s", g_run.faceName);
        g_textSizeIndex = g_run.sizeIndex;
        g_textStyle = g_run.style;
        measure_text();
    }
    if (g_run.face >= 0) tb_DisposeBitmap(g_run.face);
    if (g_run.canvas >= 0) tb_DisposeBitmap(g_run.canvas);
    g_run = TextDialogRun{};
    return result;
}
