// The face of our own message box: laid out from the text and the screen's size, drawn with
// smooth edges and smooth text (FreeType, through the toolbox's face table) into plain pixels.
#include "toolbox/box_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "toolbox/font_faces.h"

namespace tb {

namespace {

using Colour = PanelColour;

constexpr Colour kFocusedPressed{30, 136, 229};
constexpr Colour kButton{255, 255, 255};
constexpr Colour kButtonPressed{240, 226, 196};

struct IconLook {
    Colour disc;
    uint32_t mark;  // the character on the disc
};

IconLook icon_look(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Exclamation:
            return {{251, 140, 0}, '!'};
        case BoxIcon::Question:
            return {{67, 160, 71}, '?'};
        case BoxIcon::Information:
        default:
            return {{30, 136, 229}, 'i'};
    }
}

constexpr int32_t kScreenMargin = 16;  // the box keeps this far inside the screen
constexpr int32_t kMargin = 20;
constexpr int32_t kEdgeWidth = 2;
constexpr int32_t kIcon = 44;
constexpr int32_t kIconMarkSize = 30;
constexpr int32_t kGap = 16;  // between the icon and the text
constexpr int32_t kMaxTextWidth = 460;
constexpr int32_t kMinTextWidth = 80;
constexpr int32_t kTextSize = 15;
constexpr int32_t kLineGap = 5;
constexpr int32_t kButtonsGap = 20;  // between the text and the buttons
constexpr int32_t kButtonHeight = 32;
constexpr int32_t kButtonMinWidth = 88;
constexpr int32_t kButtonPadding = 16;
constexpr int32_t kButtonSpacing = 10;
constexpr int32_t kButtonCorner = 8;

class Painter {
   public:
    Painter(BoxFace& face, int32_t shades) : face_(face), shades_(std::clamp(shades, 2, 256)) {}

    void fill(const Rect& r, Colour c) {
        for (int32_t y = std::max(r.top, 0); y < std::min(r.bottom, face_.height); ++y) {
            for (int32_t x = std::max(r.left, 0); x < std::min(r.right, face_.width); ++x) {
                face_.pixels[index(x, y)] = pack(c);
            }
        }
    }

    // Lays colour c over pixel (x, y) with the given coverage (0..1).
    void blend(int32_t x, int32_t y, Colour c, double coverage) {
        if (x < 0 || y < 0 || x >= face_.width || y >= face_.height) return;
        const double steps = shades_ - 1;
        const double a = std::round(std::clamp(coverage, 0.0, 1.0) * steps) / steps;
        if (a <= 0) return;
        uint32_t& p = face_.pixels[index(x, y)];
        auto mix = [a](uint32_t under, uint8_t over) {
            return static_cast<uint32_t>(std::lround(under + (over - double(under)) * a));
        };
        p = (mix((p >> 16) & 0xFF, c.red) << 16) | (mix((p >> 8) & 0xFF, c.green) << 8) |
            mix(p & 0xFF, c.blue);
    }

    // A rectangle with corners rounded to radius, its edges smooth.
    void round_rect(const Rect& r, double radius, Colour c) {
        for (int32_t y = r.top; y < r.bottom; ++y) {
            for (int32_t x = r.left; x < r.right; ++x) {
                const double px = x + 0.5;
                const double py = y + 0.5;
                const double qx = std::max({r.left + radius - px, px - (r.right - radius), 0.0});
                const double qy = std::max({r.top + radius - py, py - (r.bottom - radius), 0.0});
                blend(x, y, c, radius + 0.5 - std::hypot(qx, qy));
            }
        }
    }

    void disc(double cx, double cy, double radius, Colour c) {
        for (auto y = static_cast<int32_t>(cy - radius - 1); y <= cy + radius + 1; ++y) {
            for (auto x = static_cast<int32_t>(cx - radius - 1); x <= cx + radius + 1; ++x) {
                blend(x, y, c, radius + 0.5 - std::hypot(x + 0.5 - cx, y + 0.5 - cy));
            }
        }
    }

   private:
    static uint32_t pack(Colour c) {
        return (uint32_t{c.red} << 16) | (uint32_t{c.green} << 8) | c.blue;
    }
    size_t index(int32_t x, int32_t y) const {
        return static_cast<size_t>(y) * static_cast<size_t>(face_.width) + static_cast<size_t>(x);
    }

