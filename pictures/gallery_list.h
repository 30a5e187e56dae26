// The gallery's list: the picture files of one folder, in a stable order.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int32_t kGalleryCapacity = 100;
constexpr size_t kGalleryNameSize = 260;  // room for any file name the system allows

struct GalleryEntry {
    char name[kGalleryNameSize];  // the file's name in the folder, as bytes
    int32_t present;              // 1 for a filled entry
};

struct GalleryList {
    GalleryEntry entries[kGalleryCapacity];
    int32_t count;  // filled entries, 0..100
};

extern GalleryList g_galleryList;

// Fills the list from a folder (a path ending in "/"): "blank.bmp" first when the folder has
// it, then the other files whose names end in ".bmp" (in either case), sorted by name without
// regard to case (ties by their bytes), at most 100 in all. Folders are never listed. A folder
// that is missing or cannot be read gives an empty list. Returns the count.
int32_t gallery_enumerate(const char* folder);

// The order of the list: true when name a comes before name b.
bool gallery_name_before(const char* a, const char* b);
