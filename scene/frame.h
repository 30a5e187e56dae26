// The picture frame: where its strips, pieces and corners lie for a window size.
#pragma once

#include <vector>

#include "toolbox/toolbox.h"

struct FramePiece {
    int32_t bitmapId;
    Rect rect;  // window coordinates, the bitmap's own size
};

// Every piece of the frame in drawing order, for a window of width x height.
std::vector<FramePiece> scene_frame_pieces(int32_t width, int32_t height);
