// The scene object: every tool lying on the table is one record with its place, looks, pointer
// image, sound and the operations that run when a child paints with it. The table of the 30
// records is the scene's (scene/scene_table.h); the tool families fill in the operations.
#pragma once

#include <cstdint>

#include "toolbox/toolbox.h"

struct SceneObject;

// Operation slots, in their fixed order. Coordinates are picture coordinates for the stroke
// operations while the pointer is over the picture (see the input dispatch), window
// coordinates otherwise; each tool says which it expects.
using SceneInitOp = void (*)(SceneObject* object, BitmapRef sceneBitmap, BitmapRef pictureBitmap);
using SceneHitTestOp = int32_t (*)(SceneObject* object, int32_t x, int32_t y);
using ScenePointOp = void (*)(SceneObject* object, int32_t x, int32_t y);
using SceneDrawOp = void (*)(SceneObject* object);
using SceneDrawOptionsOp = void (*)(SceneObject* object, const Rect* panel);
using SceneClickOptionsOp = void (*)(SceneObject* object, int32_t x, int32_t y, const Rect* panel);
using SceneSetColourOp = void (*)(SceneObject* object, int32_t red, int32_t green, int32_t blue);
using SceneDisposeOp = void (*)(SceneObject* object);

struct SceneObject {
    int32_t shelf = 0;
    int32_t reserved = 0;
    int32_t cursorId = 0;
    int32_t imageId = -1;
    int32_t imageId2 = -1;
    int32_t maskId = -1;
    int32_t size = 4;
    int32_t red = 0;  // 0..65025 (an 8-bit value times 255)
    int32_t green = 0;
    int32_t blue = 0;
    Rect hotRect;
    int32_t active = 0;  // a stroke or multi-step action is in progress
    int32_t flag = 1;
    BitmapRef sceneBitmap = -1;
    BitmapRef pictureBitmap = -1;
    int32_t lastX = 0;
    int32_t lastY = 0;
    int32_t curX = 0;
    int32_t curY = 0;
    int32_t mode = 0;
    RegionRef hotRegion = -1;
    int32_t auxHandle = -1;
    int32_t soundId = 0;

    SceneInitOp init = nullptr;
    SceneHitTestOp hitTest = nullptr;
    ScenePointOp press = nullptr;
    ScenePointOp drag = nullptr;
    ScenePointOp release = nullptr;
    SceneDrawOp drawObject = nullptr;
    SceneDrawOptionsOp drawOptions = nullptr;
    SceneClickOptionsOp clickOptions = nullptr;
    SceneSetColourOp setColour = nullptr;
    SceneDisposeOp dispose = nullptr;
};

constexpr int32_t kSceneObjectCount = 30;
