#include "toolbox/glyph_cache.h"

#include FT_OUTLINE_H

namespace tb {

namespace {

// Room for the letters of a few lines in a few sizes; a glyph whose place is taken is made
// again when it is next needed.
constexpr size_t kGlyphSlots = 1024;

CachedGlyph g_glyphs[kGlyphSlots];

size_t slot_of(uint32_t serial, int32_t size, FT_UInt glyph, FT_Pos embolden) {
    uint64_t h = serial;
    h = h * 1000003u + static_cast<uint32_t>(size);
    h = h * 1000003u + glyph;
    h = h * 1000003u + static_cast<uint64_t>(embolden);
    return static_cast<size_t>(h ^ (h >> 29)) % kGlyphSlots;
}

int32_t load_flags(FT_Pos embolden) {
    return FT_LOAD_TARGET_MONO | (embolden != 0 ? FT_LOAD_NO_BITMAP : 0);
}

void make_picture(FT_Face face, CachedGlyph& g) {
    g.drawn = true;
    if (FT_Load_Glyph(face, g.glyph, load_flags(g.embolden)) != 0) return;
    FT_GlyphSlot slot = face->glyph;
    if (g.embolden != 0 && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        FT_Outline_Embolden(&slot->outline, g.embolden);
    }
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0) return;
    const FT_Bitmap& b = slot->bitmap;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.width = static_cast<int32_t>(b.width);
    g.rows = static_cast<int32_t>(b.rows);
    g.pitch = b.pitch < 0 ? -b.pitch : b.pitch;
    g.bits.resize(static_cast<size_t>(g.pitch) * static_cast<size_t>(g.rows));
    for (int32_t row = 0; row < g.rows; ++row) {
        const unsigned char* from = b.buffer + static_cast<ptrdiff_t>(row) * b.pitch;
        std::copy(from, from + g.pitch, g.bits.begin() + static_cast<ptrdiff_t>(row) * g.pitch);
    }
}

}  // namespace

const CachedGlyph& cached_glyph(FT_Face face, uint32_t serial, int32_t size, FT_UInt glyph,
                                FT_Pos embolden, bool drawing) {
    CachedGlyph& g = g_glyphs[slot_of(serial, size, glyph, embolden)];
    if (g.serial != serial || g.size != size || g.glyph != glyph || g.embolden != embolden) {
        g = CachedGlyph{};
        g.serial = serial;
        g.size = size;
        g.glyph = glyph;
        g.embolden = embolden;
        if (FT_Load_Glyph(face, glyph, FT_LOAD_TARGET_MONO) == 0) {
            g.advance = static_cast<int32_t>((face->glyph->advance.x + 32) / 64);
            if (embolden != 0) g.advance += static_cast<int32_t>(embolden / 64);
        }
    }
    if (drawing && !g.drawn) make_picture(face, g);
    return g;
}

}  // namespace tb
