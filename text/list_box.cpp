#include "text/list_box.h"

#include <algorithm>
#include <utility>

#include "text/control_look.h"

namespace {

constexpr int32_t kRowHeight = 24;
constexpr int32_t kBarWidth = 16;
constexpr int32_t kMinThumb = 22;
constexpr int16_t kNameSize = 16;
constexpr int32_t kNameLeft = 7;   // from the row's left edge
constexpr int32_t kBaseline = 17;  // from the row's top

int32_t count_of(const ListBox& b) { return static_cast<int32_t>(b.list.names.size()); }
bool has_bar(const ListBox& b) { return count_of(b) > b.list.rowsInView; }

Rect rows_rect(const ListBox& b) {
    Rect r = b.box;
    if (has_bar(b)) r.right -= kBarWidth;
    return r;
}
Rect bar_rect(const ListBox& b) {
    return Rect{b.box.right - kBarWidth, b.box.top, b.box.right, b.box.bottom};
}
Rect up_arrow(const ListBox& b) {
    Rect bar = bar_rect(b);
    return Rect{bar.left, bar.top, bar.right, bar.top + kBarWidth};
}
Rect down_arrow(const ListBox& b) {
    Rect bar = bar_rect(b);
    return Rect{bar.left, bar.bottom - kBarWidth, bar.right, bar.bottom};
}
Rect track(const ListBox& b) {
    Rect bar = bar_rect(b);
    return Rect{bar.left, bar.top + kBarWidth, bar.right, bar.bottom - kBarWidth};
}
int32_t thumb_height(const ListBox& b) {
    const int32_t h = track(b).bottom - track(b).top;
    return std::clamp(h * b.list.rowsInView / std::max(1, count_of(b)), kMinThumb, h);
}
Rect thumb(const ListBox& b) {
    Rect t = track(b);
    const int32_t travel = t.bottom - t.top - thumb_height(b);
    const int32_t last = font_list_last_top(b.list);
    const int32_t top = t.top + (last > 0 ? travel * b.list.top / last : 0);
    return Rect{t.left, top, t.right, top + thumb_height(b)};
}

bool inside(const Rect& r, int32_t x, int32_t y) { return tb_PtInRect(x, y, &r) != 0; }

ListChange view_if(bool moved) { return moved ? ListChange::View : ListChange::None; }
ListChange choice_if(bool changed) { return changed ? ListChange::Choice : ListChange::View; }

// The entry whose row holds y; above or below the rows in view, the one just beyond them.
int32_t row_at(const ListBox& b, int32_t y) {
    if (y < b.box.top) return b.list.top - 1;
    if (y >= b.box.bottom) return b.list.top + b.list.rowsInView;
    return b.list.top + (y - b.box.top) / kRowHeight;
}

// Whether the family can letter its own name; asked once per entry.
bool own_letters(ListBox* b, int32_t i) {
    int8_t& known = b->ownLetters[static_cast<size_t>(i)];
    if (known < 0) {
        const std::string& name = b->list.names[static_cast<size_t>(i)];
        known = static_cast<int8_t>(
            tb_FamilyHasCharacters(name.c_str(), name.c_str(), static_cast<int32_t>(name.size())));
    }
    return known != 0;
}

void draw_row(ListBox* b, int32_t i, const Rect& row) {
    const bool chosen = i == b->list.selected;
    if (chosen) {
        Rect band = row;
        tb_InsetRect(&band, 2, 1);
        Rect shown;
        if (tb_IntersectRect(&shown, &band, &b->box) != 0) {
            tb_FillSoftRoundRect(b->canvas, &band, 7,
                                 b->focused ? kControlChosen : kControlChosenDim);
        }
    }
    const std::string& name = b->list.names[static_cast<size_t>(i)];
    const char* family = own_letters(b, i) ? name.c_str() : kControlFamily;
    // Every name stands on the same baseline, whatever room its font keeps above its letters.
    TbLineMetrics letters;
    tb_DrawFamilyText(b->canvas, family, 0, 0, "", 0, 0, 0, 0, 0, &letters);
    control_ink(b->canvas, chosen && b->focused ? kControlChosenInk : kControlInk);
    tb_DrawFamilyText(b->canvas, family, row.left + kNameLeft, row.top + kBaseline - letters.ascent,
                      name.c_str(), static_cast<int32_t>(name.size()), 0, 1, 0, 0, nullptr);
}

void draw_arrow(BitmapRef canvas, const Rect& r, bool up) {
    Rect button = r;
    tb_InsetRect(&button, 1, 1);
    tb_FillSoftRoundRect(canvas, &button, 4, kControlWood);
    const int32_t cx = (r.left + r.right) / 2;
    const int32_t cy = (r.top + r.bottom) / 2;
    control_ink(canvas, kControlInk);
    for (int32_t k = 0; k < 4; ++k) {
        const int32_t y = up ? cy - 2 + k : cy + 1 - k;
        Rect line{cx - k - 1, y, cx + k + 1, y + 1};
        tb_PaintRect(canvas, &line);
    }
}

void draw_bar(const ListBox& b) {
    Rect t = track(b);
    tb_FillSoftRoundRect(b.canvas, &t, 6, kControlTrack);
    draw_arrow(b.canvas, up_arrow(b), true);
    draw_arrow(b.canvas, down_arrow(b), false);
    Rect grip = thumb(b);
    tb_InsetRect(&grip, 2, 1);
    tb_FillSoftRoundRect(b.canvas, &grip, 6, kControlInk);
    tb_InsetRect(&grip, 1, 1);
    tb_FillSoftRoundRect(b.canvas, &grip, 5, kControlWood);
}

ListChange scroll_by(ListBox* b, int32_t rows) { return view_if(font_list_scroll(&b->list, rows)); }

ListChange move_thumb(ListBox* b, int32_t y) {
    Rect t = track(*b);
    const int32_t travel = t.bottom - t.top - thumb_height(*b);
    const int32_t last = font_list_last_top(b->list);
    if (travel <= 0 || last <= 0) return ListChange::None;
    const int32_t offset = std::clamp(y - b->thumbGrab - t.top, 0, travel);
    const int32_t before = b->list.top;
    b->list.top = (offset * last + travel / 2) / travel;
    return view_if(b->list.top != before);
}

}  // namespace

