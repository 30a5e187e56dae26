// The line the child types, as an editing model: UTF-8 text with a caret and a selection,
// changed by keys, typed characters and pointer positions the way a one-line field on the
// Linux desktop behaves. It knows nothing of drawing or of the clipboard: the keys that need
// the clipboard say so in their result.
#pragma once

#include <cstdint>

#include "text/text_settings.h"

struct LineEdit {
    char text[kTextCapacity] = {};  // whole characters only, zero-terminated
    int32_t length = 0;             // bytes
    int32_t caret = 0;              // byte offset, always at the start of a character
    int32_t anchor = 0;             // the selection's other end; equal to caret when none
};

// What a key did. Copy, Cut and Paste ask the caller to do the clipboard's part (with
// line_edit_selected_text, line_edit_erase_selection and line_edit_insert).
enum class EditAction { Ignored, Moved, Changed, Copy, Cut, Paste };

// Replaces the text (cleaned as by utf8_clean_line), with the caret at its end.
void line_edit_set_text(LineEdit* edit, const char* text);
void line_edit_select_all(LineEdit* edit);
bool line_edit_has_selection(const LineEdit& edit);
int32_t line_edit_selection_start(const LineEdit& edit);
int32_t line_edit_selection_end(const LineEdit& edit);
// The selected bytes into out (capacity bytes, zero-terminated); returns how many.
int32_t line_edit_selected_text(const LineEdit& edit, char* out, int32_t capacity);

// A key (TB_VK_ code, or an upper-case letter with Ctrl) with the TB_MOD_ flags held.
EditAction line_edit_key(LineEdit* edit, int32_t key, int32_t modifiers);
// Puts text (length bytes) in place of the selection, cleaned as by utf8_clean_line and cut to
// what fits; the caret ends after it. False when nothing changed.
bool line_edit_insert(LineEdit* edit, const char* text, int32_t length);
// One typed character (a code point); control characters are refused.
bool line_edit_type(LineEdit* edit, uint32_t code);
bool line_edit_erase_selection(LineEdit* edit);

// The caret to byte offset `at` (moved to the start of its character); with extend the
// selection stretches from the anchor to there.
void line_edit_place_caret(LineEdit* edit, int32_t at, bool extend);
// Selects the word (or the run of spaces and marks) around byte offset `at`.
void line_edit_select_word(LineEdit* edit, int32_t at);
