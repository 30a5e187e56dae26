// The toolbox: Tintamar's platform layer.
//
// A flat set of tb_ operations over fixed tables. Every drawing target is one signed 32-bit
// handle: 0..99 a bitmap, 5000..5009 a window, 9000 the printer page. Regions have their own
// handle space 0..99. Creating operations return -1 on failure; errors are reported through
// tb_Error and the operation then returns without effect.
//
// Coordinates are pixels with the origin at the top-left corner of the target (bitmap, window
// client area or dialog). Rectangles are right- and bottom-exclusive.
//
// The toolbox knows nothing of the application above it.
#pragma once

#include <cstddef>
#include <cstdint>

// ---------------------------------------------------------------------------------------------
// Handles, rectangles, colours

using BitmapRef = int32_t;     // 0..99
using WindowRef = int32_t;     // 5000..5009
using RegionRef = int32_t;     // 0..99, a space of its own
using TargetRef = int32_t;     // any of the above drawing targets, or TB_PRINTER
using NativeWindow = int32_t;  // a window as the window system knows it; 0 = none

constexpr int32_t TB_MAX_BITMAPS = 100;
constexpr int32_t TB_MAX_WINDOWS = 10;
constexpr int32_t TB_MAX_REGIONS = 100;
constexpr int32_t TB_WINDOW_BASE = 5000;
constexpr int32_t TB_PRINTER = 9000;
constexpr int32_t TB_BITMAP_NODC = -11;    // tb_CreateBitmap source: memory-only bitmap
constexpr int32_t TB_POLY_END = -9999999;  // terminates a tb_CreateRegion point list
constexpr int32_t TB_MAX_POLY_POINTS = 100;

struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

struct Point {
    int32_t x = 0;
    int32_t y = 0;
};

// A colour as the toolbox stores it: 0x00BBGGRR.
using TbColor = uint32_t;

constexpr TbColor tb_MakeColor(uint8_t red, uint8_t green, uint8_t blue) {
    return static_cast<TbColor>(red) | (static_cast<TbColor>(green) << 8) |
           (static_cast<TbColor>(blue) << 16);
}
constexpr uint8_t tb_ColorRed(TbColor c) { return static_cast<uint8_t>(c); }
constexpr uint8_t tb_ColorGreen(TbColor c) { return static_cast<uint8_t>(c >> 8); }
constexpr uint8_t tb_ColorBlue(TbColor c) { return static_cast<uint8_t>(c >> 16); }

// The colours of the program's own panels (the command menu, message boxes): cream paper with
// a brown edge and brown text, blue for what has the focus, so each looks like the others.
struct PanelColour {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
};

inline constexpr PanelColour kPanelPaper{255, 248, 225};
inline constexpr PanelColour kPanelEdge{122, 72, 32};
inline constexpr PanelColour kPanelText{90, 52, 22};
inline constexpr PanelColour kPanelFocus{66, 165, 245};
inline constexpr PanelColour kPanelWhite{255, 255, 255};

// ---------------------------------------------------------------------------------------------
// Device-independent images

// The standard 40-byte bitmap header, directly followed by its colour table.
struct DibHeader {
    uint32_t size;  // 40
    int32_t width;
    int32_t height;        // positive: rows stored bottom-up
    uint16_t planes;       // 1
    uint16_t bitCount;     // 1, 4, 8 or 24
    uint32_t compression;  // 0 = none
    uint32_t imageSize;
    int32_t xPelsPerMeter;
    int32_t yPelsPerMeter;
    uint32_t colorsUsed;
    uint32_t colorsImportant;
};
static_assert(sizeof(DibHeader) == 40);

// The record behind a bitmap slot. The header block also holds the colour table, and for
// memory-only images the pixels. `resource` is the loaded copy of an image resource the
// pixels still live in; `section` is non-null for images that can be drawn on.
struct DibImage {
    uint8_t* resource = nullptr;
    DibHeader* header = nullptr;
    uint8_t* pixels = nullptr;  // first byte of the bottom row
    uint8_t* section = nullptr;
};

struct PaletteEntry {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
    uint8_t flags;
};

// A 256-entry logical palette.
struct Palette {
    uint16_t version = 0x300;
    PaletteEntry entries[256] = {};
};

constexpr uint8_t TB_PC_RESERVED = 1;
constexpr uint8_t TB_PC_NOCOLLAPSE = 4;

// ---------------------------------------------------------------------------------------------
// Raster operations of the copy family: bitwise on the stored bytes.

constexpr uint32_t TB_SRCCOPY = 0x00CC0020;
constexpr uint32_t TB_NOTSRCCOPY = 0x00330008;
constexpr uint32_t TB_SRCAND = 0x008800C6;
constexpr uint32_t TB_SRCINVERT = 0x00660046;
constexpr uint32_t TB_SRCPAINT = 0x00EE0086;

// The raster operation of tb_CopyBitmap; SRCCOPY after tb_Startup.
extern uint32_t tb_RasterOp;

// ---------------------------------------------------------------------------------------------
// Handle tables and bitmaps

// Initialises every table; called once at start-up. Also seeds the random generator and
// records the start-up directory.
void tb_Startup();
// Releases the shared palette and asks the main window to close.
void tb_Shutdown();

