// The commands on the picture document: Save and its failures, the save question of the
// commands that put the picture aside, New, Open with fitting and centring, the remote control
// and the preferences dialog.
#include "pictures/commands.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

#include "documents_fixture.h"
#include "pictures/gallery_list.h"
#include "pictures/picture_files.h"
#include "pictures/preferences_dialog.h"
#include "pictures/remote_control.h"
#include "resources/resource_ids.h"

namespace {

using namespace documents_test;

constexpr int32_t kPictureWidth = 474;  // at 640 x 480
constexpr int32_t kPictureHeight = 368;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kRed = 0xFF0000;

std::vector<char> file_bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The picture as a file would hold it, to compare with what was saved.
bool saved_file_is_picture(const fs::path& path) {
    BitmapRef read = read_picture_file(path.c_str());
    if (read < 0) return false;
    bool same =
        tb_GetBitmapWidth(read) == kPictureWidth && tb_GetBitmapHeight(read) == kPictureHeight;
    for (int32_t y = 0; same && y < kPictureHeight; y += 7) {
        for (int32_t x = 0; same && x < kPictureWidth; x += 5) {
            same = pixel_rgb(read, x, y) == pixel_rgb(g_pictureBitmap, x, y);
        }
    }
    tb_DisposeBitmap(read);
    return same;
}

using Commands = DocumentsTest;

TEST_F(Commands, FirstSaveProposesTintamarInANewGalleryAndLaterSavesReplaceWithoutAsking) {
    paint(kRed);
    headless::answer_file_chooser((gallery() / "mine").string());  // typed without an ending
    do_command(1);

    ASSERT_EQ(headless::file_requests().size(), 1u);
    const headless::FileRequestSeen& asked = headless::file_requests()[0];
    EXPECT_TRUE(asked.save);
    EXPECT_EQ(asked.title, "Save As");
    EXPECT_EQ(asked.name, "Tintamar.bmp");
    EXPECT_EQ(asked.folder, (gallery() / "").string());
    EXPECT_EQ(asked.filterLabel, "QOX, Tintamar 1.0 (*.bmp)");
    EXPECT_EQ(asked.filterPattern, "*.bmp");
    EXPECT_TRUE(saved_file_is_picture(gallery() / "mine.bmp"));
    EXPECT_STREQ(g_pictureFileName, (gallery() / "mine.bmp").c_str());
    EXPECT_EQ(g_pictureModified, 0);

    // Saved again over it: replaced without a question.
    paint(0x00FF00, 50, 50);
    headless::answer_file_chooser((gallery() / "mine.bmp").string());
    do_command(1);
    EXPECT_EQ(headless::file_requests().back().name, "mine.bmp");
    EXPECT_TRUE(saved_file_is_picture(gallery() / "mine.bmp"));
    EXPECT_TRUE(shown_boxes().empty());
}

struct FailedSave {
    const char* what;
    std::function<void(const fs::path& gallery)> arrange;
    const char* notice;  // how the notice starts
};

// A full disk: writes stop at 64 KB, with the signal that would end the program ignored.
struct FileSizeLimit {
    rlimit kept{};
    FileSizeLimit() {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &kept);
        rlimit small = kept;
        small.rlim_cur = 64 * 1024;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &kept); }
};

