// The bitmap table: creation from resources or blank, disposal, queries and clip rects.
#include "toolbox/internal.h"

using namespace tb;

namespace {

int32_t first_free_bitmap() {
    for (int32_t i = 0; i < TB_MAX_BITMAPS; ++i) {
        if (g_bitmaps[i].free != 0) return i;
    }
    return -1;
}

// Copies a loaded resource image into a fresh drawable section of the given depth.
void section_from_resource(DibImage* section, const DibImage& loaded, int32_t depth) {
    int32_t w = loaded.header->width;
    int32_t h = loaded.header->height;
    if (depth == 8) {
        tb_CreateSection8(section, w, h);
        if (section->header != nullptr && loaded.header->bitCount == 8) {
            tb_CopyRows(&loaded, 0, 0, w, h, section, 0, 0, 0);
        }
    } else if (depth == 24) {
        tb_CreateSection24(section, w, h);
        if (section->header != nullptr && loaded.header->bitCount == 24) {
            tb_CopyRows(&loaded, 0, 0, w, h, section, 0, 0, 0);
        }
    } else {
        tb_CreateSection1(section, w, h);
    }
    if (section->header == nullptr) return;
    if (depth == 24 && loaded.header->bitCount == 24) return;
    if (depth == 8 && loaded.header->bitCount == 8) return;
    // Any other pairing: draw the resource at 1 : 1 with its own colours.
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            int32_t stride = tb_StorageWidth(loaded.header->bitCount, w);
            const uint8_t* row = loaded.pixels + static_cast<size_t>(h - y - 1) * stride;
            TbColor c = 0;
            switch (loaded.header->bitCount) {
                case 24:
                    c = tb_MakeColor(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
                    break;
                case 8:
                case 4:
                case 1: {
                    uint32_t index = loaded.header->bitCount == 8 ? row[x]
                                     : loaded.header->bitCount == 4
                                         ? (row[x / 2] >> (x % 2 ? 0 : 4)) & 15
                                         : (row[x / 8] >> (7 - x % 8)) & 1;
                    const uint8_t* quad = reinterpret_cast<const uint8_t*>(loaded.header) +
                                          sizeof(DibHeader) + 4 * index;
                    c = tb_MakeColor(quad[2], quad[1], quad[0]);
                    break;
                }
                default:
                    break;
            }
            uint32_t v = color_to_stored(*section, c);
            int32_t dstStride = tb_StorageWidth(depth, w);
            uint8_t* drow = section->pixels + static_cast<size_t>(h - y - 1) * dstStride;
            if (depth == 24) {
                drow[3 * x] = static_cast<uint8_t>(v);
                drow[3 * x + 1] = static_cast<uint8_t>(v >> 8);
                drow[3 * x + 2] = static_cast<uint8_t>(v >> 16);
            } else if (depth == 8) {
                drow[x] = static_cast<uint8_t>(v);
            } else if (v != 0) {
                drow[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
            }
        }
    }
}

}  // namespace

BitmapRef tb_CreateBitmap(Rect* rect, int32_t source, int32_t depth) {
    int32_t slot = first_free_bitmap();
    if (slot < 0) {
        tb_Error("No more available Bitmaps! (tb_CreateBitmap)");
        return -1;
    }
    BitmapSlot& s = g_bitmaps[slot];
    s.image = &s.record;
    s.record = DibImage{};
    int32_t width = rect->right - rect->left;
    int32_t height = rect->bottom - rect->top;
    if (source == TB_BITMAP_NODC) {
        if (depth == 8)
            tb_AllocDib8(&s.record, width, height);
        else if (depth == 24)
            tb_AllocDib24(&s.record, width, height);
        s.hasContext = 0;
    } else if (source == 0 || source == -1) {
        if (depth == 8)
            tb_CreateSection8(&s.record, width, height);
        else if (depth == 24)
            tb_CreateSection24(&s.record, width, height);
        else if (depth == 1)
            tb_CreateSection1(&s.record, width, height);
        if (s.record.header == nullptr) {
            // A size no section can have: the platform's context creation would fail here.
            tb_Error("Could not create DC! (tb_CreateBitmap)");
            return -1;
        }
        s.hasContext = 1;
    } else if (source > 0) {
        DibImage loaded = tb_LoadImageResource(source);
        if (loaded.header == nullptr) {
            tb_Error("Could not create DC! (tb_CreateBitmap)");
            return -1;
        }
        if (depth == 8 && loaded.header->bitCount == 8) {
            if (g_sharedPalette == nullptr) {
                g_sharedPalette = tb_CreateSharedPalette(&loaded);
                tb_ResetSystemPalette();
            }
            tb_RemapToPalette(g_sharedPalette, &loaded);
        }
        section_from_resource(&s.record, loaded, depth);
        tb_FreeDibImage(&loaded);
        if (s.record.header == nullptr) {
            tb_Error("Could not create DC! (tb_CreateBitmap)");
            return -1;
        }
        *rect = Rect{0, 0, s.record.header->width, s.record.header->height};
        s.hasContext = 1;
    }
    s.free = 0;
    s.bitmapRect = *rect;
    s.touched = Rect{};
    // The slot's stored clip rect, colours and font settings carry over to the new bitmap,
    // but its drawing context is new: no restriction is in force until a copy applies one.
    s.clip.applied = Rect{-1, -1, -1, -1};
    note_made(TableKind::Bitmap, slot);
    return slot;
}

