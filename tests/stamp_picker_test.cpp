// The stamp picker over an 800 x 600 room: what each release decides and sounds, what the book
// shows on each page, and the page each stamp book keeps for its next opening.
#include "pictures/stamp_picker.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "resources/resource_ids.h"
#include "resources/resources.h"
#include "scene/input_dispatch.h"
#include "scene/scene_hooks.h"
#include "scene_fixture.h"
#include "tools/scissors_stamps.h"

namespace {

constexpr int32_t kStamps = 48;
// The book's top-left corner on the 800 x 600 window: centred.
constexpr int32_t kLeft = (800 - 627) / 2;
constexpr int32_t kTop = (600 - 241) / 2;
constexpr Rect kNextArrow{521, 14, 589, 61};
constexpr Rect kPreviousArrow{39, 14, 107, 61};
constexpr Rect kCells[8] = {
    {101, 50, 149, 98}, {193, 50, 241, 98}, {90, 134, 138, 182},  {188, 134, 236, 182},
    {388, 50, 436, 98}, {480, 50, 528, 98}, {393, 134, 441, 182}, {491, 134, 539, 182},
};

// A release at a point of the book (dialog pixels).
TbEvent up(int32_t x, int32_t y) { return event_of(TB_EVENT_BUTTON_UP, kLeft + x, kTop + y); }
TbEvent up_in(const Rect& r) { return up((r.left + r.right) / 2, (r.top + r.bottom) / 2); }
const TbEvent kEscape = event_of(TB_EVENT_KEY_DOWN, 0, 0, TB_VK_ESCAPE);
const TbEvent kClose = up(30, 215);
// Not the book's: the main window takes it, and the test looks at the screen then.
const TbEvent kLook = event_of(TB_EVENT_MOVED);

BitmapRef g_seen = -1;  // the window as it was at kLook

void look(const TbEvent* e) {
    if (e->kind != TB_EVENT_MOVED) return;
    Rect all{0, 0, 800, 600};
    if (g_seen == -1) g_seen = make_bitmap(800, 600);
    tb_CopyBitmap(tb_GetMainWindow(), g_seen, &all, &all, 0);
}

class StampPicker : public SceneTest {
   protected:
    void SetUp() override {
        start_scene(800, 600);
        tb_SetMainEventHandler(look);
        g_seen = -1;
        Rect r;
        sheet_ = tb_CreateBitmap(&r, kBitmapStampSheetBoats, 24);
        sheetMask_ = tb_CreateBitmap(&r, kMaskStampSheetBoats, 8);
    }
    void TearDown() override {
        tb_SetMainEventHandler(nullptr);
        for (BitmapRef b : {sheet_, sheetMask_, g_seen}) {
            if (b != -1) tb_DisposeBitmap(b);
        }
        SceneTest::TearDown();
    }

    // Runs the picker on the boats sheet from `page` with these events waiting for it.
    static int32_t run(std::initializer_list<TbEvent> events, int32_t* page) {
        for (const TbEvent& e : events) headless::push_event(e);
        return stamp_picker_run(kBitmapStampSheetBoats, kMaskStampSheetBoats, kStamps, page);
    }

    static std::vector<int32_t> sounds_since(size_t from) {
        std::vector<int32_t> ids;
        for (size_t i = from; i < headless::sounds().size(); ++i) {
            const uint8_t* wave = headless::sounds()[i].wave;
            for (int32_t id : {kSoundPickUp, kSoundClose}) {
                if (find_resource(ResourceKind::Sound, id).data == wave) ids.push_back(id);
            }
        }
        return ids;
    }

    // Of the pixels of `from` (in image and mask) where the mask is white: how many the window
    // showed at `at` (dialog pixels), and how many there are.
    static std::pair<int32_t, int32_t> shown(BitmapRef image, BitmapRef mask, const Rect& from,
                                             const Rect& at) {
        std::pair<int32_t, int32_t> seen{0, 0};
        for (int32_t y = 0; y < from.bottom - from.top; ++y) {
            for (int32_t x = 0; x < from.right - from.left; ++x) {
                if (target_colour(mask, from.left + x, from.top + y) != 0xFFFFFF) continue;
                ++seen.second;
                seen.first += target_colour(g_seen, kLeft + at.left + x, kTop + at.top + y) ==
                                      target_colour(image, from.left + x, from.top + y)
                                  ? 1
                                  : 0;
            }
        }
        return seen;
    }
    bool shows_stamp(int32_t n, const Rect& at) const {
        const auto seen = shown(sheet_, sheetMask_, stamp_cell(n), at);
        return seen.second > 0 && seen.first == seen.second;
    }
    // How many pixels of an arrow the window showed, and how many it has.
    static std::pair<int32_t, int32_t> arrow_shown(int32_t imageId, int32_t maskId,
                                                   const Rect& at) {
        Rect size;
        BitmapRef image = tb_CreateBitmap(&size, imageId, 24);
        BitmapRef mask = tb_CreateBitmap(&size, maskId, 8);
        const auto seen = shown(image, mask, size, at);
        tb_DisposeBitmap(image);
        tb_DisposeBitmap(mask);
        return seen;
    }

