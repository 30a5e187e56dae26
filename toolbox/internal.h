// State shared by the toolbox's own sources. Not for the application.
#pragma once

#include <cstdint>

#include "toolbox/toolbox.h"

namespace tb {

// A drawing restriction applied to a target's drawing context. For bitmaps it stays in force
// for every later primitive until tb_ClearClipRect, once a copy or a line has applied it.
struct ClipState {
    Rect stored{-1, -1, -1, -1};  // what tb_SetClipRect stored; all -1 = none
    Rect applied{-1, -1, -1, -1};  // in force on the context; all -1 = none
};

struct TextSettings {
    int16_t face = 0;
    int16_t size = 0;
    int16_t style = 0;
};

struct BitmapSlot {
    int32_t free = 1;
    DibImage* image = nullptr;  // points at `record` while in use
    DibImage record;
    int32_t hasContext = 0;  // drawing context: primitives may draw here
    Rect bitmapRect;
    ClipState clip;
    Rect touched;  // bounds of what drawing changed since tb_ResetTouchedRect; empty = nothing
    TbColor fore = 0;
    TbColor back = 0;
    TextSettings text;
};

struct WindowSlot {
    int32_t free = 1;
    NativeWindow native = 0;
    DibImage pixels;  // the window's client area as 24-bit rows
    Rect screenRect;  // where the window lies on the screen
    ClipState clip;
    Rect touched;  // as for bitmaps
    TbColor fore = 0;
    TbColor back = 0;
    TextSettings text;
};

// A region is kept as its outline, so it costs no memory beyond its slot and any coordinates
// work: rows are turned into pixel spans when they are painted or tested.
struct RegionSlot {
    int32_t free = 1;
    int32_t isEllipse = 0;  // the ellipse inscribed in `box`; otherwise the polygon
    Rect box;  // the ellipse's box, or the rows and columns the polygon can reach
    int32_t count = 0;  // polygon corners in use
    Point points[TB_MAX_POLY_POINTS];
};

// The pixel spans [x0, x1) of row y inside a region, left to right, as pairs in `spans`
// (room for TB_MAX_POLY_POINTS values). Returns the number of spans.
int32_t region_row_spans(const RegionSlot& region, int32_t y, int64_t* spans);
// The pixels [x0, x1) of row y inside the ellipse inscribed in box (right and bottom
// exclusive): those whose centres lie on or inside the ellipse. False when there are none.
bool ellipse_row_span(const Rect& box, int32_t y, int64_t* x0, int64_t* x1);

extern BitmapSlot g_bitmaps[TB_MAX_BITMAPS];
extern WindowSlot g_windows[TB_MAX_WINDOWS];
extern RegionSlot g_regions[TB_MAX_REGIONS];
extern WindowRef g_mainWindow;
extern Palette* g_sharedPalette;

// The printer page and its own settings.
extern DibImage* g_printerPage;
extern TbColor g_printerFore;
extern TbColor g_printerBack;
extern TextSettings g_printerText;

// A resolved drawing target: where its pixels are, its restriction and colours.
struct Target {
    DibImage* image = nullptr;  // null: nothing to draw on
    ClipState* clip = nullptr;  // null for the printer
    TbColor fore = 0;
    TbColor back = 0;
    int32_t windowSlot = -1;  // >= 0 when drawing must be shown on the screen
    int32_t hasContext = 0;
    Rect* touched = nullptr;  // what drawing changed in it; null for the printer
};

bool is_bitmap_handle(TargetRef h);
bool is_window_handle(TargetRef h);
// A bitmap handle that names a slot in use.
bool valid_bitmap(TargetRef h);
bool valid_window(TargetRef h);
// Resolves any target handle; image stays null for free slots and unknown handles.
Target resolve_target(TargetRef h);
// Shows a window's changed rectangle on the screen.
void present_window(int32_t windowSlot, const Rect& rect);
// Adds the pixels of r (the target's coordinates, cut to its image) to what drawing changed in
// it. Every operation that writes into a bitmap or window calls this with what it wrote.
void note_touched(const Target& t, const Rect& r);

// The rectangle primitives may touch: the target's image bounds cut by its applied clip.
Rect drawable_area(const Target& t);

// The 24-bit colour of a stored pixel value (8-bit: palette index through the shared or the
// system palette; 1-bit: black or white).
TbColor stored_to_color(const DibImage& img, uint32_t value);
// The stored value for a colour in an image of this depth.
uint32_t color_to_stored(const DibImage& img, TbColor color);
const Palette& active_palette();

// A table entry was just made: the sanitizer build remembers where, for tb_ReportLeftovers.
enum class TableKind { Bitmap, Region };
void note_made(TableKind kind, int32_t slot);

// Dialogs live on the main window's pixels; these find a dialog's rectangle and pixels.
bool dialog_rect(NativeWindow dialog, Rect* rect);

}  // namespace tb
