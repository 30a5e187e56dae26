// The operations every scene object starts with, and the Pencil's freehand stroke.
#include <algorithm>

#include "resources/resource_ids.h"
#include "tools/tool_ops.h"

void tool_init(SceneObject* object, BitmapRef sceneBitmap, BitmapRef pictureBitmap) {
    SceneObject& o = *object;
    o.shelf = 0;
    o.reserved = 0;
    o.cursorId = 0;
    o.imageId = -1;
    o.imageId2 = -1;
    o.maskId = -1;
    o.size = 4;
    o.red = 0;
    o.green = 0;
    o.blue = 0;
    o.active = 0;
    o.flag = 1;
    o.sceneBitmap = sceneBitmap;
    o.pictureBitmap = pictureBitmap;
    o.mode = 0;
    o.hotRegion = -1;
    o.auxHandle = -1;
    o.soundId = 0;
    o.hitTest = tool_default_hit_test;
    o.press = tool_default_press;
    o.drag = tool_default_drag;
    o.release = tool_default_release;
    o.drawObject = tool_default_draw_object;
    o.drawOptions = tool_default_draw_options;
    o.clickOptions = tool_default_click_options;
    o.setColour = tool_default_set_colour;
    o.dispose = tool_default_dispose;
}

int32_t tool_default_hit_test(SceneObject* object, int32_t x, int32_t y) {
    return tb_PtInRect(x, y, &object->hotRect);
}

void tool_use_colour(const SceneObject* object, TargetRef target) {
    auto r = static_cast<uint32_t>(object->red);
    auto g = static_cast<uint32_t>(object->green);
    auto b = static_cast<uint32_t>(object->blue);
    tb_SetForeColor(target, r, g, b);
    tb_SetBackColor(target, r, g, b);
}

void tool_show_cursor(const SceneObject* object) {
    tb_SetCursor(static_cast<int16_t>(object->cursorId));
}

void tool_play_cue(const SceneObject* object) {
    if (object->soundId != 0) tb_PlaySoundNoStop(static_cast<int16_t>(object->soundId));
}

void tool_default_press(SceneObject* object, int32_t x, int32_t y) {
    SceneObject& o = *object;
    if (o.soundId != 0) tb_PlaySoundLoop(static_cast<int16_t>(o.soundId));
    o.lastX = x;
    o.lastY = y;
    tool_use_colour(&o, o.pictureBitmap);
    // A 1-pixel line leaves its end point out, so the press point is put by itself.
    if (o.size == 1) {
        tb_PutPixel(o.pictureBitmap, x, y, o.red, o.green, o.blue);
    } else {
        tb_Line(o.pictureBitmap, x, y, x, y, o.size);
    }
    o.active = 1;
    tb_SetCursor(static_cast<int16_t>(o.cursorId));
}

void tool_default_drag(SceneObject* object, int32_t x, int32_t y) {
    SceneObject& o = *object;
    if (o.active == 0) return;
    tool_use_colour(&o, o.pictureBitmap);
    o.curX = x;
    o.curY = y;
    tb_Line(o.pictureBitmap, o.lastX, o.lastY, x, y, o.size);
    o.lastX = x;
    o.lastY = y;
    tb_SetCursor(static_cast<int16_t>(o.cursorId));
}

void tool_default_release(SceneObject* object, int32_t x, int32_t y) {
    SceneObject& o = *object;
    if (o.active == 0) return;
    o.lastX = x;
    o.curX = x;
    o.lastY = y;
    o.curY = y;
    o.active = 0;
    tb_StopSound();
}

void tool_default_draw_object(SceneObject* object) {
    const SceneObject& o = *object;
    if (o.imageId == -1 || o.maskId == -1) return;
    Rect imageRect;
    Rect maskRect;
    BitmapRef image = tb_CreateBitmap(&imageRect, o.imageId, 24);
    BitmapRef mask = tb_CreateBitmap(&maskRect, o.maskId, 8);
    if (image != -1 && mask != -1) {
        tb_CopyBitmapSprite(image, mask, o.sceneBitmap, &imageRect, &imageRect, &o.hotRect);
    }
    if (image != -1) tb_DisposeBitmap(image);
    if (mask != -1) tb_DisposeBitmap(mask);
}

void tool_default_draw_options(SceneObject* object, const Rect* panel) {
    Rect r;
    BitmapRef blank = tb_CreateBitmap(&r, kBitmapOptionsBlank, 24);
    if (blank == -1) return;
    Rect to{panel->left, panel->top, panel->left + r.right, panel->top + r.bottom};
    tb_CopyBitmap(blank, object->sceneBitmap, &r, &to, 0);
    tb_DisposeBitmap(blank);
}

void tool_default_click_options(SceneObject*, int32_t, int32_t, const Rect*) {}

void tool_default_set_colour(SceneObject* object, int32_t red, int32_t green, int32_t blue) {
    object->red = red;
    object->green = green;
    object->blue = blue;
}

void tool_default_dispose(SceneObject* object) {
    if (object->hotRegion != -1) tb_DisposeRegion(object->hotRegion);
    object->hotRegion = -1;
}
