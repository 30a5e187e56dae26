// What the input dispatch, the tools and the commands need from the scene: the screen layout,
// the three full-size bitmaps, the shared scene state, and the drawing of the room.
//
// Coordinate spaces: "window" means main-window client pixels (origin top-left, the window
// covers the screen); "picture" means pixels of the picture bitmap, whose origin lies at the
// picture area's top-left corner (147, 16) when not zoomed.
#pragma once

#include <cstdint>

#include "toolbox/toolbox.h"

// ---------------------------------------------------------------------------------------------
// Layout (window coordinates), computed from the window's client size at start and on a rebuild.

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

// The layout for a client size (pure; does not change the scene).
SceneLayout scene_layout_for(int32_t width, int32_t height);
// The layout in force.
extern SceneLayout g_layout;

// Picture size for the layout in force: PW = W - 166, PH = H - 112.
int32_t scene_picture_width();
int32_t scene_picture_height();

// Colour pots 0-7 (window coordinates, layout in force). The extra rectangle is empty (all 0)
// for pots 1, 3 and 4, which have none.
constexpr int32_t kPotCount = 8;
Rect scene_pot_rect(int32_t pot);
Rect scene_pot_extra_rect(int32_t pot);

// Left-panel buttons 0-9 in their test order: their rectangles, highlight bitmaps and
// highlight rectangles (window coordinates, layout in force).
constexpr int32_t kButtonCount = 10;
Rect scene_button_rect(int32_t button);
Rect scene_button_highlight_rect(int32_t button);
int32_t scene_button_highlight_bitmap(int32_t button);
// The button that shows a shelf (shelf 0: button 2, 1: 0, 2: 1, 3: 3, 4: 5).
int32_t scene_shelf_button(int32_t shelf);
// The button that a shelf button shows, or -1 for buttons 4 and 6-9.
int32_t scene_button_shelf(int32_t button);

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

extern SceneColour g_currentColour;          // red (65025, 0, 0) at start
extern SceneColour g_potColours[kPotCount];  // the colour table: white, black, red, green, ...

extern int32_t g_undoAvailable;    // 1 when the undo bitmap holds the picture before the stroke
extern int32_t g_pictureModified;  // set when painting starts; the documents read and clear it

// Zoom: 2x view of a quarter of the picture; the origin is the picture pixel shown at the
// picture area's top-left corner.
extern int32_t g_zoomed;
extern int32_t g_zoomOriginX;
extern int32_t g_zoomOriginY;

extern int32_t g_buttonHighlighted[kButtonCount];  // cleared at scene start
extern int32_t g_shownLabel;  // id of the hover label in the label strip, 0 = none

// Images that float with the pointer (scissors and stamp books). -1 = none; the scene
// disposes whatever is left of them at shutdown.
extern BitmapRef g_floatingImage;
extern BitmapRef g_floatingMask;
extern BitmapRef g_stampImage;
extern BitmapRef g_stampMask;

// Text tool defaults, set at scene start.
constexpr int32_t kTextSizeCount = 5;
extern char g_textFontName[64];              // "Arial"
extern char g_textString[256];               // "Type your text in here."
extern int32_t g_textSizes[kTextSizeCount];  // 10, 20, 40, 60, 80

// The document's file name ("Tintamar.bmp" at start and after every clearing) and the folder
// the program was started in.
extern char g_pictureFileName[256];
extern char g_homeFolder[256];

// ---------------------------------------------------------------------------------------------
// Drawing the room

// The full composition into the back buffer. frame: background, frame strips and the saved
// tray; pots: the table band with the pots in their colours (otherwise the pots keep their look
// and the label strip is blanked); present: repaint the whole window afterwards.
void scene_compose(bool present, bool frame, bool pots);
// Re-composes the left panel and the table after a shelf or tool change, without showing it
// (scene_compose(false, false, false)); show the band and the panels afterwards.
void scene_compose_panels();

// Brings the window up to date inside r (window coordinates): picture pixels there are copied
// into the back buffer first, then only r reaches the screen.
void scene_show_rect(const Rect& r);
void scene_show_picture_area();
// Copies the picture (or, zoomed, its quarter at the zoom origin stretched 2x) into the picture
// area of the back buffer, without showing it.
void scene_draw_picture();

// Undo: copy the picture into the undo bitmap and mark undo available; or bring the undo
// bitmap back, clear the mark and repaint the window.
void scene_save_undo();
void scene_undo();

// The current-colour swatch: draws (r, g, b) into it and makes it the current colour; present
// shows the swatch at once.
void scene_show_colour(int32_t red, int32_t green, int32_t blue, bool present);
// Pot i in (r, g, b), stored in the colour table; present repaints the whole window.
void scene_set_pot(int32_t pot, int32_t red, int32_t green, int32_t blue, bool present);

// Speaker (sound setting) and magnifier (zoom state) into the back buffer; not shown.
void scene_draw_speaker();
void scene_draw_magnifier();

// The hover label: when id differs from the shown label, draws the blank strip and then label
// id (0 = blank) into the back buffer, shows the label strip and remembers the id.
void scene_show_label(int32_t id);
// The marker on the button of the current shelf, drawn into target (back buffer or window).
void scene_draw_shelf_marker(TargetRef target);
// Button highlights straight on the window; removing one copies the back buffer back.
void scene_draw_button_highlight(int32_t button);
void scene_remove_button_highlight(int32_t button);

// Restricts drawing into the back buffer to the picture area while a tool works; and lifts it.
void scene_clip_to_picture();
void scene_unclip();

// Window point to picture point, honouring the zoom (integer halving while zoomed).
Point scene_window_to_picture(int32_t x, int32_t y);
// Picture point to window point (the top-left window pixel showing it while zoomed).
Point scene_picture_to_window(int32_t x, int32_t y);
// The zoom origin that centres the 2x view on window point (x, y), clamped into the picture.
Point scene_zoom_origin_for(int32_t x, int32_t y);

// Clears the picture for a new document: one of the four animations in turn when animated
// clearing is on (undoable), otherwise a beep and white. The file name becomes "Tintamar.bmp".
void scene_clear_picture();

// Hit testing of the table: the first object of the current shelf whose region holds window
// point (x, y), or -1.
int32_t scene_object_at(int32_t x, int32_t y);
// The hover label bitmap of an entry (701 for the Pencil ...), 0 for a bad index.
int32_t scene_object_label(int32_t entry);