// Creates a bitmap. source: TB_BITMAP_NODC memory-only (rect gives the size), 0 or -1 blank
// with drawing context, > 0 an image resource id (rect is rewritten to (0, 0, w, h)).
// depth: 24, 8 or 1. Blank bitmaps start black. Returns the handle or -1.
BitmapRef tb_CreateBitmap(Rect* rect, int32_t source, int32_t depth);
void tb_DisposeBitmap(BitmapRef bitmap);

// General copy between targets. Rectangles are in each target's own coordinates. Sizes that
// differ scale by dropping or repeating whole rows and columns. Uses tb_RasterOp and the
// destination's clip rect. The last argument is ignored.
void tb_CopyBitmap(TargetRef src, TargetRef dst, const Rect* srcRect, const Rect* dstRect,
                   int32_t unused);
// The older copy: between memory-only bitmaps a non-zero key skips bytes equal to 255.
void tb_CopyBitmapKeyed(TargetRef src, TargetRef dst, const Rect* srcRect, const Rect* dstRect,
                        int32_t key);
// Cut-out copy: mask OR-ed in, then image AND-ed in, both scaled into dstRect.
void tb_CopyBitmapSprite(BitmapRef image, BitmapRef mask, TargetRef dst, const Rect* imageRect,
                         const Rect* maskRect, const Rect* dstRect);
// Draws a bitmap into a dialog's own window (dialog coordinates).
void tb_CopyBitmapToHwnd(NativeWindow window, BitmapRef src, const Rect* srcRect,
                         const Rect* dstRect);
// Loads resource id as a 24-bit bitmap, copies it whole to (x, y) with tb_CopyBitmap and
// reports the rectangle it covered.
void tb_DrawPictureToBitmap(TargetRef dst, int32_t id, int32_t x, int32_t y, Rect* outRect);
// Loads picture resource imageId and mask resource maskId (same size) and lays the picture
// through its mask into dstRect of dst (scaled when the sizes differ; null: at its own size at
// (0, 0)), as tb_CopyBitmapSprite. Nothing is drawn when either resource cannot be loaded.
void tb_DrawPictureThroughMask(TargetRef dst, int32_t imageId, int32_t maskId, const Rect* dstRect);

void tb_GetBitmapRect(BitmapRef bitmap, Rect* rect);
int32_t tb_GetBitmapWidth(BitmapRef bitmap);
int32_t tb_GetBitmapHeight(BitmapRef bitmap);
int32_t tb_GetBitmapStorageWidth(BitmapRef bitmap);
// The bitmap's image record (for direct pixel work), or null for a free slot or non-bitmap.
DibImage* tb_GetBitmapImage(BitmapRef bitmap);
// Non-zero when the bitmap can be drawn on with the primitives (has a drawing context).
int32_t tb_GetBitmapDC(TargetRef target);

void tb_SetClipRect(TargetRef target, const Rect* rect);
void tb_ClearClipRect(TargetRef target);

// What drawing changed. Every bitmap and window keeps the bounds of the pixels written into it
// since its last reset (a new bitmap starts empty), in its own coordinates: by the primitives
// and fills, the copies, tb_PutPixel, the filters and text. Reading gives an empty rectangle
// (all 0) when nothing was written, and for the printer page or a bad handle. Pixel work done
// straight on tb_GetBitmapImage is not seen: tb_AddTouchedRect reports it.
void tb_ResetTouchedRect(TargetRef target);
void tb_GetTouchedRect(TargetRef target, Rect* rect);
void tb_AddTouchedRect(TargetRef target, const Rect* rect);

// Snapshots. A bitmap paired with a copy (a bitmap of the same size and depth) keeps the copy
// holding the bitmap as it was at its last snapshot, whatever is drawn into the bitmap since;
// reading the copy in any way shows exactly that. Taking a snapshot copies nothing at once: a
// row is copied when something first writes it in the bitmap or reads it in the copy, and only
// rows written since the snapshot before. Every toolbox write counts; pixel work done straight
// on tb_GetBitmapImage must be reported with tb_AddTouchedRect, as for the touched rectangle
// (asking for the image of either bitmap brings the copy up to date first, so ask again before
// each piece of such work: an image kept across a snapshot writes rows the copy has not taken).
// Write into the copy only through these operations. Disposing either bitmap ends the pairing.
// Pairs bitmap with copy (-1: ends its pairing) and takes the first snapshot.
void tb_SetSnapshotBitmap(BitmapRef bitmap, BitmapRef copy);
void tb_TakeSnapshot(BitmapRef bitmap);
// Puts back into the bitmap what was written since its last snapshot, and gives the bounds of
// what it put back (bitmap coordinates; empty when nothing had changed). They count as touched.
void tb_RestoreSnapshot(BitmapRef bitmap, Rect* restored);

// ---------------------------------------------------------------------------------------------
// DIB and palette support (pixel layer under the bitmap table)

