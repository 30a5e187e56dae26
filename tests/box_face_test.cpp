// The face of our own message box (used where GTK cannot draw): it fits every screen the
// program runs on, with its icon, its text wrapped and its buttons where a click finds them, in
// few colours when the screen has few.
#include "toolbox/box_face.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using tb::BoxFace;
using tb::BoxIcon;

constexpr const char* kRefusal =
    "Tintamar requires that your display be set to 16 or 24 bits per pixel color mode. "
    "Please adjust your display settings and then restart Tintamar.";
constexpr const char* kEscapeHint =
    "Press the Remote Control (on the yellow table below,\n"
    "next to the monitor and cleaner bottle) to access the\n"
    "menu options such as Open, Save, Quit, New, Help, etc";

uint32_t at(const BoxFace& face, int32_t x, int32_t y) {
    return face.pixels[static_cast<size_t>(y) * static_cast<size_t>(face.width) + x];
}

int32_t count_of(const BoxFace& face, const Rect& r, uint32_t colour) {
    int32_t n = 0;
    for (int32_t y = r.top; y < r.bottom; ++y) {
        for (int32_t x = r.left; x < r.right; ++x) n += at(face, x, y) == colour ? 1 : 0;
    }
    return n;
}

}  // namespace

TEST(BoxFace, FitsEveryScreenWithItsTextAndButtons) {
    struct Screen {
        int32_t width, height;
    };
    const Screen screens[] = {{640, 480}, {800, 600}, {1024, 768}, {320, 240}};
    const char* texts[] = {kRefusal, kEscapeHint, "Failed to create region.",
                           "No more available Bitmaps! (tb_CreateBitmap)", ""};
    for (Screen screen : screens) {
        for (const char* text : texts) {
            for (bool yesNo : {false, true}) {
                SCOPED_TRACE(::testing::Message() << screen.width << "x" << screen.height << " "
                                                  << text << (yesNo ? " yes/no" : " OK"));
                BoxFace face = tb::draw_box_face(BoxIcon::Information, yesNo, text, screen.width,
                                                 screen.height, {}, 256);
                EXPECT_LE(face.width, screen.width - 32);
                EXPECT_LE(face.height, screen.height - 32);
                ASSERT_EQ(face.pixels.size(), static_cast<size_t>(face.width * face.height));
                ASSERT_EQ(face.buttonCount, yesNo ? 2 : 1);
                for (int32_t i = 0; i < face.buttonCount; ++i) {
                    const Rect& b = face.buttons[i];
                    EXPECT_GE(b.left, 0);
                    EXPECT_LE(b.right, face.width);
                    EXPECT_LE(b.bottom, face.height);
                    EXPECT_EQ(tb::box_face_button_at(face, (b.left + b.right) / 2, b.top + 1), i);
                    EXPECT_EQ(face.answers[i], i == 0 ? 1 : 0);
                }
                EXPECT_EQ(tb::box_face_button_at(face, 1, 1), -1);
                // The text, dark brown on cream, between the icon and the right edge.
                const Rect textArea{84, 0, face.width, face.buttons[0].top};
                EXPECT_EQ(count_of(face, textArea, 0x5A3416) > 0, text[0] != 0);
            }
        }
    }
    // The refusal is wrapped into lines that leave the 640-pixel screen room around the box.
    BoxFace refusal = tb::draw_box_face(BoxIcon::Information, false, kRefusal, 640, 480, {}, 5);
    EXPECT_GT(refusal.height, 120);
    EXPECT_LT(refusal.width, 600);
}

TEST(BoxFace, ShowsTheIconOfItsKindAndWhichButtonHasTheFocus) {
    struct Case {
        BoxIcon icon;
        uint32_t disc;
    };
    const Case cases[] = {{BoxIcon::Information, 0x1E88E5},
                          {BoxIcon::Exclamation, 0xFB8C00},
                          {BoxIcon::Question, 0x43A047}};
    for (const Case& c : cases) {
        for (int32_t focused : {0, 1}) {
            BoxFace face = tb::draw_box_face(c.icon, true, "Save your picture?", 800, 600,
                                             tb::BoxFaceState{focused, -1}, 5);
            // The disc, 44 pixels across at (20, 20), with its white mark in the middle.
            EXPECT_EQ(at(face, 26, 42), c.disc);
            EXPECT_EQ(at(face, 42, 26), c.disc);
            EXPECT_GT(count_of(face, Rect{30, 30, 54, 54}, 0xFFFFFF), 10);
            for (int32_t i = 0; i < 2; ++i) {
                const Rect& b = face.buttons[i];
                EXPECT_EQ(at(face, b.left + 5, (b.top + b.bottom) / 2),
                          i == focused ? 0x42A5F5u : 0xFFFFFFu);
            }
            // Few shades of blending: few colours for a screen with a colour map.
            std::set<uint32_t> colours(face.pixels.begin(), face.pixels.end());
            EXPECT_LE(colours.size(), 64u);
        }
    }
}
