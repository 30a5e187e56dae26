// The scene's shared state: the object table, the three bitmaps and what the input dispatch,
// the tools and the documents read and change between events.
#include "scene/scene_draw.h"
#include "scene/scene_object.h"

SceneObject g_sceneObjects[kSceneObjectCount];
int32_t g_currentObject = 0;
int32_t g_currentShelf = 0;

SceneLayout g_layout;

BitmapRef g_backBuffer = -1;
BitmapRef g_pictureBitmap = -1;
BitmapRef g_undoBitmap = -1;

SceneColour g_currentColour{65025, 0, 0};
SceneColour g_potColours[kPotCount];

int32_t g_undoAvailable = 0;
int32_t g_pictureModified = 0;

int32_t g_zoomed = 0;
int32_t g_zoomOriginX = 0;
int32_t g_zoomOriginY = 0;

int32_t g_buttonHighlighted[kButtonCount] = {};
int32_t g_shownLabel = 0;

BitmapRef g_floatingImage = -1;
BitmapRef g_floatingMask = -1;
BitmapRef g_stampImage = -1;
BitmapRef g_stampMask = -1;

char g_textFontName[64] = "Arial";
char g_textString[256] = "Type your text in here.";
int32_t g_textSizes[kTextSizeCount] = {10, 20, 40, 60, 80};

char g_pictureFileName[256] = "Tintamar.bmp";
char g_homeFolder[256] = "";
