// The desktop's clipboard as text: what the text field pastes and copies.
#include <cstring>
#include <string>

#include "toolbox/platform.h"

int32_t tb_GetClipboardText(char* buffer, int32_t size) {
    if (buffer == nullptr || size <= 0) return 0;
    const std::string text = platform::clipboard_text();
    auto length = static_cast<int32_t>(std::min<size_t>(text.size(), size_t(size - 1)));
    // A cut never splits a character: step back over continuation bytes to where one starts.
    if (length < static_cast<int32_t>(text.size())) {
        while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
    }
    std::memcpy(buffer, text.data(), static_cast<size_t>(length));
    buffer[length] = 0;
    return length;
}

void tb_SetClipboardText(const char* text) { platform::set_clipboard_text(text); }
