// The command menu and the window procedure's keys: choosing from the keyboard and the
// pointer, closing without a choice, where the menu opens, and the screen left as it was.
#include "shell/command_menu.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "resources/resource_ids.h"
#include "scene/scene_table.h"
#include "shell/app_state.h"
#include "shell/window_proc.h"
#include "test_support.h"
#include "toolbox/platform_headless.h"

namespace {

TbEvent key(int32_t virtualKey) {
    TbEvent e;
    e.kind = TB_EVENT_KEY_DOWN;
    e.key = virtualKey;
    return e;
}

TbEvent pointer(int32_t kind, int32_t x, int32_t y) {
    TbEvent e;
    e.kind = kind;
    e.x = x;
    e.y = y;
    return e;
}

class CommandMenu : public ::testing::Test {
   protected:
    void SetUp() override {
        fresh_toolbox();
        Rect screen{0, 0, 640, 480};
        window_ = tb_OpenWindow(&screen, "Tintamar");
        g_app.mainWindow = window_;
        tb_SetPointerMode(2);
        tb_SetMainEventHandler(window_proc);
        // Something to see under the menu: a stripe per row.
        for (int32_t y = 0; y < 480; y += 8) {
            Rect row{0, y, 640, y + 4};
            tb_SetForeColor(window_, static_cast<uint32_t>(y * 100), 20000, 40000);
            tb_PaintRect(window_, &row);
        }
        menu_build();
    }
    void TearDown() override {
        menu_destroy();
        g_app = AppState{};
    }

    // Runs the menu at (x, y) with these events waiting for it.
    static int32_t run_with(std::initializer_list<TbEvent> events, int32_t x = 320,
                            int32_t y = 40) {
        for (const TbEvent& e : events) headless::push_event(e);
        return menu_run_at(x, y);
    }

    std::vector<uint32_t> screen_pixels() const {
        Rect all{0, 0, 640, 480};
        BitmapRef copy = make_bitmap(640, 480);
        tb_CopyBitmap(window_, copy, &all, &all, 0);
        std::vector<uint32_t> pixels;
        for (int32_t y = 0; y < 480; ++y) {
            for (int32_t x = 0; x < 640; ++x) pixels.push_back(pixel_rgb(copy, x, y));
        }
        tb_DisposeBitmap(copy);
        return pixels;
    }