    BoxFace& face_;
    int32_t shades_;
};

// ---- Text ---------------------------------------------------------------------------------

std::vector<uint32_t> decode_utf8(const std::string& text) {
    std::vector<uint32_t> out;
    for (size_t i = 0; i < text.size();) {
        auto c = static_cast<unsigned char>(text[i]);
        int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        uint32_t code = extra == 0 ? c : (c & (0x3F >> extra));
        size_t k = 1;
        for (; k <= static_cast<size_t>(extra) && i + k < text.size(); ++k) {
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        out.push_back(code);
        i += k;
    }
    return out;
}

// The program's sans face at one pixel size; the face is shared with the toolbox's text, so
// its size is set again before each use.
class Font {
   public:
    Font(bool bold, int32_t size) : size_(size) {
        LoadedFont loaded = font_for(0, bold, false);
        face_ = static_cast<FT_Face>(loaded.face);
        embolden_ = loaded.embolden;
    }

    int32_t ascent() {
        if (!select()) return size_;
        return static_cast<int32_t>((face_->size->metrics.ascender + 63) / 64);
    }
    int32_t descent() {
        if (!select()) return 0;
        return static_cast<int32_t>((-face_->size->metrics.descender + 63) / 64);
    }

    // Renders character c; the glyph slot then holds its grey bitmap. False when it cannot.
    bool render(uint32_t c) {
        if (!select()) return false;
        const FT_Int32 flags = embolden_ ? FT_LOAD_NO_BITMAP : FT_LOAD_DEFAULT;
        if (FT_Load_Char(face_, c, flags) != 0) return false;
        FT_GlyphSlot slot = face_->glyph;
        if (embolden_ && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
            FT_Outline_Embolden(&slot->outline, embolden_strength());
        }
        return FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) == 0 &&
               slot->bitmap.pixel_mode == FT_PIXEL_MODE_GRAY;
    }
    FT_GlyphSlot glyph() const { return face_->glyph; }

    int32_t width(const std::string& text) {
        int32_t w = 0;
        for (uint32_t c : decode_utf8(text)) w += advance(c);
        return w;
    }

    // How far character c moves the pen, in whole pixels (measured once).
    int32_t advance(uint32_t c) {
        auto known = advances_.find(c);
        if (known != advances_.end()) return known->second;
        int32_t pixels = 0;
        if (select() && FT_Load_Char(face_, c, FT_LOAD_DEFAULT) == 0) {
            pixels = static_cast<int32_t>((face_->glyph->advance.x + 32) / 64);
            if (embolden_) pixels += static_cast<int32_t>(embolden_strength() / 64);
        }
        advances_.emplace(c, pixels);
        return pixels;
    }

    // Draws the glyph in the slot with its origin at (x, baseline).
    void lay_glyph(Painter& painter, int32_t x, int32_t baseline, Colour c) const {
        const FT_Bitmap& b = face_->glyph->bitmap;
        const int32_t left = x + face_->glyph->bitmap_left;
        const int32_t top = baseline - face_->glyph->bitmap_top;
        for (unsigned row = 0; row < b.rows; ++row) {
            const unsigned char* line = b.buffer + static_cast<ptrdiff_t>(row) * b.pitch;
            for (unsigned col = 0; col < b.width; ++col) {
                if (line[col] != 0) {
                    painter.blend(left + static_cast<int32_t>(col), top + static_cast<int32_t>(row),
                                  c, line[col] / 255.0);
                }
            }
        }
    }

    void draw(Painter& painter, int32_t x, int32_t baseline, const std::string& text, Colour c) {
        for (uint32_t ch : decode_utf8(text)) {
            if (!render(ch)) continue;
            lay_glyph(painter, x, baseline, c);
            x += advance(ch);
        }
    }

    // Draws one character with its inked pixels centred on (cx, cy).
    void draw_centred(Painter& painter, double cx, double cy, uint32_t ch, Colour c) {
        if (!render(ch)) return;
        const FT_GlyphSlot g = glyph();
        const auto x =
            static_cast<int32_t>(std::lround(cx - g->bitmap.width / 2.0)) - g->bitmap_left;
        const auto y = static_cast<int32_t>(std::lround(cy - g->bitmap.rows / 2.0)) + g->bitmap_top;
        lay_glyph(painter, x, y, c);
    }

   private:
    // How much a made-up bold widens the strokes, as the toolbox's own text does it.
    FT_Pos embolden_strength() const { return std::max<FT_Pos>(64, size_ * 64 / 24); }
    bool select() {
        return face_ != nullptr && FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(size_)) == 0;
    }

    FT_Face face_ = nullptr;
    bool embolden_ = false;
    int32_t size_;
    std::map<uint32_t, int32_t> advances_;
};

// The text in lines no wider than maxWidth: at its line breaks, then between words. A word
// wider than a line has a line of its own.
std::vector<std::string> wrap(Font& font, const char* text, int32_t maxWidth) {
    std::vector<std::string> lines;
    std::string paragraph;
    auto flush = [&](const std::string& p) {
        std::string line;
        size_t start = 0;
        while (start <= p.size()) {
            size_t end = p.find(' ', start);
            if (end == std::string::npos) end = p.size();
            std::string word = p.substr(start, end - start);
            std::string longer = line.empty() ? word : line + " " + word;
            if (!line.empty() && font.width(longer) > maxWidth) {
                lines.push_back(line);
                line = word;
            } else {
                line = longer;
            }
            start = end + 1;
        }
        lines.push_back(line);
    };
    for (const char* c = text != nullptr ? text : "";; ++c) {
        if (*c == '\n' || *c == 0) {
            flush(paragraph);
            paragraph.clear();
            if (*c == 0) break;
        } else {
            paragraph += *c;
        }
    }
    return lines;
}

