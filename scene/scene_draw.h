// Drawing the room: the full composition, the pots and the current-colour swatch, the speaker
// and the magnifier, the hover label, the markers and highlights of the left panel, undo, and
// clearing the picture. For the scene and the commands and dialogs above it; the tools use
// tools/scene_services.h instead. Window coordinates throughout.
#pragma once

#include <cstdint>

#include "scene/layout.h"
#include "scene/scene_state.h"
#include "tools/scene_services.h"

// The full composition into the back buffer. frame: background, frame strips and the saved
// tray; pots: the table band with the pots in their colours (otherwise the pots keep their look
// and the label strip is blanked); present: repaint the whole window afterwards.
void scene_compose(bool present, bool frame, bool pots);
// Re-composes the left panel and the table after a shelf or tool change, without showing it
// (scene_compose(false, false, false)); show the band and the panels afterwards.
void scene_compose_panels();

// Undo: the undo bitmap is made to hold the picture as it is now (a snapshot, which copies rows
// only as the picture is painted over) and undo is marked available; or the picture gets back
// what changed since, the mark is cleared and the window ends as a full repaint would leave it
// (only what changed is shown).
void scene_save_undo();
void scene_undo();

// Keeping the window in step with the picture without showing all of it. Note here window
// rectangles that may not show what the back buffer and the picture hold (drawn straight on
// the window or into the back buffer while a tool worked); beside: the part outside the picture
// area counts too. The next press or release shows the part within the picture area, undo all
// of it, a full repaint or composition of the picture forgets it.
void scene_note_out_of_step(const Rect& r, bool beside);
// What the picture's touched rectangle holds (changes not shown yet) waits with the rest, and
// the touched rectangle starts empty.
void scene_defer_picture_changes();
// Shows what changed in the picture (its touched rectangle, which then starts empty) together
// with what is out of step within the picture area; everywhere: beside it too.
void scene_show_picture_changes(bool everywhere);

// The current-colour swatch: draws (r, g, b) into it and makes it the current colour; present
// shows the swatch at once. The tools reach it through g_sceneServices.showColour.
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

// The zoom origin that centres the 2x view on window point (x, y), clamped into the picture.
Point scene_zoom_origin_for(int32_t x, int32_t y);

// Clears the picture for a new document: one of the four animations in turn when animated
// clearing is on (undoable), otherwise a beep and white. The file name becomes "Tintamar.bmp".
void scene_clear_picture();
