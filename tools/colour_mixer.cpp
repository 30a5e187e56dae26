// The colour mixer: a painter's palette laid over the room. A press on the palette takes the
// colour under the pointer into the swatch beside it; the tick takes the last colour picked,
// the cross cancels, Escape closes it. Coordinates inside the dialog are dialog pixels.
#include "tools/colour_mixer.h"

#include "resources/resource_ids.h"
#include "toolbox/toolbox.h"
#include "tools/scene_services.h"

namespace {

constexpr int32_t kWidth = 369;
constexpr int32_t kHeight = 242;

constexpr Rect kCancel{154, 94, 173, 113};
constexpr Rect kOk{130, 94, 153, 113};
constexpr Rect kSwatch{15, 148, 63, 196};
constexpr int32_t kFull = 65025;

// The outline of the palette picture, thumb hole included.
constexpr int32_t kPaletteOutline[] = {
    5,   80,  24,  60,  102, 24,  189, 3,   251, 5,   299, 18,  341,         42,         366, 74,
    361, 112, 333, 152, 285, 190, 222, 223, 172, 238, 131, 238, 109,         232,        84,  213,
    77,  185, 107, 136, 94,  124, 48,  123, 11,  117, 1,   102, TB_POLY_END, TB_POLY_END};

struct MixerRun {
    RegionRef palette = -1;
    int32_t picked = 0;  // 1 once a colour was picked in this opening
    int32_t red = 0;     // the colour picked last, 0..65025 each
    int32_t green = 0;
    int32_t blue = 0;
};

MixerRun g_run;

bool inside(const Rect& r, Point p) { return tb_PtInRect(p.x, p.y, &r) != 0; }
bool on_palette(Point p) { return tb_PtInRegion(p.x, p.y, g_run.palette) != 0; }

void paint(BitmapRef face, Rect r, int32_t red, int32_t green, int32_t blue) {
    tb_SetForeColor(face, static_cast<uint32_t>(red), static_cast<uint32_t>(green),
                    static_cast<uint32_t>(blue));
    tb_PaintRect(face, &r);
}

// The swatch: a black edge, a white edge inside it, and the colour picked last in the middle.
void draw_swatch(BitmapRef face) {
    Rect r = kSwatch;
    paint(face, r, 0, 0, 0);
    tb_InsetRect(&r, 2, 2);
    paint(face, r, kFull, kFull, kFull);
    tb_InsetRect(&r, 2, 2);
    paint(face, r, g_run.red, g_run.green, g_run.blue);
}

// The palette over the room as it is under the dialog, and the swatch once something was
// picked (so a repaint keeps it).
void draw_face(NativeWindow dialog) {
    BitmapRef face =
        tb_CreateDialogFace(dialog, g_backBuffer, kBitmapMixerPalette, kMaskMixerPalette);
    if (face < 0) return;
    if (g_run.picked != 0) draw_swatch(face);
    tb_ShowDialogFace(dialog, face);
    tb_DisposeBitmap(face);
}

void set_pointer(NativeWindow, Point p) {
    const bool confirmable = g_run.picked != 0 && (inside(kOk, p) || inside(kSwatch, p));
    if (inside(kCancel, p) || confirmable) {
        tb_SetCursor(kCursorHandPoint);
    } else {
        tb_SetCursor(on_palette(p) ? kCursorDropper : kCursorArrow);
    }
}

// A press, and the quick second press of a double-click, picks again.
void pick(NativeWindow dialog, Point p, int32_t, bool) {
    if (inside(kCancel, p) || !on_palette(p) || inside(kOk, p)) return;
    tb_PlaySoundNoStop(kSoundColourPick);
    Rect paletteRect;
    BitmapRef palette = tb_CreateBitmap(&paletteRect, kBitmapMixerPalette, 24);
    if (palette < 0) return;
    tb_GetPixel(palette, p.x, p.y, &g_run.red, &g_run.green, &g_run.blue);
    tb_DisposeBitmap(palette);
    g_run.picked = 1;
    draw_face(dialog);
}

// What a release decides: -1 cancel, 1 a picked colour confirmed, or stay open.
int32_t release(NativeWindow, Point p) {
    if (inside(kCancel, p)) return -1;
    const bool confirms = inside(kSwatch, p) || inside(kOk, p);
    return confirms && g_run.picked != 0 ? 1 : TB_FACE_STAY_OPEN;
}

}  // namespace

int32_t colour_mixer_run(int32_t* red, int32_t* green, int32_t* blue) {
    g_run = MixerRun{};
    g_run.palette = tb_CreateRegion(kPaletteOutline);
    const TbFaceDialog mixer{.templateId = kDialogBlank,
                             .width = kWidth,
                             .height = kHeight,
                             .paint = draw_face,
                             .release = release,
                             .moved = set_pointer,
                             .press = pick};
    // Escape ends the mixer with 0.
    const int32_t result = tb_RunFaceDialog(mixer);
    // However the dialog ended (Escape, or a quit request too), the region goes with it.
    if (g_run.palette >= 0) tb_DisposeRegion(g_run.palette);
    g_run.palette = -1;
    if (result == 1) {
        *red = g_run.red;
        *green = g_run.green;
        *blue = g_run.blue;
    }
    return result;
}
