// Fonts and text: the per-target face, size and style settings, one line of text drawn or
// measured with alignment and rotation, and the plain serif string. Glyphs are rendered solid
// (one colour, no smoothing, no background) straight into the target's pixels.
#include <ft2build.h>

#include "toolbox/font_faces.h"
#include "toolbox/glyph_cache.h"
#include "toolbox/internal.h"
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

using namespace tb;

namespace {

constexpr int32_t kDefaultSize = 16;  // what a size setting of 0 draws
constexpr double kPi = 3.14159265358979323846;

// ---- Settings ---------------------------------------------------------------------------

TextSettings* settings_of(TargetRef target) {
    if (is_bitmap_handle(target)) {
        if (!valid_bitmap(target)) {
            tb_Error("Invalid bitmap! (tb_SetFont)");
            return nullptr;
        }
        return &g_bitmaps[target].text;
    }
    if (target == TB_PRINTER) return &g_printerText;
    if (!valid_window(target)) {
        tb_Error("Invalid window! (tb_SetFont)");
        return nullptr;
    }
    return &g_windows[target - TB_WINDOW_BASE].text;
}

// Reading never reports: a free slot draws nothing anyway.
TextSettings settings_for_drawing(TargetRef target) {
    if (target == TB_PRINTER) return g_printerText;
    if (valid_bitmap(target)) return g_bitmaps[target].text;
    if (valid_window(target)) return g_windows[target - TB_WINDOW_BASE].text;
    return {};
}

// ---- Characters -------------------------------------------------------------------------

std::vector<uint32_t> characters(const char* text, int32_t length) {
    std::vector<uint32_t> out;
    for (int32_t i = 0; i < length;) out.push_back(next_character(text, length, &i));
    return out;
}

// ---- Laying out -------------------------------------------------------------------------

struct Line {
    FT_Face face = nullptr;
    uint32_t serial = 0;  // the font's opening, for the glyph cache
    bool embolden = false;
    bool slant = false;
    FontStyle style;
    int32_t size = kDefaultSize;
    std::vector<FT_UInt> glyphs;
    std::vector<int32_t> advances;  // whole pixels, unrotated
    int32_t width = 0;
    int32_t ascent = 0;
    int32_t descent = 0;
    int32_t height = 0;  // one line, the font's line gap included
};

// The made-up weight of a bold line without a bold font (26.6 pixels), else 0.
FT_Pos embolden_strength(const Line& line) {
    return line.embolden ? std::max<FT_Pos>(64, line.size * 64 / 24) : 0;
}

int32_t pixel_size(int32_t size) { return size > 0 ? size : (size < 0 ? -size : kDefaultSize); }

// The line's font at its size, with its ascent, descent and height; no glyphs yet. The face
// stays null when the font cannot be had at that size.
Line start_line(const LoadedFont& font, const FontStyle& style, int32_t size) {
    Line line;
    line.style = style;
    line.size = pixel_size(size);
    auto* face = static_cast<FT_Face>(font.face);
    if (face == nullptr || FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(line.size)) != 0) {
        return line;
    }
    FT_Set_Transform(face, nullptr, nullptr);
    line.face = face;
    line.serial = font.serial;
    line.embolden = font.embolden;
    line.slant = font.slant;
    line.ascent = static_cast<int32_t>((face->size->metrics.ascender + 63) / 64);
    line.descent = static_cast<int32_t>((-face->size->metrics.descender + 63) / 64);
    line.height = static_cast<int32_t>((face->size->metrics.height + 63) / 64);
    return line;
}

Line lay_out(const LoadedFont& font, const FontStyle& style, int32_t size, const char* text,
             int32_t length) {
    Line line = start_line(font, style, size);
    FT_Face face = line.face;
    if (face == nullptr || text == nullptr || length <= 0) return line;
    for (uint32_t c : characters(text, length)) {
        FT_UInt glyph = FT_Get_Char_Index(face, c);
        const int32_t advance =
            cached_glyph(face, line.serial, line.size, glyph, embolden_strength(line), false)
                .advance;
        line.glyphs.push_back(glyph);
        line.advances.push_back(advance);
        line.width += advance;
    }
    return line;
}

// ---- Drawing ----------------------------------------------------------------------------

// Where drawing may reach on a target, with its clip rect applied as the copies apply it.
Rect reachable_area(TargetRef target, const Target& t) {
    const ClipState* clip = t.clip;
    if (clip != nullptr && clip->stored.left != -1 && clip->stored.top != -1 &&
        clip->stored.right != -1 && clip->stored.bottom != -1) {
        if (is_bitmap_handle(target)) {
            t.clip->applied = t.clip->stored;
        } else {
            Rect whole{0, 0, t.image->header->width, t.image->header->height};
            Rect r;
            tb_IntersectRect(&r, &whole, &clip->stored);
            return r;
        }
    }
    return drawable_area(t);
}

