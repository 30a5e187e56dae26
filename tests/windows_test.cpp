// The window layer: the window table, message boxes, the pointer position and the modal
// dialog runner with its save-under.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "test_support.h"
#include "toolbox/dialog_template.h"
#include "toolbox/platform_headless.h"

namespace {

// The main window's pixel at (x, y), read back through a copy from the window.
uint32_t window_pixel(WindowRef window, int32_t x, int32_t y) {
    BitmapRef probe = make_bitmap(1, 1);
    Rect from{x, y, x + 1, y + 1}, to{0, 0, 1, 1};
    tb_CopyBitmap(window, probe, &from, &to, 0);
    uint32_t rgb = pixel_rgb(probe, 0, 0);
    tb_DisposeBitmap(probe);
    return rgb;
}

}  // namespace

TEST(MessageBoxes, CarryTheirTitlesAndAQuestionIsYesNoOrClosed) {
    fresh_toolbox();
    tb_Error("a");
    tb_Attention("b");
    tb_Information("c");
    answer_questions(1);
    EXPECT_EQ(tb_AskYesNo("d\nsecond line"), 1);
    ASSERT_EQ(shown_boxes().size(), 4u);
    const char* titles[] = {"Error...", "Attention!", "Information...", "Attention..."};
    const int32_t kinds[] = {TB_BOX_ERROR, TB_BOX_ATTENTION, TB_BOX_INFORMATION, TB_BOX_YESNO};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(shown_boxes()[i].title, titles[i]);
        EXPECT_EQ(shown_boxes()[i].kind, kinds[i]);
    }
    EXPECT_EQ(shown_boxes()[3].text, "d\nsecond line");
    answer_questions(0);
    EXPECT_EQ(tb_AskYesNo("?"), 0);
    answer_questions(-1);
    EXPECT_EQ(tb_AskYesNo("?"), -1);
    answer_questions(7);
    EXPECT_EQ(tb_AskYesNo("?"), -1);
}

TEST(WindowTable, TheEleventhWindowFailsAndFreeSlotsAreRefused) {
    fresh_toolbox();
    Rect screen{100, 50, 740, 530};
    ASSERT_EQ(tb_OpenWindow(&screen, "Tintamar"), TB_WINDOW_BASE);
    EXPECT_EQ(tb_GetMainWindow(), TB_WINDOW_BASE);
    Rect small{0, 0, 4, 4};
    for (int32_t i = 1; i < TB_MAX_WINDOWS; ++i)
        EXPECT_EQ(tb_OpenWindow(&small, "x"), TB_WINDOW_BASE + i);
    EXPECT_EQ(tb_OpenWindow(&small, "x"), -1);
    EXPECT_EQ(box_texts(), std::vector<std::string>{"No more available Windows! (tb_OpenWindow)"});
    EXPECT_EQ(tb_GetMainWindow(), TB_WINDOW_BASE);

    Rect r;
    tb_GetClientRect(TB_WINDOW_BASE, &r);
    EXPECT_EQ(r.right, 640);
    EXPECT_EQ(r.bottom, 480);
    tb_GetWindowRect(TB_WINDOW_BASE, &r);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.bottom, 530);

    shown_boxes().clear();
    tb_DisposeOfWindow(TB_WINDOW_BASE + 4);
    EXPECT_EQ(tb_GetNativeWindow(TB_WINDOW_BASE + 4), 0);
    Rect untouched{1, 1, 1, 1};
    tb_GetClientRect(TB_WINDOW_BASE + 4, &untouched);
    tb_GetWindowRect(TB_WINDOW_BASE + 4, &untouched);
    tb_SetWindowTitle(TB_WINDOW_BASE + 4, "x");
    tb_DisposeOfWindow(TB_WINDOW_BASE + 4);
    tb_DisposeOfWindow(TB_WINDOW_BASE + TB_MAX_WINDOWS);
    EXPECT_EQ(untouched.left, 1);
    EXPECT_EQ(box_texts(), (std::vector<std::string>{
                               "Invalid window! (tb_GetClientRect)",
                               "Invalid window! (tb_GetWindowRect)",
                               "Invalid window! (tb_SetWindowTitle)",
                               "Invalid window hanlde, can't destroy! (tb_DisposeOfWindow)",
                               "Invalid window hanlde, can't destroy! (tb_DisposeOfWindow)",
                           }));
    EXPECT_EQ(tb_OpenWindow(&small, "x"), TB_WINDOW_BASE + 4);  // the freed slot again
}