int32_t tb_StorageWidth(int32_t bitCount, int32_t width);
// A copy of image resource id, or an empty record when there is none.
DibImage tb_LoadImageResource(int32_t id);
void tb_FreeDibImage(DibImage* image);
void tb_AllocDib8(DibImage* image, int32_t width, int32_t height);
void tb_AllocDib24(DibImage* image, int32_t width, int32_t height);
void tb_CreateSection8(DibImage* image, int32_t width, int32_t height);
void tb_CreateSection24(DibImage* image, int32_t width, int32_t height);
void tb_CreateSection1(DibImage* image, int32_t width, int32_t height);
// The shared palette (null until the first 8-bit resource bitmap has been created).
const Palette* tb_GetSharedPalette();
Palette* tb_CreateSharedPalette(const DibImage* image);
void tb_RemapToPalette(const Palette* palette, DibImage* image);
void tb_ResetSystemPalette();
// The palette our displays stand in for: twenty static colours, a colour cube and greys.
const Palette* tb_GetSystemPalette();
// Index of the palette entry nearest to a colour.
uint8_t tb_NearestPaletteIndex(const Palette* palette, TbColor color);

uint8_t* tb_PixelAddress(const DibImage* image, int32_t x, int32_t y);
void tb_CopyRows(const DibImage* src, int32_t sx, int32_t sy, int32_t w, int32_t h, DibImage* dst,
                 int32_t dx, int32_t dy, uint8_t key);
void tb_GetPixelRGB(const DibImage* image, int32_t x, int32_t y, uint8_t* red, uint8_t* green,
                    uint8_t* blue);
void tb_SetPixelRGB(DibImage* image, int32_t x, int32_t y, uint8_t red, uint8_t green,
                    uint8_t blue);
void tb_ScaleBrightness(DibImage* image, int32_t w, int32_t h, int32_t percent);
void tb_ScaleBrightnessRect(DibImage* image, int32_t w, int32_t h, int32_t left, int32_t top,
                            int32_t right, int32_t bottom, int32_t percent);
void tb_ScaleChannelsRect(DibImage* image, int32_t w, int32_t h, int32_t left, int32_t top,
                          int32_t right, int32_t bottom, int32_t redPercent, int32_t greenPercent,
                          int32_t bluePercent);
void tb_ScaleOffsetChannelsRect(DibImage* image, int32_t w, int32_t h, int32_t left, int32_t top,
                                int32_t right, int32_t bottom, int32_t redPercent,
                                int32_t greenPercent, int32_t bluePercent, int32_t redAdd,
                                int32_t greenAdd, int32_t blueAdd);
// Every pixel of a 24-bit image whose red component is `red` takes the colour: a picture drawn
// in one ink is recoloured in one pass.
void tb_SetColourWhereRed(DibImage* image, uint8_t red, TbColor colour);

// ---------------------------------------------------------------------------------------------
// Drawing primitives and regions. Colour components are 0..65535 (an 8-bit value times 255).

uint8_t tb_ConvertComponent(uint32_t component);
void tb_SetForeColor(TargetRef target, uint32_t red, uint32_t green, uint32_t blue);
void tb_SetBackColor(TargetRef target, uint32_t red, uint32_t green, uint32_t blue);
TbColor tb_GetForeColor(TargetRef target);
TbColor tb_GetBackColor(TargetRef target);

void tb_PaintRect(TargetRef target, const Rect* rect);
void tb_FrameRect(TargetRef target, const Rect* rect);
void tb_PaintEllipse(TargetRef target, const Rect* rect);
void tb_FrameEllipse(TargetRef target, const Rect* rect);
void tb_Line(TargetRef target, int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width);
void tb_FloodFill(TargetRef target, int32_t x, int32_t y, uint32_t red, uint32_t green,
                  uint32_t blue);
void tb_FillPattern(BitmapRef dst, int16_t patternId, const Rect* rect);
// One pixel of a bitmap in toolbox colour units (0..65025 per channel). Points count as inside
// the bitmap's rectangle including its right and bottom edge values; the pixel work itself
// ignores points outside the image. Put clamps each component to 65025 and divides by 255;
// get returns each 8-bit component times 255, and black outside.
void tb_PutPixel(BitmapRef bitmap, int32_t x, int32_t y, int32_t red, int32_t green, int32_t blue);
void tb_GetPixel(BitmapRef bitmap, int32_t x, int32_t y, int32_t* red, int32_t* green,
                 int32_t* blue);

void tb_PaintRegion(TargetRef target, RegionRef region);
// points: (x, y) pairs ending with a pair holding TB_POLY_END; at most 100 points are read.
RegionRef tb_CreateRegion(const int32_t* points);
RegionRef tb_CreateCircleRegion(int32_t cx, int32_t cy, int32_t radius);
void tb_DisposeRegion(RegionRef region);
int32_t tb_PtInRegion(int32_t x, int32_t y, RegionRef region);

// Soft-edged shapes in a 24-bit bitmap (bitmap coordinates; others are left alone): edge pixels
// are mixed with what lies there by how much of them the shape covers. Fill a rounded
// rectangle (right and bottom exclusive), darken what lies under one to `percent` of its
// brightness, fill a circle.
void tb_FillSoftRoundRect(BitmapRef bitmap, const Rect* rect, double radius, TbColor colour);
void tb_ShadeSoftRoundRect(BitmapRef bitmap, const Rect* rect, double radius, int32_t percent);
void tb_FillSoftCircle(BitmapRef bitmap, double cx, double cy, double radius, TbColor colour);

