// What a tool may use of the scene: where the picture lies on the screen and how it is zoomed,
// the scene's bitmaps, the current colour, the images that float with the pointer, and
// bringing the screen up to date. The scene keeps all of it current (it lives here, below the
// tools, so that the tools never reach up into the scene).
//
// Coordinate spaces: "window" means main-window client pixels (origin top-left, the window
// covers the screen); "picture" means pixels of the picture bitmap, whose origin lies at the
// picture area's top-left corner (147, 16) when not zoomed.
#pragma once

#include <cstdint>

#include "toolbox/toolbox.h"

// ---------------------------------------------------------------------------------------------
// The screen layout (window coordinates), computed from the window's client size at start and
// on a rebuild; the scene puts it in force.

struct SceneLayout {
    int32_t width = 0;   // W
    int32_t height = 0;  // H
    Rect picture;        // 147, 16, W - 19, H - 96
    Rect leftPanel;      // 0, 0, 147, H; its art lies at (0, H - 480)
    Rect tableBand;      // 0, H - 96, W, H; its art lies at (0, H - 96)
    Rect labelStrip;     // 0, H - 22, 572, H
    Rect optionsPanel;   // 7, D + 337, 101, D + 419 (D = H - 480)
    Rect swatch;         // 439, H - 40, 483, H - 23
    Rect speaker;        // 618, H - 21, 634, H
    Rect magnifier;      // 590, H - 21, 612, H
    Rect paintArea;      // 475, H - 96, 617, H - 57: the bounds of the pots
    Rect tray;           // 185, H - 96, 468, H: where the tools lie
};

// The layout in force.
extern SceneLayout g_layout;

// Picture size for the layout in force: PW = W - 166, PH = H - 112.
int32_t scene_picture_width();
int32_t scene_picture_height();

// ---------------------------------------------------------------------------------------------
// The scene's bitmaps and shared state. All live from scene start to shutdown; the bitmaps are
// replaced on a rebuild, so never keep a handle across one.

extern BitmapRef g_backBuffer;     // W x H, what the window shows
extern BitmapRef g_pictureBitmap;  // PW x PH, the picture being painted
extern BitmapRef g_undoBitmap;     // PW x PH, the picture before the last stroke

struct SceneColour {
    int32_t red = 0;  // 0..65025 each
    int32_t green = 0;
    int32_t blue = 0;
};

extern SceneColour g_currentColour;  // red (65025, 0, 0) at start

// Zoom: 2x view of a quarter of the picture; the origin is the picture pixel shown at the
// picture area's top-left corner.
extern int32_t g_zoomed;
extern int32_t g_zoomOriginX;
extern int32_t g_zoomOriginY;

// Images that float with the pointer (scissors and stamp books). -1 = none; the scene
// disposes whatever is left of them at shutdown.
extern BitmapRef g_floatingImage;
extern BitmapRef g_floatingMask;
extern BitmapRef g_stampImage;
extern BitmapRef g_stampMask;

// 1 from a press of the primary button to its release, as the window's events tell it (the
// input dispatch keeps it). A press or move can be handled after the button already went up,
// so what the events said is what the child did.
extern int32_t g_buttonHeldByEvents;
// The primary button counts as held: the events say so, or the button is down right now.
bool scene_button_held();

// ---------------------------------------------------------------------------------------------
// Points and rectangles between the window and the picture

// Window point to picture point, honouring the zoom (integer halving while zoomed).
Point scene_window_to_picture(int32_t x, int32_t y);
// Picture point to window point (the top-left window pixel showing it while zoomed).
Point scene_picture_to_window(int32_t x, int32_t y);
// The window pixels that show the picture pixels of r (picture coordinates; twice the size
// while zoomed), cut to the picture area. Empty (all 0) when none of r is on the screen.
Rect scene_picture_rect_to_window(const Rect& r);

// ---------------------------------------------------------------------------------------------
// Bringing the screen up to date

// Copies the picture (or, zoomed, its quarter at the zoom origin stretched 2x) into the picture
// area of the back buffer, without showing it.
void scene_draw_picture();
// Brings the window up to date inside r (window coordinates): picture pixels there are copied
// into the back buffer first, then only r reaches the screen. Once r covers the picture area
// the picture's touched rectangle starts empty: no change of it waits to be shown.
void scene_show_rect(const Rect& r);
void scene_show_picture_area();

// What the scene does for the tools that only the scene can do. The scene fills the slots when
// it starts; before that each keeps a default that changes the shared state alone.
struct SceneServices {
    // Makes (red, green, blue) (0..65025 each) the current colour and draws it into the
    // current-colour swatch; present shows the swatch at once.
    void (*showColour)(int32_t red, int32_t green, int32_t blue, bool present);
};

extern SceneServices g_sceneServices;
