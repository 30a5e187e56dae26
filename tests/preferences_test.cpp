// The preferences file: created when missing, read over the defaults, saved whole or not at
// all. Every test gets a settings folder of its own.
#include "shell/preferences.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "toolbox/toolbox.h"

namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> le32(int32_t v) {
    auto u = static_cast<uint32_t>(v);
    return {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)};
}

// The file as it should be: 4 + 4 + 4 + 260 zeros + 4 bytes.
std::vector<uint8_t> file_of(int32_t sound, int32_t fit, int32_t animated, int32_t light) {
    std::vector<uint8_t> bytes;
    for (int32_t v : {sound, fit, animated}) {
        auto b = le32(v);
        bytes.insert(bytes.end(), b.begin(), b.end());
    }
    bytes.insert(bytes.end(), 260, 0);
    auto b = le32(light);
    bytes.insert(bytes.end(), b.begin(), b.end());
    return bytes;
}

// The names in a folder, sorted.
std::vector<std::string> folder_entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

class PreferencesFile : public ::testing::Test {
   protected:
    void SetUp() override {
        char pattern[] = "/tmp/tintamar-prefs-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root = pattern;
        const char* old = std::getenv("XDG_CONFIG_HOME");
        hadOld = old != nullptr;
        if (hadOld) oldValue = old;
        setenv("XDG_CONFIG_HOME", root.c_str(), 1);
        path = root / "tintamar" / "qoxtmr10.pfs";
        g_prefs = Preferences{0, 0, 0, 0};  // what a previous test may have left
    }
    void TearDown() override {
        if (hadOld)
            setenv("XDG_CONFIG_HOME", oldValue.c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
    std::vector<uint8_t> read_file() const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void write_file(const std::vector<uint8_t>& bytes) const {
        fs::create_directories(path.parent_path());
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    void load() {
        preferences_set_defaults();
        preferences_load();
    }
    void expect_settings(int32_t sound, int32_t fit, int32_t animated, int32_t light) const {
        EXPECT_EQ(g_prefs.soundOn, sound);
        EXPECT_EQ(g_prefs.fitPictures, fit);
        EXPECT_EQ(g_prefs.animatedClearing, animated);
        EXPECT_EQ(g_prefs.lightPrinting, light);
    }
    fs::path root;
    fs::path path;
    bool hadOld = false;
    std::string oldValue;
};

}  // namespace

TEST_F(PreferencesFile, LivesInTheSettingsFolder) {
    EXPECT_EQ(fs::path(preferences_path()), path);
    char small[8];
    int32_t length = tb_GetWindowsDirectory(sizeof small, small);
    EXPECT_EQ(length, static_cast<int32_t>((root / "tintamar").string().size()));
    EXPECT_EQ(std::string(small), (root / "tintamar").string().substr(0, 7));  // cut, terminated
    EXPECT_TRUE(fs::is_directory(root / "tintamar"));
}

TEST_F(PreferencesFile, AMissingFileIsWrittenWithTheDefaults) {
    load();
    expect_settings(1, 1, 1, 1);
    EXPECT_EQ(read_file(), file_of(1, 1, 1, 1));
    EXPECT_EQ(read_file().size(), 276u);
}

TEST_F(PreferencesFile, SavedSettingsComeBack) {
    g_prefs = Preferences{0, 1, 0, 0};
    ASSERT_TRUE(preferences_save());
    EXPECT_EQ(read_file(), file_of(0, 1, 0, 0));
    load();
    expect_settings(0, 1, 0, 0);
}

TEST_F(PreferencesFile, OddValuesAreKeptAsTheyAreAndTheFileIsLeftAlone) {
    std::vector<uint8_t> odd = file_of(7, -1, 2, 0x12345678);
    odd[100] = 0xAA;  // the reserved bytes are not looked at
    write_file(odd);
    load();
    expect_settings(7, -1, 2, 0x12345678);
    EXPECT_EQ(read_file(), odd);
}

TEST_F(PreferencesFile, AShortFileKeepsTheDefaultsItDoesNotReachAndIsNotRewritten) {
    write_file({0, 0, 0, 0});
    load();
    expect_settings(0, 1, 1, 1);
    EXPECT_EQ(read_file().size(), 4u);

    // Bytes that do arrive replace the field's lowest bytes.
    write_file({0, 0, 0, 0, 7});
    load();
    expect_settings(0, 7, 1, 1);

    std::vector<uint8_t> noLast = file_of(1, 0, 0, 0);
    noLast.resize(272);
    write_file(noLast);
    load();
    expect_settings(1, 0, 0, 1);
    EXPECT_EQ(read_file().size(), 272u);
}

TEST_F(PreferencesFile, AnUnreadableFileBringsBackTheDefaults) {
    fs::create_directories(path);  // a folder where the file should be
    g_prefs = Preferences{0, 0, 0, 0};
    load();
    expect_settings(1, 1, 1, 1);
    EXPECT_TRUE(fs::is_directory(path));
}

TEST_F(PreferencesFile, AnUnwritableFolderKeepsTheSettingsInMemory) {
    std::ofstream(root / "blocker") << "not a folder";
    setenv("XDG_CONFIG_HOME", (root / "blocker").c_str(), 1);
    load();
    expect_settings(1, 1, 1, 1);
    g_prefs.soundOn = 0;
    EXPECT_FALSE(preferences_save());
    expect_settings(0, 1, 1, 1);
}

TEST_F(PreferencesFile, SavingReplacesTheFileWholeOrNotAtAll) {
    load();
    struct stat before {};
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    g_prefs.lightPrinting = 0;
    ASSERT_TRUE(preferences_save());
    struct stat after {};
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino);  // a new file took the old one's name
    EXPECT_EQ(read_file(), file_of(1, 1, 1, 0));
    EXPECT_EQ(folder_entries(path.parent_path()), std::vector<std::string>{"qoxtmr10.pfs"});

    // When the new file cannot be written whole, the old one stays as it was and no part of
    // the new one is left beside it.
    struct rlimit before_limit {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before_limit), 0);
    struct rlimit small = before_limit;
    small.rlim_cur = 100;
    auto old_handler = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    g_prefs.soundOn = 0;
    bool saved = preferences_save();
    setrlimit(RLIMIT_FSIZE, &before_limit);
    signal(SIGXFSZ, old_handler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(read_file(), file_of(1, 1, 1, 0));
    EXPECT_EQ(folder_entries(path.parent_path()), std::vector<std::string>{"qoxtmr10.pfs"});
}

// A settings file that is a symbolic link stays one: saving writes the file it leads to,
// through a new file in that file's own folder; a link to something that is not a regular file,
// or links that go round, are never replaced, and the settings then stay in memory.
TEST_F(PreferencesFile, LinksAreWrittenThroughAndNeverReplaced) {
    struct Case {
        const char* what;
        const char* linkTo;  // relative to root; "/dev/null" as it is
        bool targetHasFile;  // the target holds a file of (0, 0, 0, 0) before the start
        bool written;        // the target ends up holding the saved settings
    };
    const Case cases[] = {
        {"a file in another folder", "elsewhere/real.pfs", true, true},
        {"a missing file in another folder", "elsewhere/real.pfs", false, true},
        {"a link to a file", "elsewhere/second-link", true, true},
        {"a device", "/dev/null", false, false},
        {"a folder", "elsewhere", false, false},
        {"a loop", "tintamar/qoxtmr10.pfs", false, false},
        {"a missing folder", "nowhere/real.pfs", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(root / "tintamar");
        fs::remove_all(root / "elsewhere");
        fs::create_directories(root / "tintamar");
        fs::create_directories(root / "elsewhere");
        fs::path real = root / "elsewhere" / "real.pfs";
        fs::create_symlink("real.pfs", root / "elsewhere" / "second-link");
        if (c.targetHasFile) {
            std::ofstream out(real, std::ios::binary);
            std::vector<uint8_t> zeros = file_of(0, 0, 0, 0);
            out.write(reinterpret_cast<const char*>(zeros.data()), 276);
        }
        fs::path linkTo = c.linkTo[0] == '/' ? fs::path(c.linkTo) : root / c.linkTo;
        fs::create_symlink(linkTo, path);

        load();
        if (c.targetHasFile) {
            expect_settings(0, 0, 0, 0);
        } else {
            expect_settings(1, 1, 1, 1);
        }
        g_prefs.soundOn = 7;
        EXPECT_EQ(preferences_save(), c.written);

        EXPECT_TRUE(fs::is_symlink(path));
        EXPECT_EQ(fs::read_symlink(path), linkTo);
        EXPECT_EQ(folder_entries(root / "tintamar"), std::vector<std::string>{"qoxtmr10.pfs"});
        if (c.written) {
            std::vector<uint8_t> expected =
                c.targetHasFile ? file_of(7, 0, 0, 0) : file_of(7, 1, 1, 1);
            EXPECT_EQ(read_file(), expected);
            EXPECT_TRUE(fs::is_symlink(root / "elsewhere" / "second-link"));
            EXPECT_EQ(folder_entries(root / "elsewhere"),
                      (std::vector<std::string>{"real.pfs", "second-link"}));
        }
    }
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

// A pipe where the file should be is neither waited on nor replaced.
TEST_F(PreferencesFile, APipeIsNeitherReadNorReplaced) {
    fs::create_directories(path.parent_path());
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    g_prefs = Preferences{0, 0, 0, 0};
    load();
    expect_settings(1, 1, 1, 1);
    EXPECT_FALSE(preferences_save());
    EXPECT_TRUE(fs::is_fifo(path));
}
