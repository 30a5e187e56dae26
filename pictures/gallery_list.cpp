// Listing a folder's pictures. The file system delivers names in no particular order, so they
// are sorted, and only the first 100 by that order are kept: while reading a large folder the
// candidates are trimmed to the best 100 now and then, so memory stays small.
#include "pictures/gallery_list.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

GalleryList g_galleryList;

namespace {

constexpr const char* kBlank = "blank.bmp";

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool ends_in_bmp(const std::string& name) {
    if (name.size() < 4) return false;
    const char* ending = name.c_str() + name.size() - 4;
    return ending[0] == '.' && lower(ending[1]) == 'b' && lower(ending[2]) == 'm' &&
           lower(ending[3]) == 'p';
}

void add(const char* name) {
    GalleryEntry& e = g_galleryList.entries[g_galleryList.count++];
    std::memcpy(e.name, name, std::strlen(name) + 1);
    e.present = 1;
}

}  // namespace

bool gallery_name_before(const char* a, const char* b) {
    for (size_t i = 0;; ++i) {
        char ca = lower(a[i]);
        char cb = lower(b[i]);
        if (ca != cb) return static_cast<unsigned char>(ca) < static_cast<unsigned char>(cb);
        if (ca == 0) break;
    }
    return std::strcmp(a, b) < 0;
}

int32_t gallery_enumerate(const char* folder) {
    g_galleryList = GalleryList{};
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_regular_file(fs::path(folder) / kBlank, ec)) add(kBlank);

    auto before = [](const std::string& a, const std::string& b) {
        return gallery_name_before(a.c_str(), b.c_str());
    };
    const size_t wanted = static_cast<size_t>(kGalleryCapacity - g_galleryList.count);
    std::vector<std::string> names;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (name == kBlank || !ends_in_bmp(name) || name.size() >= kGalleryNameSize) continue;
        std::error_code typeError;
        if (it->is_directory(typeError)) continue;
        names.push_back(std::move(name));
        if (names.size() >= 4 * wanted + 64) {
            std::nth_element(names.begin(), names.begin() + static_cast<long>(wanted), names.end(),
                             before);
            names.resize(wanted);
        }
    }
    std::sort(names.begin(), names.end(), before);
    if (names.size() > wanted) names.resize(wanted);
    for (const std::string& name : names) add(name.c_str());
    return g_galleryList.count;
}