void tb_SetRect(Rect* rect, int32_t left, int32_t top, int32_t right, int32_t bottom);
void tb_OffsetRect(Rect* rect, int32_t dx, int32_t dy);
void tb_InsetRect(Rect* rect, int32_t dx, int32_t dy);
int32_t tb_PtInRect(int32_t x, int32_t y, const Rect* rect);
int32_t tb_IntersectRect(Rect* dst, const Rect* a, const Rect* b);
int32_t tb_UnionRect(const Rect* a, const Rect* b, Rect* dst);

// ---------------------------------------------------------------------------------------------
// Windows, dialogs, pointer images and message boxes

// Starts the window system and makes sure only one copy of the program runs: returns 1 when
// this copy may go on, 0 when another copy is running (that copy is restored and brought
// forward), -1 when there is no display to show the program on or the window system cannot run
// there (said on standard error; no lock is taken without a display). From here on SIGTERM and
// SIGINT end the program from any state: every event loop sees close requests and message
// boxes end as if closed (see tb_EndingSignal).
int32_t tb_RegisterWindowClass();
// The SIGTERM or SIGINT that is ending the program, or 0.
int32_t tb_EndingSignal();
// Ends the window system at exit.
void tb_CloseWindowSystem();
// What is still in the bitmap and region tables: one line per entry on standard error (with
// where it was made, in the sanitizer build), and how many there are. At the end of a run,
// once everything has been released, there should be none.
int32_t tb_ReportLeftovers();

// Opens a top-level borderless window; the first one becomes the main window.
WindowRef tb_OpenWindow(const Rect* rect, const char* title);
void tb_DisposeOfWindow(WindowRef window);
void tb_GetClientRect(WindowRef window, Rect* rect);
void tb_GetWindowRect(WindowRef window, Rect* rect);
void tb_SetWindowTitle(WindowRef window, const char* title);
NativeWindow tb_GetNativeWindow(WindowRef window);
WindowRef tb_GetMainWindow();
// Holding a window's updates: drawing onto it goes on changing its pixels at once, but the
// screen shows them only when tb_ShowWindowUpdates ends the hold, all in one rectangle around
// everything drawn meanwhile. A picture taken back and drawn again a few pixels away thus
// reaches the screen in one piece and never blinks. Holds do not nest; a bad handle is
// reported ("Invalid window!") and changes nothing.
void tb_HoldWindowUpdates(WindowRef window);
void tb_ShowWindowUpdates(WindowRef window);
// Moves and sizes a window over the given screen rectangle (its pixels are kept where they
// still fit, the rest starts black).
void tb_MoveWindow(WindowRef window, const Rect* rect);

// Bits per pixel of the screen (0 when unknown), and the whole desktop in screen pixels.
int32_t tb_GetScreenDepth();
void tb_GetDesktopRect(Rect* rect);

// The room scale: on a large screen everything is laid out for a screen `s` times smaller and
// each pixel is shown as an s x s block; every coordinate and size the toolbox gives or takes
// (the desktop, windows, events, the pointer) is then in those larger pixels. Asked for before
// tb_RegisterWindowClass: 1 to 4, or 0 for the largest scale that leaves at least 640 x 480
// (the default is 1). The scale used is made smaller where the room would fall below 640 x
// 480; tb_GetRoomScale gives it once the window system has started.
void tb_SetRoomScale(int32_t requested);
int32_t tb_GetRoomScale();

// Window messages of the toolbox, numbered like the classic ones.
constexpr int32_t TB_WM_CLOSE = 0x0010;
constexpr int32_t TB_WM_PAINT = 0x000F;
constexpr int32_t TB_WM_KEYDOWN = 0x0100;
constexpr int32_t TB_WM_CHAR = 0x0102;
constexpr int32_t TB_WM_INITDIALOG = 0x0110;
constexpr int32_t TB_WM_COMMAND = 0x0111;
constexpr int32_t TB_WM_TIMER = 0x0113;
constexpr int32_t TB_WM_MOUSEMOVE = 0x0200;
constexpr int32_t TB_WM_LBUTTONDOWN = 0x0201;
constexpr int32_t TB_WM_LBUTTONUP = 0x0202;
constexpr int32_t TB_WM_LBUTTONDBLCLK = 0x0203;
constexpr int32_t TB_WM_RBUTTONDOWN = 0x0204;
constexpr int32_t TB_WM_MOUSEWHEEL = 0x020A;
constexpr int32_t TB_IDOK = 1;
constexpr int32_t TB_IDCANCEL = 2;

// Virtual key codes (the classic values).
constexpr int32_t TB_VK_BACK = 8;
constexpr int32_t TB_VK_TAB = 9;
constexpr int32_t TB_VK_RETURN = 13;
constexpr int32_t TB_VK_ESCAPE = 27;
constexpr int32_t TB_VK_SPACE = 32;
constexpr int32_t TB_VK_LEFT = 37;
constexpr int32_t TB_VK_UP = 38;
constexpr int32_t TB_VK_RIGHT = 39;
constexpr int32_t TB_VK_DOWN = 40;
constexpr int32_t TB_VK_DELETE = 46;
constexpr int32_t TB_VK_PRIOR = 33;  // Page Up
constexpr int32_t TB_VK_NEXT = 34;   // Page Down
constexpr int32_t TB_VK_END = 35;
constexpr int32_t TB_VK_HOME = 36;
constexpr int32_t TB_VK_INSERT = 45;
constexpr int32_t TB_VK_F1 = 112;
constexpr int32_t TB_VK_LBUTTON = 1;
constexpr int32_t TB_VK_RBUTTON = 2;

