// Helpers shared by the scene's own sources.
#pragma once

// Draws the blank label bitmap into the label strip of the back buffer and forgets the shown
// label (not shown on the screen).
void scene_draw_blank_label();
// The copy of the tray taken after a full composition; released at shutdown.
void scene_release_saved_tray();
// The colour table back to its eight start colours.
void scene_reset_colour_table();
