// Native message boxes for the real window system (GTK), when GTK can start on the display.
#pragma once

enum class GtkBoxKind { Information, Warning, Question };

// Starts GTK once; false when it cannot run on this display.
bool gtk_boxes_available();
// GTK beside SDL, started once and ready for dialogs: false when it cannot run on this screen
// (it needs a true-colour screen).
bool gtk_ready();
// Shows a modal box; returns 1 for OK or Yes, 0 for No, -1 when closed otherwise.
int gtk_message_box(GtkBoxKind kind, const char* title, const char* text);