// Events of the main window as the main loop takes them.
enum TbEventKind : int32_t {
    TB_EVENT_NONE = 0,
    TB_EVENT_QUIT,   // the quit message: key holds the exit code
    TB_EVENT_CLOSE,  // the window system asks the window to close
    TB_EVENT_MOUSE_MOVE,
    TB_EVENT_BUTTON_DOWN,  // primary button
    TB_EVENT_BUTTON_UP,
    TB_EVENT_DOUBLE_CLICK,  // second press of a double-click, instead of BUTTON_DOWN
    TB_EVENT_SECONDARY_DOWN,
    TB_EVENT_KEY_DOWN,  // key: virtual key code
    TB_EVENT_TEXT,      // text: UTF-8 typed text
    TB_EVENT_FOCUS_GAINED,
    TB_EVENT_FOCUS_LOST,
    TB_EVENT_EXPOSE,          // the window's pixels must be shown again
    TB_EVENT_DISPLAY_CHANGE,  // the desktop changed size
    TB_EVENT_MOVED,           // something moved or sized the window
    TB_EVENT_WHEEL,  // key: wheel notches, positive away from the user (up); x, y the pointer
};

struct TbEvent {
    int32_t kind = TB_EVENT_NONE;
    int32_t x = 0;  // main-window client coordinates for pointer events
    int32_t y = 0;
    int32_t key = 0;
    char text[32] = {};
    int32_t modifiers = 0;  // keys and presses: the TB_MOD_ flags held
};

// Modifier keys held with a key press.
constexpr int32_t TB_MOD_SHIFT = 1;
constexpr int32_t TB_MOD_CONTROL = 2;

// Takes the next event of the main window. With wait, blocks until one arrives. Returns 1
// when an event was taken.
int32_t tb_GetEvent(TbEvent* event, int32_t wait);
// Queues the quit event with its exit code.
void tb_PostQuit(int32_t exitCode);
// Where modal loops (dialogs, the print pump) send the main window's events that are not
// theirs: focus changes, exposure, display changes, close requests.
using TbEventHandler = void (*)(const TbEvent* event);
void tb_SetMainEventHandler(TbEventHandler handler);
void tb_DispatchToMain(const TbEvent* event);

// Modal dialogs. A dialog is a window of its own drawn over the main window, centred on it.
// The procedure receives TB_WM_INITDIALOG, TB_WM_PAINT, the pointer messages (lParam holds
// x in the low and y in the high 16 bits, dialog coordinates; presses carry the TB_MOD_ flags
// held in wParam; a press inside holds the pointer, so moves keep coming outside the dialog
// until the release), TB_WM_MOUSEWHEEL (wParam:
// notches, positive up; lParam: the pointer as above), TB_WM_KEYDOWN (wParam: key, lParam:
// the TB_MOD_ flags held), TB_WM_CHAR (wParam: one typed character as a Unicode code point),
// TB_WM_TIMER (wParam: timer id) and TB_WM_COMMAND (wParam TB_IDCANCEL when Escape is
// pressed). It returns non-zero when it handled the message. Escape that the procedure does
// not handle ends the dialog with 0.
using TbDialogProc = int32_t (*)(NativeWindow dialog, int32_t message, int64_t wParam,
                                 int64_t lParam);
int32_t tb_DoDialog(int16_t templateId, TbDialogProc proc);
void tb_EndDialog(NativeWindow dialog, int32_t result);
// Resizes the dialog and centres it on the main window.
void tb_SetDialogSize(NativeWindow dialog, int32_t width, int32_t height);
// Places the dialog at a position of the main window's client area.
void tb_MoveDialog(NativeWindow dialog, int32_t left, int32_t top);
void tb_GetDialogRect(NativeWindow dialog, Rect* rect);  // main-window coordinates
void tb_SetDialogTimer(NativeWindow dialog, int32_t id, uint32_t milliseconds);
void tb_KillDialogTimer(NativeWindow dialog, int32_t id);
// The template's bytes (a text of the application), or null with size 0.
const char* tb_GetDialogTemplate(int16_t templateId, size_t* size);

// Custom-drawn dialogs: the face is what lies under the dialog with the dialog's art laid
// over it; active areas are rectangles in dialog pixels.
// The point a pointer message carries in its lParam (dialog pixels, may be negative).
Point tb_DialogPoint(int64_t lParam);
// A new 24-bit bitmap of the dialog's size holding the backdrop's pixels under the dialog
// (backdrop: a bitmap in main-window coordinates, such as the picture behind the dialog), with
// picture resource imageId laid over it at (0, 0) through mask resource maskId; imageId -1
// leaves the backdrop alone. The caller disposes of it. Returns -1 when it cannot be made.
BitmapRef tb_CreateDialogFace(NativeWindow dialog, BitmapRef backdrop, int32_t imageId,
                              int32_t maskId);
// Copies a face made by tb_CreateDialogFace whole onto its dialog.
void tb_ShowDialogFace(NativeWindow dialog, BitmapRef face);
// The first of count rectangles (dialog pixels) holding (x, y), or -1.
int32_t tb_DialogAreaAt(int32_t x, int32_t y, const Rect* areas, int32_t count);

