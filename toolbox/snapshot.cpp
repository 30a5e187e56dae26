// Snapshots: a bitmap paired with a copy of its own size keeps that copy holding it as it was at
// its last snapshot, yet taking a snapshot copies nothing. The rows that may differ are marked
// stale instead, and each stale row is copied just before something first writes it in the
// bitmap, or reads it in the copy.
//
// Why this is exact: a stale row has not been written since the snapshot, so at any moment
// before its first write the bitmap's row is still the row as it was then. A row is marked stale
// when the snapshot is taken if anything wrote it since the snapshot before (the bounds of every
// write, `changed`, say which rows); rows that were not written already match.
#include <algorithm>
#include <cstring>

#include "toolbox/internal.h"

using namespace tb;

namespace {

bool has_copy(int32_t slot) {
    return slot >= 0 && slot < TB_MAX_BITMAPS && g_bitmaps[slot].free == 0 &&
           g_bitmaps[slot].snapshotCopy >= 0;
}

bool is_copy(int32_t slot) {
    return slot >= 0 && slot < TB_MAX_BITMAPS && g_bitmaps[slot].free == 0 &&
           g_bitmaps[slot].snapshotOf >= 0;
}

int32_t height_of(const BitmapSlot& s) { return s.image->header->height; }

size_t stride_of(const DibImage& img) {
    return static_cast<size_t>(tb_StorageWidth(img.header->bitCount, img.header->width));
}

uint8_t* row_of(const DibImage& img, int32_t y) {
    return img.pixels + static_cast<size_t>(img.header->height - 1 - y) * stride_of(img);
}

// Gives the copy the stale rows of [top, bottom) and narrows the stale range where it can.
void take_rows(BitmapSlot& s, int32_t top, int32_t bottom) {
    top = std::max(top, s.staleTop);
    bottom = std::min(bottom, s.staleBottom);
    if (top >= bottom) return;
    const DibImage& from = *s.image;
    DibImage& to = *g_bitmaps[s.snapshotCopy].image;
    const size_t bytes = stride_of(from);
    for (int32_t y = top; y < bottom; ++y) {
        if (s.stale[static_cast<size_t>(y)] == 0) continue;
        std::memcpy(row_of(to, y), row_of(from, y), bytes);
        s.stale[static_cast<size_t>(y)] = 0;
    }
    while (s.staleTop < s.staleBottom && s.stale[static_cast<size_t>(s.staleTop)] == 0) {
        ++s.staleTop;
    }
    while (s.staleBottom > s.staleTop && s.stale[static_cast<size_t>(s.staleBottom - 1)] == 0) {
        --s.staleBottom;
    }
}

void mark_stale(BitmapSlot& s, int32_t top, int32_t bottom) {
    top = std::max(top, 0);
    bottom = std::min(bottom, height_of(s));
    if (top >= bottom) return;
    std::fill(s.stale.begin() + top, s.stale.begin() + bottom, uint8_t{1});
    if (s.staleTop >= s.staleBottom) {
        s.staleTop = top;
        s.staleBottom = bottom;
    } else {
        s.staleTop = std::min(s.staleTop, top);
        s.staleBottom = std::max(s.staleBottom, bottom);
    }
}

bool same_shape(const DibImage* a, const DibImage* b) {
    return a != nullptr && b != nullptr && a->header != nullptr && b->header != nullptr &&
           a->header->width == b->header->width && a->header->height == b->header->height &&
           a->header->bitCount == b->header->bitCount;
}

}  // namespace

