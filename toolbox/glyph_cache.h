// Glyphs of upright text kept once made: each glyph's advance and its one-bit picture, by
// font, size and glyph, so a line drawn again and again (the text following the pointer) costs
// no font work. Toolbox sources only.
#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdint>
#include <vector>

namespace tb {

struct CachedGlyph {
    uint32_t serial = 0;  // the font's opening (LoadedFont::serial); 0: the entry is unused
    int32_t size = 0;
    FT_UInt glyph = 0;
    FT_Pos embolden = 0;  // the made-up weight, 26.6 pixels; 0 for none
    int32_t advance = 0;  // whole pixels, the made-up weight included
    bool drawn = false;   // the picture below has been made (it may be empty)
    int32_t left = 0;     // the picture's top-left corner from the pen on the baseline
    int32_t top = 0;      // (upwards)
    int32_t width = 0;    // bits per row
    int32_t rows = 0;
    int32_t pitch = 0;  // bytes per row
    std::vector<unsigned char> bits;
};

// The glyph of a font whose size is set to `size` pixels and which has no transform: its
// advance always, and its picture too when `drawing` (made once, in one-bit pixels, with the
// made-up weight `embolden` applied to its outline). The entry stays valid until the next call.
const CachedGlyph& cached_glyph(FT_Face face, uint32_t serial, int32_t size, FT_UInt glyph,
                                FT_Pos embolden, bool drawing);

}  // namespace tb
