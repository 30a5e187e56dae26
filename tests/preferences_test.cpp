// The preferences file: created when missing, read over the defaults, saved whole or not at
// all. Every test gets a settings folder of its own.
#include "shell/preferences.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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
    for (const auto& entry : fs::directory_iterator(path.parent_path())) {
        EXPECT_EQ(entry.path().filename(), "qoxtmr10.pfs");  // no temporary left behind
    }

    // When the new file cannot be written, the old one stays as it was.
    fs::path blocked = path;
    blocked += ".new";
    fs::create_directories(blocked);
    g_prefs.soundOn = 0;
    EXPECT_FALSE(preferences_save());
    EXPECT_EQ(read_file(), file_of(1, 1, 1, 0));
}
