// Modeless dialogs: windows of their own that stay up while the program goes on working, made
// from a dialog template and the bitmap resources its picture controls name.
#include <cstdlib>
#include <vector>

#include "toolbox/internal.h"
#include "toolbox/platform.h"

using namespace tb;

namespace {

// An image resource of any depth as RGBA rows, top-down; empty when there is none.
std::vector<uint8_t> resource_rgba(int32_t id, int* width, int* height) {
    std::vector<uint8_t> rgba;
    DibImage image = tb_LoadImageResource(id);
    *width = *height = 0;
    if (image.header == nullptr) return rgba;
    *width = image.header->width;
    *height = image.header->height;
    rgba.reserve(static_cast<size_t>(*width) * static_cast<size_t>(*height) * 4);
    for (int32_t y = 0; y < *height; ++y) {
        for (int32_t x = 0; x < *width; ++x) {
            TbColor c = stored_to_color(image, stored_pixel(image, x, y));
            rgba.insert(rgba.end(), {tb_ColorRed(c), tb_ColorGreen(c), tb_ColorBlue(c), 255});
        }
    }
    tb_FreeDibImage(&image);
    return rgba;
}

}  // namespace

NativeWindow tb_CreateModelessDialog(int16_t templateId, TbDialogProc proc) {
    size_t size = 0;
    const char* text = tb_GetDialogTemplate(templateId, &size);
    DialogTemplate dialog;
    if (proc == nullptr || !parse_dialog_template(text, size, &dialog)) return 0;
    std::vector<uint8_t> images[kMaxTemplateControls];
    platform::DialogPicture pictures[kMaxTemplateControls];
    int32_t count = 0;
    for (int32_t i = 0; i < dialog.controlCount; ++i) {
        const TemplateControl& c = dialog.controls[i];
        if (c.kind != TemplateControlKind::Picture) continue;
        platform::DialogPicture& p = pictures[count];
        images[count] = resource_rgba(std::atoi(c.text), &p.width, &p.height);
        p.rgba = images[count].empty() ? nullptr : images[count].data();
        ++count;
    }
    return platform::open_modeless_dialog(dialog, pictures, proc);
}

void tb_DestroyModelessDialog(NativeWindow dialog) {
    if (dialog != 0) platform::close_modeless_dialog(dialog);
}
