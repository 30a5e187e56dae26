// Writes a 24-bit bitmap to the open byte stream as a BMP file: the 14-byte file header, the
// 40-byte information header and the bottom-up pixel rows, exactly as they lie in memory.
#include "toolbox/internal.h"

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;

void put16(uint8_t* at, uint16_t value) {
    at[0] = static_cast<uint8_t>(value);
    at[1] = static_cast<uint8_t>(value >> 8);
}

void put32(uint8_t* at, uint32_t value) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

int32_t tb_WriteBitmapToFile(BitmapRef bitmap) {
    const DibImage* image = tb::bitmap_image(bitmap);
    // Only 24-bit pictures are ever saved; any other depth would need a colour table.
    if (image == nullptr || image->header->bitCount != 24) {
        tb_Error("Invalid bitmap! (tb_WriteBitmapToFile)");
        return 0;
    }
    const DibHeader& h = *image->header;
    tb::prepare_reading(bitmap, 0, h.height);
    uint32_t pixelBytes =
        static_cast<uint32_t>(tb_StorageWidth(24, h.width)) * static_cast<uint32_t>(h.height);

    uint8_t fileHeader[kFileHeaderSize] = {'B', 'M'};
    put32(fileHeader + 2, pixelBytes + kFileHeaderSize + kInfoHeaderSize);
    put32(fileHeader + 10, kInfoHeaderSize + kFileHeaderSize);

    // The picture's own header, with the fields a saved picture always carries.
    uint8_t infoHeader[kInfoHeaderSize] = {};
    put32(infoHeader + 0, kInfoHeaderSize);
    put32(infoHeader + 4, static_cast<uint32_t>(h.width));
    put32(infoHeader + 8, static_cast<uint32_t>(h.height));
    put16(infoHeader + 12, 1);
    put16(infoHeader + 14, 24);

    if (tb_WriteFile(fileHeader, sizeof fileHeader) == 0) return -1;
    if (tb_WriteFile(infoHeader, sizeof infoHeader) == 0) return -1;
    if (tb_WriteFile(image->pixels, pixelBytes) == 0) return -1;
    return 1;
}
