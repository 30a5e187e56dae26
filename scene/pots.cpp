// The paint pots and the current-colour swatch: their paint is flood-filled into a copy of the
// art in the chosen colour, then cut out onto the table.
#include <initializer_list>
#include <iterator>

#include "resources/resource_ids.h"
#include "scene/scene.h"
#include "scene/scene_draw.h"
#include "scene/scene_parts.h"

namespace {

constexpr int32_t kPotMasks[kPotCount] = {kMaskPot0, kMaskPot1, kMaskPot2, kMaskPot3,
                                          kMaskPot4, kMaskPot5, kMaskPot6, kMaskPot7};
static_assert(std::size(kPointsPotFill) == kPotCount);
// The pots' art lies at (475, H - 96) of the table band.
constexpr int32_t kPotsArtLeft = 475;
constexpr int32_t kPotsArtUp = 96;

// Paint spilt from pots 0, 5, 6 and 7 onto the table, recoloured a shade darker (window x and
// distance up from the bottom).
struct Spill {
    int32_t pot, x, up;
};
constexpr Spill kSpills[] = {{0, 486, 83}, {5, 511, 69}, {6, 551, 64}, {7, 597, 63}};

// A colour at 80 %, each channel rounded half up.
int32_t darker(int32_t channel) { return (channel * 8 + 5) / 10; }

// The colour of a back-buffer pixel in toolbox units (0..65025).
SceneColour back_buffer_colour(int32_t x, int32_t y) {
    SceneColour c;
    DibImage* image = tb_GetBitmapImage(g_backBuffer);
    if (image == nullptr) return c;
    uint8_t r = 0, g = 0, b = 0;
    tb_GetPixelRGB(image, x, y, &r, &g, &b);
    return SceneColour{r * 255, g * 255, b * 255};
}

void set_fill_colour(BitmapRef bitmap, int32_t red, int32_t green, int32_t blue) {
    auto r = static_cast<uint32_t>(red);
    auto g = static_cast<uint32_t>(green);
    auto b = static_cast<uint32_t>(blue);
    tb_SetForeColor(bitmap, r, g, b);
    tb_SetBackColor(bitmap, r, g, b);
}

}  // namespace

void scene_reset_colour_table() {
    constexpr SceneColour kDefaults[kPotCount] = {
        {65025, 65025, 65025}, {0, 0, 0},         {65025, 0, 0},     {0, 65025, 0},
        {0, 0, 65025},         {65025, 65025, 0}, {65025, 0, 65025}, {65025, 32640, 0},
    };
    for (int32_t i = 0; i < kPotCount; ++i) g_potColours[i] = kDefaults[i];
}

void scene_show_colour(int32_t red, int32_t green, int32_t blue, bool present) {
    Rect r;
    BitmapRef swatch = tb_CreateBitmap(&r, kBitmapSwatch, 24);
    Rect maskRect;
    BitmapRef mask = tb_CreateBitmap(&maskRect, kMaskSwatch, 8);
    if (swatch != -1 && mask != -1) {
        set_fill_colour(swatch, red, green, blue);
        tb_FloodFill(swatch, kPointSwatchFill.x, kPointSwatchFill.y, 0, 0, 0);
        tb_CopyBitmapSprite(swatch, mask, g_backBuffer, &r, &maskRect, &g_layout.swatch);
    }
    if (swatch != -1) tb_DisposeBitmap(swatch);
    if (mask != -1) tb_DisposeBitmap(mask);
    if (present) scene_show_rect(g_layout.swatch);
    g_currentColour = SceneColour{red, green, blue};
}

void scene_set_pot(int32_t pot, int32_t red, int32_t green, int32_t blue, bool present) {
    if (pot < 0 || pot >= kPotCount) return;
    const int32_t h = g_layout.height;
    const Rect at = scene_pot_rect(pot);
    // The pot's part of the art, in the art's own pixels.
    Rect part = at;
    tb_OffsetRect(&part, -kPotsArtLeft, -(h - kPotsArtUp));
    Rect work{0, 0, part.right - part.left, part.bottom - part.top};

    Rect artRect;
    BitmapRef art = tb_CreateBitmap(&artRect, kBitmapPots, 24);
    BitmapRef paint = tb_CreateBitmap(&work, 0, 24);
    Rect maskRect;
    BitmapRef mask = tb_CreateBitmap(&maskRect, kPotMasks[pot], 8);
    if (art != -1 && paint != -1 && mask != -1) {
        tb_CopyBitmap(art, paint, &part, &work, 0);
        set_fill_colour(paint, red, green, blue);
        const ResourcePoint fill = kPointsPotFill[pot];
        tb_FloodFill(paint, fill.x - part.left, fill.y - part.top, 0, 0, 0);
        tb_CopyBitmapSprite(paint, mask, g_backBuffer, &work, &part, &at);
    }
    for (BitmapRef b : {art, paint, mask}) {
        if (b != -1) tb_DisposeBitmap(b);
    }

    for (const Spill& s : kSpills) {
        if (s.pot != pot) continue;
        const int32_t y = h - s.up;
        SceneColour under = back_buffer_colour(s.x, y);
        set_fill_colour(g_backBuffer, darker(red), darker(green), darker(blue));
        tb_FloodFill(g_backBuffer, s.x, y, static_cast<uint32_t>(under.red),
                     static_cast<uint32_t>(under.green), static_cast<uint32_t>(under.blue));
    }
    g_potColours[pot] = SceneColour{red, green, blue};
    if (present) scene_repaint_all();
}
