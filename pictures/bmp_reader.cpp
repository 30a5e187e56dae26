// The BMP reader. Every number in a file may lie, so each one is checked before it sizes an
// allocation or a copy, and the copies are bounded by the picture's own storage.
#include "pictures/bmp_reader.h"

#include <algorithm>
#include <memory>

namespace {

constexpr size_t kHeadersSize = 14 + 40;
constexpr size_t kColorTableSize = 256 * 4;
constexpr size_t kRowChunkBytes = 64 * 1024;  // how much of an 8-bit file is read at once
// Longer information headers (52 to 124 bytes: the versions most editors write today) put the
// colour table and the pixels further on; anything longer is not a bitmap header.
constexpr uint32_t kLongestInfoHeader = 124;

uint16_t get16(const uint8_t* at) { return static_cast<uint16_t>(at[0] | (at[1] << 8)); }

uint32_t get32(const uint8_t* at) {
    return uint32_t{at[0]} | (uint32_t{at[1]} << 8) | (uint32_t{at[2]} << 16) |
           (uint32_t{at[3]} << 24);
}

struct BmpHeaders {
    uint32_t fileSize;
    uint32_t pixelOffset;
    uint32_t infoSize;
    int32_t width;
    int32_t height;
    uint16_t bitCount;
    uint32_t compression;
};

BmpHeaders parse_headers(const uint8_t* bytes) {
    return BmpHeaders{
        .fileSize = get32(bytes + 2),
        .pixelOffset = get32(bytes + 10),
        .infoSize = get32(bytes + 14),
        .width = static_cast<int32_t>(get32(bytes + 18)),
        .height = static_cast<int32_t>(get32(bytes + 22)),
        .bitCount = get16(bytes + 28),
        .compression = get32(bytes + 30),
    };
}

// Uncompressed bottom-up 24- or 8-bit pictures of a size we are willing to allocate.
bool acceptable(const BmpHeaders& h) {
    if (h.bitCount != 24 && h.bitCount != 8) return false;
    if (h.compression != 0) return false;
    if (h.width <= 0 || h.height <= 0) return false;  // a negative height means top-down rows
    if (h.width > kMaxPictureSide || h.height > kMaxPictureSide) return false;
    if (h.infoSize > kLongestInfoHeader) return false;
    return int64_t{h.width} * h.height <= kMaxPicturePixels;
}

// The pixel bytes the file promises: file size minus pixel offset, never negative.
size_t promised_pixel_bytes(const BmpHeaders& h) {
    return h.fileSize > h.pixelOffset ? size_t{h.fileSize - h.pixelOffset} : 0;
}

// Reads up to `bytes` bytes of 8-bit rows and draws each delivered index through the colour
// table into the 24-bit picture. Rows arrive bottom row first, as the picture stores them.
void read_indexed_rows(const uint8_t* table, size_t bytes, const DibImage& picture) {
    const int32_t width = picture.header->width;
    const size_t srcStride = static_cast<size_t>(tb_StorageWidth(8, width));
    const size_t dstStride = static_cast<size_t>(tb_StorageWidth(24, width));
    const size_t rowsPerChunk = std::max<size_t>(1, kRowChunkBytes / srcStride);
    auto chunk = std::make_unique<uint8_t[]>(rowsPerChunk * srcStride);

    size_t row = 0;
    while (bytes > 0) {
        size_t want = std::min(bytes, rowsPerChunk * srcStride);
        size_t got = tb_ReadFile(chunk.get(), want);
        for (size_t offset = 0; offset < got; offset += srcStride, ++row) {
            size_t pixels = std::min<size_t>(static_cast<size_t>(width), got - offset);
            const uint8_t* src = chunk.get() + offset;
            uint8_t* dst = picture.pixels + row * dstStride;
            for (size_t x = 0; x < pixels; ++x) {
                const uint8_t* quad = table + 4 * size_t{src[x]};  // blue, green, red, 0
                dst[3 * x] = quad[0];
                dst[3 * x + 1] = quad[1];
                dst[3 * x + 2] = quad[2];
            }
        }
        if (got < want) return;  // the file ended early: the rest stays as created
        bytes -= got;
    }
}

// Reads and drops bytes: the stream only ever moves forward. False when the file ends first.
bool pass_over(size_t bytes) {
    uint8_t scrap[256];
    while (bytes > 0) {
        size_t want = std::min(bytes, sizeof scrap);
        if (tb_ReadFile(scrap, want) != want) return false;
        bytes -= want;
    }
    return true;
}

}  // namespace

BitmapRef read_bmp_picture(Rect* rect) {
    uint8_t headerBytes[kHeadersSize];
    if (tb_ReadFile(headerBytes, sizeof headerBytes) != sizeof headerBytes) return -1;
    const BmpHeaders h = parse_headers(headerBytes);
    if (!acceptable(h)) return -1;

    // A longer information header is passed over, and so is anything between the colour table
    // and the pixels when the file says they start further on; a plain file has neither.
    size_t consumed = kHeadersSize;
    if (h.infoSize > 40) {
        if (!pass_over(h.infoSize - 40)) return -1;
        consumed += h.infoSize - 40;
    }
    // The colour table has 256 entries, unless the pixels start sooner: many editors store only
    // the colours they use, and reading 256 entries there would take pixels for colours.
    uint8_t table[kColorTableSize] = {};
    if (h.bitCount == 8) {
        size_t tableBytes = sizeof table;
        if (h.pixelOffset >= consumed + 4 && h.pixelOffset < consumed + sizeof table) {
            tableBytes = (h.pixelOffset - consumed) / 4 * 4;
        }
        if (tb_ReadFile(table, tableBytes) != tableBytes) return -1;
        consumed += tableBytes;
    }
    if (h.pixelOffset > consumed && h.pixelOffset - consumed <= kColorTableSize &&
        !pass_over(h.pixelOffset - consumed)) {
        return -1;
    }

    Rect size{0, 0, h.width, h.height};
    BitmapRef picture = tb_CreateBitmap(&size, -1, 24);
    if (picture < 0) return -1;
    const DibImage& image = *tb_GetBitmapImage(picture);

    size_t promised = promised_pixel_bytes(h);
    size_t stored =
        static_cast<size_t>(tb_StorageWidth(h.bitCount, h.width)) * static_cast<size_t>(h.height);
    if (h.bitCount == 24) {
        // The file's rows are the picture's memory, byte for byte.
        tb_ReadFile(image.pixels, std::min(promised, stored));
    } else {
        read_indexed_rows(table, std::min(promised, stored), image);
    }
    *rect = Rect{0, 0, h.width, h.height};
    return picture;
}
