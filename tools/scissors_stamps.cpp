// The Scissors and the stamp books: a picture carried under the pointer on the window, and
// copies of it stamped into the painting.
//
// What is carried is drawn straight onto the window at the rectangle centred on the pointer,
// and the window gets the back buffer back where it was before, so the back buffer never holds
// it. Pressing puts a copy into the picture at the picture pixels that rectangle covers: the
// same size without zoom, half the size while zoomed (the window shows the picture twice as
// large).
#include "tools/scissors_stamps.h"

#include <algorithm>

#include "resources/resource_ids.h"
#include "tools/scene_services.h"
#include "tools/tool_families.h"
#include "tools/tool_ops.h"

namespace {

// The key that drops what a tool carries.
constexpr int16_t kDropKey = 'C';
// A band narrower or lower than this cuts nothing.
constexpr int32_t kSmallestCut = 8;
// The Scissors' `mode`.
constexpr int32_t kCutting = 0;
constexpr int32_t kCarrying = 1;

int32_t width_of(const Rect& r) { return r.right - r.left; }
int32_t height_of(const Rect& r) { return r.bottom - r.top; }

bool in_picture(int32_t x, int32_t y) { return tb_PtInRect(x, y, &g_layout.picture) != 0; }

Rect spanned(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    return Rect{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

// The w x h rectangle whose top-left corner lies w / 2 left of and h / 2 above (x, y). It
// keeps the whole size, so a cut of odd width or height is stamped whole, not squeezed by a
// pixel.
Rect centred(int32_t x, int32_t y, int32_t w, int32_t h) {
    const int32_t left = x - w / 2;
    const int32_t top = y - h / 2;
    return Rect{left, top, left + w, top + h};
}

// The picture pixels under a window rectangle, from its two corners. While zoomed window
// offsets are halved downwards (>> 1 on a negative offset), so a rectangle reaching past the
// picture's left or top edge keeps its size in the picture.
Point picture_point(int32_t x, int32_t y) {
    const Rect& area = g_layout.picture;
    if (g_zoomed == 0) return Point{x - area.left, y - area.top};
    return Point{((x - area.left) >> 1) + g_zoomOriginX, ((y - area.top) >> 1) + g_zoomOriginY};
}

Rect picture_rect(const Rect& window) {
    const Point topLeft = picture_point(window.left, window.top);
    const Point bottomRight = picture_point(window.right, window.bottom);
    return Rect{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

// The window gets the back buffer back inside r (window coordinates).
void restore_window(const SceneObject* object, const Rect& r) {
    tb_CopyBitmap(object->sceneBitmap, object->auxHandle, &r, &r, 0);
}

void frame_black(TargetRef window, const Rect& r) {
    tb_SetForeColor(window, 0, 0, 0);
    tb_SetBackColor(window, 0, 0, 0);
    tb_FrameRect(window, &r);
}

void dispose(BitmapRef* bitmap) {
    if (*bitmap != -1) tb_DisposeBitmap(*bitmap);
    *bitmap = -1;
}

// A blank bitmap for a tool's own use. A table slot keeps the clip rect of the bitmap it held
// before, which must not cut what is copied in.
BitmapRef new_bitmap(int32_t width, int32_t height, int32_t depth) {
    Rect size{0, 0, width, height};
    BitmapRef bitmap = tb_CreateBitmap(&size, -1, depth);
    if (bitmap != -1) tb_ClearClipRect(bitmap);
    return bitmap;
}

// Everything drawn on the window while one of these lives reaches the screen at once, when it
// goes: the window taken back where something was and that thing drawn a few pixels away show
// as one change, without a blink between them.
class OneUpdate {
   public:
    explicit OneUpdate(TargetRef window) : window_(window) { tb_HoldWindowUpdates(window_); }
    ~OneUpdate() { tb_ShowWindowUpdates(window_); }
    OneUpdate(const OneUpdate&) = delete;
    OneUpdate& operator=(const OneUpdate&) = delete;

   private:
    TargetRef window_;
};

// The tool carries nothing any more: idle, ready for a new cut.
void end_carrying(SceneObject* object) {
    object->active = 0;
    object->mode = kCutting;
    object->size = 1;
}

// ---- Scissors -------------------------------------------------------------------------------

Rect floating_rect() {
    Rect r;
    tb_GetBitmapRect(g_floatingImage, &r);
    return r;
}

// A copy of the cut at the rectangle centred on (x, y): onto the window, and into the picture
// when the button went down (the events' word for it: a press handled after the button already
// came up still stamps what the child saw appear).
void stamp_cut(SceneObject* object, int32_t x, int32_t y) {
    tb_PlaySoundAsync(kSoundStamp);
    const Rect whole = floating_rect();
    const Rect at = centred(x, y, width_of(whole), height_of(whole));
    tb_CopyBitmap(g_floatingImage, object->auxHandle, &whole, &at, 0);
    if (g_buttonHeldByEvents != 0) {
        const Rect into = picture_rect(at);
        tb_CopyBitmap(g_floatingImage, object->pictureBitmap, &whole, &into, 0);
    }
    object->size = std::max(width_of(whole), height_of(whole));
}

// The rubber band follows the pointer, its corner held inside the picture area.
void drag_band(SceneObject* object, int32_t x, int32_t y) {
    tool_play_cue(object);
    const OneUpdate update(object->auxHandle);
    const Rect old = spanned(object->lastX, object->lastY, object->curX, object->curY);
    const Rect& area = g_layout.picture;
    object->curX = std::clamp(x, area.left, area.right);
    object->curY = std::clamp(y, area.top, area.bottom);
    const Rect band = spanned(object->lastX, object->lastY, object->curX, object->curY);
    Rect wiped;
    tb_UnionRect(&old, &band, &wiped);
    tb_InsetRect(&wiped, -object->size, -object->size);
    restore_window(object, wiped);
    frame_black(object->auxHandle, band);
}

// The cut follows the pointer, framed in black. The C key drops it where it was: the window is
// taken back and nothing is drawn at the new place.
void carry_cut(SceneObject* object, int32_t x, int32_t y) {
    const bool dropped = tb_KeyDown(kDropKey) != 0;
    if (dropped) end_carrying(object);
    if (g_floatingImage == -1) return;
    const OneUpdate update(object->auxHandle);
    const Rect whole = floating_rect();
    const int32_t w = width_of(whole);
    const int32_t h = height_of(whole);
    restore_window(object, centred(object->curX, object->curY, w, h));
    object->curX = x;
    object->curY = y;
    if (dropped) return;
    const Rect at = centred(x, y, w, h);
    tb_CopyBitmap(g_floatingImage, object->auxHandle, &whole, &at, 0);
    frame_black(object->auxHandle, at);
    object->size = std::max(w, h);
}

// The band's rectangle becomes the floating image, taken from the back buffer as the screen
// shows it (twice the picture's size while zoomed). False when no bitmap could be made.
bool cut_out(SceneObject* object, const Rect& band) {
    restore_window(object, band);
    dispose(&g_floatingImage);
    g_floatingImage = new_bitmap(width_of(band), height_of(band), 24);
    if (g_floatingImage == -1) return false;
    const Rect whole = floating_rect();
    tb_CopyBitmap(object->sceneBitmap, g_floatingImage, &band, &whole, 0);
    return true;
}

// ---- Stamp books ----------------------------------------------------------------------------

bool has_stamp() { return g_stampImage != -1 && g_stampMask != -1; }

// The stamp's side on the window: twice its size while zoomed.
int32_t stamp_side_shown() { return g_zoomed != 0 ? 2 * kStampSide : kStampSide; }

void lay_stamp(TargetRef target, const Rect& at) {
    const Rect stamp{0, 0, kStampSide, kStampSide};
    tb_CopyBitmapSprite(g_stampImage, g_stampMask, target, &stamp, &stamp, &at);
}

}  // namespace

void scissors_press(SceneObject* object, int32_t x, int32_t y) {
    if (in_picture(x, y)) {
        object->lastX = x;
        object->lastY = y;
        object->active = 1;
        if (object->mode == kCarrying && g_floatingImage != -1) stamp_cut(object, x, y);
    }
    tool_show_cursor(object);
}

void scissors_drag(SceneObject* object, int32_t x, int32_t y) {
    if (object->active == 0) return;
    if (object->mode == kCarrying) {
        carry_cut(object, x, y);
    } else if (scene_button_held()) {
        drag_band(object, x, y);
    }
    tool_show_cursor(object);
}

void scissors_release(SceneObject* object, int32_t x, int32_t y) {
    if (object->active == 0) return;
    if (!in_picture(x, y)) {
        end_carrying(object);
        return;
    }
    if (object->mode == kCarrying) return;  // the cut goes on following the pointer
    object->curX = x;
    object->curY = y;
    const Rect band = spanned(object->lastX, object->lastY, x, y);
    if (width_of(band) < kSmallestCut || height_of(band) < kSmallestCut || !cut_out(object, band)) {
        end_carrying(object);
        return;
    }
    object->mode = kCarrying;
    tb_PlaySoundAsync(kSoundPop1);
}

void stamp_press(SceneObject* object, int32_t x, int32_t y) {
    object->lastX = x;
    object->lastY = y;
    object->active = 1;
    if (has_stamp()) {
        tb_PlaySoundAsync(kSoundStamp);
        const int32_t side = stamp_side_shown();
        lay_stamp(object->pictureBitmap, picture_rect(centred(x, y, side, side)));
        object->size = side;
    }
    tool_show_cursor(object);
}

void stamp_drag(SceneObject* object, int32_t x, int32_t y) {
    if (object->active == 0) return;
    if (tb_KeyDown(kDropKey) != 0) {
        object->active = 0;
        object->size = 1;
    }
    if (has_stamp()) {
        const OneUpdate update(object->auxHandle);
        const int32_t side = stamp_side_shown();
        restore_window(object, centred(object->curX, object->curY, side, side));
        if (object->active != 0) {
            lay_stamp(object->auxHandle, centred(x, y, side, side));
            object->size = side;
        }
        object->curX = x;
        object->curY = y;
    }
    tool_show_cursor(object);
}

void stamp_release(SceneObject* /*object*/, int32_t /*x*/, int32_t /*y*/) {}

Rect stamp_cell(int32_t n) {
    const int32_t left = (n % 10) * (kStampSide + 1) + 1;
    const int32_t top = (n / 10) * (kStampSide + 1) + 1;
    return Rect{left, top, left + kStampSide, top + kStampSide};
}

bool stamp_take_from_sheet(int32_t sheetId, int32_t maskSheetId, int32_t n) {
    dispose(&g_stampImage);
    dispose(&g_stampMask);
    Rect sheetRect;
    Rect maskRect;
    BitmapRef sheet = tb_CreateBitmap(&sheetRect, sheetId, 24);
    BitmapRef mask = tb_CreateBitmap(&maskRect, maskSheetId, 8);
    if (sheet != -1 && mask != -1) {
        g_stampImage = new_bitmap(kStampSide, kStampSide, 24);
        g_stampMask = new_bitmap(kStampSide, kStampSide, 8);
    }
    if (has_stamp()) {
        const Rect cell = stamp_cell(n);
        const Rect stamp{0, 0, kStampSide, kStampSide};
        tb_CopyBitmap(sheet, g_stampImage, &cell, &stamp, 0);
        tb_CopyBitmap(mask, g_stampMask, &cell, &stamp, 0);
    } else {
        dispose(&g_stampImage);
        dispose(&g_stampMask);
    }
    dispose(&sheet);
    dispose(&mask);
    return has_stamp();
}

void install_scissors_stamps(SceneObject* table) {
    set_stroke_operations(table[8], scissors_press, scissors_drag, scissors_release);
    for (int32_t book = 15; book <= 17; ++book) {
        set_stroke_operations(table[book], stamp_press, stamp_drag, stamp_release);
    }
}
