#include "text/edit_field.h"

#include <algorithm>
#include <cstdlib>

#include "text/control_look.h"
#include "text/utf8.h"

namespace {

constexpr int16_t kLetterSize = 17;
constexpr int32_t kPadding = 5;  // between the box's left and right edges and the line
constexpr int32_t kCaretWidth = 2;

void set_letters(BitmapRef canvas) {
    tb_SetFontSize(canvas, kLetterSize);
    tb_SetFontStyle(canvas, 0);
}

int32_t text_left(const EditField& f) { return f.box.left + kPadding - f.scroll; }
// The letters (ascent and descent, without the line gap) sit in the middle of the box.
int32_t text_top(const EditField& f) {
    return f.box.top + (f.box.bottom - f.box.top - f.letters.ascent - f.letters.descent) / 2;
}
int32_t room(const EditField& f) { return f.box.right - f.box.left - 2 * kPadding; }

// Where every character starts, from the widths of the characters one by one: the letters'
// advances add up along the line.
void measure(EditField* f) {
    const LineEdit& e = f->edit;
    set_letters(f->canvas);
    tb_DrawFamilyText(f->canvas, kControlFamily, 0, 0, "", 0, 0, 0, 0, 0, &f->letters);
    int32_t x = 0;
    f->offsets[0] = 0;
    for (int32_t at = 0; at < e.length;) {
        const int32_t next = utf8_next(e.text, e.length, at);
        x += tb_DrawFamilyText(f->canvas, kControlFamily, 0, 0, e.text + at, next - at, 0, 0, 0, 0,
                               nullptr);
        for (int32_t k = at + 1; k <= next; ++k) f->offsets[k] = x;
        at = next;
    }
}

// Scrolls just enough to show the caret, and never leaves room on the right while part of
// the line is hidden on the left.
void follow_caret(EditField* f) {
    const int32_t caretX = f->offsets[f->edit.caret];
    const int32_t width = f->offsets[f->edit.length];
    if (caretX - f->scroll > room(*f)) f->scroll = caretX - room(*f);
    if (caretX < f->scroll) f->scroll = caretX;
    f->scroll = std::clamp(f->scroll, 0, std::max(0, width - room(*f)));
}

// After any change: measured again, caret in view and lit.
bool changed(EditField* f) {
    measure(f);
    follow_caret(f);
    f->caretOn = true;
    return true;
}

bool moved(EditField* f) {
    follow_caret(f);
    f->caretOn = true;
    return true;
}

void draw_piece(const EditField& f, int32_t from, int32_t to, TbColor colour) {
    if (to <= from) return;
    control_ink(f.canvas, colour);
    tb_DrawFamilyText(f.canvas, kControlFamily, text_left(f) + f.offsets[from], text_top(f),
                      f.edit.text + from, to - from, 0, 1, 0, 0, nullptr);
}

bool paste(EditField* f) {
    char pasted[kTextCapacity];
    const int32_t bytes = tb_GetClipboardText(pasted, kTextCapacity);
    return line_edit_insert(&f->edit, pasted, bytes) && changed(f);
}

void copy(const EditField& f) {
    char selected[kTextCapacity];
    line_edit_selected_text(f.edit, selected, kTextCapacity);
    tb_SetClipboardText(selected);
}

}  // namespace

void edit_field_start(EditField* field, const Rect& box, BitmapRef canvas, const char* text) {
    *field = EditField{};
    field->box = box;
    field->canvas = canvas;
    line_edit_set_text(&field->edit, text);
    line_edit_select_all(&field->edit);
    measure(field);
    follow_caret(field);
}

Rect edit_field_area(const EditField& field) {
    Rect r = field.box;
    tb_InsetRect(&r, -kFocusRing, -kFocusRing);
    return r;
}

void edit_field_draw(const EditField& f) {
    if (f.focused) control_focus_ring(f.canvas, edit_field_area(f));
    control_paint(f.canvas, f.box, kControlPaper);
    Rect inside = f.box;
    tb_InsetRect(&inside, 1, 0);
    const LineEdit& e = f.edit;
    const int32_t start = line_edit_selection_start(e);
    const int32_t end = line_edit_selection_end(e);
    if (start < end) {
        Rect band{text_left(f) + f.offsets[start], f.box.top + 2, text_left(f) + f.offsets[end],
                  f.box.bottom - 2};
        if (tb_IntersectRect(&band, &band, &inside) != 0) {
            tb_FillSoftRoundRect(f.canvas, &band, 3,
                                 f.focused ? kControlChosen : kControlChosenDim);
        }
    }
    set_letters(f.canvas);
    tb_SetClipRect(f.canvas, &inside);
    draw_piece(f, 0, start, kControlInk);
    draw_piece(f, start, end, f.focused ? kControlChosenInk : kControlInk);
    draw_piece(f, end, e.length, kControlInk);
    tb_ClearClipRect(f.canvas);
    if (f.focused && f.caretOn) {
        const int32_t x = text_left(f) + f.offsets[e.caret] - kCaretWidth / 2;
        Rect caret{x, text_top(f) - 1, x + kCaretWidth,
                   text_top(f) + f.letters.ascent + f.letters.descent + 1};
        if (tb_IntersectRect(&caret, &caret, &f.box) != 0)
            control_paint(f.canvas, caret, kControlInk);
    }
}

bool edit_field_key(EditField* field, int32_t key, int32_t modifiers) {
    switch (line_edit_key(&field->edit, key, modifiers)) {
        case EditAction::Ignored:
            return false;
        case EditAction::Moved:
            return moved(field);
        case EditAction::Changed:
            return changed(field);
        case EditAction::Copy:
            copy(*field);
            return false;
        case EditAction::Cut:
            copy(*field);
            line_edit_erase_selection(&field->edit);
            return changed(field);
        case EditAction::Paste:
            return paste(field);
    }
    return false;
}

bool edit_field_type(EditField* field, uint32_t code) {
    return line_edit_type(&field->edit, code) && changed(field);
}

int32_t edit_field_offset_at(const EditField& field, int32_t x) {
    const LineEdit& e = field.edit;
    const int32_t along = x - text_left(field);
    int32_t best = 0;
    for (int32_t at = 0; at < e.length;) {
        const int32_t next = utf8_next(e.text, e.length, at);
        if (std::abs(field.offsets[next] - along) < std::abs(field.offsets[best] - along))
            best = next;
        at = next;
    }
    return best;
}

bool edit_field_press(EditField* field, int32_t x, int32_t modifiers, bool doublePress) {
    const int32_t at = edit_field_offset_at(*field, x);
    if (doublePress)
        line_edit_select_word(&field->edit, at);
    else
        line_edit_place_caret(&field->edit, at, (modifiers & TB_MOD_SHIFT) != 0);
    field->dragging = !doublePress;
    return moved(field);
}

bool edit_field_drag(EditField* field, int32_t x) {
    if (!field->dragging) return false;
    const LineEdit before = field->edit;
    line_edit_place_caret(&field->edit, edit_field_offset_at(*field, x), true);
    if (field->edit.caret == before.caret) return false;
    return moved(field);
}
