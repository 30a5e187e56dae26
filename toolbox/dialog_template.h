// Dialog templates: text resources of the program that describe a dialog window, its title,
// client size, font and controls (the format is described in resources/dialogs/*.dlg).
// Shared by the toolbox and the window system under it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "toolbox/toolbox.h"

constexpr int32_t kMaxTemplateControls = 16;
constexpr size_t kMaxTemplateText = 64;  // bytes of any one text, the terminating zero included

enum class TemplateControlKind { Button, DefaultButton, Edit, ListBox, Picture };

struct TemplateControl {
    TemplateControlKind kind = TemplateControlKind::Button;
    int32_t id = -1;
    char text[kMaxTemplateText] = {};  // a button's label; a picture's bitmap id
    Rect rect;                         // client pixels, right and bottom exclusive
    bool sunken = false;
};

struct DialogTemplate {
    char title[kMaxTemplateText] = {};
    int32_t width = 0;  // client size in pixels
    int32_t height = 0;
    int32_t fontPoints = 0;
    char fontFamily[kMaxTemplateText] = {};
    int32_t controlCount = 0;
    TemplateControl controls[kMaxTemplateControls];
};

// Reads a template's text (not zero-terminated; size bytes). Unknown keys and malformed lines
// are passed over, texts longer than their field are cut, and controls past
// kMaxTemplateControls are dropped. False when the text gives no usable size.
bool parse_dialog_template(const char* text, size_t size, DialogTemplate* out);
