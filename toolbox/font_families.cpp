// The font families installed on the system, as the text tool offers them: scalable outline
// fonts only (a family made of bitmap strikes alone, such as a colour emoji font, cannot be
// drawn at any size), each family once under its first name, sorted without regard to case.
#include <ft2build.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "toolbox/font_faces.h"
#include "toolbox/internal.h"
#include FT_FREETYPE_H

namespace {

std::vector<std::string> g_familyNames;

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Case-blind first; names that differ only in case keep a fixed order.
bool sorts_before(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        if (lower(a[i]) != lower(b[i])) return lower(a[i]) < lower(b[i]);
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

}  // namespace

int32_t tb_ListFontFamilies() {
    g_familyNames.clear();
    FcConfig* config = tb::font_config();
    if (config == nullptr) return 0;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcPatternAddBool(pattern, FC_OUTLINE, FcTrue);
    FcObjectSet* wanted = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* fonts = FcFontList(config, pattern, wanted);
    FcObjectSetDestroy(wanted);
    FcPatternDestroy(pattern);
    if (fonts == nullptr) return 0;
    for (int i = 0; i < fonts->nfont; ++i) {
        FcChar8* family = nullptr;
        if (FcPatternGetString(fonts->fonts[i], FC_FAMILY, 0, &family) == FcResultMatch &&
            family != nullptr && family[0] != 0) {
            g_familyNames.emplace_back(reinterpret_cast<const char*>(family));
        }
    }
    FcFontSetDestroy(fonts);
    std::sort(g_familyNames.begin(), g_familyNames.end(), sorts_before);
    g_familyNames.erase(std::unique(g_familyNames.begin(), g_familyNames.end()),
                        g_familyNames.end());
    return static_cast<int32_t>(g_familyNames.size());
}

const char* tb_GetFontFamilyName(int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(g_familyNames.size())) return nullptr;
    return g_familyNames[static_cast<size_t>(index)].c_str();
}

namespace {

// A font of symbols: it says so with a symbol character map, or with an encoding of its own
// beside the Unicode map it fills with its symbols at the places of the letters.
bool symbols(FT_Face face) {
    for (int i = 0; i < face->num_charmaps; ++i) {
        const FT_Encoding encoding = face->charmaps[i]->encoding;
        if (encoding == FT_ENCODING_MS_SYMBOL || encoding == FT_ENCODING_ADOBE_CUSTOM) return true;
    }
    return false;
}

}  // namespace

int32_t tb_FamilyHasCharacters(const char* family, const char* text, int32_t length) {
    auto* face = static_cast<FT_Face>(tb::font_for_family(family, false, false).face);
    if (face == nullptr || face->charmap == nullptr ||
        face->charmap->encoding != FT_ENCODING_UNICODE || symbols(face)) {
        return 0;
    }
    for (int32_t i = 0; i < length;) {
        if (FT_Get_Char_Index(face, tb::next_character(text, length, &i)) == 0) return 0;
    }
    return 1;
}
