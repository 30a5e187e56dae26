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

using BitmapRef = int32_t;  // 0..99
using WindowRef = int32_t;  // 5000..5009
using RegionRef = int32_t;  // 0..99, a space of its own
using TargetRef = int32_t;  // any of the above drawing targets, or TB_PRINTER
using NativeWindow = int32_t;  // a window as the window system knows it; 0 = none

constexpr int32_t TB_MAX_BITMAPS = 100;
constexpr int32_t TB_MAX_WINDOWS = 10;
constexpr int32_t TB_MAX_REGIONS = 100;
constexpr int32_t TB_WINDOW_BASE = 5000;
constexpr int32_t TB_PRINTER = 9000;
constexpr int32_t TB_BITMAP_NODC = -11;  // tb_CreateBitmap source: memory-only bitmap
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

// ---------------------------------------------------------------------------------------------
// Device-independent images

// The standard 40-byte bitmap header, directly followed by its colour table.
struct DibHeader {
    uint32_t size;  // 40
    int32_t width;
    int32_t height;  // positive: rows stored bottom-up
    uint16_t planes;  // 1
    uint16_t bitCount;  // 1, 4, 8 or 24
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

void tb_SetRect(Rect* rect, int32_t left, int32_t top, int32_t right, int32_t bottom);
void tb_OffsetRect(Rect* rect, int32_t dx, int32_t dy);
void tb_InsetRect(Rect* rect, int32_t dx, int32_t dy);
int32_t tb_PtInRect(int32_t x, int32_t y, const Rect* rect);
int32_t tb_IntersectRect(Rect* dst, const Rect* a, const Rect* b);
int32_t tb_UnionRect(const Rect* a, const Rect* b, Rect* dst);

// ---------------------------------------------------------------------------------------------
// Windows, dialogs, pointer images and message boxes

// Starts the window system and makes sure only one copy of the program runs: returns 0 when
// another copy is running (that copy is restored and brought forward) or there is no display.
int32_t tb_RegisterWindowClass();
// Ends the window system at exit.
void tb_CloseWindowSystem();

// Opens a top-level borderless window; the first one becomes the main window.
WindowRef tb_OpenWindow(const Rect* rect, const char* title);
void tb_DisposeOfWindow(WindowRef window);
void tb_GetClientRect(WindowRef window, Rect* rect);
void tb_GetWindowRect(WindowRef window, Rect* rect);
void tb_SetWindowTitle(WindowRef window, const char* title);
NativeWindow tb_GetNativeWindow(WindowRef window);
WindowRef tb_GetMainWindow();
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
constexpr int32_t TB_VK_F1 = 112;
constexpr int32_t TB_VK_LBUTTON = 1;
constexpr int32_t TB_VK_RBUTTON = 2;

// Events of the main window as the main loop takes them.
enum TbEventKind : int32_t {
    TB_EVENT_NONE = 0,
    TB_EVENT_QUIT,  // the quit message: key holds the exit code
    TB_EVENT_CLOSE,  // the window system asks the window to close
    TB_EVENT_MOUSE_MOVE,
    TB_EVENT_BUTTON_DOWN,  // primary button
    TB_EVENT_BUTTON_UP,
    TB_EVENT_DOUBLE_CLICK,  // second press of a double-click, instead of BUTTON_DOWN
    TB_EVENT_SECONDARY_DOWN,
    TB_EVENT_KEY_DOWN,  // key: virtual key code
    TB_EVENT_TEXT,  // text: UTF-8 typed text
    TB_EVENT_FOCUS_GAINED,
    TB_EVENT_FOCUS_LOST,
    TB_EVENT_EXPOSE,  // the window's pixels must be shown again
    TB_EVENT_DISPLAY_CHANGE,  // the desktop changed size
    TB_EVENT_MOVED,  // something moved or sized the window
};

struct TbEvent {
    int32_t kind = TB_EVENT_NONE;
    int32_t x = 0;  // main-window client coordinates for pointer events
    int32_t y = 0;
    int32_t key = 0;
    char text[32] = {};
};

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
// x in the low and y in the high 16 bits, dialog coordinates), TB_WM_KEYDOWN (wParam: key),
// TB_WM_CHAR (wParam: character), TB_WM_TIMER (wParam: timer id) and TB_WM_COMMAND (wParam
// TB_IDCANCEL when Escape is pressed). It returns non-zero when it handled the message.
// Escape that the procedure does not handle ends the dialog with 0.
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

// Message boxes. The texts appear unchanged under their fixed titles.
void tb_Error(const char* text);  // "Error..."
void tb_Attention(const char* text);  // "Attention!"
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

// Directories: where the program was started, and where its settings live (created when
// missing). Both fill the buffer (zero-terminated, cut to size) and return the full length.
int32_t tb_GetCurrentDirectory(int32_t size, char* buffer);
int32_t tb_GetWindowsDirectory(int32_t size, char* buffer);

// Printing support. A print job gives the toolbox a page to draw on behind TB_PRINTER and
// runs the abort pump between bands of work so the program stays responsive.
void tb_SetPrinterPage(DibImage* page);
DibImage* tb_GetPrinterDC();
void tb_BeginPrintAbort();  // keep-printing flag set
void tb_CancelPrinting();  // what the "Cancel Printing" button does
void tb_EndPrintAbort();
int32_t tb_PrintAbortPump();  // handles pending events; returns the keep-printing flag
int32_t tb_PrintAborted();

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

// Writes a 24-bit bitmap as a BMP file to the open stream: 1 written, 0 not a valid bitmap,
// -1 when a write failed (the file is then incomplete and must not be trusted).
int32_t tb_WriteBitmapToFile(BitmapRef bitmap);

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
    int32_t divisor = 1;  // the weighted sum is divided by it, toward zero
    int32_t offset = 0;  // added after the division
    int32_t applyRed = 1;  // a channel that is off keeps the centre pixel's value
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
