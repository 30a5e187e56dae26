#include "test_support.h"

#include "toolbox/internal.h"
#include "toolbox/platform_headless.h"

namespace {

std::vector<ShownBox> g_boxes;
int32_t g_answer = -1;

int32_t sink(int32_t kind, const char* title, const char* text) {
    g_boxes.push_back({kind, title, text});
    return kind == TB_BOX_YESNO ? g_answer : 1;
}

}  // namespace

TbEvent event_of(int32_t kind, int32_t x, int32_t y, int32_t key, int32_t modifiers) {
    TbEvent e;
    e.kind = kind;
    e.x = x;
    e.y = y;
    e.key = key;
    e.modifiers = modifiers;
    return e;
}

void fresh_toolbox() {
    headless::reset();
    tb_SetMessageSink(sink);
    tb_Startup();
    g_boxes.clear();
    g_answer = -1;
}

std::vector<ShownBox>& shown_boxes() { return g_boxes; }

void answer_questions(int32_t answer) { g_answer = answer; }

std::vector<std::string> box_texts() {
    std::vector<std::string> texts;
    for (const ShownBox& b : g_boxes) texts.push_back(b.text);
    return texts;
}

uint32_t pixel_rgb(BitmapRef bitmap, int32_t x, int32_t y) {
    const uint8_t* p = tb_PixelAddress(tb_GetBitmapImage(bitmap), x, y);
    if (p == nullptr) return 0xDEADBEEF;
    return (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
}

void set_pixel_rgb(BitmapRef bitmap, int32_t x, int32_t y, uint32_t rgb) {
    uint8_t* p = tb_PixelAddress(tb_GetBitmapImage(bitmap), x, y);
    if (p == nullptr) return;
    p[0] = static_cast<uint8_t>(rgb);
    p[1] = static_cast<uint8_t>(rgb >> 8);
    p[2] = static_cast<uint8_t>(rgb >> 16);
    // Pixel work straight on the image is reported, as the toolbox asks.
    Rect one{x, y, x + 1, y + 1};
    tb_AddTouchedRect(bitmap, &one);
}

BitmapRef make_bitmap(int32_t width, int32_t height, int32_t depth, int32_t source) {
    Rect r{0, 0, width, height};
    return tb_CreateBitmap(&r, source, depth);
}

std::vector<uint32_t> pixels_of(BitmapRef bitmap) {
    std::vector<uint32_t> all;
    for (int32_t y = 0; y < tb_GetBitmapHeight(bitmap); ++y) {
        for (int32_t x = 0; x < tb_GetBitmapWidth(bitmap); ++x) {
            all.push_back(pixel_rgb(bitmap, x, y));
        }
    }
    return all;
}

std::vector<uint32_t> pixels_through_copy(BitmapRef bitmap) {
    const int32_t w = tb_GetBitmapWidth(bitmap);
    const int32_t h = tb_GetBitmapHeight(bitmap);
    BitmapRef scratch = make_bitmap(w, h);
    Rect all{0, 0, w, h};
    tb_CopyBitmap(bitmap, scratch, &all, &all, 0);
    std::vector<uint32_t> pixels = pixels_of(scratch);
    tb_DisposeBitmap(scratch);
    return pixels;
}

Rect changed_bounds(BitmapRef bitmap, const std::vector<uint32_t>& before) {
    const int32_t w = tb_GetBitmapWidth(bitmap);
    Rect r{};
    bool any = false;
    for (int32_t y = 0; y < tb_GetBitmapHeight(bitmap); ++y) {
        for (int32_t x = 0; x < w; ++x) {
            if (pixel_rgb(bitmap, x, y) == before[static_cast<size_t>(y * w + x)]) continue;
            r = any ? Rect{std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1),
                           std::max(r.bottom, y + 1)}
                    : Rect{x, y, x + 1, y + 1};
            any = true;
        }
    }
    return r;
}

TbColor target_colour(TargetRef target, int32_t x, int32_t y) {
    tb::Target t = tb::resolve_target(target);
    if (t.image == nullptr || t.image->header == nullptr || x < 0 || y < 0 ||
        x >= t.image->header->width || y >= t.image->header->height) {
        return 0;
    }
    const uint8_t* p = tb_PixelAddress(t.image, x, y);
    if (t.image->header->bitCount == 8) return tb::stored_to_color(*t.image, *p);
    return tb_MakeColor(p[2], p[1], p[0]);
}
