// The scene's own state: the object table and what the input dispatch and the commands read
// and change between events. What the tools share lives in tools/scene_services.cpp.
#include "scene/scene_state.h"

#include "scene/scene_table.h"

SceneObject g_sceneObjects[kSceneObjectCount];
int32_t g_currentObject = 0;
int32_t g_currentShelf = 0;

SceneColour g_potColours[kPotCount];

int32_t g_undoAvailable = 0;
int32_t g_pictureModified = 0;

int32_t g_buttonHighlighted[kButtonCount] = {};
int32_t g_shownLabel = 0;

char g_pictureFileName[256] = "Tintamar.bmp";
char g_homeFolder[256] = "";
