// The text dialog's two controls as models: the line's editing keys, typing and pasting (UTF-8
// characters of one to four bytes included), and the font list's keys, letters and wheel.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "text/font_list.h"
#include "text/line_edit.h"
#include "text/utf8.h"
#include "toolbox/toolbox.h"

namespace {

constexpr int32_t S = TB_MOD_SHIFT;
constexpr int32_t C = TB_MOD_CONTROL;

// One input: a key with modifiers, or typed text (each of its characters in turn).
struct Step {
    int32_t key = 0;
    int32_t modifiers = 0;
    const char* typed = nullptr;
};
Step key(int32_t k, int32_t modifiers = 0) { return Step{k, modifiers, nullptr}; }
Step type(const char* text) { return Step{0, 0, text}; }

struct EditCase {
    const char* name;
    const char* start;
    int32_t caret;   // -1: the end
    int32_t anchor;  // -1: as the caret
    std::vector<Step> steps;
    const char* text;
    int32_t wantCaret;
    int32_t wantAnchor;
    EditAction lastAction;
};

EditAction run(LineEdit* e, const Step& s) {
    if (s.typed == nullptr) return line_edit_key(e, s.key, s.modifiers);
    const auto length = static_cast<int32_t>(std::strlen(s.typed));
    bool changed = false;
    for (int32_t at = 0; at < length; at = utf8_next(s.typed, length, at)) {
        changed = line_edit_type(e, utf8_decode(s.typed, length, at)) || changed;
    }
    return changed ? EditAction::Changed : EditAction::Ignored;
}

const std::string kFull254(254, 'a');

TEST(LineEditKeys, LeaveTheTextCaretAndSelectionALinuxFieldWould) {
    // "héllo": h 0, é 1-2, l 3, l 4, o 5, end 6. "a€": € 1-3. "😀b": 😀 0-3, b 4.
    // clang-format off
    const EditCase cases[] = {
        {"left steps over a whole character",
         "héllo", -1, -1, {key(TB_VK_LEFT), key(TB_VK_LEFT), key(TB_VK_LEFT), key(TB_VK_LEFT)},
         "héllo", 1, 1, EditAction::Moved},
        {"backspace takes the character before",
         "héllo", 3, -1, {key(TB_VK_BACK)}, "hllo", 1, 1, EditAction::Changed},
        {"backspace takes three bytes of a euro",
         "a€", -1, -1, {key(TB_VK_BACK)}, "a", 1, 1, EditAction::Changed},
        {"delete takes four bytes of an emoji",
         "😀b", 0, -1, {key(TB_VK_DELETE)}, "b", 0, 0, EditAction::Changed},
        {"right at the end stays",
         "ab", -1, -1, {key(TB_VK_RIGHT)}, "ab", 2, 2, EditAction::Ignored},
        {"backspace at the start does nothing",
         "ab", 0, -1, {key(TB_VK_BACK)}, "ab", 0, 0, EditAction::Ignored},
        {"shift selects from the anchor",
         "hello", 2, -1, {key(TB_VK_END, S)}, "hello", 5, 2, EditAction::Moved},
        {"shift home turns the selection round",
         "hello", 2, -1, {key(TB_VK_END, S), key(TB_VK_HOME, S)}, "hello", 0, 2, EditAction::Moved},
        {"shift left over a character of two bytes",
         "aé", -1, -1, {key(TB_VK_LEFT, S)}, "aé", 1, 3, EditAction::Moved},
        {"left collapses a selection to its start",
         "hello", 4, 1, {key(TB_VK_LEFT)}, "hello", 1, 1, EditAction::Moved},
        {"right collapses a selection to its end",
         "hello", 1, 4, {key(TB_VK_RIGHT)}, "hello", 4, 4, EditAction::Moved},
        {"typing replaces the selection",
         "Type your text in here.", -1, 0, {type("Hi é")}, "Hi é", 5, 5, EditAction::Changed},
        {"ctrl a then backspace empties",
         "hello", 2, -1, {key('A', C), key(TB_VK_BACK)}, "", 0, 0, EditAction::Changed},
        {"delete takes the selection only",
         "hello", 1, 3, {key(TB_VK_DELETE)}, "hlo", 1, 1, EditAction::Changed},
        {"ctrl left to the start of words",
         "one two  three", -1, -1, {key(TB_VK_LEFT, C), key(TB_VK_LEFT, C)},
         "one two  three", 4, 4, EditAction::Moved},
        {"ctrl right to the end of the next word",
         "one two  three", 0, -1, {key(TB_VK_RIGHT, C), key(TB_VK_RIGHT, C)},
         "one two  three", 7, 7, EditAction::Moved},
        {"ctrl shift right selects a word",
         "élan vital", 0, -1, {key(TB_VK_RIGHT, C | S)}, "élan vital", 5, 0, EditAction::Moved},
        {"ctrl backspace takes the word before",
         "one two", -1, -1, {key(TB_VK_BACK, C)}, "one ", 4, 4, EditAction::Changed},
        {"ctrl delete takes the word after",
         "one two", 0, -1, {key(TB_VK_DELETE, C)}, " two", 0, 0, EditAction::Changed},
        {"control characters are not typed",
         "ab", -1, -1, {type("\t\x7f")}, "ab", 2, 2, EditAction::Ignored},
        {"a character that does not fit is refused",
         kFull254.c_str(), -1, -1, {type("é")}, kFull254.c_str(), 254, 254, EditAction::Ignored},
        {"up and down belong to the dialog",
         "ab", 1, -1, {key(TB_VK_UP), key(TB_VK_DOWN)}, "ab", 1, 1, EditAction::Ignored},
        {"plain letters are keys of nothing",
         "ab", 1, -1, {key('A')}, "ab", 1, 1, EditAction::Ignored},
        {"ctrl c copies a selection",
         "hello", 0, 2, {key('C', C)}, "hello", 0, 2, EditAction::Copy},
        {"ctrl c without a selection does nothing",
         "hello", 2, -1, {key('C', C)}, "hello", 2, 2, EditAction::Ignored},
        {"ctrl insert copies",
         "hello", 0, 2, {key(TB_VK_INSERT, C)}, "hello", 0, 2, EditAction::Copy},
        {"ctrl x cuts",
         "hello", 0, 2, {key('X', C)}, "hello", 0, 2, EditAction::Cut},
        {"shift delete cuts",
         "hello", 0, 2, {key(TB_VK_DELETE, S)}, "hello", 0, 2, EditAction::Cut},
        {"ctrl v pastes",
         "hello", 2, -1, {key('V', C)}, "hello", 2, 2, EditAction::Paste},
        {"shift insert pastes",
         "hello", 2, -1, {key(TB_VK_INSERT, S)}, "hello", 2, 2, EditAction::Paste},
    };
    // clang-format on
    for (const EditCase& c : cases) {
        LineEdit e;
        line_edit_set_text(&e, c.start);
        e.caret = c.caret < 0 ? e.length : c.caret;
        e.anchor = c.anchor < 0 ? e.caret : c.anchor;
        EditAction last = EditAction::Ignored;
        for (const Step& s : c.steps) last = run(&e, s);
        EXPECT_STREQ(e.text, c.text) << c.name;
        EXPECT_EQ(e.length, static_cast<int32_t>(std::strlen(c.text))) << c.name;
        EXPECT_EQ(e.caret, c.wantCaret) << c.name;
        EXPECT_EQ(e.anchor, c.wantAnchor) << c.name;
        EXPECT_EQ(last, c.lastAction) << c.name;
    }
}

TEST(LineEditKeys, PastedTextKeepsOneLineOfWholeCharactersThatFit) {
    LineEdit e;
    line_edit_set_text(&e, "ab");
    e.caret = e.anchor = 1;
    const char pasted[] = "x\x01y\xFFz\xC3\nsecond line";  // a control, broken bytes, a break
    EXPECT_TRUE(line_edit_insert(&e, pasted, static_cast<int32_t>(sizeof pasted - 1)));
    EXPECT_STREQ(e.text, "axyzb");
    EXPECT_EQ(e.caret, 4);

    // Room for two bytes: a three-byte euro does not go in, and nothing is cut in half.
    line_edit_set_text(&e, std::string(253, 'a').c_str());
    EXPECT_FALSE(line_edit_insert(&e, "€€", 6));
    EXPECT_EQ(e.length, 253);
    EXPECT_TRUE(line_edit_insert(&e, "éé", 4));
    EXPECT_EQ(e.length, 255);
    EXPECT_STREQ(e.text + 253, "é");

    // Setting a text cleans it the same way: whatever was stored, the field holds one line.
    line_edit_set_text(&e, "one\r\ntwo");
    EXPECT_STREQ(e.text, "one");
    EXPECT_EQ(e.caret, 3);
}

TEST(LineEditKeys, PointerPositionsLandOnCharactersAndWords) {
    LineEdit e;
    line_edit_set_text(&e, "le café noir");  // é 6-7
    line_edit_place_caret(&e, 7, false);     // inside é: its start
    EXPECT_EQ(e.caret, 6);
    line_edit_place_caret(&e, 99, true);  // past the end, stretching the selection
    EXPECT_EQ(e.caret, 13);
    EXPECT_EQ(e.anchor, 6);
    line_edit_select_word(&e, 5);
    EXPECT_EQ(line_edit_selection_start(e), 3);
    EXPECT_EQ(line_edit_selection_end(e), 8);  // "café", é whole
    char selected[16];
    EXPECT_EQ(line_edit_selected_text(e, selected, sizeof selected), 5);
    EXPECT_STREQ(selected, "café");
    line_edit_select_word(&e, 8);  // the space between the words
    EXPECT_EQ(line_edit_selection_start(e), 8);
    EXPECT_EQ(line_edit_selection_end(e), 9);
}

// ---- The list of families ----------------------------------------------------------------

struct ListCase {
    const char* name;
    int32_t selected;
    int32_t top;
    std::vector<Step> steps;  // keys; typed text; key 0 with a modifier count: wheel rows
    int32_t wantSelected;
    int32_t wantTop;
};

Step scroll(int32_t rows) { return Step{0, rows, nullptr}; }

TEST(FontListKeys, MoveTheChoiceAndKeepItInView) {
    FontList base;
    base.names = {"C059",         "Comic Neue",      "DejaVu Sans",
                  "DejaVu Serif", "Liberation Mono", "Liberation Sans",
                  "Nimbus Sans",  "URW Gothic",      "Z003",
                  "Ünicode Sans"};
    base.rowsInView = 4;  // a page moves 3
    // clang-format off
    const ListCase cases[] = {
        {"down scrolls the choice into view", 0, 0,
         {key(TB_VK_DOWN), key(TB_VK_DOWN), key(TB_VK_DOWN), key(TB_VK_DOWN), key(TB_VK_DOWN)}, 5, 2},
        {"up at the top stays", 0, 0, {key(TB_VK_UP)}, 0, 0},
        {"end", 3, 0, {key(TB_VK_END)}, 9, 6},
        {"home from the end", 9, 6, {key(TB_VK_HOME)}, 0, 0},
        {"page down twice", 0, 0, {key(TB_VK_NEXT), key(TB_VK_NEXT)}, 6, 3},
        {"page up stops at the first", 4, 1, {key(TB_VK_PRIOR), key(TB_VK_PRIOR)}, 0, 0},
        {"a letter jumps to the next family with it", 0, 0, {type("l")}, 4, 1},
        {"the same letter again goes on", 0, 0, {type("l"), type("L")}, 5, 2},
        {"and round past the end", 0, 0, {type("l"), type("l"), type("l")}, 4, 2},
        {"from the end round to the start", 9, 6, {type("c")}, 0, 0},
        {"a letter no family starts with", 2, 0, {type("x")}, 2, 0},
        {"accented capitals match their small letters", 0, 0, {type("ü")}, 9, 6},
        {"the wheel scrolls without choosing", 1, 0, {scroll(3)}, 1, 3},
        {"and no further than the last page", 1, 0, {scroll(3), scroll(3)}, 1, 6},
        {"nor above the first row", 1, 2, {scroll(-5)}, 1, 0},
        {"after a scroll, a key brings the choice back", 1, 0, {scroll(5), key(TB_VK_DOWN)}, 2, 2},
    };
    // clang-format on
    for (const ListCase& c : cases) {
        FontList list = base;
        list.selected = c.selected;
        list.top = c.top;
        for (const Step& s : c.steps) {
            if (s.typed != nullptr)
                font_list_type(&list,
                               utf8_decode(s.typed, static_cast<int32_t>(std::strlen(s.typed)), 0));
            else if (s.key == 0)
                font_list_scroll(&list, s.modifiers);
            else
                font_list_key(&list, s.key);
        }
        EXPECT_EQ(list.selected, c.wantSelected) << c.name;
        EXPECT_EQ(list.top, c.wantTop) << c.name;
    }
}

TEST(FontListKeys, AnEmptyListChoosesNothing) {
    FontList list;
    EXPECT_FALSE(font_list_key(&list, TB_VK_DOWN));
    EXPECT_FALSE(font_list_type(&list, 'a'));
    EXPECT_FALSE(font_list_scroll(&list, 3));
    EXPECT_EQ(list.selected, -1);
    EXPECT_EQ(font_list_find(list, "Arial"), -1);
}

}  // namespace
