#include "text/line_edit.h"

#include <algorithm>
#include <cstring>

#include "text/utf8.h"
#include "toolbox/toolbox.h"

namespace {

// Letters and digits of every script count as word characters; spaces, ASCII punctuation and
// the general punctuation block do not.
bool word_character(uint32_t code) {
    if (code < 0x80) {
        return (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') ||
               (code >= 'a' && code <= 'z') || code == '_';
    }
    return code != 0xA0 && !(code >= 0x2000 && code < 0x2070) && code != 0x3000;
}

bool word_after(const LineEdit& e, int32_t at) {
    return at < e.length && word_character(utf8_decode(e.text, e.length, at));
}
bool word_before(const LineEdit& e, int32_t at) {
    return at > 0 && word_character(utf8_decode(e.text, e.length, utf8_previous(e.text, at)));
}

// The start of the word before `at` (past any spaces and marks first).
int32_t word_start_before(const LineEdit& e, int32_t at) {
    while (at > 0 && !word_before(e, at)) at = utf8_previous(e.text, at);
    while (at > 0 && word_before(e, at)) at = utf8_previous(e.text, at);
    return at;
}

// The end of the word after `at` (past any spaces and marks first).
int32_t word_end_after(const LineEdit& e, int32_t at) {
    while (at < e.length && !word_after(e, at)) at = utf8_next(e.text, e.length, at);
    while (at < e.length && word_after(e, at)) at = utf8_next(e.text, e.length, at);
    return at;
}

void erase(LineEdit* e, int32_t from, int32_t to) {
    std::memmove(e->text + from, e->text + to, static_cast<size_t>(e->length - to + 1));
    e->length -= to - from;
    e->caret = e->anchor = from;
}

// Moves the caret; without extend the selection goes.
EditAction move_to(LineEdit* e, int32_t at, bool extend) {
    const LineEdit before = *e;
    e->caret = at;
    if (!extend) e->anchor = at;
    return e->caret != before.caret || e->anchor != before.anchor ? EditAction::Moved
                                                                  : EditAction::Ignored;
}

// Erases the selection, or else from the caret to `to` (either side of it).
EditAction erase_towards(LineEdit* e, int32_t to) {
    if (line_edit_erase_selection(e)) return EditAction::Changed;
    if (to == e->caret) return EditAction::Ignored;
    erase(e, std::min(to, e->caret), std::max(to, e->caret));
    return EditAction::Changed;
}

EditAction horizontal(LineEdit* e, bool right, bool word, bool extend) {
    if (!extend && !word && line_edit_has_selection(*e)) {
        // An arrow without Shift first collapses the selection to the side it points to.
        return move_to(e, right ? line_edit_selection_end(*e) : line_edit_selection_start(*e),
                       false);
    }
    int32_t at = e->caret;
    if (word)
        at = right ? word_end_after(*e, at) : word_start_before(*e, at);
    else if (right && at < e->length)
        at = utf8_next(e->text, e->length, at);
    else if (!right && at > 0)
        at = utf8_previous(e->text, at);
    return move_to(e, at, extend);
}

EditAction control_key(LineEdit* e, int32_t key) {
    switch (key) {
        case 'A':
            line_edit_select_all(e);
            return EditAction::Moved;
        case 'C':
        case TB_VK_INSERT:
            return line_edit_has_selection(*e) ? EditAction::Copy : EditAction::Ignored;
        case 'X':
            return line_edit_has_selection(*e) ? EditAction::Cut : EditAction::Ignored;
        case 'V':
            return EditAction::Paste;
        default:
            return EditAction::Ignored;
    }
}

}  // namespace

void line_edit_set_text(LineEdit* edit, const char* text) {
    const auto length = static_cast<int32_t>(text != nullptr ? std::strlen(text) : 0);
    edit->length = utf8_clean_line(text != nullptr ? text : "", length, edit->text, kTextCapacity);
    edit->caret = edit->anchor = edit->length;
}

void line_edit_select_all(LineEdit* edit) {
    edit->anchor = 0;
    edit->caret = edit->length;
}

bool line_edit_has_selection(const LineEdit& edit) { return edit.caret != edit.anchor; }
int32_t line_edit_selection_start(const LineEdit& edit) {
    return std::min(edit.caret, edit.anchor);
}
int32_t line_edit_selection_end(const LineEdit& edit) { return std::max(edit.caret, edit.anchor); }

int32_t line_edit_selected_text(const LineEdit& edit, char* out, int32_t capacity) {
    if (capacity <= 0) return 0;
    const int32_t start = line_edit_selection_start(edit);
    const int32_t bytes = std::min(line_edit_selection_end(edit) - start, capacity - 1);
    std::memcpy(out, edit.text + start, static_cast<size_t>(bytes));
    out[bytes] = 0;
    return bytes;
}

EditAction line_edit_key(LineEdit* edit, int32_t key, int32_t modifiers) {
    const bool shift = (modifiers & TB_MOD_SHIFT) != 0;
    const bool control = (modifiers & TB_MOD_CONTROL) != 0;
    switch (key) {
        case TB_VK_LEFT:
        case TB_VK_RIGHT:
            return horizontal(edit, key == TB_VK_RIGHT, control, shift);
        case TB_VK_HOME:
            return move_to(edit, 0, shift);
        case TB_VK_END:
            return move_to(edit, edit->length, shift);
        case TB_VK_BACK: {
            int32_t to = edit->caret > 0 ? utf8_previous(edit->text, edit->caret) : 0;
            if (control) to = word_start_before(*edit, edit->caret);
            return erase_towards(edit, to);
        }
        case TB_VK_DELETE: {
            if (shift && !control)
                return line_edit_has_selection(*edit) ? EditAction::Cut : EditAction::Ignored;
            int32_t to = edit->caret < edit->length
                             ? utf8_next(edit->text, edit->length, edit->caret)
                             : edit->length;
            if (control) to = word_end_after(*edit, edit->caret);
            return erase_towards(edit, to);
        }
        case TB_VK_INSERT:
            if (shift && !control) return EditAction::Paste;
            break;
        default:
            break;
    }
    return control && !shift ? control_key(edit, key) : EditAction::Ignored;
}

bool line_edit_insert(LineEdit* edit, const char* text, int32_t length) {
    char clean[kTextCapacity];
    int32_t bytes = utf8_clean_line(text, length, clean, kTextCapacity);
    const bool erased = line_edit_erase_selection(edit);
    // Only whole characters that still fit.
    const int32_t room = kTextCapacity - 1 - edit->length;
    if (bytes > room) {
        bytes = room;
        while (bytes > 0 && (static_cast<unsigned char>(clean[bytes]) & 0xC0) == 0x80) --bytes;
    }
    if (bytes <= 0) return erased;
    const int32_t at = edit->caret;
    std::memmove(edit->text + at + bytes, edit->text + at,
                 static_cast<size_t>(edit->length - at + 1));
    std::memcpy(edit->text + at, clean, static_cast<size_t>(bytes));
    edit->length += bytes;
    edit->caret = edit->anchor = at + bytes;
    return true;
}

bool line_edit_type(LineEdit* edit, uint32_t code) {
    char bytes[4];
    const int32_t count = utf8_encode(code, bytes);
    if (count == 0 || code < 0x20 || (code >= 0x7F && code < 0xA0)) return false;
    // A character that does not fit leaves the selection as it was.
    const int32_t selected = line_edit_selection_end(*edit) - line_edit_selection_start(*edit);
    if (edit->length - selected + count > kTextCapacity - 1) return false;
    return line_edit_insert(edit, bytes, count);
}

bool line_edit_erase_selection(LineEdit* edit) {
    if (!line_edit_has_selection(*edit)) return false;
    erase(edit, line_edit_selection_start(*edit), line_edit_selection_end(*edit));
    return true;
}

void line_edit_place_caret(LineEdit* edit, int32_t at, bool extend) {
    at = std::clamp(at, 0, edit->length);
    while (at > 0 && at < edit->length &&
           (static_cast<unsigned char>(edit->text[at]) & 0xC0) == 0x80)
        --at;
    edit->caret = at;
    if (!extend) edit->anchor = at;
}

void line_edit_select_word(LineEdit* edit, int32_t at) {
    line_edit_place_caret(edit, at, false);
    at = edit->caret;
    // The run the character after `at` belongs to (or the one before, at the end of the line).
    const bool word = at < edit->length ? word_after(*edit, at) : word_before(*edit, at);
    int32_t start = at;
    int32_t end = at;
    while (start > 0 && word_before(*edit, start) == word) start = utf8_previous(edit->text, start);
    while (end < edit->length && word_after(*edit, end) == word)
        end = utf8_next(edit->text, edit->length, end);
    edit->anchor = start;
    edit->caret = end;
}
