// Printing: where the picture goes on the page, light printing, the dialog's errors, and whole
// jobs on the headless printer (the page it received, pixel by pixel, and what the person saw).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "print/page_layout.h"
#include "print/print_job.h"
#include "print/print_picture.h"
#include "scene_fixture.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kBlue = 0x0000FF;

bool same(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string text_of(const Rect& r) {
    return std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) +
           ", " + std::to_string(r.bottom);
}

}  // namespace

TEST(PrintedPicture, FillsNinetyPercentOfTheLimitingSideAndIsCentred) {
    struct Case {
        int32_t w, h, pageW, pageH;
        Rect want;
    } cases[] = {
        {400, 300, 4800, 6600, {240, 1680, 4560, 4920}},  // scales 10.8 and 19.8
        {300, 400, 6600, 4800, {1680, 240, 4920, 4560}},  // the same, turned
        {634, 488, 2330, 3264, {116, 825, 2213, 2439}},   // an 800 x 600 screen's on A4
        {100, 100, 101, 99, {6, 5, 95, 94}},              // halves truncate
        {400, 300, 0, 0, {-200, -150, 200, 150}},         // scale 0 becomes 1
        {400, 300, -50, 600, {-225, 150, 175, 450}},      // so does a negative one
        {0, 300, 4800, 6600, {0, 0, 0, 0}},               // nothing to print
    };
    for (const Case& c : cases) {
        Rect got = printed_picture_rect(c.w, c.h, c.pageW, c.pageH);
        EXPECT_TRUE(same(got, c.want))
            << c.w << " x " << c.h << " on " << c.pageW << " x " << c.pageH << ": " << text_of(got);
    }
}

