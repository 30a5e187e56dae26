// The command menu, drawn by the program itself: a cream panel with a brown edge and a soft
// shadow, a coloured dot before every item like the pegs of the shelf, the underlined letter
// that chooses an item from the keyboard, and a blue bar under the item the pointer or the
// arrow keys are on. It runs on the toolbox's dialog runner, which keeps what lies under it
// and puts it back when the menu closes.
#include "shell/command_menu.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "pictures/commands.h"
#include "resources/resource_ids.h"
#include "shell/menu_art.h"

namespace {

struct MenuItem {
    const char* text;  // "&" marks the letter that chooses it; null = separator
    int32_t id;
    ArtColour dot;
};

constexpr MenuItem kItems[] = {
    {"&New...", 40019, {229, 57, 53}},
    {"&Open...", 40020, {251, 140, 0}},
    {"&Save...", 40021, {67, 160, 71}},
    {nullptr, 0, {}},
    {"&Gallery...", 40022, {30, 136, 229}},
    {nullptr, 0, {}},
    {"&Preferences...", 40023, {142, 36, 170}},
    {nullptr, 0, {}},
    {"&Help...", 40026, {0, 172, 193}},
    {"&About...", 40025, {236, 64, 122}},
    {nullptr, 0, {}},
    {"&Quit...", 40027, {229, 57, 53}},
};
constexpr int32_t kRowCount = static_cast<int32_t>(std::size(kItems));

constexpr int16_t kFace = 0;  // Arial
constexpr int16_t kTextSize = 18;
constexpr int32_t kItemHeight = 30;
constexpr int32_t kSeparatorHeight = 12;
constexpr int32_t kPadding = 7;    // above the first and below the last row
constexpr int32_t kTextLeft = 40;  // the dots sit in the column before it
constexpr int32_t kTextRight = 26;
constexpr int32_t kMinWidth = 170;
constexpr int32_t kShadow = 5;  // the shadow reaches this far right of and below the panel

constexpr ArtColour kSeparatorDots{214, 170, 110};

struct Layout {
    bool built = false;
    int32_t width = 0;  // the panel, without its shadow
    int32_t height = 0;
    int32_t rowTop[kRowCount] = {};
};

struct Run {
    bool open = false;
    NativeWindow dialog = 0;
    Rect rect;                // the panel and its shadow, main-window coordinates
    int32_t hot = -1;         // row under the pointer or chosen with the arrows
    BitmapRef backdrop = -1;  // the room under the menu
    BitmapRef canvas = -1;
};

Layout g_layout;
Run g_run;

int32_t row_height(int32_t row) {
    return kItems[row].text != nullptr ? kItemHeight : kSeparatorHeight;
}

// The text as shown (without the "&") and the index of the marked letter in it.
void split_label(const char* text, char* shown, size_t size, int32_t* marked) {
    *marked = -1;
    size_t n = 0;
    for (const char* c = text; *c != 0 && n + 1 < size; ++c) {
        if (*c == '&' && *marked < 0) {
            *marked = static_cast<int32_t>(n);
            continue;
        }
        shown[n++] = *c;
    }
    shown[n] = 0;
}

char mnemonic(int32_t row) {
    const char* amp = kItems[row].text != nullptr ? std::strchr(kItems[row].text, '&') : nullptr;
    if (amp == nullptr || amp[1] == 0) return 0;
    char c = amp[1];
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

void set_text_look(BitmapRef bitmap, int16_t style) {
    tb_SetFontFace(bitmap, kFace);
    tb_SetFontSize(bitmap, kTextSize);
    tb_SetFontStyle(bitmap, style);
}

int32_t text_width(BitmapRef bitmap, const char* text, int32_t length) {
    return tb_DrawText(bitmap, 0, 0, text, length, 0, 0, 0, 0);
}

// ---- Drawing ------------------------------------------------------------------------------

void draw_separator(BitmapRef canvas, int32_t top) {
    double y = top + kSeparatorHeight / 2.0;
    for (int32_t x = 18; x + 2 < g_layout.width - 14; x += 7) {
        art_fill_circle(canvas, x, y, 1.6, kSeparatorDots);
    }
}

void draw_item(BitmapRef canvas, int32_t row, bool hot) {
    int32_t top = g_layout.rowTop[row];
    if (hot) {
        art_fill_round_rect(canvas, Rect{6, top + 1, g_layout.width - 6, top + kItemHeight - 1}, 9,
                            kPanelFocus);
    }
    double dotY = top + kItemHeight / 2.0;
    if (hot) art_fill_circle(canvas, 22, dotY, 7, kPanelWhite);
    art_fill_circle(canvas, 22, dotY, 5.5, kItems[row].dot);

    char shown[32];
    int32_t marked = -1;
    split_label(kItems[row].text, shown, sizeof shown, &marked);
    ArtColour ink = hot ? kPanelWhite : kPanelText;
    tb_SetForeColor(canvas, ink.red * 255u, ink.green * 255u, ink.blue * 255u);
    int32_t textTop = top + (kItemHeight - kTextSize) / 2 - 2;
    set_text_look(canvas, 0);
    int32_t length = static_cast<int32_t>(std::strlen(shown));
    tb_DrawText(canvas, kTextLeft, textTop, shown, length, 0, 1, 0, 0);
    if (marked >= 0) {
        // The marked letter once more, underlined, over itself.
        int32_t before = text_width(canvas, shown, marked);
        set_text_look(canvas, 3);
        tb_DrawText(canvas, kTextLeft + before, textTop, shown + marked, 1, 0, 1, 0, 0);
        set_text_look(canvas, 0);
    }
}

void draw_menu(NativeWindow dialog) {
    int32_t w = g_layout.width + kShadow;
    int32_t h = g_layout.height + kShadow;
    Rect whole{0, 0, w, h};
    tb_CopyBitmap(g_run.backdrop, g_run.canvas, &whole, &whole, 0);
    art_shade_round_rect(g_run.canvas, Rect{kShadow, kShadow, w, h}, 14, 60);
    art_fill_round_rect(g_run.canvas, Rect{0, 0, g_layout.width, g_layout.height}, 14, kPanelEdge);
    art_fill_round_rect(g_run.canvas, Rect{3, 3, g_layout.width - 3, g_layout.height - 3}, 11,
                        kPanelPaper);
    for (int32_t row = 0; row < kRowCount; ++row) {
        if (kItems[row].text == nullptr)
            draw_separator(g_run.canvas, g_layout.rowTop[row]);
        else
            draw_item(g_run.canvas, row, row == g_run.hot);
    }
    tb_CopyBitmapToHwnd(dialog, g_run.canvas, &whole, &whole);
}

// ---- Choosing -----------------------------------------------------------------------------

int32_t row_at(int32_t x, int32_t y) {
    if (x < 3 || x >= g_layout.width - 3) return -1;
    for (int32_t row = 0; row < kRowCount; ++row) {
        int32_t top = g_layout.rowTop[row];
        if (y >= top && y < top + row_height(row)) return kItems[row].text != nullptr ? row : -1;
    }
    return -1;
}

// The next item up (step -1) or down (+1) from a row, round the ends; from no row, down
// starts at the first item and up at the last.
int32_t next_item(int32_t row, int32_t step) {
    int32_t r = row < 0 ? (step > 0 ? -1 : kRowCount) : row;
    for (int32_t i = 0; i < kRowCount; ++i) {
        r = (r + step + kRowCount) % kRowCount;
        if (kItems[r].text != nullptr) return r;
    }
    return row;
}

void set_hot(NativeWindow dialog, int32_t row) {
    if (row == g_run.hot) return;
    g_run.hot = row;
    draw_menu(dialog);
}

void choose(NativeWindow dialog, int32_t row) {
    tb_PlaySoundNoStop(kSoundPickUp);
    tb_EndDialog(dialog, kItems[row].id);
}

void start_run(NativeWindow dialog) {
    int32_t w = g_layout.width + kShadow;
    int32_t h = g_layout.height + kShadow;
    tb_SetDialogSize(dialog, w, h);
    tb_MoveDialog(dialog, g_run.rect.left, g_run.rect.top);
    Rect local{0, 0, w, h};
    g_run.backdrop = tb_CreateBitmap(&local, -1, 24);
    g_run.canvas = tb_CreateBitmap(&local, -1, 24);
    tb_ClearClipRect(g_run.backdrop);
    tb_ClearClipRect(g_run.canvas);
    tb_CopyBitmap(tb_GetMainWindow(), g_run.backdrop, &g_run.rect, &local, 0);
}

int32_t menu_proc(NativeWindow dialog, int32_t message, int64_t wParam, int64_t lParam) {
    const Point at = tb_DialogPoint(lParam);
    const int32_t x = at.x;
    const int32_t y = at.y;
    switch (message) {
        case TB_WM_INITDIALOG:
            g_run.dialog = dialog;
            start_run(dialog);
            return 1;
        case TB_WM_PAINT:
            draw_menu(dialog);
            return 1;
        case TB_WM_MOUSEMOVE: {
            int32_t row = row_at(x, y);
            tb_SetCursor(row >= 0 ? kCursorHandPoint : kCursorArrow);
            set_hot(dialog, row);
            return 1;
        }
        case TB_WM_LBUTTONDOWN:
        case TB_WM_LBUTTONDBLCLK:
            set_hot(dialog, row_at(x, y));
            return 1;
        case TB_WM_LBUTTONUP: {
            bool onPanel = x >= 0 && y >= 0 && x < g_layout.width && y < g_layout.height;
            int32_t row = row_at(x, y);
            if (row >= 0)
                choose(dialog, row);
            else if (!onPanel)
                tb_EndDialog(dialog, 0);  // a click beside the menu closes it
            return 1;
        }
        case TB_WM_KEYDOWN: {
            auto key = static_cast<int32_t>(wParam);
            if (key == TB_VK_UP || key == TB_VK_DOWN) {
                set_hot(dialog, next_item(g_run.hot, key == TB_VK_DOWN ? 1 : -1));
            } else if (key == TB_VK_RETURN) {
                if (g_run.hot >= 0)
                    choose(dialog, g_run.hot);
                else
                    tb_EndDialog(dialog, 0);
            } else {
                for (int32_t row = 0; row < kRowCount; ++row) {
                    if (mnemonic(row) != 0 && mnemonic(row) == key) {
                        choose(dialog, row);
                        break;
                    }
                }
            }
            return 1;
        }
        default:
            return 0;  // Escape (the cancel command) ends the menu with 0
    }
}

}  // namespace

Rect menu_place(int32_t x, int32_t y, int32_t width, int32_t height, const Rect& screen) {
    int32_t left = x - width / 2;
    left = std::max(screen.left, std::min(left, screen.right - width));
    int32_t top = y;
    if (top + height > screen.bottom)
        top = y - height >= screen.top ? y - height : screen.bottom - height;
    top = std::max(screen.top, top);
    return Rect{left, top, left + width, top + height};
}

void menu_build() {
    Rect scratch{0, 0, 1, 1};
    BitmapRef measure = tb_CreateBitmap(&scratch, TB_BITMAP_NODC, 24);
    if (measure < 0) return;
    set_text_look(measure, 0);
    int32_t widest = 0;
    int32_t y = kPadding;
    for (int32_t row = 0; row < kRowCount; ++row) {
        g_layout.rowTop[row] = y;
        y += row_height(row);
        if (kItems[row].text == nullptr) continue;
        char shown[32];
        int32_t marked = -1;
        split_label(kItems[row].text, shown, sizeof shown, &marked);
        widest =
            std::max(widest, text_width(measure, shown, static_cast<int32_t>(std::strlen(shown))));
    }
    tb_DisposeBitmap(measure);
    g_layout.width = std::max(kMinWidth, kTextLeft + widest + kTextRight);
    g_layout.height = y + kPadding;
    g_layout.built = true;
}

void menu_destroy() { g_layout.built = false; }

int32_t menu_run_at(int32_t x, int32_t y) {
    if (!g_layout.built) return 0;
    if (g_run.open) {
        tb_EndDialog(g_run.dialog, 0);
        return 0;
    }
    Rect screen;
    tb_GetClientRect(tb_GetMainWindow(), &screen);
    Rect panel = menu_place(x, y, g_layout.width, g_layout.height, screen);
    g_run = Run{};
    g_run.open = true;
    g_run.rect = Rect{panel.left, panel.top, panel.right + kShadow, panel.bottom + kShadow};
    int32_t chosen = tb_DoDialog(kDialogBlank, menu_proc);
    if (g_run.backdrop >= 0) tb_DisposeBitmap(g_run.backdrop);
    if (g_run.canvas >= 0) tb_DisposeBitmap(g_run.canvas);
    g_run = Run{};
    return chosen > 0 ? chosen : 0;
}

void menu_open_at(int32_t x, int32_t y) {
    int32_t chosen = menu_run_at(x, y);
    if (chosen != 0) handle_menu_id(chosen);
}

int32_t menu_id_to_command(int32_t menuId) {
    // New, Open, Save, Gallery, Preferences, (unused), About, Help, Quit.
    static const int32_t kCommands[9] = {2, 3, 1, 7, 6, -2, 4, 5, 0};
    int32_t index = menuId - kFirstMenuId;
    if (index < 0 || index > 8) return -2;
    return kCommands[index];
}

void handle_menu_id(int32_t menuId) {
    int32_t command = menu_id_to_command(menuId);
    if (command >= 0) do_command(command);
}
