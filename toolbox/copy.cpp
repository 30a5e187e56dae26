// The copy family: pixels between bitmaps, windows and the printer page, with nearest-neighbour
// scaling (whole rows and columns dropped or repeated), clip rects and raster operations.
#include <algorithm>
#include <cstring>
#include <vector>

#include "toolbox/internal.h"

using namespace tb;

uint32_t tb::stored_pixel(const DibImage& img, int32_t x, int32_t y) {
    const DibHeader& h = *img.header;
    const uint8_t* row =
        img.pixels + static_cast<size_t>(h.height - y - 1) * tb_StorageWidth(h.bitCount, h.width);
    switch (h.bitCount) {
        case 24:
            return row[3 * x] | (row[3 * x + 1] << 8) |
                   (static_cast<uint32_t>(row[3 * x + 2]) << 16);
        case 8:
            return row[x];
        case 4:
            return (row[x / 2] >> (x % 2 ? 0 : 4)) & 15;
        case 1:
            return (row[x / 8] >> (7 - x % 8)) & 1;
        default:
            return 0;
    }
}

namespace {

bool clip_complete(const Rect& r) {
    return r.left != -1 && r.top != -1 && r.right != -1 && r.bottom != -1;
}

void write_stored(DibImage& img, int32_t x, int32_t y, uint32_t v) {
    const DibHeader& h = *img.header;
    uint8_t* row =
        img.pixels + static_cast<size_t>(h.height - y - 1) * tb_StorageWidth(h.bitCount, h.width);
    switch (h.bitCount) {
        case 24:
            row[3 * x] = static_cast<uint8_t>(v);
            row[3 * x + 1] = static_cast<uint8_t>(v >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(v >> 16);
            break;
        case 8:
            row[x] = static_cast<uint8_t>(v);
            break;
        case 1: {
            auto bit = static_cast<uint8_t>(0x80 >> (x % 8));
            row[x / 8] =
                static_cast<uint8_t>((v & 1) != 0 ? (row[x / 8] | bit) : (row[x / 8] & ~bit));
            break;
        }
        default:
            break;
    }
}

uint32_t apply_rop(uint32_t rop, uint32_t dst, uint32_t src, uint32_t valueMask) {
    switch (rop) {
        case TB_NOTSRCCOPY:
            return ~src & valueMask;
        case TB_SRCAND:
            return dst & src;
        case TB_SRCINVERT:
            return (dst ^ src) & valueMask;
        case TB_SRCPAINT:
            return dst | src;
        default:
            return src;
    }
}

// One copy: srcRect of src scaled into dstRect of dst; only destination pixels inside `limit`
// (already cut to the destination's bounds) change. Source pixels outside the source image
// leave their destination pixels alone.
void blit(const DibImage& src, const Rect& srcRect, DibImage& dst, const Rect& dstRect,
          const Rect& limit, uint32_t rop) {
    int32_t sw = srcRect.right - srcRect.left;
    int32_t sh = srcRect.bottom - srcRect.top;
    int32_t dw = dstRect.right - dstRect.left;
    int32_t dh = dstRect.bottom - dstRect.top;
    if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
    int32_t x0 = std::max(dstRect.left, limit.left);
    int32_t x1 = std::min(dstRect.right, limit.right);
    int32_t y0 = std::max(dstRect.top, limit.top);
    int32_t y1 = std::min(dstRect.bottom, limit.bottom);
    if (x0 >= x1 || y0 >= y1) return;
    const int32_t srcW = src.header->width;
    const int32_t srcH = src.header->height;

    // A copy within one image whose rectangles overlap reads from a snapshot of the source
    // rows, so that rows already written are not read again (a block transfer moves the
    // whole rectangle at once).
    std::vector<uint8_t> snapshot;
    DibImage before;
    const DibImage* from = &src;
    Rect overlap;
    if (src.pixels == dst.pixels && tb_IntersectRect(&overlap, &srcRect, &dstRect) != 0) {
        size_t bytes = static_cast<size_t>(tb_StorageWidth(src.header->bitCount, srcW)) *
                       static_cast<size_t>(srcH);
        snapshot.assign(src.pixels, src.pixels + bytes);
        before = DibImage{nullptr, src.header, snapshot.data(), nullptr};
        from = &before;
    }

    // Source column for each destination column, -1 where it falls outside the source.
    std::vector<int32_t> columns(static_cast<size_t>(x1 - x0));
    for (int32_t x = x0; x < x1; ++x) {
        int32_t sx =
            srcRect.left + static_cast<int32_t>((static_cast<int64_t>(x - dstRect.left) * sw) / dw);
        columns[static_cast<size_t>(x - x0)] = (sx >= 0 && sx < srcW) ? sx : -1;
    }
    const uint16_t sbits = src.header->bitCount;
    const uint16_t dbits = dst.header->bitCount;
    const uint32_t valueMask = dbits == 24 ? 0xFFFFFF : dbits == 8 ? 0xFF : 1;
    const bool sameFormat = sbits == dbits;
    const bool plain24 = sameFormat && sbits == 24 && rop == TB_SRCCOPY;
    // Masks copied or scaled onto masks: palette indices, one byte each.
    const bool plain8 = sameFormat && sbits == 8 && rop == TB_SRCCOPY;
    const bool contiguous = sw == dw && columns.front() >= 0 && columns.back() >= 0;
    // Onto 24-bit pixels from 24- or 8-bit ones with any raster operation (the cut-out copies
    // of every tool and pot): whole rows, each byte combined directly, 8-bit sources through
    // a table of their 256 colours made once.
    const bool bytewise24 = dbits == 24 && (sbits == 24 || sbits == 8) && !plain24;
    uint8_t indexColours[256][3];
    if (bytewise24 && sbits == 8) {
        for (uint32_t i = 0; i < 256; ++i) {
            TbColor c = stored_to_color(*from, i);
            indexColours[i][0] = tb_ColorBlue(c);
            indexColours[i][1] = tb_ColorGreen(c);
            indexColours[i][2] = tb_ColorRed(c);
        }
    }

    for (int32_t y = y0; y < y1; ++y) {
        int32_t sy =
            srcRect.top + static_cast<int32_t>((static_cast<int64_t>(y - dstRect.top) * sh) / dh);
        if (sy < 0 || sy >= srcH) continue;
        if (plain24 && contiguous) {
            const uint8_t* s = tb_PixelAddress(from, columns.front(), sy);
            uint8_t* d = tb_PixelAddress(&dst, x0, y);
            std::memmove(d, s, 3 * static_cast<size_t>(x1 - x0));
            continue;
        }
        if (plain24) {
            const uint8_t* srow = tb_PixelAddress(from, 0, sy);
            uint8_t* d = tb_PixelAddress(&dst, x0, y);
            for (int32_t sx : columns) {
                if (sx >= 0) {
                    const uint8_t* s = srow + 3 * static_cast<size_t>(sx);
                    d[0] = s[0];
                    d[1] = s[1];
                    d[2] = s[2];
                }
                d += 3;
            }
            continue;
        }
        if (plain8) {
            const uint8_t* srow = tb_PixelAddress(from, 0, sy);
            uint8_t* d = tb_PixelAddress(&dst, x0, y);
            for (int32_t sx : columns) {
                if (sx >= 0) *d = srow[sx];
                ++d;
            }
            continue;
        }
        if (bytewise24) {
            const uint8_t* srow = tb_PixelAddress(from, 0, sy);
            uint8_t* d = tb_PixelAddress(&dst, x0, y);
            for (int32_t sx : columns) {
                if (sx >= 0) {
                    const uint8_t* sp =
                        sbits == 24 ? srow + 3 * static_cast<size_t>(sx) : indexColours[srow[sx]];
                    for (int k = 0; k < 3; ++k) {
                        d[k] = static_cast<uint8_t>(apply_rop(rop, d[k], sp[k], 0xFF));
                    }
                }
                d += 3;
            }
            continue;
        }
        for (int32_t x = x0; x < x1; ++x) {
            int32_t sx = columns[static_cast<size_t>(x - x0)];
            if (sx < 0) continue;
            uint32_t v = stored_pixel(*from, sx, sy);
            if (!sameFormat) v = color_to_stored(dst, stored_to_color(*from, v));
            uint32_t d = rop == TB_SRCCOPY || rop == TB_NOTSRCCOPY ? 0 : stored_pixel(dst, x, y);
            write_stored(dst, x, y, apply_rop(rop, d, v, valueMask));
        }
    }
}

Rect image_bounds(const DibImage& img) { return {0, 0, img.header->width, img.header->height}; }

Rect intersect(const Rect& a, const Rect& b) {
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    return r;
}

// A window source: its pixels as shown on the screen.
const DibImage* source_image(TargetRef src) {
    if (src == TB_PRINTER) return g_printerPage;
    Target t = resolve_target(src);
    return t.image != nullptr && t.image->header != nullptr ? t.image : nullptr;
}

// Applies the destination's clip rect to its context (bitmaps keep it until cleared;
// windows get a fresh context each time). Returns the pixels drawing may reach.
Rect apply_destination_clip(TargetRef dst, const Target& t) {
    if (t.clip != nullptr && clip_complete(t.clip->stored)) {
        if (is_bitmap_handle(dst)) {
            t.clip->applied = t.clip->stored;
        } else {
            return intersect(image_bounds(*t.image), t.clip->stored);
        }
    }
    return drawable_area(t);
}

// Snapshots see every copy: the rows it may read of the source and write of the destination.
void prepare_copy(TargetRef src, const Rect& srcRect, const Target& dst, const Rect& dstRect) {
    prepare_reading(src, srcRect.top, srcRect.bottom);
    prepare_writing(dst.bitmapSlot, dstRect.top, dstRect.bottom);
}

// What a copy wrote (r: its destination cut to where it may draw) is noted on the target, and
// shown at once on a window.
void finish_copy(const Target& t, const Rect& r) {
    note_touched(t, r);
    if (t.windowSlot >= 0) present_window(t.windowSlot, r);
}

bool validate_copy(TargetRef src, TargetRef dst) {
    if (is_bitmap_handle(src) && !valid_bitmap(src)) {
        tb_Error("Invalid source bitmap! (tb_CopyBitmap)");
        return false;
    }
    if (is_bitmap_handle(dst) && !valid_bitmap(dst)) {
        tb_Error("Invalid destination bitmap! (tb_CopyBitmap)");
        return false;
    }
    if (is_window_handle(dst) && !valid_window(dst)) {
        tb_Error("Invalid destination window! (tb_CopyBitmap)");
        return false;
    }
    return true;
}

}  // namespace

void tb_CopyBitmap(TargetRef src, TargetRef dst, const Rect* srcRect, const Rect* dstRect,
                   int32_t /*unused*/) {
    if (!validate_copy(src, dst)) return;
    const DibImage* s = source_image(src);
    Target t = resolve_target(dst);
    if (s == nullptr || t.image == nullptr || t.image->header == nullptr) return;
    Rect limit = apply_destination_clip(dst, t);
    Rect sr = *srcRect;
    Rect dr = *dstRect;
    int32_t sw = sr.right - sr.left, sh = sr.bottom - sr.top;
    int32_t dw = dr.right - dr.left, dh = dr.bottom - dr.top;
    if (sw == dw && sh == dh && t.clip != nullptr && clip_complete(t.clip->stored)) {
        // Pre-clip: a copy that reaches 4 pixels or less into the clip rect draws nothing;
        // otherwise the rectangles are shifted and shortened to the clip rect.
        const Rect& c = t.clip->stored;
        int32_t x = dr.left, y = dr.top, w = dw, h = dh;
        if (!(x + w > c.left + 4 && x < c.right - 4 && y + h > c.top + 4 && y < c.bottom - 4))
            return;
        if (x + w > c.right) {
            w = c.right - x;
        } else if (x < c.left) {
            sr.left += c.left - x;
            w -= c.left - x;
            x = c.left;
        }
        if (y + h > c.bottom) {
            h = c.bottom - y;
        } else if (y < c.top) {
            sr.top += c.top - y;
            h -= c.top - y;
            y = c.top;
        }
        sr.right = sr.left + w;
        sr.bottom = sr.top + h;
        dr = Rect{x, y, x + w, y + h};
    }
    prepare_copy(src, sr, t, intersect(dr, limit));
    blit(*s, sr, *t.image, dr, limit, tb_RasterOp);
    finish_copy(t, intersect(dr, limit));
}

void tb_CopyBitmapKeyed(TargetRef src, TargetRef dst, const Rect* srcRect, const Rect* dstRect,
                        int32_t key) {
    if (src >= TB_WINDOW_BASE) {
        tb_Error("Can't copy from a window! (tb_CopyBitmap)");
        return;
    }
    if (!validate_copy(src, dst)) return;
    const DibImage* s = source_image(src);
    Target t = resolve_target(dst);
    if (s == nullptr || t.image == nullptr || t.image->header == nullptr) return;
    Rect sr = *srcRect;
    int32_t w = sr.right - sr.left, h = sr.bottom - sr.top;
    if (is_bitmap_handle(dst)) {
        Rect dr{dstRect->left, dstRect->top, dstRect->left + w, dstRect->top + h};
        bool bothMemoryOnly = g_bitmaps[src].hasContext == 0 && g_bitmaps[dst].hasContext == 0;
        if (bothMemoryOnly && s->header->bitCount == t.image->header->bitCount) {
            // Cut both rectangles to what lies inside both images, then copy rows directly.
            Rect sClip = intersect(sr, image_bounds(*s));
            Rect shifted{dr.left + (sClip.left - sr.left), dr.top + (sClip.top - sr.top),
                         dr.left + (sClip.right - sr.left), dr.top + (sClip.bottom - sr.top)};
            Rect dClip = intersect(shifted, image_bounds(*t.image));
            int32_t cw = dClip.right - dClip.left, ch = dClip.bottom - dClip.top;
            if (cw <= 0 || ch <= 0) return;
            prepare_copy(src, sClip, t, dClip);
            tb_CopyRows(s, sClip.left + (dClip.left - shifted.left),
                        sClip.top + (dClip.top - shifted.top), cw, ch, t.image, dClip.left,
                        dClip.top, key != 0 ? 255 : 0);
            note_touched(t, dClip);
            return;
        }
        // The key and the stored clip rect play no part here, but a restriction that an
        // earlier copy left on the bitmap's context still does.
        prepare_copy(src, sr, t, intersect(dr, drawable_area(t)));
        blit(*s, sr, *t.image, dr, drawable_area(t), TB_SRCCOPY);
        note_touched(t, intersect(dr, drawable_area(t)));
        return;
    }
    prepare_copy(src, sr, t, intersect(*dstRect, image_bounds(*t.image)));
    blit(*s, sr, *t.image, *dstRect, image_bounds(*t.image), TB_SRCCOPY);
    finish_copy(t, intersect(*dstRect, image_bounds(*t.image)));
}

void tb_CopyBitmapSprite(BitmapRef image, BitmapRef mask, TargetRef dst, const Rect* imageRect,
                         const Rect* maskRect, const Rect* dstRect) {
    // Not validated by design, but never reads or writes outside an image.
    const DibImage* img = source_image(image);
    const DibImage* msk = source_image(mask);
    Target t = resolve_target(dst);
    if (img == nullptr || msk == nullptr || t.image == nullptr || t.image->header == nullptr)
        return;
    Rect limit = apply_destination_clip(dst, t);
    prepare_reading(mask, maskRect->top, maskRect->bottom);
    prepare_copy(image, *imageRect, t, intersect(*dstRect, limit));
    blit(*msk, *maskRect, *t.image, *dstRect, limit, TB_SRCPAINT);
    blit(*img, *imageRect, *t.image, *dstRect, limit, TB_SRCAND);
    finish_copy(t, intersect(*dstRect, limit));
}

void tb_CopyBitmapToHwnd(NativeWindow window, BitmapRef src, const Rect* srcRect,
                         const Rect* dstRect) {
    Rect dialog;
    const DibImage* s = source_image(src);
    if (!dialog_rect(window, &dialog) || s == nullptr || !valid_window(g_mainWindow)) {
        tb_Error("Failed to copy Keyboard Image");
        return;
    }
    Target t = resolve_target(g_mainWindow);
    if (t.image == nullptr) return;
    Rect dr = *dstRect;
    tb_OffsetRect(&dr, dialog.left, dialog.top);
    Rect limit = intersect(dialog, image_bounds(*t.image));
    prepare_reading(src, srcRect->top, srcRect->bottom);
    blit(*s, *srcRect, *t.image, dr, limit, TB_SRCCOPY);
    finish_copy(t, intersect(dr, limit));
}

void tb_DrawPictureToBitmap(TargetRef dst, int32_t id, int32_t x, int32_t y, Rect* outRect) {
    if (is_bitmap_handle(dst) && !valid_bitmap(dst)) {
        tb_Error("Invalid destination bitmap! (tb_DrawPictureToBitmap)");
        return;
    }
    Rect r{0, 0, 0, 0};
    BitmapRef picture = tb_CreateBitmap(&r, id, 24);
    if (picture < 0) return;
    Rect to{x, y, x + r.right, y + r.bottom};
    tb_CopyBitmap(picture, dst, &r, &to, 0);
    tb_DisposeBitmap(picture);
    *outRect = to;
}

void tb_DrawPictureThroughMask(TargetRef dst, int32_t imageId, int32_t maskId,
                               const Rect* dstRect) {
    Rect imageRect;
    Rect maskRect;
    BitmapRef image = tb_CreateBitmap(&imageRect, imageId, 24);
    BitmapRef mask = tb_CreateBitmap(&maskRect, maskId, 8);
    if (image >= 0 && mask >= 0) {
        tb_CopyBitmapSprite(image, mask, dst, &imageRect, &maskRect,
                            dstRect != nullptr ? dstRect : &imageRect);
    }
    if (image >= 0) tb_DisposeBitmap(image);
    if (mask >= 0) tb_DisposeBitmap(mask);
}
