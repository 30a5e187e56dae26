// The look the text dialog's own controls share with the rest of the room: the ink of the
// art, the blue of a chosen item, the friendly letters of the labels.
#pragma once

#include <cstdint>

#include "toolbox/toolbox.h"

constexpr TbColor kControlInk = tb_MakeColor(74, 47, 27);  // the art's brown outlines
constexpr TbColor kControlPaper = tb_MakeColor(255, 255, 255);
constexpr TbColor kControlChosen = tb_MakeColor(66, 165, 245);      // a chosen item, focused
constexpr TbColor kControlChosenDim = tb_MakeColor(206, 228, 247);  // ... without the focus
constexpr TbColor kControlChosenInk = tb_MakeColor(255, 255, 255);
constexpr TbColor kControlWood = tb_MakeColor(227, 168, 105);  // the frames' light wood
constexpr TbColor kControlTrack = tb_MakeColor(250, 238, 218);

// The family the labels of the dialog's art are lettered in.
constexpr const char* kControlFamily = "Comic Neue";

// Paints r (the target's pixels) in one colour.
void control_paint(TargetRef target, const Rect& r, TbColor colour);
// The focus ring: r (canvas pixels) filled soft and round in the chosen-item blue; the
// control then paints its face over all of r but a rim `kFocusRing` pixels wide.
constexpr int32_t kFocusRing = 3;
void control_focus_ring(BitmapRef canvas, const Rect& r);
// Sets the target's ink to a colour.
void control_ink(TargetRef target, TbColor colour);