void draw_button(Painter& painter, Font& font, const Rect& r, const char* label, bool focused,
                 bool pressed) {
    Colour fill =
        focused ? (pressed ? kFocusedPressed : kPanelFocus) : (pressed ? kButtonPressed : kButton);
    Colour edge = focused ? kFocusedPressed : kPanelEdge;
    painter.round_rect(r, kButtonCorner, edge);
    Rect inner{r.left + kEdgeWidth, r.top + kEdgeWidth, r.right - kEdgeWidth,
               r.bottom - kEdgeWidth};
    painter.round_rect(inner, kButtonCorner - kEdgeWidth, fill);
    const int32_t ascent = font.ascent();
    const int32_t height = ascent + font.descent();
    const int32_t x = (r.left + r.right - font.width(label)) / 2;
    const int32_t baseline = (r.top + r.bottom - height) / 2 + ascent + (pressed ? 1 : 0);
    font.draw(painter, x, baseline, label, focused ? kPanelWhite : kPanelText);
}

}  // namespace

BoxFace draw_box_face(BoxIcon icon, bool yesNo, const char* text, int32_t screenWidth,
                      int32_t screenHeight, const BoxFaceState& state, int32_t shades) {
    Font body(false, kTextSize);
    Font bold(true, kTextSize);
    Font mark(true, kIconMarkSize);

    const int32_t maxWidth = std::max(screenWidth - 2 * kScreenMargin, 160);
    const int32_t maxHeight = std::max(screenHeight - 2 * kScreenMargin, 120);
    const int32_t textRoom =
        std::clamp(maxWidth - 2 * kMargin - kIcon - kGap, kMinTextWidth, kMaxTextWidth);
    const std::vector<std::string> lines = wrap(body, text, textRoom);
    int32_t textWidth = 0;
    for (const std::string& line : lines) textWidth = std::max(textWidth, body.width(line));
    const int32_t ascent = body.ascent();
    const int32_t lineHeight = ascent + body.descent() + kLineGap;
    const int32_t textHeight = static_cast<int32_t>(lines.size()) * lineHeight - kLineGap;
    const int32_t contentHeight = std::max(kIcon, textHeight);

    BoxFace face;
    const char* labels[2] = {yesNo ? "Yes" : "OK", "No"};
    face.buttonCount = yesNo ? 2 : 1;
    face.answers[0] = 1;
    face.answers[1] = 0;
    int32_t buttonWidths[2] = {};
    int32_t buttonsWidth = 0;
    for (int32_t i = 0; i < face.buttonCount; ++i) {
        buttonWidths[i] = std::max(kButtonMinWidth, bold.width(labels[i]) + 2 * kButtonPadding);
        buttonsWidth += buttonWidths[i] + (i > 0 ? kButtonSpacing : 0);
    }

    face.width = std::min(
        maxWidth, std::max(2 * kMargin + kIcon + kGap + textWidth, 2 * kMargin + buttonsWidth));
    face.height = std::min(maxHeight, 2 * kMargin + contentHeight + kButtonsGap + kButtonHeight);
    face.pixels.assign(static_cast<size_t>(face.width) * static_cast<size_t>(face.height), 0);

    Painter painter(face, shades);
    painter.fill(Rect{0, 0, face.width, face.height}, kPanelEdge);
    painter.fill(Rect{kEdgeWidth, kEdgeWidth, face.width - kEdgeWidth, face.height - kEdgeWidth},
                 kPanelPaper);

    const IconLook look = icon_look(icon);
    const double iconCentreX = kMargin + kIcon / 2.0;
    const double iconCentreY = kMargin + kIcon / 2.0;
    painter.disc(iconCentreX, iconCentreY, kIcon / 2.0, look.disc);
    mark.draw_centred(painter, iconCentreX, iconCentreY, look.mark, kPanelWhite);

    const int32_t textLeft = kMargin + kIcon + kGap;
    const int32_t textTop = kMargin + (contentHeight - textHeight) / 2;
    for (size_t i = 0; i < lines.size(); ++i) {
        body.draw(painter, textLeft, textTop + ascent + static_cast<int32_t>(i) * lineHeight,
                  lines[i], kPanelText);
    }

    int32_t left = face.width - kMargin - buttonsWidth;
    const int32_t top = face.height - kMargin - kButtonHeight;
    for (int32_t i = 0; i < face.buttonCount; ++i) {
        face.buttons[i] = Rect{left, top, left + buttonWidths[i], top + kButtonHeight};
        draw_button(painter, bold, face.buttons[i], labels[i], state.focused == i,
                    state.pressed == i);
        left += buttonWidths[i] + kButtonSpacing;
    }
    return face;
}

int32_t box_face_button_at(const BoxFace& face, int32_t x, int32_t y) {
    for (int32_t i = 0; i < face.buttonCount; ++i) {
        const Rect& b = face.buttons[i];
        if (x >= b.left && x < b.right && y >= b.top && y < b.bottom) return i;
    }
    return -1;
}

}  // namespace tb
