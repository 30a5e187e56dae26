// State shared by the toolbox's own sources. Not for the application.
#pragma once

#include <cstdint>
#include <vector>

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
    // Snapshots (snapshot.cpp): the bitmap that holds this one as at its last snapshot, or -1;
    // for such a copy, the bitmap it holds. Stale rows (flag 1, all within [staleTop,
    // staleBottom)) are still to be copied there; `changed` bounds what was written since.
    int32_t snapshotCopy = -1;
    int32_t snapshotOf = -1;
    std::vector<uint8_t> stale;
    int32_t staleTop = 0;
    int32_t staleBottom = 0;
    Rect changed;
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
    int32_t bitmapSlot = -1;  // >= 0 for a bitmap
    int32_t hasContext = 0;
    Rect* touched = nullptr;  // what drawing changed in it; null for the printer
};

bool is_bitmap_handle(TargetRef h);
bool is_window_handle(TargetRef h);
// A bitmap's image for the toolbox's own pixel work (which prepares its rows itself), or null.
DibImage* bitmap_image(BitmapRef bitmap);
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

// Snapshots (snapshot.cpp). Every operation that works on a bitmap's pixels itself (through
// bitmap_image, a Target's image or a Painter) keeps the undo copy exact with three calls:
//  1. prepare_writing(slot, top, bottom) before it writes rows [top, bottom) (slot: the
//     Target's bitmapSlot, -1 for windows and the printer, nothing to do): a bitmap with a copy
//     first gives it those rows as they still are; writing into a copy settles its pair;
//  2. prepare_reading(handle, top, bottom) before it reads rows of a source: a copy first
//     takes the rows it still lacks;
//  3. note_touched(target, r) afterwards, r covering every pixel written: it records the change
//     that a restore puts back.
// Rows outside the image are ignored and more rows than needed do no harm; a row written
// before step 1 is lost to undo. Code outside the toolbox goes through tb_GetBitmapImage, which
// settles the pair, and reports its writes with tb_AddTouchedRect.
void prepare_writing(int32_t bitmapSlot, int32_t top, int32_t bottom);
void prepare_reading(TargetRef source, int32_t top, int32_t bottom);
void settle_snapshot(int32_t bitmapSlot);
void note_snapshot_change(int32_t bitmapSlot, const Rect& r);
// Ends the pairing the bitmap takes part in, on either side (when it is disposed).
void end_snapshot(int32_t bitmapSlot);

// The rectangle primitives may touch: the target's image bounds cut by its applied clip.
Rect drawable_area(const Target& t);

// The 24-bit colour of a stored pixel value (8-bit: palette index through the shared or the
// system palette; 1-bit: black or white).
TbColor stored_to_color(const DibImage& img, uint32_t value);
// The stored value for a colour in an image of this depth.
uint32_t color_to_stored(const DibImage& img, TbColor color);
const Palette& active_palette();

// Dialogs live on the main window's pixels; these find a dialog's rectangle and pixels.
bool dialog_rect(NativeWindow dialog, Rect* rect);

}  // namespace tb