namespace tb {

void prepare_writing(int32_t slot, int32_t top, int32_t bottom) {
    if (has_copy(slot)) {
        take_rows(g_bitmaps[slot], top, bottom);
    } else if (is_copy(slot)) {
        settle_snapshot(slot);
    }
}

void prepare_reading(TargetRef source, int32_t top, int32_t bottom) {
    if (!is_copy(source)) return;
    BitmapSlot& of = g_bitmaps[g_bitmaps[source].snapshotOf];
    take_rows(of, top, bottom);
}

void settle_snapshot(int32_t slot) {
    if (is_copy(slot)) slot = g_bitmaps[slot].snapshotOf;
    if (!has_copy(slot)) return;
    take_rows(g_bitmaps[slot], 0, height_of(g_bitmaps[slot]));
}

void note_snapshot_change(int32_t slot, const Rect& r) {
    if (!has_copy(slot)) return;
    Rect& c = g_bitmaps[slot].changed;
    if (c.left >= c.right || c.top >= c.bottom) {
        c = r;
        return;
    }
    c = Rect{std::min(c.left, r.left), std::min(c.top, r.top), std::max(c.right, r.right),
             std::max(c.bottom, r.bottom)};
}

void end_snapshot(int32_t slot) {
    BitmapSlot& s = g_bitmaps[slot];
    if (s.snapshotCopy >= 0) g_bitmaps[s.snapshotCopy].snapshotOf = -1;
    if (s.snapshotOf >= 0) {
        BitmapSlot& of = g_bitmaps[s.snapshotOf];
        of.snapshotCopy = -1;
        of.stale.clear();
        of.staleTop = of.staleBottom = 0;
    }
    s.snapshotCopy = -1;
    s.snapshotOf = -1;
    s.stale.clear();
    s.staleTop = s.staleBottom = 0;
    s.changed = Rect{};
}

}  // namespace tb

void tb_SetSnapshotBitmap(BitmapRef bitmap, BitmapRef copy) {
    if (!valid_bitmap(bitmap) || (copy != -1 && (!valid_bitmap(copy) || copy == bitmap))) {
        tb_Error("Invalid bitmap! (tb_SetSnapshotBitmap)");
        return;
    }
    end_snapshot(bitmap);
    if (copy == -1) return;
    if (!same_shape(g_bitmaps[bitmap].image, g_bitmaps[copy].image)) {
        tb_Error("The bitmaps differ in size! (tb_SetSnapshotBitmap)");
        return;
    }
    end_snapshot(copy);
    BitmapSlot& s = g_bitmaps[bitmap];
    s.snapshotCopy = copy;
    g_bitmaps[copy].snapshotOf = bitmap;
    s.stale.assign(static_cast<size_t>(height_of(s)), 0);
    mark_stale(s, 0, height_of(s));
}

void tb_TakeSnapshot(BitmapRef bitmap) {
    if (!has_copy(bitmap)) {
        tb_Error("Invalid bitmap! (tb_TakeSnapshot)");
        return;
    }
    BitmapSlot& s = g_bitmaps[bitmap];
    mark_stale(s, s.changed.top, s.changed.bottom);
    s.changed = Rect{};
}

void tb_RestoreSnapshot(BitmapRef bitmap, Rect* restored) {
    *restored = Rect{};
    if (!has_copy(bitmap)) {
        tb_Error("Invalid bitmap! (tb_RestoreSnapshot)");
        return;
    }
    BitmapSlot& s = g_bitmaps[bitmap];
    const Rect c = s.changed;
    if (c.left >= c.right || c.top >= c.bottom) return;
    // Stale rows were not written since the snapshot: they already hold what it holds.
    const DibImage& from = *g_bitmaps[s.snapshotCopy].image;
    const uint16_t bits = from.header->bitCount;
    const size_t first = static_cast<size_t>(c.left) * bits / 8;
    const size_t end = (static_cast<size_t>(c.right) * bits + 7) / 8;
    for (int32_t y = c.top; y < c.bottom; ++y) {
        if (s.stale[static_cast<size_t>(y)] != 0) continue;
        std::memcpy(row_of(*s.image, y) + first, row_of(from, y) + first, end - first);
    }
    s.changed = Rect{};
    Target t = resolve_target(bitmap);
    t.bitmapSlot = -1;  // back to the snapshot: not a change since it
    note_touched(t, c);
    *restored = c;
}