// Stores a pixel value at column x of a row of the given depth.
void put_in_row(uint8_t* row, uint16_t bitCount, int32_t x, uint32_t value) {
    switch (bitCount) {
        case 24:
            row[3 * x] = static_cast<uint8_t>(value);
            row[3 * x + 1] = static_cast<uint8_t>(value >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(value >> 16);
            break;
        case 8:
            row[x] = static_cast<uint8_t>(value);
            break;
        case 4: {
            int shift = x % 2 != 0 ? 0 : 4;
            row[x / 2] =
                static_cast<uint8_t>((row[x / 2] & ~(15 << shift)) | ((value & 15) << shift));
            break;
        }
        case 1: {
            auto bit = static_cast<uint8_t>(0x80 >> (x % 8));
            row[x / 8] =
                static_cast<uint8_t>((value & 1) != 0 ? (row[x / 8] | bit) : (row[x / 8] & ~bit));
            break;
        }
        default:
            break;
    }
}

// A canvas: the target's pixels inside the reachable area, and what was touched.
struct Canvas {
    DibImage* image = nullptr;
    int32_t bitmapSlot = -1;
    Rect area;
    uint32_t value = 0;
    Rect touched{0, 0, 0, 0};
    bool any = false;

    // Row y, about to be written: its undo copy is taken first.
    uint8_t* row(int32_t y) const {
        prepare_writing(bitmapSlot, y, y + 1);
        const DibHeader& h = *image->header;
        return image->pixels +
               static_cast<size_t>(h.height - y - 1) * tb_StorageWidth(h.bitCount, h.width);
    }

    void note(int32_t left, int32_t right, int32_t y) {
        if (!any) {
            touched = Rect{left, y, right, y + 1};
            any = true;
            return;
        }
        touched.left = std::min(touched.left, left);
        touched.top = std::min(touched.top, y);
        touched.right = std::max(touched.right, right);
        touched.bottom = std::max(touched.bottom, y + 1);
    }

    void plot(int32_t x, int32_t y) {
        if (x < area.left || x >= area.right || y < area.top || y >= area.bottom) return;
        put_in_row(row(y), image->header->bitCount, x, value);
        note(x, x + 1, y);
    }

    // The set bits of a one-bit glyph row (`width` bits, most significant first) with its first
    // bit at (x0, y): the row is found and cut to the area once.
    void plot_bits(int32_t x0, int32_t y, const unsigned char* bits, int32_t width) {
        if (y < area.top || y >= area.bottom) return;
        const int32_t from = std::max(0, area.left - x0);
        const int32_t to = std::min(width, area.right - x0);
        uint8_t* pixels = row(y);
        const uint16_t depth = image->header->bitCount;
        int32_t first = -1;
        int32_t last = -1;
        for (int32_t col = from; col < to; ++col) {
            if ((bits[col >> 3] & (0x80 >> (col & 7))) == 0) continue;
            put_in_row(pixels, depth, x0 + col, value);
            if (first < 0) first = col;
            last = col;
        }
        if (first >= 0) note(x0 + first, x0 + last + 1, y);
    }
};

// Text space: x along the baseline from the line's start, y downwards; the rotation turns it
// counter-clockwise on the screen around the reference point.
struct Placement {
    double originX = 0;  // screen position of text-space (0, 0): the start of the baseline
    double originY = 0;
    double cosA = 1;
    double sinA = 0;

    double screen_x(double tx, double ty) const { return originX + tx * cosA + ty * sinA; }
    double screen_y(double tx, double ty) const { return originY - tx * sinA + ty * cosA; }
};

// Upright glyphs come from the glyph cache, made once.
void draw_upright_glyphs(const Line& line, const Placement& at, Canvas& canvas) {
    const auto ox = static_cast<int32_t>(std::lround(at.originX));
    const auto oy = static_cast<int32_t>(std::lround(at.originY));
    int32_t pen = 0;
    for (size_t i = 0; i < line.glyphs.size(); ++i) {
        const CachedGlyph& g = cached_glyph(line.face, line.serial, line.size, line.glyphs[i],
                                            embolden_strength(line), true);
        for (int32_t row = 0; row < g.rows; ++row) {
            canvas.plot_bits(ox + pen + g.left, oy - g.top + row,
                             g.bits.data() + static_cast<ptrdiff_t>(row) * g.pitch, g.width);
        }
        pen += line.advances[i];
    }
}

void draw_glyphs(const Line& line, const Placement& at, int32_t angle, Canvas& canvas) {
    FT_Face face = line.face;
    // Rotation (y up in FreeType's space), with a made-up slant applied before it.
    double shear = line.slant ? 0.2 : 0.0;
    FT_Matrix m;
    m.xx = static_cast<FT_Fixed>(at.cosA * 65536.0);
    m.xy = static_cast<FT_Fixed>((at.cosA * shear - at.sinA) * 65536.0);
    m.yx = static_cast<FT_Fixed>(at.sinA * 65536.0);
    m.yy = static_cast<FT_Fixed>((at.sinA * shear + at.cosA) * 65536.0);
    bool plain = angle % 360 == 0 && !line.slant;
    if (plain) {
        draw_upright_glyphs(line, at, canvas);
        return;
    }
    FT_Set_Transform(face, &m, nullptr);
    int32_t pen = 0;
    for (size_t i = 0; i < line.glyphs.size(); ++i) {
        int32_t flags = FT_LOAD_TARGET_MONO | (line.embolden ? FT_LOAD_NO_BITMAP : 0);
        if (FT_Load_Glyph(face, line.glyphs[i], flags) == 0) {
            FT_GlyphSlot slot = face->glyph;
            if (line.embolden && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
                FT_Outline_Embolden(&slot->outline, embolden_strength(line));
            }
            if (FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) == 0) {
                auto ox = static_cast<int32_t>(std::lround(at.screen_x(pen, 0)));
                auto oy = static_cast<int32_t>(std::lround(at.screen_y(pen, 0)));
                const FT_Bitmap& b = slot->bitmap;
                for (unsigned row = 0; row < b.rows; ++row) {
                    canvas.plot_bits(ox + slot->bitmap_left,
                                     oy - slot->bitmap_top + static_cast<int32_t>(row),
                                     b.buffer + static_cast<ptrdiff_t>(row) * b.pitch,
                                     static_cast<int32_t>(b.width));
                }
            }
        }
        pen += line.advances[i];
    }
    FT_Set_Transform(face, nullptr, nullptr);
}

