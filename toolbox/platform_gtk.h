// What the GTK parts of the window system share.
#pragma once

#include <gtk/gtk.h>

#include "toolbox/platform_gtk_boxes.h"

// Without a window manager (a bare X server) nobody gives a new window the keyboard focus:
// the window takes it itself each time it appears.
void focus_when_mapped(GtkWidget* window);
