// Device-independent images: allocation, pixel sections, image resources, addressing and
// direct row copies.
#include <cstdlib>
#include <cstring>

#include "resources/resources.h"
#include "toolbox/internal.h"

namespace {

constexpr size_t kHeaderSize = sizeof(DibHeader);
constexpr size_t kIndexTable8 = 256 * sizeof(uint16_t);  // identity palette-index table

uint8_t* zeroed_block(size_t bytes) {
    return static_cast<uint8_t*>(std::calloc(bytes == 0 ? 1 : bytes, 1));
}

// Fills a toolbox-made header; returns the pixel byte count.
size_t fill_header(DibHeader* h, int32_t width, int32_t height, uint16_t bits) {
    h->size = 40;
    h->width = width;
    h->height = height;
    h->planes = 1;
    h->bitCount = bits;
    h->compression = 0;
    size_t bytes = static_cast<size_t>(tb_StorageWidth(bits, width)) * static_cast<size_t>(height);
    h->imageSize = static_cast<uint32_t>(bytes);
    h->colorsUsed = h->colorsImportant = bits == 8 ? 256 : 0;
    return bytes;
}

void fill_index_table(uint8_t* table) {
    auto* entries = reinterpret_cast<uint16_t*>(table);
    for (uint16_t i = 0; i < 256; ++i) entries[i] = i;
}

bool sane_size(int32_t width, int32_t height) {
    // Sizes the toolbox will allocate: positive, and small enough that no byte count overflows.
    return width > 0 && height > 0 && width <= 65536 && height <= 65536 &&
           static_cast<int64_t>(width) * height <= (int64_t{1} << 28);
}

}  // namespace

int32_t tb_StorageWidth(int32_t bitCount, int32_t width) {
    switch (bitCount) {
        case 8:
            return (width + 3) & ~3;
        case 16:
            return (2 * width + 3) & ~3;
        case 24:
            return (3 * width + 3) & ~3;
        case 4:
            return (((width + 1) / 2) + 3) & ~3;
        case 1:
            return (((width + 7) / 8) + 3) & ~3;
        default:
            return 0;
    }
}

DibImage tb_LoadImageResource(int32_t id) {
    DibImage img;
    ResourceBytes res = find_resource(ResourceKind::Bitmap, id);
    if (res.data == nullptr || res.size < kHeaderSize) return img;
    img.resource = zeroed_block(res.size);
    if (img.resource == nullptr) return img;
    std::memcpy(img.resource, res.data, res.size);
    img.header = reinterpret_cast<DibHeader*>(img.resource);
    size_t offset = kHeaderSize;
    if (img.header->bitCount == 8)
        offset += 256 * 4;
    else if (img.header->bitCount == 4)
        offset += 16 * 4;
    else if (img.header->bitCount == 1)
        offset += 2 * 4;
    img.pixels = img.resource + offset;
    const DibHeader& h = *img.header;
    size_t rows = static_cast<size_t>(tb_StorageWidth(h.bitCount, h.width)) *
                  static_cast<size_t>(h.height > 0 ? h.height : 0);
    if (!sane_size(h.width, h.height) || offset + rows > res.size) {
        // Not an image we can read whole: treat it like a missing one.
        tb_FreeDibImage(&img);
    }
    return img;
}

void tb_FreeDibImage(DibImage* image) {
    if (image == nullptr) return;
    if (image->section != nullptr) {
        std::free(image->section);
    } else if (image->resource != nullptr) {
        std::free(image->resource);
    } else if (image->header != nullptr) {
        std::free(image->header);
    }
    *image = DibImage{};
}

void tb_AllocDib8(DibImage* image, int32_t width, int32_t height) {
    *image = DibImage{};
    if (!sane_size(width, height)) return;
    size_t bytes = static_cast<size_t>(tb_StorageWidth(8, width)) * static_cast<size_t>(height);
    uint8_t* block = zeroed_block(kHeaderSize + kIndexTable8 + bytes);
    if (block == nullptr) return;
    image->header = reinterpret_cast<DibHeader*>(block);
    fill_header(image->header, width, height, 8);
    fill_index_table(block + kHeaderSize);
    image->pixels = block + kHeaderSize + kIndexTable8;
}