// A bar along the baseline (underline, strike-out) from text-space (0, top) to
// (width, top + thickness), turned like the glyphs: every screen pixel whose centre maps back
// inside the bar is set.
void draw_bar(const Placement& at, int32_t width, int32_t top, int32_t thickness, Canvas& canvas) {
    double corners[4][2] = {{0, static_cast<double>(top)},
                            {static_cast<double>(width), static_cast<double>(top)},
                            {0, static_cast<double>(top + thickness)},
                            {static_cast<double>(width), static_cast<double>(top + thickness)}};
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    for (auto& c : corners) {
        double sx = at.screen_x(c[0], c[1]);
        double sy = at.screen_y(c[0], c[1]);
        minX = std::min(minX, sx);
        maxX = std::max(maxX, sx);
        minY = std::min(minY, sy);
        maxY = std::max(maxY, sy);
    }
    for (auto y = static_cast<int32_t>(std::floor(minY));
         y <= static_cast<int32_t>(std::ceil(maxY)); ++y) {
        for (auto x = static_cast<int32_t>(std::floor(minX));
             x <= static_cast<int32_t>(std::ceil(maxX)); ++x) {
            double dx = x + 0.5 - at.originX;
            double dy = y + 0.5 - at.originY;
            double tx = dx * at.cosA - dy * at.sinA;
            double ty = dx * at.sinA + dy * at.cosA;
            if (tx >= 0 && tx < width && ty >= top && ty < top + thickness) canvas.plot(x, y);
        }
    }
}

void draw_decorations(const Line& line, const Placement& at, Canvas& canvas) {
    FT_Face face = line.face;
    double scale = static_cast<double>(line.size) / face->units_per_EM;
    if (line.style.underline) {
        int32_t position =
            std::max(1, static_cast<int32_t>(std::lround(-face->underline_position * scale)));
        int32_t thickness =
            std::max(1, static_cast<int32_t>(std::lround(face->underline_thickness * scale)));
        draw_bar(at, line.width, position, thickness, canvas);
    }
    if (line.style.strikeOut) {
        auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        double position = os2 != nullptr ? os2->yStrikeoutPosition * scale : line.ascent * 0.3;
        double size = os2 != nullptr ? os2->yStrikeoutSize * scale : line.size / 14.0;
        int32_t thickness = std::max(1, static_cast<int32_t>(std::lround(size)));
        draw_bar(at, line.width, -static_cast<int32_t>(std::lround(position)), thickness, canvas);
    }
}

// Alignment flags as the classic text alignment combines them: horizontal part 0 left,
// 2 right, 6 centre; vertical part 0 top, 8 bottom.
int32_t alignment(int16_t horizontal, int16_t vertical) {
    int32_t h = horizontal == 1 ? 2 : horizontal == 2 ? 6 : 0;
    int32_t v = vertical == 1 ? 8 : vertical == 2 ? 6 : 0;
    return h | v;
}

