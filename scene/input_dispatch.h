// The pointer input dispatch: its own state beside the scene's (scene_draw.h). The entry
// points the window calls are in scene/scene.h.
#pragma once

#include <cstdint>

#include "toolbox/toolbox.h"
#include "tools/scene_services.h"

// 1 after the text dialog was accepted: the text follows the pointer until a release.
extern int32_t g_textPlacement;
// 1 after the magnifier was clicked while not zoomed: the next release picks the zoom centre.
extern int32_t g_zoomPick;
// Window position of the last press or move handled in the picture (after clamping).
extern Point g_lastPointer;
// The window's events say the primary button went down (1) or up (0); told also for the
// presses and releases the window drops while it has no focus. Kept in g_buttonHeldByEvents
// (tools/scene_services.h), which the tools read too.
void input_button_state(int32_t held);

// The colour pot under window point (x, y): pots 0-7 first, then their extra rectangles,
// which win; -1 for none.
int32_t input_pot_at(int32_t x, int32_t y);

// The stamp chooser of the stamp books: opens the stamp picker on the book's sheet at the page
// kept in the entry's mode, and on a choice cuts that stamp and its mask out of the sheets
// into the current stamp bitmaps. Returns the stamp's index, or -1 (also for an entry that is
// no stamp book).
int32_t input_choose_stamp(int32_t entry);

// The tool in hand stops carrying its cut-out or stamp and ends what it was doing (`active`
// and, for the scissors, `mode` to 0, `size` to 1); nothing for tools that carry nothing. What
// it carried is taken off the window where the tool drew it last (its curX, curY); the rest of
// the screen is left to the caller.
void input_put_down();
