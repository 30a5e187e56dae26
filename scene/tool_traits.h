// How the input dispatch treats each tool, one row per entry of the scene object table: which
// coordinates its stroke operations get, whether the pointer is held inside the picture, what it
// carries under the pointer, and what is shown after a drag. The dispatch reads these instead of
// asking which entry is in hand; a new tool family adds its rows here (scene/tool_traits.cpp).
#pragma once

#include <cstdint>

// Something a tool carries under the pointer between presses, drawn straight on the window.
enum class ToolCarries : int8_t {
    Nothing,
    CutOut,  // the scissors' floating image (g_floatingImage), while `mode` is 1
    Stamp,   // a stamp book's stamp (g_stampImage), while `active`
};

struct ToolTraits {
    // Draws its preview straight onto the window: press and drag get window coordinates (the
    // others picture coordinates), auxHandle holds the main window, and drag and release only
    // come while `active`. Released off the picture it gets window coordinates too.
    bool onWindow = false;
    // Also gets window coordinates for a release over the picture (else picture coordinates).
    bool releasesOnWindow = false;
    // Press and drag points are kept (size / 2) x this far inside the picture area, the system
    // pointer following; 0 = never. While zoomed the distance is multiplied by clampZoomScale.
    int32_t clampScale = 0;
    int32_t clampZoomScale = 1;
    // What it carries. A carrying tool keeps getting drags with the button up while `active`,
    // puts its load down when released off the picture, and drops it on the C key; a cut-out
    // is not clamped while carried.
    ToolCarries carries = ToolCarries::Nothing;
    // Stamp books: the sheet of stamps the stamp chooser offers and its mask sheet.
    int32_t stampSheet = 0;
    int32_t stampMaskSheet = 0;
    // Never given the current colour: its colour words mean something else (the tint crayon's
    // channel switches).
    bool keepsOwnColour = false;
    // Paints all over the picture: after each drag the whole picture area is shown, not only
    // what the drag changed.
    bool showsWholePicture = false;
    // Draws into the back buffer outside the picture area too (the dropper's swatch), so the
    // back buffer is not clipped to the picture while it works.
    bool drawsOffPicture = false;
};

// The traits of an entry (0-29); a bad index gets the plain traits of a painting tool.
const ToolTraits& tool_traits(int32_t entry);

struct SceneObject;
// Whether the tool carries its cut-out or stamp under the pointer now.
bool tool_is_carrying(const SceneObject& o, const ToolTraits& t);