void tb_AllocDib24(DibImage* image, int32_t width, int32_t height) {
    *image = DibImage{};
    if (!sane_size(width, height)) return;
    size_t bytes = static_cast<size_t>(tb_StorageWidth(24, width)) * static_cast<size_t>(height);
    uint8_t* block = zeroed_block(kHeaderSize + bytes);
    if (block == nullptr) return;
    image->header = reinterpret_cast<DibHeader*>(block);
    fill_header(image->header, width, height, 24);
    image->pixels = block + kHeaderSize;
}

// A section is one block: header, colour table, pixels. `section` marks it drawable.
static void create_section(DibImage* image, int32_t width, int32_t height, uint16_t bits) {
    *image = DibImage{};
    if (!sane_size(width, height)) return;
    size_t table = bits == 8 ? kIndexTable8 : bits == 1 ? 8 : 0;
    size_t bytes = static_cast<size_t>(tb_StorageWidth(bits, width)) * static_cast<size_t>(height);
    uint8_t* block = zeroed_block(kHeaderSize + table + bytes);
    if (block == nullptr) return;
    image->section = block;
    image->header = reinterpret_cast<DibHeader*>(block);
    fill_header(image->header, width, height, bits);
    if (bits == 8) fill_index_table(block + kHeaderSize);
    if (bits == 1) {
        uint8_t white[4] = {255, 255, 255, 0};
        std::memcpy(block + kHeaderSize + 4, white, 4);  // entry 0 stays black
    }
    image->pixels = block + kHeaderSize + table;
}

void tb_CreateSection8(DibImage* image, int32_t width, int32_t height) {
    create_section(image, width, height, 8);
}
void tb_CreateSection24(DibImage* image, int32_t width, int32_t height) {
    create_section(image, width, height, 24);
}
void tb_CreateSection1(DibImage* image, int32_t width, int32_t height) {
    create_section(image, width, height, 1);
}

uint8_t* tb_PixelAddress(const DibImage* image, int32_t x, int32_t y) {
    if (image == nullptr || image->header == nullptr) return nullptr;
    const DibHeader& h = *image->header;
    if (x < 0 || y < 0 || x >= h.width || y >= h.height) return nullptr;
    int32_t stride = tb_StorageWidth(h.bitCount, h.width);
    uint8_t* row = image->pixels + static_cast<size_t>(h.height - y - 1) * stride;
    if (h.bitCount == 8) return row + x;
    if (h.bitCount == 24) return row + 3 * static_cast<size_t>(x);
    return nullptr;
}

void tb_CopyRows(const DibImage* src, int32_t sx, int32_t sy, int32_t w, int32_t h, DibImage* dst,
                 int32_t dx, int32_t dy, uint8_t key) {
    if (w <= 0 || h <= 0 || src == nullptr || dst == nullptr) return;
    if (src->header == nullptr || dst->header == nullptr ||
        src->header->bitCount != dst->header->bitCount) {
        return;  // rows of one depth only fit rows of the same depth
    }
    // The caller guarantees both rectangles lie inside their images; refuse quietly otherwise
    // rather than write outside a buffer.
    if (tb_PixelAddress(src, sx, sy) == nullptr ||
        tb_PixelAddress(src, sx + w - 1, sy + h - 1) == nullptr ||
        tb_PixelAddress(dst, dx, dy) == nullptr ||
        tb_PixelAddress(dst, dx + w - 1, dy + h - 1) == nullptr) {
        return;
    }
    size_t rowBytes = static_cast<size_t>(src->header->bitCount == 24 ? 3 * w : w);
    const uint8_t* s = tb_PixelAddress(src, sx, sy + h - 1);
    uint8_t* d = tb_PixelAddress(dst, dx, dy + h - 1);
    int32_t srcStride = tb_StorageWidth(src->header->bitCount, src->header->width);
    int32_t dstStride = tb_StorageWidth(dst->header->bitCount, dst->header->width);
    for (int32_t row = 0; row < h; ++row) {
        if (key == 0) {
            std::memmove(d, s, rowBytes);
        } else {
            for (size_t i = 0; i < rowBytes; ++i) {
                if (s[i] != key) d[i] = s[i];
            }
        }
        s += srcStride;
        d += dstStride;
    }
}