// Every custom-drawn dialog over the room runs through tb_RunFaceDialog: a dialog of a fixed
// size centred on the main window, which draws its own face. Points are dialog pixels. Only
// paint is required; a handler left null gets the behaviour described.
constexpr int32_t TB_FACE_STAY_OPEN = INT32_MIN;  // a release that leaves the dialog open
struct TbFaceDialog {
    int16_t templateId = 0;  // usually the blank template
    int32_t width = 0;
    int32_t height = 0;
    // Draws the whole face, when the dialog first shows and whenever it is painted again.
    void (*paint)(NativeWindow dialog) = nullptr;
    // A release: the dialog's result, or TB_FACE_STAY_OPEN. Null: releases leave it open.
    int32_t (*release)(NativeWindow dialog, Point p) = nullptr;
    // Whether p lies on an active area: the pointing hand there and the arrow elsewhere, and
    // the options click on a press there. Null: nothing is active.
    bool (*active)(Point p) = nullptr;
    // Called once the dialog has its size, before it is first painted.
    void (*start)(NativeWindow dialog) = nullptr;
    // A pointer move; when set it chooses the pointer image itself (also after a release
    // that leaves the dialog open).
    void (*moved)(NativeWindow dialog, Point p) = nullptr;
    // A press, with the TB_MOD_ flags held, and whether it is the second of a double-click;
    // when set it plays its own sounds.
    void (*press)(NativeWindow dialog, Point p, int32_t modifiers, bool doublePress) = nullptr;
    // The wheel over the dialog (notches, positive up), a key (TB_VK_ code and TB_MOD_
    // flags), a typed character (a Unicode code point), a timer of tb_SetDialogTimer. Null:
    // ignored; an Escape key the dialog does not take ends it with 0.
    void (*wheel)(NativeWindow dialog, Point p, int32_t notches) = nullptr;
    void (*key)(NativeWindow dialog, int32_t key, int32_t modifiers) = nullptr;
    void (*typed)(NativeWindow dialog, uint32_t code) = nullptr;
    void (*timer)(NativeWindow dialog, int32_t id) = nullptr;
};
// Runs the dialog until a release gives a result, a handler calls tb_EndDialog, or Escape
// (0), and returns that result. Handlers may run other face dialogs inside it.
int32_t tb_RunFaceDialog(const TbFaceDialog& dialog);

// Message boxes. The texts appear unchanged under their fixed titles.
void tb_Error(const char* text);        // "Error..."
void tb_Attention(const char* text);    // "Attention!"
void tb_Information(const char* text);  // "Information..."
int32_t tb_AskYesNo(const char* text);  // "Attention...": 1 yes, 0 no, -1 otherwise

// Tests and other observers can take the boxes instead of the screen. The sink receives the
// box's kind and texts and returns the button chosen (as tb_AskYesNo's result for questions).
enum TbBoxKind : int32_t { TB_BOX_ERROR, TB_BOX_ATTENTION, TB_BOX_INFORMATION, TB_BOX_YESNO };
using TbMessageSink = int32_t (*)(int32_t kind, const char* title, const char* text);
void tb_SetMessageSink(TbMessageSink sink);

void tb_SetCursor(int16_t id);
int16_t tb_GetCursor();
// 1 = screen coordinates, 2 = main-window client coordinates; starts at 1.
void tb_SetPointerMode(int16_t mode);
void tb_GetMousePos(Point* point);
void tb_SetMousePos(int32_t x, int32_t y);

// The desktop's clipboard, as UTF-8 text. Getting fills the buffer (zero-terminated, cut to
// size on a character boundary) and returns the bytes put there; an empty or unreadable
// clipboard gives 0.
int32_t tb_GetClipboardText(char* buffer, int32_t size);
void tb_SetClipboardText(const char* text);

// Directories: where the program was started, and where its settings live (created when
// missing). Both fill the buffer (zero-terminated, cut to size) and return the full length.
// The settings folder is $XDG_CONFIG_HOME/tintamar, else .config/tintamar in $HOME or in the
// home folder of the user's account; with none of them its length is 0.
int32_t tb_GetCurrentDirectory(int32_t size, char* buffer);
int32_t tb_GetWindowsDirectory(int32_t size, char* buffer);

// A modeless dialog: a window of its own over the main window, built from template id; the
// procedure gets TB_WM_INITDIALOG, then TB_WM_COMMAND (wParam: the button's id; Escape sends
// TB_IDCANCEL). Returns its native window, or 0 when it could not be made.
NativeWindow tb_CreateModelessDialog(int16_t templateId, TbDialogProc proc);
void tb_DestroyModelessDialog(NativeWindow dialog);

// The main window takes no pointer or key input while disabled (it still repaints). Enabling
// it again also has it drawn afresh, since dialogs may have covered it.
void tb_EnableMainWindow(int32_t enable);
int32_t tb_IsMainWindowEnabled();

// ---------------------------------------------------------------------------------------------
// Printing: one job at a time, on this thread. While the print dialog is up and while a job
// goes to the printer, events keep being handled: the main window repaints, but takes input
// only while it is enabled.

