#include "text/control_look.h"

void control_ink(TargetRef target, TbColor colour) {
    tb_SetForeColor(target, tb_ColorRed(colour) * 255u, tb_ColorGreen(colour) * 255u,
                    tb_ColorBlue(colour) * 255u);
}

void control_paint(TargetRef target, const Rect& r, TbColor colour) {
    control_ink(target, colour);
    tb_PaintRect(target, &r);
}

void control_focus_ring(BitmapRef canvas, const Rect& r) {
    tb_FillSoftRoundRect(canvas, &r, kFocusRing + 2, kControlChosen);
}