TEST(PageRectangle, IsThePrintableAreaAtTheResolutionLessTheMargins) {
    struct Case {
        double widthMm, heightMm;
        int32_t dpiX, dpiY;
        PageMargins margins;
        Rect want;
    } cases[] = {
        {406.4, 558.8, 300, 300, {}, {0, 0, 4800, 6600}},
        {197.3, 276.426, 300, 300, {}, {0, 0, 2330, 3264}},  // A4 less GTK's margins, truncated
        {203.2, 254.0, 600, 300, {500, 250, 1000, 0}, {300, 75, 4200, 3000}},
        {0, 0, 300, 300, {}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        Rect got = page_rectangle(c.widthMm, c.heightMm, c.dpiX, c.dpiY, c.margins);
        EXPECT_TRUE(same(got, c.want)) << c.widthMm << " x " << c.heightMm << ": " << text_of(got);
    }
}

TEST(LightPrinting, WhitensPixelsWhoseColumnAndRowShareParityOnAnOddSizedPicture) {
    fresh_toolbox();
    BitmapRef picture = make_bitmap(5, 3);
    for (int32_t y = 0; y < 3; ++y) {
        for (int32_t x = 0; x < 5; ++x) set_pixel_rgb(picture, x, y, 0x102030 + x + 16 * y);
    }
    blank_checkerboard(picture);
    for (int32_t y = 0; y < 3; ++y) {
        for (int32_t x = 0; x < 5; ++x) {
            uint32_t want = (x + y) % 2 == 0 ? kWhite : 0x102030u + x + 16 * y;
            EXPECT_EQ(pixel_rgb(picture, x, y), want) << x << ", " << y;
        }
    }
}

TEST(PrintErrors, KnownCodesHaveTheirMessagesAndOthersNone) {
    struct Case {
        int32_t code;
        const char* message;
    } cases[] = {
        {1, "Structure size bad"},
        {2, "Failed to Initialize printer"},
        {11, "No hook"},
        {0x1002, "Parse failure"},
        {0x1006, "Failed to init"},
        {0x1007, "No devices"},
        {0x100c, "Different Defaults"},
        {0, nullptr},
        {12, nullptr},
        {0x1001, nullptr},
        {0x100d, nullptr},
        {-1, nullptr},
    };
    for (const Case& c : cases) {
        const char* got = print_error_message(c.code);
        if (c.message == nullptr) {
            EXPECT_EQ(got, nullptr) << c.code;
        } else {
            EXPECT_STREQ(got, c.message) << c.code;
        }
    }
}

// ---- Whole jobs on the headless printer -----------------------------------------------------

namespace {

std::vector<int32_t> g_mainEvents;
void record_main_event(const TbEvent* e) { g_mainEvents.push_back(e->kind); }

// A page of 50 x 40 printer pixels: 5 x 4 inches at 10 pixels per inch.
headless::PrintAnswer small_page() {
    headless::PrintAnswer answer;
    answer.choose = 1;
    answer.page = platform::PrintPage{127.0, 101.6, 10, 10};
    return answer;
}

class Printing : public SceneTest {
   protected:
    void SetUp() override {
        start_scene(640, 480);
        g_mainEvents.clear();
        tb_SetMainEventHandler(record_main_event);
        // Red in the top-left quarter of a blue picture, so that the page shows which way up
        // and which way round it went.
        width_ = tb_GetBitmapWidth(g_pictureBitmap);
        height_ = tb_GetBitmapHeight(g_pictureBitmap);
        fill_bitmap(g_pictureBitmap, Rect{0, 0, width_, height_}, kBlue);
        fill_bitmap(g_pictureBitmap, Rect{0, 0, width_ / 2, height_ / 2}, kRed);
    }
    void TearDown() override {
        tb_SetMainEventHandler(nullptr);
        SceneTest::TearDown();
    }

    // The page as it must come out: white paper, the picture scaled by whole pixels into its
    // place, with light printing's checkerboard when asked.
    void expect_page(const headless::PrintedPage& page, bool light) {
        ASSERT_EQ(page.width, 50);
        ASSERT_EQ(page.height, 40);
        Rect at = printed_picture_rect(width_, height_, 50, 40);
        ASSERT_GT(at.right - at.left, 0);
        int32_t w = at.right - at.left, h = at.bottom - at.top;
        int32_t wrong = 0;
        for (int32_t y = 0; y < page.height; ++y) {
            for (int32_t x = 0; x < page.width; ++x) {
                uint32_t want = kWhite;
                if (x >= at.left && x < at.right && y >= at.top && y < at.bottom) {
                    int32_t sx = (x - at.left) * width_ / w, sy = (y - at.top) * height_ / h;
                    want = sx < width_ / 2 && sy < height_ / 2 ? kRed : kBlue;
                    if (light && (sx + sy) % 2 == 0) want = kWhite;
                }
                if (page.at(x, y) != want && ++wrong <= 5) {
                    ADD_FAILURE() << "page pixel " << x << ", " << y << " is " << std::hex
                                  << page.at(x, y) << ", not " << want;
                }
            }
        }
        EXPECT_EQ(wrong, 0);
    }

    int32_t width_ = 0;
    int32_t height_ = 0;
};

}  // namespace

TEST_F(Printing, PutsThePictureOnTheWhitePageInFullOrLightlyWithTheAbortWindowUp) {
    for (int32_t light : {0, 1}) {
        g_prefs.lightPrinting = light;
        headless::set_print_answer(small_page());
        print_picture();
        ASSERT_EQ(headless::printed_pages().size(), size_t(light + 1));
        const headless::PrintedPage& page = headless::printed_pages().back();
        expect_page(page, light != 0);
        EXPECT_EQ(page.dialogWhileSending, "Abort...");
    }
    EXPECT_TRUE(shown_boxes().empty());
    EXPECT_EQ(headless::modeless_dialog_title(), "");
    EXPECT_EQ(tb_IsMainWindowEnabled(), 1);
    EXPECT_NE(tb_PrintAborted(), 0);
    EXPECT_EQ(tb_GetPrinterDC(), nullptr);
}

TEST_F(Printing, CancelInTheDialogPrintsNothingAndShowsNothing) {
    headless::set_print_answer(headless::PrintAnswer{});
    print_picture();
    EXPECT_EQ(headless::print_dialogs_shown(), 1);
    EXPECT_TRUE(headless::printed_pages().empty());
    EXPECT_EQ(headless::abandoned_jobs(), 0);  // no job ever began
    EXPECT_TRUE(shown_boxes().empty());
    EXPECT_EQ(headless::modeless_dialog_title(), "");
    EXPECT_EQ(tb_IsMainWindowEnabled(), 1);
}

TEST_F(Printing, TheDialogsFailuresShowTheirMessage) {
    struct Case {
        int32_t error;
        const char* notice;  // null: none
    } cases[] = {
        {TB_PRINT_ERROR_NO_DEVICES, "No devices"},
        {TB_PRINT_ERROR_INIT_FAILURE, "Failed to init"},
        {TB_PRINT_ERROR_INITIALIZATION, "Failed to Initialize printer"},
        {TB_PRINT_ERROR_MEMORY, "Failed to allocate memory"},
        {0x2000, nullptr},
    };
    for (const Case& c : cases) {
        shown_boxes().clear();
        headless::PrintAnswer answer;
        answer.error = c.error;
        headless::set_print_answer(answer);
        print_picture();
        if (c.notice == nullptr) {
            EXPECT_TRUE(shown_boxes().empty()) << c.error;
        } else {
            ASSERT_EQ(shown_boxes().size(), 1u) << c.error;
            EXPECT_EQ(shown_boxes()[0].title, "Attention!");
            EXPECT_EQ(shown_boxes()[0].text, c.notice);
        }
        EXPECT_EQ(tb_IsMainWindowEnabled(), 1);
    }
    EXPECT_TRUE(headless::printed_pages().empty());
    EXPECT_EQ(headless::modeless_dialog_title(), "");
}

TEST_F(Printing, CancelPrintingOrEscapeAbandonsTheJobAndGivesTheRoomBack) {
    TbEvent escape = event_of(TB_EVENT_KEY_DOWN);
    escape.key = TB_VK_ESCAPE;
    for (bool button : {true, false}) {
        headless::PrintAnswer answer = small_page();
        answer.cancelWhileSending = button;
        if (!button) answer.eventsWhileSending = {escape};
        headless::set_print_answer(answer);
        print_picture();
        EXPECT_TRUE(headless::printed_pages().empty());
        EXPECT_EQ(headless::abandoned_jobs(), button ? 1 : 2);
        EXPECT_EQ(headless::modeless_dialog_title(), "");
        EXPECT_EQ(tb_IsMainWindowEnabled(), 1);
    }
    EXPECT_TRUE(shown_boxes().empty());
    // The next job starts afresh.
    headless::set_print_answer(small_page());
    print_picture();
    EXPECT_EQ(headless::printed_pages().size(), 1u);
}

TEST_F(Printing, TheRoomRepaintsButTakesNoInputWhileThePageGoesOutAndIsDrawnAfterwards) {
    headless::PrintAnswer answer = small_page();
    answer.eventsWhileSending = {event_of(TB_EVENT_BUTTON_DOWN), event_of(TB_EVENT_MOUSE_MOVE),
                                 event_of(TB_EVENT_EXPOSE), event_of(TB_EVENT_BUTTON_UP)};
    headless::set_print_answer(answer);
    print_picture();
    EXPECT_EQ(g_mainEvents, std::vector<int32_t>{TB_EVENT_EXPOSE});
    TbEvent e;
    ASSERT_EQ(tb_GetEvent(&e, 0), 1);
    EXPECT_EQ(e.kind, TB_EVENT_EXPOSE) << "the room is drawn again once the job is over";
}

TEST_F(Printing, AJobThePrinterRefusesIsReportedNotPassedOffAsPrinted) {
    headless::PrintAnswer answer = small_page();
    answer.failure = "Error opening file \xe2\x80\x9c/proc/x.pdf\xe2\x80\x9d: No such file";
    headless::set_print_answer(answer);
    print_picture();
    EXPECT_TRUE(headless::printed_pages().empty());
    ASSERT_EQ(shown_boxes().size(), 1u);
    EXPECT_EQ(shown_boxes()[0].title, "Attention!");
    EXPECT_EQ(shown_boxes()[0].text, "The picture could not be printed:\n" + answer.failure);
    EXPECT_EQ(tb_IsMainWindowEnabled(), 1);
}

// ---- The printer target of the toolbox -------------------------------------------------------

TEST(PrinterTarget, TakesCopiesAndTextAndIsWhitePaperUntilThen) {
    fresh_toolbox();
    headless::set_print_answer(small_page());
    ASSERT_EQ(tb_PrintDialog(nullptr), 1);
    tb_BeginPrintAbort();
    EXPECT_EQ(tb_GetPrinterDC(), nullptr) << "no page before it is started";
    tb_StartPage();
    ASSERT_NE(tb_GetPrinterDC(), nullptr);
    BitmapRef red = make_bitmap(2, 2);
    fill_bitmap(red, Rect{0, 0, 2, 2}, kRed);
    Rect from{0, 0, 2, 2}, to{40, 30, 44, 34};
    tb_CopyBitmap(red, TB_PRINTER, &from, &to, 0);
    tb_SetFontSize(TB_PRINTER, 14);
    tb_SetForeColor(TB_PRINTER, 0, 0, 0);
    tb_DrawString(TB_PRINTER, 2, 20, "Hi");
    tb_EndPage();
    EXPECT_EQ(tb_EndDoc(), nullptr);
    tb_EndPrintAbort();

    ASSERT_EQ(headless::printed_pages().size(), 1u);
    const headless::PrintedPage& page = headless::printed_pages()[0];
    int32_t black = 0, red_pixels = 0, white = 0;
    for (int32_t y = 0; y < page.height; ++y) {
        for (int32_t x = 0; x < page.width; ++x) {
            uint32_t p = page.at(x, y);
            bool inCopy = x >= 40 && x < 44 && y >= 30 && y < 34;
            bool inText = x < 30 && y < 21;
            if (inCopy) {
                red_pixels += p == kRed;
            } else if (p == 0) {
                black += 1;
                EXPECT_TRUE(inText) << "ink at " << x << ", " << y;
            } else {
                white += p == kWhite;
            }
        }
    }
    EXPECT_EQ(red_pixels, 16);
    EXPECT_GT(black, 10) << "the text reached the page";
    EXPECT_EQ(white + black + 16, page.width * page.height);
    EXPECT_EQ(tb_GetPrinterDC(), nullptr) << "the page is gone with the job";
}

TEST(PrinterTarget, APageIsNeverLargerThan600PixelsPerInchNorAbout36MillionPixels) {
    struct Case {
        double widthMm, heightMm;
        int32_t dpi, wantDpi;
    } cases[] = {
        {210, 297, 300, 300},   // A4 as the printer has it
        {210, 297, 1200, 600},  // finer printers get 600 and enlarge
        {841, 1189, 600, 0},    // A0: less, to stay near 36 million pixels
        {210, 297, 0, 1},       // a printer that says nothing sensible
        {1e12, 297, 300, 0},    // nor a page
    };
    for (const Case& c : cases) {
        fresh_toolbox();
        headless::PrintAnswer answer;
        answer.choose = 1;
        answer.page = platform::PrintPage{c.widthMm, c.heightMm, c.dpi, c.dpi};
        headless::set_print_answer(answer);
        ASSERT_EQ(tb_PrintDialog(nullptr), 1);
        double w = 0, h = 0;
        int32_t dpiX = 0, dpiY = 0;
        tb_GetPrinterPageSize(&w, &h, &dpiX, &dpiY);
        EXPECT_EQ(w, std::min(c.widthMm, 10000.0));
        EXPECT_EQ(dpiX, dpiY);
        if (c.wantDpi > 0) {
            EXPECT_EQ(dpiX, c.wantDpi) << c.dpi;
        }
        double pixels = (w / 25.4 * dpiX) * (h / 25.4 * dpiY);
        EXPECT_LE(pixels, 36.0e6) << c.widthMm << " x " << c.heightMm << " at " << c.dpi;
        EXPECT_GE(pixels, c.wantDpi == 0 ? 30.0e6 : 0.0) << c.widthMm << " x " << c.heightMm;
        tb_EndDoc();
    }
}