Placement place(const Line& line, int32_t x, int32_t y, int32_t angle, int32_t align) {
    Placement at;
    double radians = angle * kPi / 180.0;
    at.cosA = std::cos(radians);
    at.sinA = std::sin(radians);
    double startX = (align & 6) == 6 ? -line.width / 2.0 : (align & 6) == 2 ? -line.width : 0.0;
    double baseline = (align & 8) != 0 ? -line.descent : line.ascent;
    // The reference point is text-space (-startX, -baseline) from the baseline's start.
    at.originX = x;
    at.originY = y;
    double ox = at.screen_x(startX, baseline);
    double oy = at.screen_y(startX, baseline);
    at.originX = ox;
    at.originY = oy;
    return at;
}

void draw_line(TargetRef target, const Line& line, int32_t x, int32_t y, int32_t angle,
               int32_t align) {
    Target t = resolve_target(target);
    if (t.image == nullptr || t.image->header == nullptr || line.face == nullptr) return;
    Canvas canvas;
    canvas.image = t.image;
    canvas.bitmapSlot = t.bitmapSlot;
    canvas.area = reachable_area(target, t);
    canvas.value = color_to_stored(*t.image, t.fore);
    Placement at = place(line, x, y, angle, align);
    draw_glyphs(line, at, angle, canvas);
    draw_decorations(line, at, canvas);
    if (!canvas.any) return;
    note_touched(t, canvas.touched);
    if (t.windowSlot >= 0) present_window(t.windowSlot, canvas.touched);
}

}  // namespace

uint32_t tb::next_character(const char* text, int32_t length, int32_t* index) {
    const auto* s = reinterpret_cast<const unsigned char*>(text);
    int32_t i = *index;
    unsigned char c = s[i];
    int32_t extra = c >= 0xF8 ? 0 : c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC2 ? 1 : 0;
    bool valid = extra > 0;
    uint32_t code = c & (0x3F >> extra);
    for (int32_t k = 1; valid && k <= extra; ++k) {
        if (i + k >= length || (s[i + k] & 0xC0) != 0x80)
            valid = false;
        else
            code = (code << 6) | (s[i + k] & 0x3F);
    }
    // Overlong forms, surrogates and values past the last code point are not characters.
    constexpr uint32_t kSmallest[4] = {0, 0x80, 0x800, 0x10000};
    if (valid && (code < kSmallest[extra] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)))
        valid = false;
    if (valid) {
        *index = i + extra + 1;
        return code;
    }
    *index = i + 1;
    return c;
}

void tb_SetFontFace(TargetRef target, int16_t face) {
    if (TextSettings* s = settings_of(target)) s->face = face;
}

void tb_SetFontSize(TargetRef target, int16_t size) {
    if (TextSettings* s = settings_of(target)) s->size = size;
}

void tb_SetFontStyle(TargetRef target, int16_t style) {
    if (TextSettings* s = settings_of(target)) s->style = style;
}

int32_t tb_DrawText(TargetRef target, int32_t x, int32_t y, const char* text, int32_t length,
                    int32_t angle, int32_t draw, int16_t horizontal, int16_t vertical) {
    if (text == nullptr || length <= 0) return 0;
    TextSettings s = settings_for_drawing(target);
    FontStyle style = font_style(s.style);
    Line line = lay_out(font_for(s.face, style.bold, style.italic), style, s.size, text, length);
    if (draw != 0) draw_line(target, line, x, y, angle, alignment(horizontal, vertical));
    return line.width;
}

int32_t tb_DrawFamilyText(TargetRef target, const char* family, int32_t x, int32_t y,
                          const char* text, int32_t length, int32_t angle, int32_t draw,
                          int16_t horizontal, int16_t vertical, TbLineMetrics* metrics) {
    TextSettings s = settings_for_drawing(target);
    FontStyle style = font_style(s.style);
    LoadedFont font = font_for_family(family != nullptr ? family : "", style.bold, style.italic);
    Line line = lay_out(font, style, s.size, text, length);
    if (metrics != nullptr) *metrics = TbLineMetrics{line.ascent, line.descent, line.height};
    if (draw != 0 && text != nullptr && length > 0) {
        draw_line(target, line, x, y, angle, alignment(horizontal, vertical));
    }
    return line.width;
}

void tb_DrawString(TargetRef target, int32_t x, int32_t y, const char* text) {
    if (text == nullptr) return;
    TextSettings s = settings_for_drawing(target);
    constexpr int16_t kSerifFace = 3;  // "MS Serif"
    Line line = lay_out(font_for(kSerifFace, false, false), FontStyle{}, s.size, text,
                        static_cast<int32_t>(std::strlen(text)));
    draw_line(target, line, x, y, 0, alignment(0, 1));
}
