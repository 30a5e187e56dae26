// The intro and its seven seconds, the About box and its link, and the user's Tintamar folder
// that the program makes ready at start-up.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "documents_fixture.h"
#include "pictures/about_box.h"
#include "pictures/help.h"
#include "pictures/intro.h"
#include "pictures/user_folder.h"
#include "resources/resource_ids.h"

namespace {

using namespace documents_test;

using StartScreens = DocumentsTest;

TEST_F(StartScreens, TheIntroEndsAfterSevenSecondsOrAtOnceOnEscapeOrAClick) {
    const struct {
        const char* what;
        std::function<void()> input;
        uint32_t waited;  // how long the intro waited for input, in ms
    } cases[] = {
        {"nothing", [] {}, 7000},
        {"Escape", [] { queue_escape(); }, 0},
        {"a click on it", [] { headless::push_event(event_of(TB_EVENT_BUTTON_DOWN, 320, 240)); },
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        c.input();
        const uint32_t before = headless::clock_jumped();
        EXPECT_EQ(intro_show(), 1);
        // The wait ends when the timer is due: the milliseconds before it was started count.
        EXPECT_NEAR(headless::clock_jumped() - before, c.waited, 50.0);
    }
}

// A stand-in for the desktop's opener that notes what it was given and answers with a status.
struct StubOpener {
    fs::path folder;
    std::string keptPath;
    explicit StubOpener(const fs::path& where, int status) : folder(where / "bin") {
        fs::create_directories(folder);
        std::ofstream(folder / "xdg-open")
            << "#!/bin/sh\nprintf '%s' \"$1\" > '" << (folder / "opened").string() << "'\nexit "
            << status << "\n";
        chmod((folder / "xdg-open").c_str(), 0755);
        keptPath = std::getenv("PATH");
        setenv("PATH", folder.c_str(), 1);
    }
    ~StubOpener() { setenv("PATH", keptPath.c_str(), 1); }
    std::string opened() const {
        std::ifstream in(folder / "opened");
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

constexpr int32_t kAboutWidth = kBitmapAboutSize.width + 10;  // its frame and title bar
constexpr int32_t kAboutHeight = kBitmapAboutSize.height + 32;
constexpr Point kLink{5 + 200, 27 + 134};  // the link, in the box's own pixels
constexpr Point kBesideLink{5 + 200, 27 + 200};

TEST_F(StartScreens, TheAboutLinkOpensTheHomePageAndAnyOtherClickOnlyCloses) {
    {
        StubOpener opener(home_, 0);
        queue_click(kAboutWidth, kAboutHeight, kBesideLink.x, kBesideLink.y);
        EXPECT_EQ(about_show(), 0);
        EXPECT_EQ(opener.opened(), "");
        queue_click(kAboutWidth, kAboutHeight, kLink.x, kLink.y);
        EXPECT_EQ(about_show(), 1);
        EXPECT_EQ(opener.opened(), kHomePageAddress);
        EXPECT_TRUE(shown_boxes().empty());
    }
    StubOpener noBrowser(home_ / "none", 3);  // what xdg-open says when nothing can show it
    queue_click(kAboutWidth, kAboutHeight, kLink.x, kLink.y);
    EXPECT_EQ(about_show(), 1);
    EXPECT_EQ(box_texts().size(), 1u);
    queue_escape();
    EXPECT_EQ(about_show(), 0);
}

TEST_F(StartScreens, HelpSaysSoWhenItsPageIsMissing) {
    // The tests' own folder, where the program's data would lie, has no help page.
    StubOpener opener(home_, 0);
    help_show();
    ASSERT_EQ(box_texts().size(), 1u);
    EXPECT_EQ(box_texts()[0].rfind("The help page could not be found.", 0), 0u);
    EXPECT_EQ(opener.opened(), "");
}

TEST_F(StartScreens, TheTintamarFolderIsMadeWithItsPagesAndAChildsOwnPagesAreKept) {
    const fs::path shipped = home_ / "share" / "Pages";
    fs::create_directories(shipped);
    std::ofstream(shipped / "House.bmp") << "house";
    std::ofstream(shipped / "Sea.bmp") << "sea";
    const fs::path folder = home_ / "Pictures" / "Tintamar";
    fs::create_directories(folder / "Pages");
    std::ofstream(folder / "Pages" / "House.bmp") << "my own house";

    const fs::path started = fs::current_path();
    ASSERT_TRUE(user_folder_prepare(folder.string(), shipped.string()));
    EXPECT_EQ(fs::current_path(), folder);
    fs::current_path(started);
    EXPECT_TRUE(fs::is_directory(folder / "Gallery"));
    std::ifstream house(folder / "Pages" / "House.bmp");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(house), {}), "my own house");
    EXPECT_TRUE(fs::is_regular_file(folder / "Pages" / "Sea.bmp"));

    // A folder that cannot be made, and one too long for the paths built on it.
    std::ofstream(home_ / "file") << "in the way";
    EXPECT_FALSE(user_folder_prepare((home_ / "file" / "Tintamar").string(), shipped.string()));
    EXPECT_FALSE(user_folder_prepare("/tmp/" + std::string(250, 'x'), shipped.string()));
    EXPECT_EQ(fs::current_path(), started);
    EXPECT_EQ(box_texts().size(), 2u);
}

TEST(UserFolder, IsNamedByTheVariableOrFoundInTheDesktopsPicturesFolder) {
    const std::string keptHome = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    setenv("HOME", "/tmp/tintamar-no-such-home", 1);  // no user-dirs file: xdg-user-dir says HOME
    unsetenv(kFolderVariable);
    EXPECT_EQ(user_folder_path(), "/tmp/tintamar-no-such-home/Pictures/Tintamar");
    setenv(kFolderVariable, "/srv/family/../pictures/", 1);
    EXPECT_EQ(user_folder_path(), "/srv/pictures");
    unsetenv(kFolderVariable);
    setenv("HOME", keptHome.c_str(), 1);
}

}  // namespace
