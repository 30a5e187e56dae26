// The gallery: which pictures it lists and in what order, what it shows for each, stepping and
// its position, opening the chosen picture, and names that are long or not UTF-8.
#include "pictures/gallery.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "documents_fixture.h"
#include "pictures/commands.h"
#include "pictures/display_text.h"
#include "pictures/gallery_list.h"
#include "pictures/picture_files.h"
#include "resources/resource_ids.h"

namespace {

using namespace documents_test;

constexpr int32_t kWidth = kBitmapGallerySize.width;
constexpr int32_t kHeight = kBitmapGallerySize.height;
constexpr int32_t kLeft = (640 - kWidth) / 2;  // where the gallery lies on the screen
constexpr int32_t kTop = (480 - kHeight) / 2;
constexpr Point kOpen{180, 390};
constexpr Point kCancel{230, 390};
constexpr Point kPrevious{70, 390};
constexpr Point kNext{330, 390};
constexpr Point kNameCard{380, 240};
constexpr Rect kPreview{64, 44, 344, 261};

std::vector<std::string> listed() {
    std::vector<std::string> names;
    for (int32_t i = 0; i < g_galleryList.count; ++i)
        names.push_back(g_galleryList.entries[i].name);
    return names;
}

void touch(const fs::path& path) { std::ofstream(path) << "not a picture"; }

void click(Point p) { queue_click(kWidth, kHeight, p.x, p.y); }

using Gallery = DocumentsTest;

TEST_F(Gallery, ListsBlankFirstThenTheFirstHundredByNameWhateverTheirCase) {
    const fs::path many = home_ / "many";
    fs::create_directories(many / "folder.bmp");  // a folder is never a picture
    for (int32_t i = 149; i >= 0; --i) touch(many / ("p" + std::to_string(1000 + i) + ".bmp"));
    touch(many / "blank.bmp");
    touch(many / "notes.txt");
    EXPECT_EQ(gallery_enumerate((many.string() + "/").c_str()), 100);
    std::vector<std::string> names = listed();
    EXPECT_EQ(names.front(), "blank.bmp");
    EXPECT_EQ(names[1], "p1000.bmp");
    EXPECT_EQ(names.back(), "p1098.bmp");

    const fs::path mixed = home_ / "mixed";
    fs::create_directories(mixed);
    for (const char* n : {"b.BMP", "Blank.bmp", "a.bmp", "A.bmp", "z.png"}) touch(mixed / n);
    gallery_enumerate((mixed.string() + "/").c_str());
    EXPECT_EQ(listed(), (std::vector<std::string>{"A.bmp", "a.bmp", "b.BMP", "Blank.bmp"}));

    EXPECT_EQ(gallery_enumerate((home_ / "missing/").c_str()), 0);
    EXPECT_EQ(g_galleryList.entries[0].present, 0);
}

// The gallery's pixels, read while it is open: a message box shown from it (the name card's)
// lets the test look at the screen before the gallery closes.
std::vector<uint32_t> g_previewSeen;
int32_t look_at_preview(int32_t, const char*, const char* text) {
    shown_boxes().push_back({TB_BOX_INFORMATION, "", text});
    g_previewSeen.clear();
    for (int32_t y = kPreview.top; y < kPreview.bottom; ++y) {
        for (int32_t x = kPreview.left; x < kPreview.right; ++x) {
            g_previewSeen.push_back(window_pixel(kLeft + x, kTop + y));
        }
    }
    return 1;
}

TEST_F(Gallery, ShowsEachPictureOrSaysItCannotAndStepsWithinTheList) {
    ASSERT_TRUE(write_plain_picture(pages() / "blank.bmp", 8, 8, 0xFFFFFF));
    ASSERT_TRUE(write_plain_picture(pages() / "Cat.bmp", 8, 8, 0x00C000));
    touch(pages() / "Dog.bmp");
    std::strcpy(g_browseFolder, (pages().string() + "/").c_str());
    tb_SetMessageSink(look_at_preview);

    // Forward twice (the last step is past the end: nothing), back once, forward again,
    // asking the card for the name at Cat and at Dog.
    for (Point p : {kNext, kNameCard, kNext, kNameCard, kNext, kPrevious, kNext}) click(p);
    queue_escape();
    EXPECT_EQ(gallery_run(), 0);
    EXPECT_EQ(g_galleryPosition, 2);
    ASSERT_EQ(box_texts(), (std::vector<std::string>{"This picture file is named Cat.bmp.",
                                                     "This picture file is named Dog.bmp."}));
    // Dog is no picture: its preview is the background with the message in white.
    BitmapRef background = make_bitmap(1, 1, 24, kBitmapGallery);
    size_t white = 0;
    size_t i = 0;
    for (int32_t y = kPreview.top; y < kPreview.bottom; ++y) {
        for (int32_t x = kPreview.left; x < kPreview.right; ++x, ++i) {
            if (g_previewSeen[i] == 0xFFFFFF)
                ++white;
            else
                ASSERT_EQ(g_previewSeen[i], pixel_rgb(background, x, y)) << x << ", " << y;
        }
    }
    EXPECT_GT(white, 200u);
    tb_DisposeBitmap(background);

    // The position is kept for the next opening: Cat once more with one step back.
    shown_boxes().clear();
    click(kPrevious);
    click(kNameCard);
    queue_escape();
    gallery_run();
    EXPECT_EQ(box_texts(), (std::vector<std::string>{"This picture file is named Cat.bmp."}));
    EXPECT_EQ(g_previewSeen[g_previewSeen.size() / 2], 0x00C000u);
}

TEST_F(Gallery, OpensTheChosenPictureAfterTheSaveQuestionOrSaysWhyNot) {
    fs::create_directories(gallery());
    ASSERT_TRUE(write_plain_picture(gallery() / "Cat.bmp", 8, 8, 0x00C000));
    touch(gallery() / "Dog.bmp");
    std::strcpy(g_browseFolder, (gallery().string() + "/").c_str());

    paint(0xFF0000);
    answer_questions(0);
    click(kOpen);
    EXPECT_EQ(gallery_run(), 1);
    EXPECT_EQ(box_texts(), (std::vector<std::string>{kSaveBeforeOpening}));
    EXPECT_EQ(picture_pixel(0, 0), 0x00C000u);
    EXPECT_STREQ(g_pictureFileName, (gallery() / "Cat.bmp").c_str());
    EXPECT_EQ(g_pictureModified, 0);

    // Dog, a broken file, chosen by clicking its preview: the picture stays as it was.
    shown_boxes().clear();
    click(kNext);
    click(Point{200, 150});
    EXPECT_EQ(gallery_run(), 1);
    EXPECT_EQ(box_texts(), (std::vector<std::string>{"Could not open selected file."}));
    EXPECT_EQ(picture_pixel(0, 0), 0x00C000u);
    EXPECT_STREQ(g_pictureFileName, (gallery() / "Dog.bmp").c_str());

    // An empty folder: only the buttons answer, and opening finds nothing.
    shown_boxes().clear();
    std::strcpy(g_browseFolder, (home_.string() + "/empty/").c_str());
    click(Point{200, 150});  // the preview shows no picture: nothing happens
    click(kOpen);
    EXPECT_EQ(gallery_run(), 1);
    EXPECT_EQ(box_texts(), (std::vector<std::string>{"Could not open selected file."}));
    click(kCancel);
    EXPECT_EQ(gallery_run(), -1);
}

TEST_F(Gallery, NewShowsThePagesFromTheFirstAndPutsThePositionBack) {
    ASSERT_TRUE(write_plain_picture(pages() / "blank.bmp", 8, 8, 0xFFFFFF));
    ASSERT_TRUE(write_plain_picture(pages() / "Cat.bmp", 8, 8, 0x00C000));
    g_galleryPosition = 1;
    click(kNext);  // from blank to Cat: the pages start at the first
    click(kOpen);
    do_command(2);
    EXPECT_EQ(picture_pixel(0, 0), 0x00C000u);
    EXPECT_EQ(g_galleryPosition, 1);
}

TEST_F(Gallery, NamesTooLongOrNotUtf8AreShownSafelyAndStillOpen) {
    // A folder deep enough that its path and a long name together pass the path buffers.
    const fs::path deep = home_ / std::string(120, 'd');
    fs::create_directories(deep);
    const std::string longName = std::string(200, 'n') + ".bmp";
    const std::string oddName = "caf\xE9.bmp";  // Latin-1, not UTF-8
    ASSERT_TRUE(write_plain_picture(deep / longName, 4, 4, 0x102030));
    ASSERT_TRUE(write_plain_picture(deep / oddName, 4, 4, 0x405060));
    std::strcpy(g_browseFolder, (deep.string() + "/").c_str());

    click(kNameCard);  // caf?.bmp sorts first
    click(kNext);
    click(kNameCard);
    click(kOpen);
    EXPECT_EQ(gallery_run(), 1);
    ASSERT_EQ(shown_boxes().size(), 2u);
    EXPECT_EQ(shown_boxes()[0].text, "This picture file is named caf\xEF\xBF\xBD.bmp.");
    EXPECT_EQ(shown_boxes()[1].text.size(), std::string("This picture file is named .").size() +
                                                std::string(79, 'n').size() + 3);  // and "…"
    EXPECT_EQ(picture_pixel(0, 0), 0x102030u);
    EXPECT_EQ(std::string(g_pictureFileName), longName);  // the path would not fit
}

TEST(DisplayText, ReplacesWhatIsNotUtf8AndCutsWithAnEllipsis) {
    const std::string r = "\xEF\xBF\xBD";  // U+FFFD, for each byte that is no character
    const struct {
        std::string bytes;
        std::string shown;
    } cases[] = {
        {"plain", "plain"},
        {"\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9"},  // été
        {"caf\xE9", "caf" + r},                      // Latin-1 é
        {"\xC0\xAF", r + r},                         // an overlong "/"
        {"\xED\xA0\x80", r + r + r},                 // a surrogate
        {"\xF4\x90\x80\x80", r + r + r + r},         // past U+10FFFF
        {"\xF0\x9F\x8E\xA8!", "\xF0\x9F\x8E\xA8!"},  // an emoji
        {"a\xE2\x82", "a" + r + r},                  // cut short
    };
    for (const auto& c : cases) {
        EXPECT_EQ(displayable(c.bytes.data(), c.bytes.size()), c.shown) << c.bytes;
    }
    EXPECT_EQ(cut_to_characters("abcdef", 4), "abc\xE2\x80\xA6");
    EXPECT_EQ(cut_to_characters("abc", 3), "abc");
    EXPECT_EQ(cut_to_characters("\xC3\xA9\xC3\xA9\xC3\xA9", 2), "\xC3\xA9\xE2\x80\xA6");

    fresh_toolbox();
    BitmapRef b = make_bitmap(4, 4);
    tb_SetFontSize(b, 12);
    const std::string longText(300, 'w');
    const std::string cut = cut_to_width(b, longText, 200);
    EXPECT_LE(tb_DrawText(b, 0, 0, cut.c_str(), static_cast<int32_t>(cut.size()), 0, 0, 0, 0), 200);
    EXPECT_GT(cut.size(), 10u);
    EXPECT_EQ(cut.substr(cut.size() - 3), "\xE2\x80\xA6");
    EXPECT_EQ(cut_to_width(b, "short", 200), "short");
    tb_DisposeBitmap(b);
}

}  // namespace
