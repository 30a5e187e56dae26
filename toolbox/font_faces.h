// The toolbox's face table on fontconfig and FreeType: which font file stands for each face
// and style, opened once and kept for the whole run. Toolbox sources only.
#pragma once

#include <fontconfig/fontconfig.h>

#include <cstdint>
#include <string>

namespace tb {

// Face table: 0 "Arial", 1 "Courier New", 2 "MS San Serif", 3 "MS Serif", 4 "Brush Script
// MT", 5 "Times New Roman"; any other index is face 0.
const char* font_face_name(int16_t face);

// Style table: 0 normal, 1 bold, 2 italic, 3 underlined, 4 struck out; any other is normal.
struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};
FontStyle font_style(int16_t style);

// A face ready for drawing at one pixel size. `face` is an FT_Face; it stays owned by the
// face cache. emboldened / slanted ask the renderer to make up a weight or slant the font
// file does not have.
struct LoadedFont {
    void* face = nullptr;  // null when no font at all could be opened
    bool embolden = false;
    bool slant = false;
    uint32_t serial = 0;  // this opening of the font, never the same for another
};
LoadedFont font_for(int16_t face, bool bold, bool italic);

// A font of any family by its name, matched as the face table's names are (our alias rules
// apply). Faces of the families used last are kept open; the face stays valid until the
// next call.
LoadedFont font_for_family(const char* family, bool bold, bool italic);

// Our fontconfig configuration (the system's plus the alias rules), or null when the fonts
// could not be started.
FcConfig* font_config();

// The family name fontconfig picked for a face (after our alias rules), for the test of the
// substitutions; empty when none.
std::string font_family_for(int16_t face);

}  // namespace tb