TEST(WindowTable, DrawingOnTheWindowShowsTheChangedRectangleAtOnce) {
    fresh_toolbox();
    Rect screen{0, 0, 32, 24};
    WindowRef window = tb_OpenWindow(&screen, "Tintamar");
    BitmapRef b = make_bitmap(4, 4);
    int32_t before = headless::presents();
    Rect from{0, 0, 4, 4}, to{30, 2, 34, 6};
    tb_CopyBitmap(b, window, &from, &to, 0);
    EXPECT_EQ(headless::presents(), before + 1);
    Rect shown = headless::last_present();
    EXPECT_EQ(shown.left, 30);
    EXPECT_EQ(shown.right, 32);  // cut to the window
    EXPECT_EQ(shown.bottom, 6);
}

TEST(Pointer, ModeTwoCountsFromTheMainWindowsClientArea) {
    fresh_toolbox();
    Rect screen{100, 50, 740, 530};
    tb_OpenWindow(&screen, "Tintamar");
    Point p;
    tb_SetPointerMode(1);
    tb_SetMousePos(10, 20);  // screen coordinates
    EXPECT_EQ(headless::pointer().x, 10);
    tb_SetPointerMode(2);
    tb_SetMousePos(10, 20);
    EXPECT_EQ(headless::pointer().x, 110);
    EXPECT_EQ(headless::pointer().y, 70);
    tb_GetMousePos(&p);
    EXPECT_EQ(p.x, 10);
    EXPECT_EQ(p.y, 20);
    tb_SetPointerMode(1);
    tb_GetMousePos(&p);
    EXPECT_EQ(p.x, 110);
    EXPECT_EQ(p.y, 70);
    tb_SetPointerMode(3);
    Point untouched{-5, -6};
    tb_GetMousePos(&untouched);
    EXPECT_EQ(untouched.x, -5);
    EXPECT_EQ(untouched.y, -6);
    tb_SetMousePos(1, 1);
    EXPECT_EQ(headless::pointer().x, 110);
    tb_SetPointerMode(1);
}

// A dialog procedure that records what it receives. It is 20 x 10 pixels, white, centred on
// a 640 x 480 main window, so at (310, 235)-(330, 245).
namespace {

std::vector<std::string> g_log;
uint32_t g_pixelDuringDialog = 0;
bool g_handleCancel = false;

int32_t recording_dialog(NativeWindow dialog, int32_t message, int64_t wParam, int64_t lParam) {
    switch (message) {
        case TB_WM_INITDIALOG:
            g_log.push_back("init");
            tb_SetDialogSize(dialog, 20, 10);
            return 1;
        case TB_WM_PAINT: {
            g_log.push_back("paint");
            Rect r;
            tb_GetDialogRect(dialog, &r);
            tb_SetForeColor(tb_GetMainWindow(), 65025, 65025, 65025);
            tb_PaintRect(tb_GetMainWindow(), &r);
            return 1;
        }
        case TB_WM_LBUTTONDOWN:
            g_log.push_back("down " + std::to_string(lParam & 0xFFFF) + "," +
                            std::to_string((lParam >> 16) & 0xFFFF));
            g_pixelDuringDialog = window_pixel(tb_GetMainWindow(), 312, 237);
            return 1;
        case TB_WM_TIMER:
            g_log.push_back("timer " + std::to_string(wParam));
            tb_EndDialog(dialog, 5);
            return 1;
        case TB_WM_COMMAND:
            g_log.push_back("command " + std::to_string(wParam));
            if (g_handleCancel) tb_EndDialog(dialog, -1);
            return g_handleCancel ? 1 : 0;
        default:
            return 0;
    }
}

class Dialogs : public ::testing::Test {
   protected:
    void SetUp() override {
        fresh_toolbox();
        Rect screen{0, 0, 640, 480};
        window = tb_OpenWindow(&screen, "Tintamar");
        // A scene under the dialog: every pixel different.
        BitmapRef scene = make_bitmap(640, 480);
        for (int32_t y = 0; y < 480; ++y)
            for (int32_t x = 0; x < 640; ++x)
                set_pixel_rgb(scene, x, y, (uint32_t(x) << 12) | uint32_t(y));
        tb_CopyBitmap(scene, window, &screen, &screen, 0);
        g_log.clear();
        g_pixelDuringDialog = 0;
        g_handleCancel = false;
    }
    WindowRef window = -1;
};

}  // namespace