TEST_F(Commands, AFailedSaveSaysSoKeepsThePictureModifiedAndTheEarlierFileWhole) {
    const std::string tooLong = "/tmp/" + std::string(300, 'x') + ".bmp";
    const FailedSave cases[] = {
        {"a folder that is not there",
         [](const fs::path& g) { headless::answer_file_chooser((g / "no/such/x.bmp").string()); },
         "The picture could not be saved as"},
        {"a full disk",
         [](const fs::path& g) { headless::answer_file_chooser((g / "keep.bmp").string()); },
         "The picture could not be saved as"},
        {"a name too long", [&](const fs::path&) { headless::answer_file_chooser(tooLong); },
         "The chosen folder or file name is too long"},
        {"no chooser on this screen", [](const fs::path&) { headless::file_chooser_unavailable(); },
         "The window for choosing a file could not be opened"},
    };
    fs::create_directories(gallery());
    ASSERT_TRUE(write_plain_picture(gallery() / "keep.bmp", 200, 200, 0x0000FF));
    const std::vector<char> earlier = file_bytes(gallery() / "keep.bmp");
    for (const FailedSave& c : cases) {
        SCOPED_TRACE(c.what);
        shown_boxes().clear();
        paint(kRed);
        c.arrange(gallery());
        {
            FileSizeLimit diskFull;
            do_command(1);
        }
        ASSERT_EQ(shown_boxes().size(), 1u);
        EXPECT_EQ(shown_boxes()[0].kind, TB_BOX_ATTENTION);
        EXPECT_EQ(shown_boxes()[0].text.rfind(c.notice, 0), 0u) << shown_boxes()[0].text;
        EXPECT_EQ(g_pictureModified, 1);
        EXPECT_EQ(file_bytes(gallery() / "keep.bmp"), earlier);
        EXPECT_EQ(tb_FileIsOpen(), 0);
    }
    // Nothing but the earlier picture is left in the folder: no half-written file either.
    EXPECT_EQ(std::distance(fs::directory_iterator(gallery()), fs::directory_iterator()), 1);
}

// The save question of the commands that put the picture aside.
struct Prompt {
    const char* what;
    int32_t command;
    int32_t answer;                 // 1 yes, 0 no
    std::function<void()> chooser;  // what the save dialog gets
    bool goesOn;                    // the command went past its question
};

TEST_F(Commands, TheSaveQuestionGoesOnUnlessTheSaveFails) {
    const auto cancel = [] { headless::cancel_file_chooser(); };
    const auto fail = [] { headless::answer_file_chooser("/no/such/folder/x.bmp"); };
    const auto none = [] {};
    const Prompt cases[] = {
        {"Quit, yes, then the save cancelled", 0, 1, cancel, true},
        {"Quit, yes, then the save failing", 0, 1, fail, false},
        {"Quit, no", 0, 0, none, true},
        {"New, yes, then the save failing", 2, 1, fail, false},
        {"New, no", 2, 0, none, true},
        {"Open, yes, then the save failing", 3, 1, fail, false},
        {"Open, no", 3, 0, none, true},
    };
    for (const Prompt& c : cases) {
        SCOPED_TRACE(c.what);
        shown_boxes().clear();
        asked_to_close();
        paint(kRed);
        answer_questions(c.answer);
        c.chooser();
        if (c.command == 2 && c.goesOn) queue_escape();  // closes New's colouring pages
        const size_t requestsBefore = headless::file_requests().size();
        do_command(c.command);

        ASSERT_FALSE(shown_boxes().empty());
        EXPECT_EQ(shown_boxes()[0].kind, TB_BOX_YESNO);
        const char* question = c.command == 0   ? kSaveBeforeQuitting
                               : c.command == 2 ? kSaveBeforeNew
                                                : kSaveBeforeOpening;
        EXPECT_EQ(shown_boxes()[0].text, question);
        if (c.command == 0) {
            EXPECT_EQ(asked_to_close(), c.goesOn);
        }
        if (c.command == 2) {
            EXPECT_EQ(picture_pixel(0, 0), c.goesOn ? kWhite : kRed);
        }
        if (c.command == 3) {
            // Open's own dialog comes only after the question let it go on.
            const size_t dialogs = headless::file_requests().size() - requestsBefore;
            EXPECT_EQ(dialogs, c.answer == 1 ? (c.goesOn ? 2u : 1u) : 1u);
        }
        EXPECT_EQ(g_pictureModified, c.goesOn && c.command != 0 ? 0 : 1);
    }
}