void list_box_start(ListBox* box, const Rect& r, BitmapRef canvas, std::vector<std::string> names,
                    const char* chosen) {
    *box = ListBox{};
    box->box = r;
    box->canvas = canvas;
    box->list.names = std::move(names);
    box->list.rowsInView = std::max(1, (r.bottom - r.top) / kRowHeight);
    box->ownLetters.assign(box->list.names.size(), -1);
    const int32_t found = font_list_find(box->list, chosen);
    font_list_select(&box->list, found >= 0 ? found : 0);
}

Rect list_box_area(const ListBox& box) {
    Rect r = box.box;
    tb_InsetRect(&r, -kFocusRing, -kFocusRing);
    return r;
}

void list_box_draw(ListBox* box) {
    if (box->focused) control_focus_ring(box->canvas, list_box_area(*box));
    control_paint(box->canvas, box->box, kControlPaper);
    const Rect rows = rows_rect(*box);
    tb_SetFontSize(box->canvas, kNameSize);
    tb_SetFontStyle(box->canvas, 0);
    tb_SetClipRect(box->canvas, &rows);
    for (int32_t i = box->list.top; i < count_of(*box); ++i) {
        const int32_t top = rows.top + (i - box->list.top) * kRowHeight;
        if (top >= rows.bottom) break;
        draw_row(box, i, Rect{rows.left, top, rows.right, top + kRowHeight});
    }
    tb_ClearClipRect(box->canvas);
    if (has_bar(*box)) draw_bar(*box);
}

ListChange list_box_key(ListBox* box, int32_t key) {
    const int32_t before = box->list.top;
    if (font_list_key(&box->list, key)) return ListChange::Choice;
    return view_if(box->list.top != before);
}

ListChange list_box_type(ListBox* box, uint32_t code) {
    return font_list_type(&box->list, code) ? ListChange::Choice : ListChange::None;
}

ListChange list_box_wheel(ListBox* box, int32_t notches) {
    constexpr int32_t kRowsPerNotch = 3;
    return scroll_by(box, -notches * kRowsPerNotch);
}

ListChange list_box_press(ListBox* box, int32_t x, int32_t y) {
    box->heldStep = 0;
    if (has_bar(*box) && inside(bar_rect(*box), x, y)) {
        const Rect grip = thumb(*box);
        if (inside(grip, x, y)) {
            box->draggingThumb = true;
            box->thumbGrab = y - grip.top;
            return ListChange::None;
        }
        const int32_t page = std::max(1, box->list.rowsInView - 1);
        if (inside(up_arrow(*box), x, y))
            box->heldStep = -1;
        else if (inside(down_arrow(*box), x, y))
            box->heldStep = 1;
        else
            box->heldStep = y < grip.top ? -page : page;
        box->heldAt = Point{x, y};
        return scroll_by(box, box->heldStep);
    }
    box->draggingRows = true;
    const int32_t row = row_at(*box, y);
    if (row >= count_of(*box)) return ListChange::None;  // below the last entry
    return choice_if(font_list_select(&box->list, row));
}

ListChange list_box_drag(ListBox* box, int32_t /*x*/, int32_t y) {
    if (box->draggingThumb) return move_thumb(box, y);
    if (!box->draggingRows) return ListChange::None;
    const int32_t before = box->list.top;
    if (font_list_select(&box->list, row_at(*box, y))) return ListChange::Choice;
    return view_if(box->list.top != before);
}

ListChange list_box_repeat(ListBox* box, int32_t x, int32_t y) {
    if (box->heldStep == 0 || !inside(bar_rect(*box), x, y)) return ListChange::None;
    // The track keeps paging only while the thumb has not yet reached the pointer.
    if (box->heldStep > 1 || box->heldStep < -1) {
        const Rect grip = thumb(*box);
        if (y >= grip.top && y < grip.bottom) return ListChange::None;
        if ((box->heldStep < 0) != (y < grip.top)) return ListChange::None;
    } else {
        const Rect arrow = box->heldStep < 0 ? up_arrow(*box) : down_arrow(*box);
        if (!inside(arrow, x, y)) return ListChange::None;
    }
    return scroll_by(box, box->heldStep);
}

void list_box_release(ListBox* box) {
    box->draggingRows = false;
    box->draggingThumb = false;
    box->heldStep = 0;
}
