// The traits of the 30 tools, in entry order. Most paint into the picture under the pointer
// and need none; the table says what is special about the others.
#include "scene/tool_traits.h"

#include "resources/resource_ids.h"
#include "tools/scene_object.h"

namespace {

constexpr ToolTraits kPainter{};

// Ruler, shape template and scissors keep their whole width inside the picture; the ruler's
// band is drawn twice as wide while zoomed, so it keeps twice the distance then.
constexpr ToolTraits kRuler{
    .onWindow = true, .releasesOnWindow = true, .clampScale = 1, .clampZoomScale = 2};
constexpr ToolTraits kShapeTemplate{.onWindow = true, .releasesOnWindow = true, .clampScale = 1};
constexpr ToolTraits kScissors{
    .onWindow = true, .releasesOnWindow = true, .clampScale = 1, .carries = ToolCarries::CutOut};
constexpr ToolTraits kDropper{.drawsOffPicture = true};
constexpr ToolTraits kTintCrayon{.keepsOwnColour = true};
constexpr ToolTraits kMirrorBrush{.showsWholePicture = true};

constexpr ToolTraits stamp_book(int32_t sheet, int32_t maskSheet) {
    return ToolTraits{.onWindow = true,
                      .carries = ToolCarries::Stamp,
                      .stampSheet = sheet,
                      .stampMaskSheet = maskSheet};
}

// clang-format off
constexpr ToolTraits kTraits[kSceneObjectCount] = {
    // Shelf 0: pencil, paintbrush, eraser, spray can, ruler, shape template, paint pot,
    // colour dropper, scissors.
    kPainter, kPainter, kPainter, kPainter, kRuler, kShapeTemplate, kPainter, kDropper, kScissors,
    // Shelf 1: the texture brushes.
    kPainter, kPainter, kPainter, kPainter, kPainter, kPainter,
    // Shelf 2: the stamp books (butterflies, boats, shapes).
    stamp_book(kBitmapStampSheetCreatures, kMaskStampSheetCreatures),
    stamp_book(kBitmapStampSheetBoats, kMaskStampSheetBoats),
    stamp_book(kBitmapStampSheetShapes, kMaskStampSheetShapes),
    // Shelf 3: screwdriver, sunglasses, light bulb, tissue, tint crayon, salt shaker.
    kPainter, kPainter, kPainter, kPainter, kTintCrayon, kPainter,
    // Shelf 4: chisel, ball brush, mirror brush, star wand, needle and thread, splat gun.
    kPainter, kPainter, kMirrorBrush, kPainter, kPainter, kPainter,
};
// clang-format on

}  // namespace

const ToolTraits& tool_traits(int32_t entry) {
    if (entry < 0 || entry >= kSceneObjectCount) return kPainter;
    return kTraits[entry];
}

bool tool_is_carrying(const SceneObject& o, const ToolTraits& t) {
    switch (t.carries) {
        case ToolCarries::CutOut:
            return o.mode == 1;
        case ToolCarries::Stamp:
            return o.active != 0;
        case ToolCarries::Nothing:
            break;
    }
    return false;
}
