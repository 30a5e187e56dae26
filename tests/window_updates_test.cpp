// Held window updates: pixels change at once, the screen once at the end, around all of it.
#include <gtest/gtest.h>

#include "test_support.h"
#include "toolbox/platform_headless.h"

namespace {

TEST(WindowUpdates, WhileHeldThePixelsChangeAndTheScreenOnceAroundEverything) {
    fresh_toolbox();
    Rect screen{0, 0, 64, 48};
    WindowRef window = tb_OpenWindow(&screen, "Tintamar");
    const int32_t before = headless::presents();

    tb_HoldWindowUpdates(window);
    tb_ShowWindowUpdates(window);  // nothing drawn: nothing shown
    EXPECT_EQ(headless::presents(), before);

    tb_HoldWindowUpdates(window);
    Rect first{4, 30, 10, 36};
    tb_SetForeColor(window, 65025, 0, 0);
    tb_PaintRect(window, &first);
    BitmapRef b = make_bitmap(8, 8);
    Rect from{0, 0, 8, 8};
    Rect second{56, 2, 64, 10};
    tb_CopyBitmap(b, window, &from, &second, 0);
    EXPECT_EQ(headless::presents(), before);
    EXPECT_EQ(target_colour(window, 5, 31), tb_MakeColor(255, 0, 0));

    tb_ShowWindowUpdates(window);
    ASSERT_EQ(headless::presents(), before + 1);
    const Rect shown = headless::last_present();
    EXPECT_EQ(shown.left, 4);
    EXPECT_EQ(shown.top, 2);
    EXPECT_EQ(shown.right, 64);
    EXPECT_EQ(shown.bottom, 36);

    // The hold has ended: each drawing shows at once again.
    tb_PaintRect(window, &first);
    EXPECT_EQ(headless::presents(), before + 2);

    tb_HoldWindowUpdates(TB_WINDOW_BASE + 7);
    EXPECT_EQ(box_texts(), std::vector<std::string>{"Invalid window! (tb_HoldWindowUpdates)"});
}

}  // namespace
