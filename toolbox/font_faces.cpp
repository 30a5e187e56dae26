// The face table on fontconfig and FreeType. The six face names are those of the classic
// desktop; our own alias rules, loaded into fontconfig before the first lookup, send each of
// them to a free font of the same kind (left alone, several would fall back to one sans face).
#include "toolbox/font_faces.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tb {

namespace {

constexpr int32_t kFaceCount = 6;

const char* const kFaceNames[kFaceCount] = {
    "Arial", "Courier New", "MS San Serif", "MS Serif", "Brush Script MT", "Times New Roman",
};

// Each name first goes to a free font of its kind, then to the generic family.
const char kAliasRules[] = R"(<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <alias binding="same">
    <family>Arial</family>
    <prefer><family>Liberation Sans</family><family>Arimo</family></prefer>
    <default><family>sans-serif</family></default>
  </alias>
  <alias binding="same">
    <family>Courier New</family>
    <prefer><family>Liberation Mono</family><family>Cousine</family></prefer>
    <default><family>monospace</family></default>
  </alias>
  <alias binding="same">
    <family>MS San Serif</family>
    <prefer><family>Liberation Sans</family><family>Nimbus Sans</family></prefer>
    <default><family>sans-serif</family></default>
  </alias>
  <alias binding="same">
    <family>MS Sans Serif</family>
    <prefer><family>Liberation Sans</family><family>Nimbus Sans</family></prefer>
    <default><family>sans-serif</family></default>
  </alias>
  <alias binding="same">
    <family>MS Serif</family>
    <prefer><family>Liberation Serif</family><family>Nimbus Roman</family></prefer>
    <default><family>serif</family></default>
  </alias>
  <alias binding="same">
    <family>Brush Script MT</family>
    <prefer><family>Z003</family><family>URW Chancery L</family></prefer>
    <default><family>cursive</family></default>
  </alias>
  <alias binding="same">
    <family>Times New Roman</family>
    <prefer><family>Liberation Serif</family><family>Tinos</family></prefer>
    <default><family>serif</family></default>
  </alias>
</fontconfig>
)";

struct CachedFont {
    bool tried = false;
    FT_Face face = nullptr;
    bool embolden = false;
    bool slant = false;
    uint32_t serial = 0;
    std::string family;
};

// Counts the fonts opened, so that drawn glyphs kept by font are never taken for those of a
// font opened later at the same address.
uint32_t g_openings = 0;

FT_Library g_library = nullptr;
// Our own fontconfig configuration (the system's plus our alias rules), apart from the one the
// dialogs' toolkit uses, so that each can be released without the other.
FcConfig* g_config = nullptr;
bool g_configured = false;
// One entry per face and weight/slant pair: normal, bold, italic.
CachedFont g_cache[kFaceCount][3];

// Fonts of freely named families (the text tool's list), the ones used last kept open.
constexpr int32_t kFamilyCacheSize = 32;
constexpr size_t kFamilyNameSize = 256;

struct FamilyFont {
    char family[kFamilyNameSize] = {};
    int32_t variant = -1;  // -1: slot unused
    uint32_t lastUse = 0;
    CachedFont font;
};

FamilyFont g_families[kFamilyCacheSize];
uint32_t g_familyClock = 0;

int32_t face_index(int16_t face) { return face >= 0 && face < kFaceCount ? face : 0; }
int32_t variant_of(bool bold, bool italic) { return bold ? 1 : (italic ? 2 : 0); }

// At exit: the faces, FreeType and fontconfig's own tables go back.
void release_fonts() {
    for (auto& variants : g_cache) {
        for (CachedFont& font : variants) {
            if (font.face != nullptr) FT_Done_Face(font.face);
            font = CachedFont{};
        }
    }
    for (FamilyFont& entry : g_families) {
        if (entry.font.face != nullptr) FT_Done_Face(entry.font.face);
        entry = FamilyFont{};
    }
    if (g_library != nullptr) FT_Done_FreeType(g_library);
    g_library = nullptr;
    if (g_config != nullptr) FcConfigDestroy(g_config);
    g_config = nullptr;
}