TEST_F(Dialogs, GetInitPaintAndClicksAndEndWithZeroOnEscape) {
    headless::push_event(event_of(TB_EVENT_BUTTON_DOWN, 315, 241));
    headless::push_event(event_of(TB_EVENT_BUTTON_DOWN, 5, 5));  // outside: not passed on
    headless::push_event(event_of(TB_EVENT_KEY_DOWN, 0, 0, TB_VK_ESCAPE));
    EXPECT_EQ(tb_DoDialog(kDialogBlank, recording_dialog), 0);
    EXPECT_EQ(g_log, (std::vector<std::string>{"init", "paint", "down 5,6", "command 2"}));
    EXPECT_EQ(g_pixelDuringDialog, 0xFFFFFFu);
}

TEST_F(Dialogs, RestoreThePixelsUnderThemWhenTheyEnd) {
    headless::push_event(event_of(TB_EVENT_KEY_DOWN, 0, 0, TB_VK_ESCAPE));
    tb_DoDialog(kDialogBlank, recording_dialog);
    for (int32_t y : {234, 235, 244, 245})
        for (int32_t x : {309, 310, 329, 330})
            EXPECT_EQ(window_pixel(window, x, y), (uint32_t(x) << 12) | uint32_t(y))
                << x << "," << y;
}

TEST_F(Dialogs, EndFromATimerOrTheirOwnCancel) {
    g_handleCancel = true;
    headless::push_event(event_of(TB_EVENT_KEY_DOWN, 0, 0, TB_VK_ESCAPE));
    EXPECT_EQ(tb_DoDialog(kDialogBlank, recording_dialog), -1);

    g_log.clear();
    auto timed = [](NativeWindow dialog, int32_t message, int64_t wParam,
                    int64_t lParam) -> int32_t {
        if (message == TB_WM_INITDIALOG) tb_SetDialogTimer(dialog, 7, 2);
        return recording_dialog(dialog, message, wParam, lParam);
    };
    EXPECT_EQ(tb_DoDialog(kDialogBlank, timed), 5);
    EXPECT_EQ(g_log, (std::vector<std::string>{"init", "paint", "timer 7"}));
}

TEST_F(Dialogs, HandTheQuitMessageBackToTheMainLoop) {
    headless::push_event(event_of(TB_EVENT_QUIT, 0, 0, 3));
    EXPECT_EQ(tb_DoDialog(kDialogBlank, recording_dialog), 0);
    TbEvent e;
    ASSERT_EQ(tb_GetEvent(&e, 0), 1);
    EXPECT_EQ(e.kind, TB_EVENT_QUIT);
    EXPECT_EQ(e.key, 3);
}

// The main window hears nothing of the pointer while a dialog runs: once the dialog has gone
// it is told where the pointer went, so that F1 opens the command menu there and not where the
// pointer was before the dialog. A close request handed back is not followed by anything.
TEST_F(Dialogs, TellTheMainWindowWhereThePointerWentOnceTheyEnd) {
    headless::push_event(event_of(TB_EVENT_MOUSE_MOVE, 10, 10));
    headless::push_event(event_of(TB_EVENT_SECONDARY_DOWN, 300, 200));
    headless::push_event(event_of(TB_EVENT_KEY_DOWN, 0, 0, TB_VK_ESCAPE));
    EXPECT_EQ(tb_DoDialog(156, recording_dialog), 0);
    TbEvent e;
    ASSERT_EQ(tb_GetEvent(&e, 0), 1);
    EXPECT_EQ(e.kind, TB_EVENT_MOUSE_MOVE);
    EXPECT_EQ(e.x, 300);
    EXPECT_EQ(e.y, 200);
    EXPECT_EQ(tb_GetEvent(&e, 0), 0);

    headless::push_event(event_of(TB_EVENT_MOUSE_MOVE, 10, 10));
    headless::push_event(event_of(TB_EVENT_CLOSE));
    EXPECT_EQ(tb_DoDialog(156, recording_dialog), 0);
    ASSERT_EQ(tb_GetEvent(&e, 0), 1);
    EXPECT_EQ(e.kind, TB_EVENT_CLOSE);
    EXPECT_EQ(tb_GetEvent(&e, 0), 0);
}