TEST_F(Commands, NewClearsToTintamarBmpAndOffersTheColouringPages) {
    ASSERT_TRUE(write_plain_picture(pages() / "blank.bmp", 4, 4, kWhite));
    ASSERT_TRUE(write_plain_picture(pages() / "Cat.bmp", 4, 4, 0x00FF00));
    std::strcpy(g_pictureFileName, "/somewhere/Mine.bmp");
    std::strcpy(g_browseFolder, "/kept/");
    g_galleryPosition = 5;
    paint(kRed);
    g_undoAvailable = 1;
    answer_questions(0);
    queue_escape();  // the pages are offered; none is taken
    do_command(2);

    EXPECT_EQ(picture_pixel(0, 0), kWhite);
    EXPECT_STREQ(g_pictureFileName, "Tintamar.bmp");
    EXPECT_EQ(g_undoAvailable, 0);
    EXPECT_EQ(g_pictureModified, 0);
    EXPECT_EQ(g_galleryList.count, 2);  // the pages were listed...
    EXPECT_STREQ(g_galleryList.entries[0].name, "blank.bmp");
    EXPECT_STREQ(g_browseFolder, "/kept/");  // ...and the gallery is back where it was
    EXPECT_EQ(g_galleryPosition, 5);
}

struct Placing {
    const char* what;
    int32_t fit;
    int32_t width;
    int32_t height;
    Point picture;  // a point of the picture...
    Point image;    // ...and the image's point it must show; (-1, -1): white
};

TEST_F(Commands, OpenFitsOrCentresThePicture) {
    // Every pixel of the image differs, so each picture pixel tells which it came from.
    const auto colour = [](int32_t x, int32_t y) {
        return 0x010000u * static_cast<uint32_t>(x % 251) +
               0x000100u * static_cast<uint32_t>(y % 241) + 0x40u;
    };
    const Placing cases[] = {
        {"small, fitted: stretched to the corners", 1, 20, 10, {473, 367}, {19, 9}},
        {"small, fitted: the top-left corner", 1, 20, 10, {0, 0}, {0, 0}},
        {"small, centred", 0, 20, 10, {227, 179}, {0, 0}},
        {"small, centred: white around it", 0, 20, 10, {226, 179}, {-1, -1}},
        {"small, centred: its last pixel", 0, 20, 10, {246, 188}, {19, 9}},
        {"large, centred: cut on every side", 0, 1000, 600, {0, 0}, {263, 116}},
        {"large, fitted", 1, 1000, 600, {0, 0}, {0, 0}},
    };
    fs::create_directories(gallery());
    for (const Placing& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path file = gallery() / ("p" + std::to_string(c.width) + ".bmp");
        ASSERT_TRUE(write_picture(file, c.width, c.height, colour));
        g_prefs.fitPictures = c.fit;
        g_undoAvailable = 0;
        headless::answer_file_chooser(file.string());
        do_command(3);
        const uint32_t expected = c.image.x < 0 ? kWhite : colour(c.image.x, c.image.y);
        EXPECT_EQ(picture_pixel(c.picture.x, c.picture.y), expected);
        EXPECT_EQ(g_undoAvailable, 1);
        EXPECT_STREQ(g_pictureFileName, file.c_str());
    }
    EXPECT_EQ(headless::file_requests().back().title, "Open");
    EXPECT_FALSE(headless::file_requests().back().save);
}

