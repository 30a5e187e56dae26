// The face of a message box we draw ourselves (where no toolkit can draw on the screen): an
// icon in a coloured disc, the text wrapped to fit the screen, and the buttons, in the cream,
// brown and blue of the program's own menu. Pixels only: showing them is the window system's.
// Toolbox sources only.
#pragma once

#include <cstdint>
#include <vector>

#include "toolbox/toolbox.h"

namespace tb {

enum class BoxIcon { Information, Exclamation, Question };

// Which button has the keyboard focus (Return presses it) and which one the mouse holds down.
struct BoxFaceState {
    int32_t focused = 0;
    int32_t pressed = -1;
};

struct BoxFace {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;  // 0xRRGGBB, rows top-down
    int32_t buttonCount = 0;       // 1 (OK) or 2 (Yes, No)
    Rect buttons[2];               // face pixels
    int32_t answers[2] = {};       // what each button answers: 1 OK or Yes, 0 No
};

// Lays the box out for a screen of screenWidth x screenHeight pixels (it stays at least 16
// pixels inside it on every side, the text wrapped to fit) and draws it. Blends between two
// colours take one of `shades` steps (2..256), so that a screen with few colours gets few.
BoxFace draw_box_face(BoxIcon icon, bool yesNo, const char* text, int32_t screenWidth,
                      int32_t screenHeight, const BoxFaceState& state, int32_t shades);

// The button of a face at (x, y) (face pixels), or -1.
int32_t box_face_button_at(const BoxFace& face, int32_t x, int32_t y);

}  // namespace tb
