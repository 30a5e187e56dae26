// The state of the room and of the picture document that the scene keeps between events and
// the commands above it read: the pot colours, undo, the modified flag, the hover state of the
// left panel, the file name and the home folder.
#pragma once

#include <cstdint>

#include "scene/layout.h"
#include "tools/scene_services.h"

extern SceneColour g_potColours[kPotCount];  // the colour table: white, black, red, green, ...

extern int32_t g_undoAvailable;    // 1 when the undo bitmap holds the picture before the stroke
extern int32_t g_pictureModified;  // set when painting starts; the documents read and clear it

extern int32_t g_buttonHighlighted[kButtonCount];  // cleared at scene start
extern int32_t g_shownLabel;  // id of the hover label in the label strip, 0 = none

// The document's file name ("Tintamar.bmp" at start and after every clearing) and the folder
// the program was started in.
extern char g_pictureFileName[256];
extern char g_homeFolder[256];
