// What a dialog procedure hears of the keyboard, the wheel and a held pointer, and the desktop
// clipboard as text: the window layer's part of typing into a dialog.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "test_support.h"
#include "toolbox/platform_headless.h"

namespace {

std::vector<std::string> g_heard;

// A 20 x 10 dialog centred on a 640 x 480 main window, at (310, 235)-(330, 245), that writes
// down every input message with its parameters and ends on a right press.
int32_t listening_dialog(NativeWindow dialog, int32_t message, int64_t wParam, int64_t lParam) {
    const Point p = tb_DialogPoint(lParam);
    const std::string at = std::to_string(p.x) + "," + std::to_string(p.y);
    switch (message) {
        case TB_WM_INITDIALOG:
            tb_SetDialogSize(dialog, 20, 10);
            return 1;
        case TB_WM_KEYDOWN:
            g_heard.push_back("key " + std::to_string(wParam) + " mod " + std::to_string(lParam));
            return 1;
        case TB_WM_CHAR:
            g_heard.push_back("char " + std::to_string(wParam));
            return 1;
        case TB_WM_MOUSEWHEEL:
            g_heard.push_back("wheel " + std::to_string(wParam) + " at " + at);
            return 1;
        case TB_WM_LBUTTONDOWN:
            g_heard.push_back("down " + at + " mod " + std::to_string(wParam));
            return 1;
        case TB_WM_MOUSEMOVE:
            g_heard.push_back("move " + at);
            return 1;
        case TB_WM_LBUTTONUP:
            g_heard.push_back("up " + at);
            return 1;
        case TB_WM_RBUTTONDOWN:
            tb_EndDialog(dialog, 9);
            return 1;
        default:
            return 0;
    }
}

TbEvent text(const char* utf8) {
    TbEvent e = event_of(TB_EVENT_TEXT);
    std::snprintf(e.text, sizeof e.text, "%s", utf8);
    return e;
}

class DialogInput : public ::testing::Test {
   protected:
    void SetUp() override {
        fresh_toolbox();
        Rect screen{0, 0, 640, 480};
        tb_OpenWindow(&screen, "Tintamar");
        g_heard.clear();
    }
    static std::vector<std::string> run(std::vector<TbEvent> events) {
        for (const TbEvent& e : events) headless::push_event(e);
        headless::push_event(event_of(TB_EVENT_SECONDARY_DOWN, 315, 240));
        EXPECT_EQ(tb_DoDialog(static_cast<int16_t>(kDialogBlank), listening_dialog), 9);
        return g_heard;
    }
};

TEST_F(DialogInput, KeysCarryTheirModifiersAndTypedTextArrivesAsWholeCharacters) {
    const auto heard = run({
        event_of(TB_EVENT_KEY_DOWN, 0, 0, 'V', TB_MOD_CONTROL),
        event_of(TB_EVENT_KEY_DOWN, 0, 0, TB_VK_HOME, TB_MOD_SHIFT | TB_MOD_CONTROL),
        text("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"),  // a, é, €, 😀
        text("\xFF\xC3"),  // not UTF-8: each byte a character of its own
    });
    EXPECT_EQ(heard,
              (std::vector<std::string>{"key 86 mod 2", "key 36 mod 3", "char 97", "char 233",
                                        "char 8364", "char 128512", "char 255", "char 195"}));
}

TEST_F(DialogInput, TheWheelIsHeardOverTheDialogOnly) {
    const auto heard =
        run({event_of(TB_EVENT_WHEEL, 312, 238, -2), event_of(TB_EVENT_WHEEL, 5, 5, 1)});
    EXPECT_EQ(heard, (std::vector<std::string>{"wheel -2 at 2,3"}));
}

TEST_F(DialogInput, APressInsideHoldsThePointerUntilItsRelease) {
    const auto heard = run({
        event_of(TB_EVENT_MOUSE_MOVE, 100, 100),  // outside, nothing held: not heard
        event_of(TB_EVENT_BUTTON_DOWN, 312, 238, 0, TB_MOD_SHIFT),
        event_of(TB_EVENT_MOUSE_MOVE, 300, 250),  // held: heard outside too
        event_of(TB_EVENT_BUTTON_UP, 300, 250),
        event_of(TB_EVENT_MOUSE_MOVE, 290, 250),   // released: not heard again
        event_of(TB_EVENT_BUTTON_DOWN, 100, 100),  // a press outside holds nothing
        event_of(TB_EVENT_MOUSE_MOVE, 101, 100),
    });
    EXPECT_EQ(heard, (std::vector<std::string>{"down 2,3 mod 1", "move -10,15", "up -10,15"}));
}

TEST(Clipboard, TextIsCutOnlyBetweenCharacters) {
    fresh_toolbox();
    headless::set_clipboard("a\xC3\xA9z");  // a, é, z
    char buffer[8];
    EXPECT_EQ(tb_GetClipboardText(buffer, 8), 4);
    EXPECT_STREQ(buffer, "a\xC3\xA9z");
    EXPECT_EQ(tb_GetClipboardText(buffer, 3), 1);  // two bytes would split é
    EXPECT_STREQ(buffer, "a");
    EXPECT_EQ(tb_GetClipboardText(buffer, 1), 0);
    EXPECT_STREQ(buffer, "");
    tb_SetClipboardText("copied");
    EXPECT_EQ(headless::clipboard(), "copied");
}

}  // namespace