    BitmapRef sheet_ = -1;
    BitmapRef sheetMask_ = -1;
};

TEST_F(StampPicker, AReleaseChoosesAStampTurnsAPageOrClosesTheBook) {
    struct Case {
        const char* what;
        int32_t page;
        std::vector<TbEvent> events;
        int32_t chosen;
        int32_t pageAfter;
        std::vector<int32_t> sounds;
    };
    const Case cases[] = {
        {"a stamp", 0, {up_in(kCells[2])}, 2, 0, {kSoundPickUp}},
        {"a stamp of the next page",
         0,
         {up_in(kNextArrow), up_in(kCells[1])},
         9,
         8,
         {kSoundClose, kSoundPickUp}},
        {"a stamp of the page before",
         16,
         {up_in(kPreviousArrow), up_in(kCells[7])},
         15,
         8,
         {kSoundClose, kSoundPickUp}},
        // The arrow lies over the first stamp's corner and takes the release there.
        {"the arrow over a stamp", 8, {up(104, 55), kEscape}, 0, 0, {kSoundClose}},
        {"no arrow over the stamp", 0, {up(104, 55)}, 0, 0, {kSoundPickUp}},
        {"no next arrow on the last page",
         40,
         {up(560, 30), kClose},
         -1,
         40,
         {kSoundClose, kSoundClose}},
        {"the close tab", 24, {kClose}, -1, 24, {kSoundClose}},
        {"Escape picks the first stamp", 32, {kEscape}, 0, 32, {}},
        {"beside the book",
         0,
         {up(-20, 100), up(300, 5), kEscape},
         0,
         0,
         {kSoundClose, kSoundClose}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int32_t page = c.page;
        const size_t before = headless::sounds().size();
        for (const TbEvent& e : c.events) headless::push_event(e);
        EXPECT_EQ(stamp_picker_run(kBitmapStampSheetBoats, kMaskStampSheetBoats, kStamps, &page),
                  c.chosen);
        EXPECT_EQ(page, c.pageAfter);
        EXPECT_EQ(sounds_since(before), c.sounds);
        EXPECT_EQ(headless::cursor_id(), kCursorArrow);
    }
}

TEST_F(StampPicker, TheBookShowsEightStampsThroughTheirMasksAndOnlyTheArrowsThatTurn) {
    for (int32_t first : {0, 8, 40}) {
        SCOPED_TRACE(first);
        int32_t page = first;
        run({kLook, kEscape}, &page);
        ASSERT_NE(g_seen, -1);
        for (int32_t i = 0; i < 8; ++i) EXPECT_TRUE(shows_stamp(first + i, kCells[i])) << i;
        // An arrow shown is all there; a hidden one leaves the page's own colours.
        auto next = arrow_shown(kBitmapStampArrowForward, kMaskStampArrowForward, kNextArrow);
        auto previous = arrow_shown(kBitmapStampArrowBack, kMaskStampArrowBack, kPreviousArrow);
        EXPECT_EQ(next.first, first + 8 < kStamps ? next.second : 0);
        EXPECT_EQ(previous.first, first > 0 ? previous.second : 0);
    }
}

TEST_F(StampPicker, EachStampBookKeepsItsOwnPageAndClosingKeepsTheCurrentStamp) {
    const SceneHooks saved = g_sceneHooks;
    g_sceneHooks.runStampPicker = stamp_picker_run;
    g_currentShelf = 2;
    const Point butterflies{230, 550};
    const Point boats{320, 550};
    const Point shapes{405, 550};
    auto open_book = [](Point book, std::initializer_list<TbEvent> events) {
        for (const TbEvent& e : events) headless::push_event(e);
        input_button_up(book.x, book.y);
    };
    auto current_stamp_is = [](int32_t sheetId, int32_t n) {
        Rect r;
        BitmapRef sheet = tb_CreateBitmap(&r, sheetId, 24);
        const Rect cell = stamp_cell(n);
        bool same = true;
        for (int32_t y = 0; y < 48 && same; ++y) {
            for (int32_t x = 0; x < 48 && same; ++x) {
                same =
                    pixel_rgb(g_stampImage, x, y) == pixel_rgb(sheet, cell.left + x, cell.top + y);
            }
        }
        tb_DisposeBitmap(sheet);
        return same;
    };

    open_book(butterflies, {up_in(kNextArrow), kClose});
    EXPECT_EQ(g_currentObject, 15);
    EXPECT_EQ(g_sceneObjects[15].mode, 8);
    EXPECT_EQ(g_sceneObjects[15].active, 0);
    EXPECT_EQ(g_stampImage, -1);

    open_book(boats, {up_in(kCells[3])});  // opens at its own first page
    EXPECT_EQ(g_sceneObjects[16].mode, 0);
    ASSERT_EQ(g_sceneObjects[16].active, 1);
    EXPECT_TRUE(current_stamp_is(kBitmapStampSheetBoats, 3));
    input_button_up(10, 10);  // put it down

    open_book(shapes, {kClose});
    EXPECT_EQ(g_sceneObjects[17].active, 0);
    EXPECT_TRUE(current_stamp_is(kBitmapStampSheetBoats, 3)) << "closing keeps the stamp";

    open_book(butterflies, {up_in(kCells[0])});  // back where it was left
    EXPECT_EQ(g_sceneObjects[15].mode, 8);
    EXPECT_TRUE(current_stamp_is(kBitmapStampSheetCreatures, 8));
    g_sceneHooks = saved;
}

}  // namespace
