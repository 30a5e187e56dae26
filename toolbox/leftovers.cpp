// What is still in the bitmap and region tables. At the end of a run there should be nothing:
// the scene disposes of what it owns when it is released, dialogs before they return, tools
// at once. The sanitizer build also remembers where each entry was made, so that a report
// names the code that forgot to dispose of it.
#include <cstdio>
#include <cstring>

#include "toolbox/internal.h"

#if defined(TINTAMAR_SANITIZE)
#include <execinfo.h>
#include <sanitizer/common_interface_defs.h>
#endif

using namespace tb;

namespace {

#if defined(TINTAMAR_SANITIZE)
constexpr int kFrames = 10;

struct MadeAt {
    void* frames[kFrames] = {};
    int count = 0;
};

MadeAt g_bitmapsMadeAt[TB_MAX_BITMAPS];
MadeAt g_regionsMadeAt[TB_MAX_REGIONS];

void remember(MadeAt* table, int32_t max, int32_t slot) {
    if (slot < 0 || slot >= max) return;
    table[slot].count = backtrace(table[slot].frames, kFrames);
}

// The creating operation and its callers: the frames after note_made() (before it come the
// recording itself, and depending on the build an interceptor).
void print_made_at(const MadeAt& made) {
    char lines[kFrames][512];
    int first = 0;
    for (int i = 0; i < made.count; ++i) {
        __sanitizer_symbolize_pc(made.frames[i], "%F %S", lines[i], sizeof lines[i]);
        if (std::strstr(lines[i], "note_made") != nullptr) first = i + 1;
    }
    for (int i = first; i < made.count; ++i) std::fprintf(stderr, "      %s\n", lines[i]);
}
#endif

}  // namespace

namespace tb {

void note_made(TableKind kind, int32_t slot) {
#if defined(TINTAMAR_SANITIZE)
    if (kind == TableKind::Bitmap) remember(g_bitmapsMadeAt, TB_MAX_BITMAPS, slot);
    if (kind == TableKind::Region) remember(g_regionsMadeAt, TB_MAX_REGIONS, slot);
#else
    (void)kind;
    (void)slot;
#endif
}

}  // namespace tb

int32_t tb_ReportLeftovers() {
    int32_t count = 0;
    for (int32_t i = 0; i < TB_MAX_BITMAPS; ++i) {
        const BitmapSlot& s = g_bitmaps[i];
        if (s.free != 0) continue;
        ++count;
        const DibHeader* h = s.record.header;
        std::fprintf(stderr, "tintamar: bitmap %d (%d x %d, %d-bit) was never disposed of\n", i,
                     h != nullptr ? h->width : 0, h != nullptr ? h->height : 0,
                     h != nullptr ? h->bitCount : 0);
#if defined(TINTAMAR_SANITIZE)
        print_made_at(g_bitmapsMadeAt[i]);
#endif
    }
    for (int32_t i = 0; i < TB_MAX_REGIONS; ++i) {
        const RegionSlot& r = g_regions[i];
        if (r.free != 0) continue;
        ++count;
        std::fprintf(stderr,
                     "tintamar: region %d (%s around %d, %d - %d, %d) was never disposed of\n", i,
                     r.isEllipse != 0 ? "ellipse" : "polygon", r.box.left, r.box.top, r.box.right,
                     r.box.bottom);
#if defined(TINTAMAR_SANITIZE)
        print_made_at(g_regionsMadeAt[i]);
#endif
    }
    return count;
}