// SIGTERM or SIGINT: a dialog ends at once and hands a close request to the main loop, which
// keeps getting them; no box waits for an answer any more.
TEST_F(Dialogs, EndAtOnceAndNoBoxWaitsWhenTheProgramIsEnding) {
    headless::push_event(event_of(TB_EVENT_MOUSE_MOVE, 5, 5));
    headless::set_ending_signal(15);
    EXPECT_EQ(tb_DoDialog(156, recording_dialog), 0);
    for (int i = 0; i < 2; ++i) {
        TbEvent e;
        ASSERT_EQ(tb_GetEvent(&e, 1), 1);
        EXPECT_EQ(e.kind, TB_EVENT_CLOSE);
    }
    EXPECT_EQ(tb_AskYesNo("Save your picture?"), -1);
    tb_Attention("Press the Remote Control");
    EXPECT_TRUE(shown_boxes().empty());
    EXPECT_EQ(tb_EndingSignal(), 15);
}

// What the main window does with the events a dialog passes on: it draws itself again in a
// flat colour when asked to (a scene that is ready), and notes every event it gets.
namespace {

std::vector<int32_t> g_mainEvents;
bool g_mainRedraws = false;

void main_window_proc(const TbEvent* e) {
    g_mainEvents.push_back(e->kind);
    if (!g_mainRedraws) return;
    WindowRef w = tb_GetMainWindow();
    Rect all{0, 0, 640, 480};
    tb_SetForeColor(w, 0, 65025, 0);
    tb_PaintRect(w, &all);
}

class DialogsOverTheScene : public Dialogs {
   protected:
    void SetUp() override {
        Dialogs::SetUp();
        g_mainEvents.clear();
        tb_SetMainEventHandler(main_window_proc);
    }
    void TearDown() override { tb_SetMainEventHandler(nullptr); }
};

}  // namespace

TEST_F(DialogsOverTheScene, DrawTheirFaceAgainWhenTheMainWindowRedrawsUnderThem) {
    g_mainRedraws = true;
    headless::push_event(event_of(TB_EVENT_FOCUS_GAINED));
    headless::push_event(event_of(TB_EVENT_BUTTON_DOWN, 315, 241));
    headless::push_event(event_of(TB_EVENT_KEY_DOWN, 0, 0, TB_VK_ESCAPE));
    tb_DoDialog(kDialogBlank, recording_dialog);
    EXPECT_EQ(g_pixelDuringDialog, 0xFFFFFFu);
    EXPECT_EQ(window_pixel(window, 312, 237), 0x00FF00u);  // the new scene, not the old one
    EXPECT_EQ(g_mainEvents, std::vector<int32_t>{TB_EVENT_FOCUS_GAINED});
}

TEST_F(DialogsOverTheScene, LeaveNoFaceBehindWhenTheMainWindowDoesNotRedraw) {
    g_mainRedraws = false;
    headless::push_event(event_of(TB_EVENT_EXPOSE));
    headless::push_event(event_of(TB_EVENT_KEY_DOWN, 0, 0, TB_VK_ESCAPE));
    tb_DoDialog(kDialogBlank, recording_dialog);
    EXPECT_EQ(g_log, (std::vector<std::string>{"init", "paint", "paint", "command 2"}));
    EXPECT_EQ(window_pixel(window, 312, 237), (312u << 12) | 237u);
}