// Why the print dialog failed (its error codes).
constexpr int32_t TB_PRINT_ERROR_INITIALIZATION = 2;     // the dialog itself could not start
constexpr int32_t TB_PRINT_ERROR_MEMORY = 9;             // not enough memory
constexpr int32_t TB_PRINT_ERROR_INIT_FAILURE = 0x1006;  // the printer could not start a job
constexpr int32_t TB_PRINT_ERROR_NO_DEVICES = 0x1007;    // there is no printer at all

// Runs the print dialog over the main window, which takes no input meanwhile (the printer, its
// paper, copies). Returns 1 when the user chose to print: a job has begun and its page is
// known. Returns 0 when the user cancelled or the dialog failed; *error (when not null) gets 0
// or the dialog's error code.
int32_t tb_PrintDialog(int32_t* error);
// The page of the job: its printable area in millimetres and the resolution, in pixels per
// inch, that TB_PRINTER's pixels have. All 0 when no job has begun.
void tb_GetPrinterPageSize(double* widthMm, double* heightMm, int32_t* dpiX, int32_t* dpiY);
// Starts the page: TB_PRINTER becomes a white page the size of the printable area.
void tb_StartPage();
// Sends the page to the printer; the abort pump runs meanwhile.
void tb_EndPage();
// Ends the job: it goes to the printer, or is abandoned when printing was cancelled or no page
// was sent; the abort pump runs until the printer has it. Returns null, or why the printer did
// not take the job (the platform's words; valid until the next job).
const char* tb_EndDoc();

// The page behind TB_PRINTER while a page is started, or null.
DibImage* tb_GetPrinterDC();
// The keep-printing flag: set when a job starts, cleared when it ends or the user cancels.
void tb_BeginPrintAbort();
void tb_EndPrintAbort();
int32_t tb_PrintAborted();  // non-zero once printing may not go on
// Handles every waiting event of the main window (see above; Escape cancels printing) and
// returns the keep-printing flag. The job's abort procedure.
int32_t tb_PrintAbortPump();
// The "Abort..." dialog shown while a job goes to the printer: made from template id with
// tb_PrintAbortDialogProc, whose any command (its button, Escape) clears the keep-printing
// flag, enables the main window again and closes the dialog.
void tb_OpenPrintAbortDialog(int16_t templateId);
void tb_ClosePrintAbortDialog();
int32_t tb_PrintAbortDialogProc(NativeWindow dialog, int32_t message, int64_t wParam,
                                int64_t lParam);

// ---------------------------------------------------------------------------------------------
// The byte stream: one open file at a time, read or written strictly in sequence.

// Open a file for reading or for writing (created or replaced). 1 on success, 0 on failure
// (also when a file is already open).
int32_t tb_OpenFileForReading(const char* path);
int32_t tb_OpenFileForWriting(const char* path);
int32_t tb_FileIsOpen();
// Reads up to size bytes; returns how many arrived (0 at the end or on an error).
size_t tb_ReadFile(void* buffer, size_t size);
// Writes size bytes; 1 when all were written, 0 otherwise.
int32_t tb_WriteFile(const void* buffer, size_t size);
// Closes the stream; 1 when everything written reached the file (0 after any failure).
int32_t tb_CloseFile();
// Why the stream last failed, as a system error number (errno): set by a failed open, read,
// write or close, cleared by a successful open or close. For telling the user what went wrong.
int32_t tb_GetFileError();

// Writes a 24-bit bitmap as a BMP file to the open stream: 1 written, 0 not a valid bitmap,
// -1 when a write failed (the file is then incomplete and must not be trusted).
int32_t tb_WriteBitmapToFile(BitmapRef bitmap);

// ---------------------------------------------------------------------------------------------
// The desktop: its file chooser, its opener for files and web addresses, and where the
// program's own data files lie.

constexpr int32_t TB_CHOOSE_SAVE = 0;
constexpr int32_t TB_CHOOSE_OPEN = 1;
// Runs the desktop's file chooser over the main window until the user answers. mode
// TB_CHOOSE_SAVE proposes `name` (UTF-8) and never asks before replacing a file;
// TB_CHOOSE_OPEN picks an existing file. One filter, labelled filterLabel, shows the files
// matching filterPattern (a pattern such as "*.bmp"; letters match in either case). folder:
// where the chooser starts (null or empty: its own choice). Returns the length of the chosen
// path; the path is in buffer, zero-terminated, only when the length is below size. Returns 0
// when the user cancelled, -1 when no chooser can be shown on this screen.
int32_t tb_ChooseFile(int32_t mode, const char* title, const char* filterLabel,
                      const char* filterPattern, const char* folder, const char* name, int32_t size,
                      char* buffer);

// Hands a file path or a web address to the desktop's opener (xdg-open), which shows it in the
// user's browser or viewer. Waits a moment for the opener's answer: returns 1 when it took the
// target (or is still busy starting a viewer), 0 when there is no opener or it found nothing
// that can show the target. The program goes on either way; the viewer is not its child.
int32_t tb_OpenWithDesktop(const char* target);

// The folder of the program's data files (colouring pages, help page): <prefix>/share/tintamar
// when the program is installed as <prefix>/bin/tintamar, otherwise the program's own folder
// (a build folder). Fills the buffer (zero-terminated, cut to size) and returns the full length.
int32_t tb_GetDataDirectory(int32_t size, char* buffer);

