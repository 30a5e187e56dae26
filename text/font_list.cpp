#include "text/font_list.h"

#include <algorithm>

#include "text/utf8.h"
#include "toolbox/toolbox.h"

namespace {

int32_t count_of(const FontList& list) { return static_cast<int32_t>(list.names.size()); }

// Simple case folding: ASCII, Latin-1 and Latin Extended-A capitals to their small letters.
uint32_t fold(uint32_t code) {
    if (code >= 'A' && code <= 'Z') return code + 32;
    if (code >= 0xC0 && code <= 0xDE && code != 0xD7) return code + 32;
    if (code >= 0x100 && code <= 0x17F && code % 2 == 0) return code + 1;
    return code;
}

bool starts_with(const std::string& name, uint32_t code) {
    const auto length = static_cast<int32_t>(name.size());
    return length > 0 && fold(utf8_decode(name.c_str(), length, 0)) == fold(code);
}

}  // namespace

int32_t font_list_find(const FontList& list, const char* name) {
    for (int32_t i = 0; i < count_of(list); ++i) {
        if (list.names[static_cast<size_t>(i)] == name) return i;
    }
    return -1;
}

int32_t font_list_last_top(const FontList& list) {
    return std::max(0, count_of(list) - std::max(1, list.rowsInView));
}

void font_list_clamp(FontList* list) {
    list->top = std::clamp(list->top, 0, font_list_last_top(*list));
}

bool font_list_select(FontList* list, int32_t index) {
    if (list->names.empty()) return false;
    index = std::clamp(index, 0, count_of(*list) - 1);
    const bool changed = index != list->selected;
    list->selected = index;
    const int32_t rows = std::max(1, list->rowsInView);
    if (index < list->top) list->top = index;
    if (index >= list->top + rows) list->top = index - rows + 1;
    font_list_clamp(list);
    return changed;
}

bool font_list_key(FontList* list, int32_t key) {
    const int32_t page = std::max(1, list->rowsInView - 1);
    const int32_t at = list->selected;
    switch (key) {
        case TB_VK_UP:
            return font_list_select(list, at < 0 ? 0 : at - 1);
        case TB_VK_DOWN:
            return font_list_select(list, at + 1);
        case TB_VK_PRIOR:
            return font_list_select(list, at < 0 ? 0 : at - page);
        case TB_VK_NEXT:
            return font_list_select(list, at < 0 ? page : at + page);
        case TB_VK_HOME:
            return font_list_select(list, 0);
        case TB_VK_END:
            return font_list_select(list, count_of(*list) - 1);
        default:
            return false;
    }
}

bool font_list_type(FontList* list, uint32_t code) {
    const int32_t count = count_of(*list);
    for (int32_t step = 1; step <= count; ++step) {
        const int32_t i = ((list->selected < 0 ? -1 : list->selected) + step) % count;
        if (starts_with(list->names[static_cast<size_t>(i)], code))
            return font_list_select(list, i);
    }
    return false;
}

bool font_list_scroll(FontList* list, int32_t rows) {
    const int32_t before = list->top;
    list->top += rows;
    font_list_clamp(list);
    return list->top != before;
}
