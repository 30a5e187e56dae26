// Small rectangle helpers used everywhere. Rectangles are right- and bottom-exclusive.
#include <algorithm>

#include "toolbox/toolbox.h"

void tb_SetRect(Rect* rect, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    *rect = Rect{left, top, right, bottom};
}

void tb_OffsetRect(Rect* rect, int32_t dx, int32_t dy) {
    rect->left += dx;
    rect->right += dx;
    rect->top += dy;
    rect->bottom += dy;
}

void tb_InsetRect(Rect* rect, int32_t dx, int32_t dy) {
    rect->left += dx;
    rect->right -= dx;
    rect->top += dy;
    rect->bottom -= dy;
}

int32_t tb_PtInRect(int32_t x, int32_t y, const Rect* rect) {
    return x >= rect->left && x < rect->right && y >= rect->top && y < rect->bottom ? 1 : 0;
}

static bool is_empty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

int32_t tb_IntersectRect(Rect* dst, const Rect* a, const Rect* b) {
    Rect r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
           std::min(a->bottom, b->bottom)};
    if (is_empty(r)) {
        *dst = Rect{};
        return 0;
    }
    *dst = r;
    return 1;
}

int32_t tb_UnionRect(const Rect* a, const Rect* b, Rect* dst) {
    if (is_empty(*a) && is_empty(*b)) {
        *dst = Rect{};
        return 0;
    }
    if (is_empty(*a)) {
        *dst = *b;
    } else if (is_empty(*b)) {
        *dst = *a;
    } else {
        *dst = Rect{std::min(a->left, b->left), std::min(a->top, b->top),
                    std::max(a->right, b->right), std::max(a->bottom, b->bottom)};
    }
    return 1;
}
