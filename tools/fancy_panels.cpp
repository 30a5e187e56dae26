// The options panels of the fancy brushes: three size bars, a grey line, and under it two
// pictures to choose from, the chosen one framed in green. The colour-mode panel offers the
// tool's own colour or random colours; the mirror panel the two-way or four-way mirror.
#include <span>

#include "tools/fancy_brushes.h"
#include "tools/options_panel.h"
#include "tools/random_rules.h"

namespace {

constexpr Rect kBars[] = {{6, 9, 21, 50}, {27, 9, 50, 50}, {57, 9, 89, 50}};
constexpr SizeBar kBallSizes[] = {{kBars[0], 32, 0}, {kBars[1], 48, 0}, {kBars[2], 64, 0}};
constexpr SizeBar kSplatSizes[] = {{kBars[0], 60, 0}, {kBars[1], 90, 0}, {kBars[2], 120, 0}};
constexpr SizeBar kMirrorSizes[] = {{kBars[0], 8, 0}, {kBars[1], 16, 0}, {kBars[2], 24, 0}};

constexpr int32_t kGrey = 32640;
constexpr int32_t kFrameGreen = 58000;
constexpr Point kLineFrom{6, 52};
constexpr Point kLineTo{89, 52};

// The two choices: the frame around each picture is also where a click chooses it.
constexpr Rect kLeftChoice{11, 55, 39, 79};
constexpr Rect kRightChoice{53, 55, 81, 79};

// Three paint drops each: in the tool's colour, and in random colours.
constexpr Rect kOwnDrops[] = {{20, 57, 30, 67}, {13, 67, 23, 77}, {27, 67, 37, 77}};
constexpr Rect kRandomDrops[] = {{62, 57, 72, 67}, {55, 67, 65, 77}, {69, 67, 79, 77}};
// Two bars for the mirror that doubles, four squares for the one that makes four.
constexpr Rect kTwoWayIcon[] = {{13, 57, 20, 77}, {30, 57, 37, 77}};
constexpr Rect kFourWayIcon[] = {
    {55, 57, 62, 65}, {55, 69, 62, 77}, {72, 57, 79, 65}, {72, 69, 79, 77}};

struct ModePanel {
    std::span<const SizeBar> sizes;
    int32_t leftMode;
    int32_t rightMode;
};

constexpr ModePanel kColourModes{kBallSizes, 0, 1};
constexpr ModePanel kSplatModes{kSplatSizes, 0, 1};
constexpr ModePanel kMirrorModes{kMirrorSizes, 1, 2};

void set_colour(BitmapRef work, const ToolColour& c) {
    tb_SetForeColor(work, static_cast<uint32_t>(c.red), static_cast<uint32_t>(c.green),
                    static_cast<uint32_t>(c.blue));
}

// Draws the panel with the pictures of its two choices; drawChoices paints them.
template <typename DrawChoices>
void draw_mode_panel(const SceneObject& o, const Rect& panel, const ModePanel& modes,
                     DrawChoices drawChoices) {
    BitmapRef work = panel_begin();
    if (work == -1) return;
    panel_draw_size_bars(work, modes.sizes, o.size);
    tb_SetForeColor(work, kGrey, kGrey, kGrey);
    tb_Line(work, kLineFrom.x, kLineFrom.y, kLineTo.x, kLineTo.y, 1);
    drawChoices(work);
    tb_SetForeColor(work, 0, kFrameGreen, 0);
    if (o.mode == modes.leftMode) tb_FrameRect(work, &kLeftChoice);
    if (o.mode == modes.rightMode) tb_FrameRect(work, &kRightChoice);
    panel_finish(work, o, panel);
}

void click_mode_panel(SceneObject& o, int32_t x, int32_t y, const Rect& panel,
                      const ModePanel& modes) {
    const Point p = panel_point(x, y, panel);
    if (tb_PtInRect(p.x, p.y, &kLeftChoice) != 0) o.mode = modes.leftMode;
    if (tb_PtInRect(p.x, p.y, &kRightChoice) != 0) o.mode = modes.rightMode;
    const int32_t size = panel_size_at(modes.sizes, p);
    if (size != 0) o.size = size;
}

void draw_colour_drops(BitmapRef work, const SceneObject& o) {
    set_colour(work, ToolColour{o.red, o.green, o.blue});
    for (const Rect& drop : kOwnDrops) tb_PaintEllipse(work, &drop);
    // A new set of random colours at every drawing: the picture says "surprise".
    for (const Rect& drop : kRandomDrops) {
        set_colour(work, random_colour());
        tb_PaintEllipse(work, &drop);
    }
}

}  // namespace

void colour_mode_panel_draw(SceneObject* object, const Rect* panel) {
    draw_mode_panel(*object, *panel, kColourModes,
                    [object](BitmapRef work) { draw_colour_drops(work, *object); });
}

void colour_mode_panel_click(SceneObject* object, int32_t x, int32_t y, const Rect* panel) {
    click_mode_panel(*object, x, y, *panel, kColourModes);
}

void splat_panel_draw(SceneObject* object, const Rect* panel) {
    draw_mode_panel(*object, *panel, kSplatModes,
                    [object](BitmapRef work) { draw_colour_drops(work, *object); });
}

void splat_panel_click(SceneObject* object, int32_t x, int32_t y, const Rect* panel) {
    click_mode_panel(*object, x, y, *panel, kSplatModes);
}

void mirror_panel_draw(SceneObject* object, const Rect* panel) {
    draw_mode_panel(*object, *panel, kMirrorModes, [object](BitmapRef work) {
        set_colour(work, ToolColour{object->red, object->green, object->blue});
        for (const Rect& bar : kTwoWayIcon) tb_PaintRect(work, &bar);
        for (const Rect& square : kFourWayIcon) tb_PaintRect(work, &square);
    });
}

void mirror_panel_click(SceneObject* object, int32_t x, int32_t y, const Rect* panel) {
    click_mode_panel(*object, x, y, *panel, kMirrorModes);
}