bool start_fonts() {
    if (!g_configured) {
        g_configured = true;
        std::atexit(release_fonts);
        g_config = FcInitLoadConfigAndFonts();
        if (g_config != nullptr) {
            FcConfigParseAndLoadFromMemory(g_config, reinterpret_cast<const FcChar8*>(kAliasRules),
                                           FcTrue);
        }
        if (FT_Init_FreeType(&g_library) != 0) g_library = nullptr;
    }
    return g_library != nullptr && g_config != nullptr;
}

void open_font(CachedFont& font, const char* name, bool bold, bool italic) {
    font.tried = true;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(g_config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(g_config, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr) return;

    FcChar8* file = nullptr;
    FcChar8* family = nullptr;
    int index = 0;
    int weight = FC_WEIGHT_REGULAR;
    int slant = FC_SLANT_ROMAN;
    FcPatternGetString(match, FC_FILE, 0, &file);
    FcPatternGetString(match, FC_FAMILY, 0, &family);
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
    FcPatternGetInteger(match, FC_SLANT, 0, &slant);
    if (file != nullptr &&
        FT_New_Face(g_library, reinterpret_cast<const char*>(file), index, &font.face) != 0) {
        font.face = nullptr;
    }
    font.serial = ++g_openings;
    if (family != nullptr) font.family = reinterpret_cast<const char*>(family);
    // A family without the weight or slant asked for gets it made up when drawing.
    font.embolden = bold && weight < FC_WEIGHT_DEMIBOLD;
    font.slant = italic && slant == FC_SLANT_ROMAN;
    FcPatternDestroy(match);
}

CachedFont& cached(int16_t face, bool bold, bool italic) {
    int32_t variant = variant_of(bold, italic);
    CachedFont& font = g_cache[face_index(face)][variant];
    if (!font.tried && start_fonts()) open_font(font, font_face_name(face), bold, italic);
    return font;
}

}  // namespace

const char* font_face_name(int16_t face) { return kFaceNames[face_index(face)]; }

FontStyle font_style(int16_t style) {
    FontStyle s;
    s.bold = style == 1;
    s.italic = style == 2;
    s.underline = style == 3;
    s.strikeOut = style == 4;
    return s;
}

LoadedFont font_for(int16_t face, bool bold, bool italic) {
    CachedFont& font = cached(face, bold, italic);
    return LoadedFont{font.face, font.embolden, font.slant, font.serial};
}

LoadedFont font_for_family(const char* family, bool bold, bool italic) {
    if (!start_fonts()) return LoadedFont{};
    const int32_t variant = variant_of(bold, italic);
    FamilyFont* slot = &g_families[0];
    for (FamilyFont& entry : g_families) {
        if (entry.variant == variant && std::strncmp(entry.family, family, kFamilyNameSize) == 0) {
            slot = &entry;
            break;
        }
        // Otherwise the one unused longest gives way.
        if (entry.variant < 0 || (slot->variant >= 0 && entry.lastUse < slot->lastUse)) {
            slot = &entry;
        }
    }
    if (slot->variant != variant || std::strncmp(slot->family, family, kFamilyNameSize) != 0) {
        if (slot->font.face != nullptr) FT_Done_Face(slot->font.face);
        *slot = FamilyFont{};
        std::snprintf(slot->family, sizeof slot->family, "%s", family);
        slot->variant = variant;
        open_font(slot->font, slot->family, bold, italic);
    }
    slot->lastUse = ++g_familyClock;
    return LoadedFont{slot->font.face, slot->font.embolden, slot->font.slant, slot->font.serial};
}

FcConfig* font_config() { return start_fonts() ? g_config : nullptr; }

std::string font_family_for(int16_t face) { return cached(face, false, false).family; }

}  // namespace tb