TEST_F(Commands, OpenTakesEightBitPicturesAndRefusesOthersWithTheNotice) {
    const struct {
        const char* file;
        bool opens;
    } cases[] = {{"im-palette-8.bmp", true},
                 {"im-palette-4.bmp", false},
                 {"im-bilevel-1.bmp", false},
                 {"im-alpha-32.bmp", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        shown_boxes().clear();
        paint(kRed, kPictureWidth, kPictureHeight);
        headless::answer_file_chooser(std::string(TEST_DATA_DIR) + "/bmp-seeds/" + c.file);
        do_command(3);
        EXPECT_EQ(picture_pixel(100, 100) != kRed, c.opens);
        if (c.opens) {
            EXPECT_TRUE(shown_boxes().size() == 1 && shown_boxes()[0].kind == TB_BOX_YESNO);
        } else {
            EXPECT_EQ(box_texts().back(),
                      "Incompatible File: The file must be in Windows BMP 24bpp format");
        }
    }
}

// ---- The remote control -----------------------------------------------------------------

constexpr int32_t kRemoteWidth = kBitmapRemoteSize.width;
constexpr int32_t kRemoteHeight = kBitmapRemoteSize.height;

TEST_F(Commands, TheRemoteRunsWhatIsReleasedOnAndEscapeRunsQuit) {
    queue_escape();
    do_command(-1);
    EXPECT_TRUE(asked_to_close());

    // Beside every button, then on the close area: nothing runs.
    queue_click(kRemoteWidth, kRemoteHeight, 112, 100);
    queue_click(kRemoteWidth, kRemoteHeight, 112, 200);
    queue_click(kRemoteWidth, kRemoteHeight, 25, 225);
    EXPECT_EQ(remote_control_run(), -1);
    queue_click(kRemoteWidth, kRemoteHeight, 25, 225);
    do_command(-1);  // the close area through the command handler
    EXPECT_FALSE(asked_to_close());
    EXPECT_TRUE(headless::file_requests().empty());

    // Save: released on, it runs after the remote's half-second wait.
    queue_click(kRemoteWidth, kRemoteHeight, 60, 60);
    headless::cancel_file_chooser();
    const uint32_t before = tb_TickCount();
    do_command(-1);
    EXPECT_GE(tb_TickCount() - before, 500u);
    ASSERT_EQ(headless::file_requests().size(), 1u);
    EXPECT_TRUE(headless::file_requests()[0].save);
}

// ---- The preferences dialog -------------------------------------------------------------

constexpr int32_t kPrefsWidth = kBitmapPreferencesSize.width;
constexpr int32_t kPrefsHeight = kBitmapPreferencesSize.height;

struct PrefsRun {
    const char* what;
    std::vector<Point> clicks;  // dialog points; the last one ends the dialog (or Escape)
    bool escape;
    int32_t result;
    Preferences after;
};

TEST_F(Commands, ThePreferencesChangeOnlyOnOkAndPrintingStandsTheOtherWayRound) {
    const Point soundOff{84, 187}, printLight{329, 187}, printFull{329, 110}, between{125, 150};
    const Point ok{300, 250}, cancel{340, 250};
    const PrefsRun cases[] = {
        {"sound off, then cancel", {soundOff, cancel}, false, -1, {1, 1, 1, 0}},
        {"sound off, then Escape", {soundOff}, true, 0, {1, 1, 1, 0}},
        {"light printing on", {printLight, ok}, false, 1, {1, 1, 1, 1}},
        {"printing in full", {printLight, printFull, ok}, false, 1, {1, 1, 1, 0}},
        {"between the pictures: nothing", {between, ok}, false, 1, {1, 1, 1, 0}},
        {"sound off", {soundOff, ok}, false, 1, {0, 1, 1, 0}},
    };
    for (const PrefsRun& c : cases) {
        SCOPED_TRACE(c.what);
        g_prefs = Preferences{1, 1, 1, 0};
        for (Point p : c.clicks) queue_click(kPrefsWidth, kPrefsHeight, p.x, p.y);
        if (c.escape) queue_escape();
        EXPECT_EQ(preferences_dialog_run(), c.result);
        EXPECT_EQ(g_prefs.soundOn, c.after.soundOn);
        EXPECT_EQ(g_prefs.fitPictures, c.after.fitPictures);
        EXPECT_EQ(g_prefs.animatedClearing, c.after.animatedClearing);
        EXPECT_EQ(g_prefs.lightPrinting, c.after.lightPrinting);
    }
}

// The speaker as the window shows it.
std::vector<uint32_t> speaker_on_screen() {
    std::vector<uint32_t> pixels;
    const Rect& r = g_layout.speaker;
    for (int32_t y = r.top; y < r.bottom; ++y) {
        for (int32_t x = r.left; x < r.right; ++x) pixels.push_back(window_pixel(x, y));
    }
    return pixels;
}

TEST_F(Commands, PreferencesConfirmedAreWrittenAndTheSpeakerRedrawn) {
    g_prefs = Preferences{};
    const std::vector<uint32_t> speakerOn = speaker_on_screen();
    queue_click(kPrefsWidth, kPrefsHeight, 84, 187);  // sound off
    queue_click(kPrefsWidth, kPrefsHeight, 300, 250);
    do_command(6);
    EXPECT_EQ(g_prefs.soundOn, 0);
    EXPECT_NE(speaker_on_screen(), speakerOn);
    const std::vector<char> file = file_bytes(preferences_path());
    ASSERT_EQ(file.size(), 276u);
    EXPECT_EQ(file[0], 0);
    EXPECT_EQ(file[4], 1);
}

}  // namespace
