// A headless room with a Tintamar folder of its own for the picture documents' tests: the
// commands, the gallery and the dialogs. Clicks are given in dialog pixels of a dialog of a
// known size, which the toolbox centres on the 640 x 480 screen.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "pictures/documents.h"
#include "scene_fixture.h"

namespace documents_test {

namespace fs = std::filesystem;

// A press and a release at dialog point (x, y) of a dialog width x height on the screen.
inline void queue_click(int32_t width, int32_t height, int32_t x, int32_t y) {
    const int32_t left = (640 - width) / 2;
    const int32_t top = (480 - height) / 2;
    headless::push_event(event_of(TB_EVENT_BUTTON_DOWN, left + x, top + y));
    headless::push_event(event_of(TB_EVENT_BUTTON_UP, left + x, top + y));
}

inline void queue_escape() {
    headless::push_event(event_of(TB_EVENT_KEY_DOWN, 0, 0, TB_VK_ESCAPE));
}

// Whether the program asked its window to close (Quit), taking the events queued meanwhile.
inline bool asked_to_close() {
    bool close = false;
    TbEvent e;
    while (tb_GetEvent(&e, 0) != 0) close = close || e.kind == TB_EVENT_CLOSE;
    return close;
}

// A 24-bit picture file of w x h whose pixel (x, y) is colour(x, y); false when not written.
template <typename Colour>
bool write_picture(const fs::path& path, int32_t w, int32_t h, Colour colour) {
    BitmapRef b = make_bitmap(w, h);
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) set_pixel_rgb(b, x, y, colour(x, y));
    }
    bool ok = tb_OpenFileForWriting(path.c_str()) != 0 && tb_WriteBitmapToFile(b) == 1;
    ok = tb_CloseFile() == 1 && ok;
    tb_DisposeBitmap(b);
    return ok;
}

inline bool write_plain_picture(const fs::path& path, int32_t w, int32_t h, uint32_t rgb) {
    return write_picture(path, w, h, [rgb](int32_t, int32_t) { return rgb; });
}

class DocumentsTest : public ::testing::Test {
   protected:
    void SetUp() override {
        start_scene(640, 480);
        if (tb_FileIsOpen() != 0) tb_CloseFile();
        home_ = fs::temp_directory_path() /
                ("tintamar-docs-" + std::to_string(getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(home_);
        fs::create_directories(home_ / "Pages");
        std::strcpy(g_homeFolder, home_.c_str());
        std::strcpy(g_pictureFileName, "Tintamar.bmp");
        g_browseFolder[0] = 0;
        g_dialogFolder[0] = 0;
        g_galleryPosition = 0;
        g_pictureModified = 0;
        g_prefs.animatedClearing = 0;  // a clearing without its animation's frames
        // The settings file too goes into the test's own folder.
        const char* config = std::getenv("XDG_CONFIG_HOME");
        keptConfig_ = config != nullptr ? config : "";
        setenv("XDG_CONFIG_HOME", (home_ / "config").c_str(), 1);
    }
    void TearDown() override {
        if (tb_FileIsOpen() != 0) tb_CloseFile();
        scene_release();
        if (keptConfig_.empty())
            unsetenv("XDG_CONFIG_HOME");
        else
            setenv("XDG_CONFIG_HOME", keptConfig_.c_str(), 1);
        fs::remove_all(home_);
    }

    fs::path gallery() const { return home_ / "Gallery"; }
    fs::path pages() const { return home_ / "Pages"; }

    // The picture's pixel as 0xRRGGBB.
    static uint32_t picture_pixel(int32_t x, int32_t y) { return pixel_rgb(g_pictureBitmap, x, y); }

    // Paints the picture's top-left w x h in a colour, as a tool would, and marks it modified.
    static void paint(uint32_t rgb, int32_t w = 10, int32_t h = 10) {
        fill_bitmap(g_pictureBitmap, Rect{0, 0, w, h}, rgb);
        g_pictureModified = 1;
    }

    fs::path home_;
    std::string keptConfig_;
};

}  // namespace documents_test