    WindowRef window_ = -1;
};

TEST_F(CommandMenu, ArrowKeysAndEnterChooseSkippingSeparators) {
    EXPECT_EQ(run_with({key(TB_VK_DOWN), key(TB_VK_RETURN)}), 40019);                   // New
    EXPECT_EQ(run_with({key(TB_VK_DOWN), key(TB_VK_DOWN), key(TB_VK_RETURN)}), 40020);  // Open
    EXPECT_EQ(run_with({key(TB_VK_DOWN), key(TB_VK_DOWN), key(TB_VK_DOWN), key(TB_VK_DOWN),
                        key(TB_VK_RETURN)}),
              40022);                                                // Gallery, past the separator
    EXPECT_EQ(run_with({key(TB_VK_UP), key(TB_VK_RETURN)}), 40027);  // from no item up: Quit
    EXPECT_EQ(run_with({key(TB_VK_UP), key(TB_VK_DOWN), key(TB_VK_RETURN)}), 40019);  // round
    EXPECT_EQ(run_with({key(TB_VK_UP), key(TB_VK_UP), key(TB_VK_RETURN)}), 40025);    // About
}

TEST_F(CommandMenu, UnderlinedLettersChooseAtOnce) {
    EXPECT_EQ(run_with({key('G')}), 40022);
    EXPECT_EQ(run_with({key('H')}), 40026);
    EXPECT_EQ(run_with({key('A')}), 40025);
    EXPECT_EQ(run_with({key('P')}), 40023);
    EXPECT_EQ(run_with({key('Q')}), 40027);
    EXPECT_EQ(run_with({key('Z'), key('S')}), 40021);  // a letter of no item does nothing
}

TEST_F(CommandMenu, EscapeEnterAloneAndAClickBesideCloseWithoutAChoice) {
    EXPECT_EQ(run_with({key(TB_VK_ESCAPE)}), 0);
    EXPECT_EQ(run_with({key(TB_VK_RETURN)}), 0);
    EXPECT_EQ(
        run_with({pointer(TB_EVENT_BUTTON_DOWN, 10, 470), pointer(TB_EVENT_BUTTON_UP, 10, 470)}),
        0);
    // A right-click while the menu is open closes it too.
    EXPECT_EQ(run_with({pointer(TB_EVENT_SECONDARY_DOWN, 10, 470), key(TB_VK_ESCAPE)}), 0);
}

TEST_F(CommandMenu, TheItemUnderAClickIsChosenWithASound) {
    size_t before = headless::sounds().size();
    // The menu opens with its top at the pointer: the first item is just below it.
    int32_t chosen =
        run_with({pointer(TB_EVENT_MOUSE_MOVE, 320, 60), pointer(TB_EVENT_BUTTON_DOWN, 320, 60),
                  pointer(TB_EVENT_BUTTON_UP, 320, 60)},
                 320, 40);
    EXPECT_EQ(chosen, 40019);
    EXPECT_EQ(headless::sounds().size(), before + 1);
    EXPECT_EQ(headless::cursor_id(), kCursorHandPoint);
    // A click on the panel's edge chooses nothing: the menu stays open until Escape.
    EXPECT_EQ(run_with({pointer(TB_EVENT_BUTTON_UP, 320, 40 + 2), key(TB_VK_ESCAPE)}), 0);
}

TEST_F(CommandMenu, TheScreenUnderTheMenuComesBack) {
    std::vector<uint32_t> before = screen_pixels();
    run_with({key(TB_VK_DOWN), key(TB_VK_ESCAPE)});
    EXPECT_EQ(screen_pixels(), before);
}

TEST_F(CommandMenu, OpensCentredBelowThePointerAndStaysOnScreen) {
    Rect screen{0, 0, 640, 480};
    Rect r = menu_place(320, 40, 180, 300, screen);
    EXPECT_EQ(r.left, 230);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.right, 410);
    EXPECT_EQ(r.bottom, 340);
    // Near the right edge it moves left; near the left edge right.
    EXPECT_EQ(menu_place(630, 40, 180, 300, screen).right, 640);
    EXPECT_EQ(menu_place(5, 40, 180, 300, screen).left, 0);
    // No room below: it opens upwards, its bottom at the pointer.
    EXPECT_EQ(menu_place(320, 400, 180, 300, screen).bottom, 400);
    // No room either way: it fills the screen from the bottom.
    r = menu_place(320, 250, 180, 300, screen);
    EXPECT_EQ(r.bottom, 480);
    EXPECT_EQ(r.top, 180);
}

TEST_F(CommandMenu, MenuIdsSendTheirCommandNumbers) {
    const int32_t expected[] = {2, 3, 1, 7, 6, -2, 4, 5, 0};
    for (int32_t i = 0; i < 9; ++i) EXPECT_EQ(menu_id_to_command(40019 + i), expected[i]);
    EXPECT_EQ(menu_id_to_command(40018), -2);
    EXPECT_EQ(menu_id_to_command(40028), -2);
}

TEST_F(CommandMenu, EscapeShowsTheHintOnlyWhileNoToolIsPressed) {
    TbEvent escape = key(TB_VK_ESCAPE);
    g_sceneObjects[g_currentObject].active = 1;
    window_proc(&escape);
    EXPECT_TRUE(shown_boxes().empty());
    g_sceneObjects[g_currentObject].active = 0;
    window_proc(&escape);
    ASSERT_EQ(shown_boxes().size(), 1u);
    EXPECT_EQ(shown_boxes()[0].title, "Attention!");
    EXPECT_EQ(shown_boxes()[0].text,
              "Press the Remote Control (on the yellow table below,\n"
              "next to the monitor and cleaner bottle) to access the\n"
              "menu options such as Open, Save, Quit, New, Help, etc");
}

TEST_F(CommandMenu, F1AndTheRightButtonOpenTheMenuAtThePointer) {
    // An open menu takes the Escape waiting for it; had none opened, the Escape would have
    // shown the hint box instead.
    headless::set_pointer(Point{300, 200});
    headless::push_event(key(TB_VK_ESCAPE));
    TbEvent f1 = key(TB_VK_F1);
    window_proc(&f1);
    TbEvent leftover;
    EXPECT_EQ(tb_GetEvent(&leftover, 0), 0);

    headless::push_event(key(TB_VK_ESCAPE));
    TbEvent right = pointer(TB_EVENT_SECONDARY_DOWN, 100, 100);
    window_proc(&right);
    EXPECT_EQ(tb_GetEvent(&leftover, 0), 0);
    EXPECT_TRUE(shown_boxes().empty());
}

}  // namespace