void tb_DisposeBitmap(BitmapRef bitmap) {
    if (!valid_bitmap(bitmap)) {
        tb_Error("There is no bitmap to free! (tb_DisposeBitmap)");
        return;
    }
    end_snapshot(bitmap);
    BitmapSlot& s = g_bitmaps[bitmap];
    if (s.image != nullptr) {
        tb_FreeDibImage(s.image);
        s.image = nullptr;
    }
    s.hasContext = 0;
    s.free = 1;
}

void tb_GetBitmapRect(BitmapRef bitmap, Rect* rect) {
    if (!valid_bitmap(bitmap)) {
        tb_Error("Invalid bitmap! (tb_GetBitmapRect)");
        return;
    }
    *rect = g_bitmaps[bitmap].bitmapRect;
}

static const DibHeader* header_of(BitmapRef bitmap) {
    const BitmapSlot& s = g_bitmaps[bitmap];
    return s.image != nullptr ? s.image->header : nullptr;
}

int32_t tb_GetBitmapWidth(BitmapRef bitmap) {
    if (!valid_bitmap(bitmap)) {
        tb_Error("Invalid bitmap! (tb_GetBitmapWidth)");
        return -1;
    }
    const DibHeader* h = header_of(bitmap);
    return h != nullptr ? h->width : 0;
}

int32_t tb_GetBitmapHeight(BitmapRef bitmap) {
    if (!valid_bitmap(bitmap)) {
        tb_Error("Invalid bitmap! (tb_GetBitmapHeight)");
        return -1;
    }
    const DibHeader* h = header_of(bitmap);
    return h != nullptr ? h->height : 0;
}

int32_t tb_GetBitmapStorageWidth(BitmapRef bitmap) {
    if (!valid_bitmap(bitmap)) {
        tb_Error("Invalid bitmap! (tb_GetBitmapStorageWidth)");
        return -1;
    }
    const DibHeader* h = header_of(bitmap);
    return h != nullptr ? tb_StorageWidth(h->bitCount, h->width) : 0;
}

DibImage* tb_GetBitmapImage(BitmapRef bitmap) {
    DibImage* img = bitmap_image(bitmap);
    // Pixel work straight on the rows is not seen: a snapshot is brought up to date first.
    if (img != nullptr) settle_snapshot(bitmap);
    return img;
}

DibImage* tb::bitmap_image(BitmapRef bitmap) {
    if (!valid_bitmap(bitmap)) return nullptr;
    DibImage* img = g_bitmaps[bitmap].image;
    return img != nullptr && img->header != nullptr ? img : nullptr;
}

int32_t tb_GetBitmapDC(TargetRef target) {
    if (!is_bitmap_handle(target) || !valid_bitmap(target)) return 0;
    return g_bitmaps[target].hasContext;
}

void tb_SetClipRect(TargetRef target, const Rect* rect) {
    if (is_bitmap_handle(target)) {
        if (target >= 0 && target < TB_MAX_BITMAPS) g_bitmaps[target].clip.stored = *rect;
    } else if (is_window_handle(target)) {
        int32_t slot = target - TB_WINDOW_BASE;
        if (slot >= 0 && slot < TB_MAX_WINDOWS) g_windows[slot].clip.stored = *rect;
    }
}

void tb_ClearClipRect(TargetRef target) {
    const Rect none{-1, -1, -1, -1};
    if (is_bitmap_handle(target)) {
        if (target >= 0 && target < TB_MAX_BITMAPS) {
            g_bitmaps[target].clip.stored = none;
            g_bitmaps[target].clip.applied = none;
        }
    } else if (is_window_handle(target)) {
        int32_t slot = target - TB_WINDOW_BASE;
        if (slot >= 0 && slot < TB_MAX_WINDOWS) {
            g_windows[slot].clip.stored = none;
            g_windows[slot].clip.applied = none;
        }
    }
}
