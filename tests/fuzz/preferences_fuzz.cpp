// Fuzz target: the preferences loader and saver against whatever stands where the settings file
// should be. The first byte chooses what that is (nothing, a file holding the other bytes, a
// link to such a file, to a missing file, to a device, to a folder, a link loop, a folder, a
// pipe); the settings folder lives on a memory file system. Then the settings are loaded, and
// saved and loaded again. What must hold:
//   - a regular file (reached directly or through links) is read as it is and never rewritten;
//   - anything else brings the defaults back; where a file can be made (nothing there, a link to
//     a missing file) it holds exactly the defaults afterwards, elsewhere nothing is replaced;
//   - a link stays a link, pointing where it did; no temporary file is left behind;
//   - what was saved loads back the same.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_checks.h"
#include "shell/preferences.h"
#include "toolbox/toolbox.h"

namespace fs = std::filesystem;

namespace {

using fuzz::check;

fs::path g_root;      // the settings folder's parent: XDG_CONFIG_HOME
fs::path g_settings;  // g_root / "tintamar" / "qoxtmr10.pfs"
fs::path g_elsewhere;

enum class Stands {
    Nothing,
    File,
    LinkToFile,
    LinkToMissing,
    LinkToDevice,
    LinkToFolder,
    Loop,
    Folder,
    Pipe,
    Count
};

std::vector<uint8_t> bytes_of(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_bytes(const fs::path& path, const uint8_t* data, size_t size) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// A field as the loader reads it: the default 1, its low bytes replaced by those the file has.
int32_t field(const std::vector<uint8_t>& file, size_t offset) {
    uint32_t value = 1;
    for (size_t i = 0; i < 4 && offset + i < file.size(); ++i) {
        value = (value & ~(0xFFu << (8 * i))) | (uint32_t{file[offset + i]} << (8 * i));
    }
    return static_cast<int32_t>(value);
}

std::vector<uint8_t> defaults_file() {
    std::vector<uint8_t> bytes(kPreferencesFileSize, 0);
    for (size_t offset : {0, 4, 8, 272}) bytes[offset] = 1;
    return bytes;
}

bool same(const Preferences& a, const Preferences& b) {
    return a.soundOn == b.soundOn && a.fitPictures == b.fitPictures &&
           a.animatedClearing == b.animatedClearing && a.lightPrinting == b.lightPrinting;
}

// Only the settings file (or link) in its folder, only the target beside the second link.
void check_no_temporaries() {
    for (const fs::path& folder : {g_settings.parent_path(), g_elsewhere}) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            const std::string name = entry.path().filename().string();
            check(name == "qoxtmr10.pfs" || name == "real.pfs" || name == "link.pfs",
                  "a temporary file was left behind");
        }
    }
}

void remove_root() {
    std::error_code ignored;
    fs::remove_all(g_root, ignored);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    tb_SetMessageSink(fuzz::box_is_a_failure);
    char folder[] = "/dev/shm/tintamar-prefs-fuzz-XXXXXX";
    check(mkdtemp(folder) != nullptr, "mkdtemp");
    g_root = folder;
    std::atexit(remove_root);
    g_settings = g_root / "tintamar" / "qoxtmr10.pfs";
    g_elsewhere = g_root / "elsewhere";
    setenv("XDG_CONFIG_HOME", folder, 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const auto stands = static_cast<Stands>(data[0] % static_cast<uint8_t>(Stands::Count));
    const uint8_t* content = data + 1;
    const size_t contentSize = size - 1;

    std::error_code ignored;
    fs::remove_all(g_settings.parent_path(), ignored);
    fs::remove_all(g_elsewhere, ignored);
    fs::create_directories(g_settings.parent_path());
    fs::create_directories(g_elsewhere);
    const fs::path real = g_elsewhere / "real.pfs";
    fs::path linkTo;
    switch (stands) {
        case Stands::Nothing:
            break;
        case Stands::File:
            write_bytes(g_settings, content, contentSize);
            break;
        case Stands::LinkToFile:
            write_bytes(real, content, contentSize);
            fs::create_symlink("real.pfs", g_elsewhere / "link.pfs");
            linkTo = g_elsewhere / "link.pfs";
            break;
        case Stands::LinkToMissing:
            linkTo = real;
            break;
        case Stands::LinkToDevice:
            linkTo = "/dev/null";
            break;
        case Stands::LinkToFolder:
            linkTo = g_elsewhere;
            break;
        case Stands::Loop:
            linkTo = g_settings;
            break;
        case Stands::Folder:
            fs::create_directory(g_settings);
            break;
        case Stands::Pipe:
            check(mkfifo(g_settings.c_str(), 0600) == 0, "mkfifo");
            break;
        case Stands::Count:
            break;
    }
    if (!linkTo.empty()) fs::create_symlink(linkTo, g_settings);

    g_prefs = Preferences{5, 5, 5, 5};
    preferences_set_defaults();
    preferences_load();

    const bool readable = stands == Stands::File || stands == Stands::LinkToFile;
    const bool makesFile = stands == Stands::Nothing || stands == Stands::LinkToMissing;
    const fs::path target =
        stands == Stands::LinkToFile || stands == Stands::LinkToMissing ? real : g_settings;
    if (readable) {
        const std::vector<uint8_t> file(content, content + contentSize);
        const Preferences expected{field(file, 0), field(file, 4), field(file, 8),
                                   field(file, 272)};
        check(same(g_prefs, expected), "the file's settings");
        check(bytes_of(target) == file, "a readable file is never rewritten");
    } else {
        check(same(g_prefs, Preferences{}), "the defaults");
        if (makesFile) check(bytes_of(target) == defaults_file(), "a new file with the defaults");
    }
    if (!linkTo.empty()) {
        check(fs::is_symlink(g_settings) && fs::read_symlink(g_settings) == linkTo,
              "the link stays as it was");
    }
    if (stands == Stands::Folder) check(fs::is_directory(g_settings), "the folder stays");
    if (stands == Stands::Pipe)
        check(fs::is_fifo(fs::symlink_status(g_settings)), "the pipe stays");
    check(fs::is_character_file("/dev/null"), "/dev/null stays a device");
    check_no_temporaries();

    // Settings from the input, saved and loaded again.
    const std::vector<uint8_t> file(content, content + contentSize);
    Preferences chosen{field(file, 1), -7, 0, static_cast<int32_t>(contentSize)};
    g_prefs = chosen;
    const bool saved = preferences_save();
    check(saved == (readable || makesFile), "saved where a file is or can be");
    g_prefs = Preferences{9, 9, 9, 9};
    preferences_load();
    if (saved) check(same(g_prefs, chosen), "what was saved loads back");
    check_no_temporaries();
    return 0;
}