TEST_F(DialogsOverTheScene, KeepTheMainWindowsMenuShut) {
    headless::push_event(event_of(TB_EVENT_SECONDARY_DOWN, 5, 5));
    headless::push_event(event_of(TB_EVENT_SECONDARY_DOWN, 315, 241));
    headless::push_event(event_of(TB_EVENT_KEY_DOWN, 0, 0, TB_VK_F1));
    headless::push_event(event_of(TB_EVENT_KEY_DOWN, 0, 0, TB_VK_ESCAPE));
    tb_DoDialog(kDialogBlank, recording_dialog);
    EXPECT_TRUE(g_mainEvents.empty());
}

TEST_F(DialogsOverTheScene, ThePrintPumpPassesEventsOnUntilEscapeCancels) {
    tb_BeginPrintAbort();
    headless::push_event(event_of(TB_EVENT_MOUSE_MOVE, 3, 4));
    EXPECT_EQ(tb_PrintAbortPump(), 1);
    EXPECT_EQ(tb_PrintAborted(), 0);
    headless::push_event(event_of(TB_EVENT_KEY_DOWN, 0, 0, TB_VK_ESCAPE));
    headless::push_event(event_of(TB_EVENT_CLOSE));
    headless::push_event(event_of(TB_EVENT_EXPOSE));
    EXPECT_EQ(tb_PrintAbortPump(), 0);
    EXPECT_NE(tb_PrintAborted(), 0);
    // The close request waits for the main loop, without holding up what came after it.
    EXPECT_EQ(g_mainEvents, (std::vector<int32_t>{TB_EVENT_MOUSE_MOVE, TB_EVENT_EXPOSE}));
    EXPECT_EQ(tb_PrintAbortPump(), 0);
    EXPECT_EQ(g_mainEvents.size(), 2u);
    TbEvent e;
    ASSERT_EQ(tb_GetEvent(&e, 0), 1);
    EXPECT_EQ(e.kind, TB_EVENT_CLOSE);
    EXPECT_EQ(tb_GetEvent(&e, 0), 0);
    tb_EndPrintAbort();
}

TEST_F(DialogsOverTheScene, WhileDisabledTheMainWindowRepaintsButTakesNoInput) {
    tb_BeginPrintAbort();
    tb_EnableMainWindow(0);
    for (int32_t kind : {TB_EVENT_MOUSE_MOVE, TB_EVENT_BUTTON_DOWN, TB_EVENT_BUTTON_UP,
                         TB_EVENT_DOUBLE_CLICK, TB_EVENT_SECONDARY_DOWN, TB_EVENT_TEXT,
                         TB_EVENT_EXPOSE, TB_EVENT_FOCUS_GAINED, TB_EVENT_DISPLAY_CHANGE}) {
        headless::push_event(event_of(kind, 3, 4));
    }
    headless::push_event(event_of(TB_EVENT_KEY_DOWN, 0, 0, TB_VK_F1));
    EXPECT_EQ(tb_PrintAbortPump(), 1);
    EXPECT_EQ(g_mainEvents, (std::vector<int32_t>{TB_EVENT_EXPOSE, TB_EVENT_FOCUS_GAINED,
                                                  TB_EVENT_DISPLAY_CHANGE}));
    TbEvent e;
    EXPECT_EQ(tb_GetEvent(&e, 0), 0);
    tb_EnableMainWindow(1);
    ASSERT_EQ(tb_GetEvent(&e, 0), 1);
    EXPECT_EQ(e.kind, TB_EVENT_EXPOSE) << "enabled again, it is drawn afresh";
    tb_EnableMainWindow(1);
    EXPECT_EQ(tb_GetEvent(&e, 0), 0) << "only when it was disabled";
    tb_EndPrintAbort();
}

TEST_F(DialogsOverTheScene, TheAbortDialogsCommandStopsPrintingAndGivesTheWindowBack) {
    tb_BeginPrintAbort();
    tb_EnableMainWindow(0);
    tb_OpenPrintAbortDialog(kDialogPrintAbort);
    ASSERT_EQ(headless::modeless_dialog_title(), "Abort...");
    headless::press_modeless_button(2);
    EXPECT_NE(tb_PrintAborted(), 0);
    EXPECT_EQ(tb_IsMainWindowEnabled(), 1);
    EXPECT_EQ(headless::modeless_dialog_title(), "");
    EXPECT_EQ(tb_PrintAbortPump(), 0);
}