// ---------------------------------------------------------------------------------------------
// Fonts and text. Each target keeps a face (0 Arial, 1 Courier New, 2 MS San Serif,
// 3 MS Serif, 4 Brush Script MT, 5 Times New Roman, other: Arial), a size (character height in
// pixels; 0 draws 16) and a style (0 normal, 1 bold, 2 italic, 3 underlined, 4 struck out).

void tb_SetFontFace(TargetRef target, int16_t face);
void tb_SetFontSize(TargetRef target, int16_t size);
void tb_SetFontStyle(TargetRef target, int16_t style);
// Draws (draw != 0) and measures the first length bytes of text in the target's fore colour,
// with no background, turned angle degrees counter-clockwise about (x, y). horizontal: 0 x is
// the left end, 1 the right end, 2 the centre; vertical: 0 y is the top, 1 the bottom, 2 the
// top with the text centred on x. Returns the width of the line in pixels.
int32_t tb_DrawText(TargetRef target, int32_t x, int32_t y, const char* text, int32_t length,
                    int32_t angle, int32_t draw, int16_t horizontal, int16_t vertical);
// Draws a whole string in the serif face at the target's size, fore colour, no background,
// with (x, y) its left end and bottom.
void tb_DrawString(TargetRef target, int32_t x, int32_t y, const char* text);

// The installed scalable font families (outline fonts only: no bitmap strikes), enumerated
// afresh and sorted by name without regard to case. Returns how many there are; the names
// stay valid until the next call.
int32_t tb_ListFontFamilies();
// Name of family index (0 .. count - 1) of the last listing; null outside it.
const char* tb_GetFontFamilyName(int32_t index);
// 1 when the font that family names maps characters to letters as Unicode says and has a
// glyph for every character of text (length bytes), else 0: a family of symbols cannot
// letter its own name.
int32_t tb_FamilyHasCharacters(const char* family, const char* text, int32_t length);
// How a font's lines measure at a size, in pixels: above the baseline, below it, and one
// line's height with the font's line gap.
struct TbLineMetrics {
    int32_t ascent = 0;
    int32_t descent = 0;
    int32_t height = 0;
};
// As tb_DrawText, in the font family named `family` (a listed family, or any name the
// platform's font matching resolves, such as the face table's) instead of the target's face;
// the target's size, style, fore colour and clip rect apply. *metrics (when not null) receives
// how the font's lines measure at that size, whatever the text.
int32_t tb_DrawFamilyText(TargetRef target, const char* family, int32_t x, int32_t y,
                          const char* text, int32_t length, int32_t angle, int32_t draw,
                          int16_t horizontal, int16_t vertical, TbLineMetrics* metrics);

// ---------------------------------------------------------------------------------------------
// Sounds, timers, input polling and numbers

// The application's sound switch: read before every sound (null or non-zero = on).
void tb_SetSoundSwitch(const int32_t* soundOn);
void tb_PlaySound(int16_t id, int32_t loop);
void tb_PlaySoundLoop(int16_t id);
void tb_PlaySoundAsync(int16_t id);
void tb_PlaySoundNoStop(int16_t id);
void tb_StopSound();
void tb_Beep();  // the warning sound (resource kSoundWarning)

uint32_t tb_TickCount();
void tb_Delay(uint32_t milliseconds);
// 0: the primary button only (the desktop's swapped setting honoured); non-zero: either.
void tb_SetButtonPollingMode(int32_t mode);
int32_t tb_ButtonDown();
int32_t tb_KeyDown(int16_t virtualKey);

int32_t tb_Round(double x);
int32_t tb_Truncate(double x);
int32_t tb_Random(int32_t low, int32_t high);
int32_t tb_RandomSeeded(int32_t low, int32_t high, int32_t reseed);

// ---------------------------------------------------------------------------------------------
// Pixel filters (24-bit bitmaps, one 8-bit value per channel)

// A 5 x 5 convolution. A fresh FilterKernel holds the reset values: no weights, divisor 1,
// offset 0, all three channels, no randomisation.
struct FilterKernel {
    int32_t weights[5][5] = {};  // [dy + 2][dx + 2]: weight of the neighbour at (dx, dy)
    int32_t divisor = 1;         // the weighted sum is divided by it, toward zero
    int32_t offset = 0;          // added after the division
    int32_t applyRed = 1;        // a channel that is off keeps the centre pixel's value
    int32_t applyGreen = 1;
    int32_t applyBlue = 1;
    int32_t randomize = 0;  // each weight times tb_Random(randomLow, randomHigh)
    int32_t randomLow = 0;
    int32_t randomHigh = 0;
};

// Filters the part of rect (bitmap coordinates) that lies inside the bitmap, in place. Every
// result is computed from the bitmap as it was before the call; neighbours outside the bitmap
// contribute nothing and the divisor stays as it is. Results are clamped to 0..255.
void tb_ApplyFilter(BitmapRef bitmap, const Rect* rect, const FilterKernel* kernel);
// Presses the brightness relief of a grey texture into the picture over rect (both in picture
// coordinates; rect is cut to the texture's rectangle). Each pixel moves by
// strength x (|texture at (x + shift, y + shift)| - |texture at (x, y)|) / |(128, 128, 128)|.
void tb_EmbossTexture(BitmapRef picture, BitmapRef texture, const Rect* rect, int32_t strength,
                      int32_t shift);