TEST(DialogTemplates, TheAbortTemplateReadsAsItIsDrawn) {
    fresh_toolbox();
    size_t size = 0;
    const char* text = tb_GetDialogTemplate(kDialogPrintAbort, &size);
    DialogTemplate t;
    ASSERT_TRUE(parse_dialog_template(text, size, &t));
    EXPECT_STREQ(t.title, "Abort...");
    EXPECT_EQ(t.width, 112);
    EXPECT_EQ(t.height, 124);
    EXPECT_EQ(t.fontPoints, 8);
    EXPECT_STREQ(t.fontFamily, "MS Sans Serif");
    ASSERT_EQ(t.controlCount, 2);
    const TemplateControl& picture = t.controls[0];
    EXPECT_EQ(picture.kind, TemplateControlKind::Picture);
    EXPECT_STREQ(picture.text, "366");
    EXPECT_TRUE(picture.sunken);
    EXPECT_EQ(picture.rect.left, 23);
    EXPECT_EQ(picture.rect.bottom, 78);
    const TemplateControl& button = t.controls[1];
    EXPECT_EQ(button.kind, TemplateControlKind::DefaultButton);
    EXPECT_EQ(button.id, 2);
    EXPECT_STREQ(button.text, "Cancel Printing");
    EXPECT_EQ(button.rect.left, 11);
    EXPECT_EQ(button.rect.top, 93);
    EXPECT_EQ(button.rect.right, 101);
    EXPECT_EQ(button.rect.bottom, 116);
    EXPECT_FALSE(button.sunken);
}

TEST(DialogTemplates, OddLinesArePassedOverAndLongTextsCut) {
    struct Case {
        std::string text;
        bool usable;
        int32_t controls;
        std::string firstText;
    } cases[] = {
        {"title = A\nsize = 10 x 20\n", true, 0, ""},
        {"title = A\n", false, 0, ""},      // no size
        {"size = 0 x 20\n", false, 0, ""},  // no width
        {"size = 10 by 20\n", false, 0, ""},
        {"size = 9x9\r\ncontrol = button, 7, \"a, b # c\", 1, 2, 3, 4\r\n", true, 1, "a, b # c"},
        {"size = 9x9\ncontrol = slider, 7, \"x\", 1, 2, 3, 4\n", true, 0, ""},  // unknown kind
        {"size = 9x9\ncontrol = button, 7, \"x\", 1, 2, 3\n", true, 0, ""},     // three edges
        {"size = 9x9\ncontrol = button, 7, \"x, 1, 2, 3, 4\n", true, 0, ""},    // unclosed text
        {"size = 9x9\ncontrol = button, seven, \"x\", 1, 2, 3, 4\n", true, 0, ""},
        {"size = 9x9\n# control = button, 7, \"x\", 1, 2, 3, 4\n", true, 0, ""},
        {"size = 9x9\ncontrol = button, 7, \"" + std::string(100, 'w') + "\", 1, 2, 3, 4", true, 1,
         std::string(kMaxTemplateText - 1, 'w')},
        {"size = 9x9\n" +
             [] {
                 std::string many;
                 for (int i = 0; i < 20; ++i) many += "control = button, 1, \"b\", 0, 0, 1, 1\n";
                 return many;
             }(),
         true, kMaxTemplateControls, "b"},
    };
    for (const Case& c : cases) {
        DialogTemplate t;
        EXPECT_EQ(parse_dialog_template(c.text.data(), c.text.size(), &t), c.usable) << c.text;
        EXPECT_EQ(t.controlCount, c.controls) << c.text;
        if (t.controlCount > 0) {
            EXPECT_EQ(std::string(t.controls[0].text), c.firstText);
        }
    }
    DialogTemplate none;
    EXPECT_FALSE(parse_dialog_template(nullptr, 0, &none));
}
