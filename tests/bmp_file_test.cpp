// Picture files: the byte stream, the BMP writer and the BMP reader, checked byte by byte, against
// hostile files, and against ImageMagick as an independent decoder and encoder.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "pictures/bmp_reader.h"
#include "test_support.h"

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

namespace {

void put16(Bytes& b, size_t at, uint16_t v) {
    for (int i = 0; i < 2; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
void put32(Bytes& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
uint32_t get32(const Bytes& b, size_t at) {
    return uint32_t{b[at]} | uint32_t{b[at + 1]} << 8 | uint32_t{b[at + 2]} << 16 |
           uint32_t{b[at + 3]} << 24;
}

// The headers of a BMP file with the given fields; an 8-bit one gets a zeroed colour table.
Bytes bmp_headers(int32_t width, int32_t height, uint16_t bits, uint32_t pixelBytes,
                  uint32_t compression = 0) {
    uint32_t offset = bits == 8 ? 1078 : 54;
    Bytes b(offset, 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 2, offset + pixelBytes);
    put32(b, 10, offset);
    put32(b, 14, 40);
    put32(b, 18, static_cast<uint32_t>(width));
    put32(b, 22, static_cast<uint32_t>(height));
    put16(b, 26, 1);
    put16(b, 28, bits);
    put32(b, 30, compression);
    return b;
}

// A 24-bit picture whose every pixel differs and none is black.
BitmapRef make_picture(int32_t width, int32_t height) {
    BitmapRef b = make_bitmap(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            set_pixel_rgb(b, x, y, 0x102030u + static_cast<uint32_t>(y * 0x0A0103 + x * 0x010507));
        }
    }
    return b;
}

// The picture's stored bytes, bottom row first, padding included.
Bytes stored_bytes(BitmapRef b) {
    const DibImage* img = tb_GetBitmapImage(b);
    size_t n = static_cast<size_t>(tb_GetBitmapStorageWidth(b)) * img->header->height;
    return Bytes(img->pixels, img->pixels + n);
}

class PictureFiles : public ::testing::Test {
   protected:
    void SetUp() override {
        fresh_toolbox();
        if (tb_FileIsOpen()) tb_CloseFile();
        dir_ = fs::temp_directory_path() /
               ("tintamar-bmp-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        if (tb_FileIsOpen()) tb_CloseFile();
        fs::remove_all(dir_);
    }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    static void write_bytes(const std::string& file, const Bytes& bytes) {
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    static Bytes read_bytes(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

    // Saves as the Save command does: open, write, close. Returns the writer's result, or
    // -2 when the file could not be opened or the close failed.
    static int32_t save(BitmapRef b, const std::string& file) {
        if (tb_OpenFileForWriting(file.c_str()) != 1) return -2;
        int32_t written = tb_WriteBitmapToFile(b);
        return tb_CloseFile() == 1 ? written : -2;
    }
    static BitmapRef load(const std::string& file, Rect* rect) {
        if (tb_OpenFileForReading(file.c_str()) != 1) return -1;
        BitmapRef b = read_bmp_picture(rect);
        tb_CloseFile();
        return b;
    }
    BitmapRef load_bytes(const Bytes& bytes) {
        write_bytes(path("in.bmp"), bytes);
        Rect r;
        return load(path("in.bmp"), &r);
    }

    // True when no bitmap is left in the table (the next one gets slot 0).
    static bool table_is_empty() {
        BitmapRef probe = make_bitmap(1, 1);
        tb_DisposeBitmap(probe);
        return probe == 0;
    }

    fs::path dir_;
};

// ---------------------------------------------------------------------------------------------
// Writing

TEST_F(PictureFiles, OnePixelPictureIs58Bytes) {
    BitmapRef b = make_bitmap(1, 1);
    set_pixel_rgb(b, 0, 0, 0x0A141E);
    ASSERT_EQ(save(b, path("one.bmp")), 1);
    Bytes expected = bmp_headers(1, 1, 24, 4);
    expected.insert(expected.end(), {0x1E, 0x14, 0x0A, 0});
    EXPECT_EQ(read_bytes(path("one.bmp")), expected);
    EXPECT_EQ(expected.size(), 58u);
}

TEST_F(PictureFiles, RowsArePaddedToFourBytes) {
    struct Case {
        int32_t width;
        uint32_t stride;
    };
    for (Case c : {Case{640, 1920}, Case{641, 1924}, Case{1, 4}, Case{2, 8}, Case{3, 12}}) {
        SCOPED_TRACE(c.width);
        BitmapRef b = make_picture(c.width, 2);
        ASSERT_EQ(save(b, path("wide.bmp")), 1);
        Bytes file = read_bytes(path("wide.bmp"));
        EXPECT_EQ(file.size(), 54 + 2 * c.stride);
        EXPECT_EQ(get32(file, 2), file.size());
        EXPECT_EQ(get32(file, 10), 54u);
        Rect r;
        BitmapRef back = load(path("wide.bmp"), &r);
        ASSERT_GE(back, 0);
        EXPECT_EQ(pixel_rgb(back, c.width - 1, 0), pixel_rgb(b, c.width - 1, 0));
        EXPECT_EQ(pixel_rgb(back, 0, 1), pixel_rgb(b, 0, 1));
        tb_DisposeBitmap(back);
        tb_DisposeBitmap(b);
    }
}

TEST_F(PictureFiles, WriterRefusesWhatIsNotAPicture) {
    BitmapRef mask = make_bitmap(4, 4, 8);
    BitmapRef disposed = make_bitmap(4, 4);
    tb_DisposeBitmap(disposed);
    for (TargetRef bad : {TargetRef{TB_WINDOW_BASE}, TargetRef{-1}, disposed, mask}) {
        SCOPED_TRACE(bad);
        shown_boxes().clear();
        ASSERT_EQ(tb_OpenFileForWriting(path("bad.bmp").c_str()), 1);
        EXPECT_EQ(tb_WriteBitmapToFile(bad), 0);
        tb_CloseFile();
        EXPECT_EQ(box_texts(), std::vector<std::string>{"Invalid bitmap! (tb_WriteBitmapToFile)"});
        EXPECT_EQ(fs::file_size(path("bad.bmp")), 0u);
    }
}

TEST_F(PictureFiles, FailedWriteIsReported) {
    BitmapRef b = make_picture(8, 8);
    ASSERT_EQ(tb_OpenFileForWriting("/dev/full"), 1);
    EXPECT_EQ(tb_WriteBitmapToFile(b), -1);
    EXPECT_EQ(tb_CloseFile(), 0);
}

TEST_F(PictureFiles, FailedSaveKeepsTheEarlierPicture) {
    BitmapRef small = make_picture(2, 2);
    ASSERT_EQ(save(small, path("kept.bmp")), 1);
    Bytes before = read_bytes(path("kept.bmp"));

    // A disk that fills up part-way: writes beyond 1000 bytes fail.
    BitmapRef big = make_picture(100, 100);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit limit = old;
    limit.rlim_cur = 1000;
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    ASSERT_EQ(tb_OpenFileForWriting(path("kept.bmp").c_str()), 1);
    int32_t written = tb_WriteBitmapToFile(big);
    int32_t closed = tb_CloseFile();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(written, -1);
    EXPECT_EQ(closed, 0);
    EXPECT_EQ(read_bytes(path("kept.bmp")), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1)
        << "no partial file is left behind";
}

TEST_F(PictureFiles, SaveReplacesTheFileOnlyWhenClosed) {
    write_bytes(path("old.bmp"), Bytes{1, 2, 3});
    fs::permissions(path("old.bmp"),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    BitmapRef b = make_picture(3, 3);
    ASSERT_EQ(tb_OpenFileForWriting(path("old.bmp").c_str()), 1);
    ASSERT_EQ(tb_WriteBitmapToFile(b), 1);
    EXPECT_EQ(read_bytes(path("old.bmp")), (Bytes{1, 2, 3}));
    ASSERT_EQ(tb_CloseFile(), 1);
    EXPECT_EQ(fs::file_size(path("old.bmp")), 54u + 3 * 12);
    EXPECT_EQ(fs::status(path("old.bmp")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(PictureFiles, StreamHoldsOneFileAtATime) {
    write_bytes(path("a.bmp"), Bytes(10, 7));
    ASSERT_EQ(tb_OpenFileForReading(path("a.bmp").c_str()), 1);
    EXPECT_EQ(tb_OpenFileForReading(path("a.bmp").c_str()), 0);
    EXPECT_EQ(tb_OpenFileForWriting(path("b.bmp").c_str()), 0);
    EXPECT_EQ(tb_WriteFile("x", 1), 0);
    uint8_t buffer[16];
    EXPECT_EQ(tb_ReadFile(buffer, sizeof buffer), 10u);
    EXPECT_EQ(tb_ReadFile(buffer, sizeof buffer), 0u);
    EXPECT_EQ(tb_CloseFile(), 1);
    EXPECT_EQ(tb_FileIsOpen(), 0);
    EXPECT_EQ(tb_CloseFile(), 0);
    EXPECT_FALSE(fs::exists(path("b.bmp")));
}

// ---------------------------------------------------------------------------------------------
// Reading

TEST_F(PictureFiles, WrittenPictureReadsBackByteIdentical) {
    BitmapRef b = make_picture(5, 3);
    ASSERT_EQ(save(b, path("first.bmp")), 1);
    Rect r{9, 9, 9, 9};
    BitmapRef back = load(path("first.bmp"), &r);
    ASSERT_GE(back, 0);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 5);
    EXPECT_EQ(r.bottom, 3);
    EXPECT_EQ(stored_bytes(back), stored_bytes(b));
    ASSERT_EQ(save(back, path("second.bmp")), 1);
    EXPECT_EQ(read_bytes(path("second.bmp")), read_bytes(path("first.bmp")));
    EXPECT_TRUE(shown_boxes().empty());
}

TEST_F(PictureFiles, EightBitFileWithFullTableGivesTheSameColours) {
    // 17 x 16: every index once, rows padded to 20 bytes.
    const int32_t w = 17, h = 16;
    Bytes file = bmp_headers(w, h, 8, 20 * h);
    for (uint32_t i = 0; i < 256; ++i) {
        file[54 + 4 * i] = static_cast<uint8_t>(i);            // blue
        file[54 + 4 * i + 1] = static_cast<uint8_t>(255 - i);  // green
        file[54 + 4 * i + 2] = static_cast<uint8_t>(i * 7);    // red
    }
    for (int32_t row = 0; row < h; ++row) {
        for (int32_t x = 0; x < 20; ++x) file.push_back(static_cast<uint8_t>(row * w + x));
    }
    BitmapRef b = load_bytes(file);
    ASSERT_GE(b, 0);
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            uint32_t i = static_cast<uint32_t>((h - 1 - y) * w + x) & 255;
            uint32_t rgb = ((i * 7) & 255) << 16 | (255 - i) << 8 | i;
            ASSERT_EQ(pixel_rgb(b, x, y), rgb) << x << "," << y;
        }
    }
}

// Editors often store only the colours an 8-bit picture uses: the pixels then start right
// after the short table, where the file's pixel offset says.
TEST_F(PictureFiles, EightBitFileWithShortTableReadsItsPixelsWhereTheyStart) {
    const int32_t w = 3, h = 2;
    Bytes file = bmp_headers(w, h, 8, 4 * h);
    file.resize(54 + 2 * 4);  // two colours: red and blue
    put32(file, 10, 54 + 2 * 4);
    put32(file, 2, 54 + 2 * 4 + 4 * h);
    put32(file, 46, 2);
    put32(file, 54, 0x00FF0000u);
    put32(file, 58, 0x000000FFu);
    for (int index : {0, 1, 0, 0, 1, 1, 0, 0}) file.push_back(static_cast<uint8_t>(index));  // bottom row first
    BitmapRef b = load_bytes(file);
    ASSERT_GE(b, 0);
    EXPECT_EQ(pixel_rgb(b, 0, 1), 0xFF0000u);
    EXPECT_EQ(pixel_rgb(b, 1, 1), 0x0000FFu);
    EXPECT_EQ(pixel_rgb(b, 2, 1), 0xFF0000u);
    EXPECT_EQ(pixel_rgb(b, 0, 0), 0x0000FFu);
    EXPECT_EQ(pixel_rgb(b, 1, 0), 0x0000FFu);
    EXPECT_EQ(pixel_rgb(b, 2, 0), 0xFF0000u);
}

// An 8-bit file is read in pieces of whole rows; one that ends inside the second piece keeps
// every delivered pixel and leaves the rest black.
TEST_F(PictureFiles, LongEightBitFileCutShortKeepsWhatArrived) {
    const int32_t w = 1000, h = 80;  // 65 rows to a piece of 64 KB
    const size_t delivered = 70 * 1000 + 500;
    Bytes file = bmp_headers(w, h, 8, static_cast<uint32_t>(w * h));
    for (uint32_t i = 0; i < 256; ++i) put32(file, 54 + 4 * i, 0x00808000u | i);
    for (size_t i = 0; i < delivered; ++i) file.push_back(static_cast<uint8_t>(1 + i % 200));
    BitmapRef b = load_bytes(file);
    ASSERT_GE(b, 0);
    for (int32_t row = 0; row < h; ++row) {  // stored rows, bottom first
        for (int32_t x = 0; x < w; ++x) {
            size_t at = static_cast<size_t>(row * w + x);
            uint32_t want = at < delivered ? 0x808000u | static_cast<uint32_t>(1 + at % 200) : 0;
            ASSERT_EQ(pixel_rgb(b, x, h - 1 - row), want) << x << "," << row;
        }
    }
}

TEST_F(PictureFiles, UnsupportedFilesAreRefusedWithoutAllocating) {
    struct Case {
        const char* what;
        int32_t width, height;
        uint16_t bits;
        uint32_t compression;
    };
    const Case cases[] = {
        {"1 bit", 4, 4, 1, 0},
        {"4 bits", 4, 4, 4, 0},
        {"16 bits", 4, 4, 16, 0},
        {"32 bits", 4, 4, 32, 0},
        {"0 bits", 4, 4, 0, 0},
        {"run-length 8 bits", 4, 4, 8, 1},
        {"bit fields", 4, 4, 24, 3},
        {"top-down rows", 4, -4, 24, 0},
        {"zero width", 0, 4, 24, 0},
        {"negative width", -4, 4, 24, 0},
        {"zero height", 4, 0, 24, 0},
        {"most negative height", 4, INT32_MIN, 24, 0},
        {"60000 x 60000", 60000, 60000, 24, 0},
        {"too wide", kMaxPictureSide + 1, 1, 24, 0},
        {"too tall", 1, kMaxPictureSide + 1, 8, 0},
        {"too many pixels", 10000, 5001, 24, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes file = bmp_headers(c.width, c.height, c.bits, 64, c.compression);
        file.resize(file.size() + 64, 0x55);
        EXPECT_EQ(load_bytes(file), -1);
        EXPECT_TRUE(table_is_empty());
    }
    EXPECT_TRUE(shown_boxes().empty());
}

TEST_F(PictureFiles, LargestSidesAreAccepted) {
    for (auto [w, h] : {std::pair{kMaxPictureSide, 1}, std::pair{1, kMaxPictureSide}}) {
        Bytes file = bmp_headers(w, h, 24, 0);
        BitmapRef b = load_bytes(file);
        ASSERT_GE(b, 0);
        EXPECT_EQ(tb_GetBitmapWidth(b), w);
        EXPECT_EQ(tb_GetBitmapHeight(b), h);
        tb_DisposeBitmap(b);
    }
}

TEST_F(PictureFiles, CutHeadersAreRefused) {
    Bytes file24 = bmp_headers(2, 2, 24, 16);
    file24.resize(file24.size() + 16, 0x40);
    for (size_t keep = 0; keep < 54; ++keep) {
        EXPECT_EQ(load_bytes(Bytes(file24.begin(), file24.begin() + keep)), -1) << keep;
    }
    Bytes file8 = bmp_headers(2, 2, 8, 8);
    for (size_t keep : {54, 55, 600, 1077}) {
        EXPECT_EQ(load_bytes(Bytes(file8.begin(), file8.begin() + keep)), -1) << keep;
    }
    EXPECT_TRUE(table_is_empty());
}

// Files whose size fields promise more or fewer pixel bytes than they hold: the picture takes
// the bytes that are both promised and present, up to its own size, and stays black elsewhere.
TEST_F(PictureFiles, LyingSizeFieldsAreBoundedByThePicture) {
    const int32_t w = 3, h = 3;
    const size_t stride = 12, storage = stride * h;
    struct Case {
        const char* what;
        uint16_t bits;
        int64_t sizeField;   // file size field relative to the honest one
        size_t present;      // pixel bytes actually in the file
        size_t expectBytes;  // leading picture bytes (24-bit) or pixels (8-bit) filled in
    };
    const Case cases[] = {
        {"promises megabytes more, holds more", 24, 10'000'000, storage + 500, storage},
        {"promises the whole, holds one row", 24, 0, stride, stride},
        {"promises the whole, holds half a pixel", 24, 0, 1, 1},
        {"promises one row, holds the whole", 24, -2 * int64_t{stride}, storage, stride},
        {"size below the pixel offset", 24, -int64_t{storage} - 10, storage, 0},
        {"size field of 4 GB", 24, 0xFFFFFFFFLL - 54 - storage, storage, storage},
        {"8 bits, promises more", 8, 1'000'000, 3 * 4 + 40, 9},
        {"8 bits, ends inside the second row", 8, 0, 4 + 2, 5},
        {"8 bits, promises one row", 8, -8, 12, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        bool eight = c.bits == 8;
        uint32_t honest = eight ? 4 * h : storage;
        Bytes file = bmp_headers(w, h, c.bits, honest);
        put32(file, 2, static_cast<uint32_t>(get32(file, 2) + c.sizeField));
        if (eight) {
            for (uint32_t i = 0; i < 256; ++i) put32(file, 54 + 4 * i, 0x010203u * (i + 1));
        }
        for (size_t i = 0; i < c.present; ++i) file.push_back(static_cast<uint8_t>(i + 1));

        BitmapRef b = load_bytes(file);
        ASSERT_GE(b, 0);
        Bytes got = stored_bytes(b);
        if (!eight) {
            for (size_t i = 0; i < storage; ++i) {
                uint8_t want = i < c.expectBytes ? static_cast<uint8_t>(i + 1) : 0;
                ASSERT_EQ(got[i], want) << "byte " << i;
            }
        } else {
            for (size_t p = 0; p < size_t{w * h}; ++p) {
                size_t row = p / w, x = p % w;
                uint32_t index = static_cast<uint32_t>(row * 4 + x + 1) & 255;
                uint32_t want = p < c.expectBytes ? (0x010203u * (index + 1)) & 0xFFFFFF : 0;
                const uint8_t* px = &got[row * stride + 3 * x];
                ASSERT_EQ(uint32_t{px[0]} | px[1] << 8 | px[2] << 16, want) << "pixel " << p;
            }
        }
        tb_DisposeBitmap(b);
    }
}

TEST_F(PictureFiles, OnlyRegularFilesOpen) {
    EXPECT_EQ(tb_OpenFileForReading(dir_.c_str()), 0);
    EXPECT_EQ(tb_OpenFileForReading(path("missing.bmp").c_str()), 0);
    EXPECT_EQ(tb_OpenFileForReading("/dev/zero"), 0);
    EXPECT_EQ(tb_OpenFileForWriting(dir_.c_str()), 0);
    EXPECT_EQ(tb_OpenFileForWriting(path("no/such/folder.bmp").c_str()), 0);
    Rect r;
    EXPECT_EQ(read_bmp_picture(&r), -1) << "nothing is open";

    write_bytes(path("empty.bmp"), {});
    EXPECT_EQ(load(path("empty.bmp"), &r), -1);
    EXPECT_TRUE(table_is_empty());
}

// Every file that ever crashed or hung the fuzzed reader, and the fuzzing seeds, read safely.
TEST_F(PictureFiles, KeptHostileFilesReadSafely) {
    int files = 0;
    for (const char* folder : {"bmp-crashes", "bmp-seeds"}) {
        fs::path kept = fs::path(TEST_DATA_DIR) / folder;
        ASSERT_TRUE(fs::is_directory(kept)) << kept;
        for (const auto& entry : fs::directory_iterator(kept)) {
            if (!entry.is_regular_file() || entry.path().extension() == ".md") continue;
            SCOPED_TRACE(entry.path().string());
            ++files;
            Rect r;
            BitmapRef b = load(entry.path().string(), &r);
            if (b >= 0) {
                EXPECT_LE(int64_t{r.right} * r.bottom, kMaxPicturePixels);
                tb_DisposeBitmap(b);
            }
            EXPECT_TRUE(table_is_empty());
        }
    }
    EXPECT_GT(files, 0);
}

// ---------------------------------------------------------------------------------------------
// ImageMagick as the independent decoder and encoder

bool have_imagemagick() { return std::system("convert -version > /dev/null 2>&1") == 0; }

int run(const std::string& command) { return std::system((command + " 2>&1").c_str()); }

// A small picture with 40 colours (more than 16, so a palette file is 8-bit), as binary PPM.
Bytes forty_colour_ppm(int32_t w, int32_t h) {
    std::string head = "P6\n" + std::to_string(w) + " " + std::to_string(h) + "\n255\n";
    Bytes ppm(head.begin(), head.end());
    for (int32_t i = 0; i < w * h; ++i) {
        int32_t c = i % 40;
        ppm.insert(ppm.end(), {static_cast<uint8_t>(c * 6), static_cast<uint8_t>(255 - c * 5),
                               static_cast<uint8_t>((c * 37) & 255)});
    }
    return ppm;
}

TEST_F(PictureFiles, OurFilesOpenInImageMagick) {
    if (!have_imagemagick()) GTEST_SKIP() << "ImageMagick is not installed";
    const int32_t w = 7, h = 5;  // odd width: padded rows
    BitmapRef b = make_picture(w, h);
    ASSERT_EQ(save(b, path("ours.bmp")), 1);
    ASSERT_EQ(run("identify -format '%w %h\n' " + path("ours.bmp") + " > " + path("size.txt")), 0);
    Bytes size = read_bytes(path("size.txt"));
    EXPECT_EQ(std::string(size.begin(), size.end()), "7 5\n");
    ASSERT_EQ(run("convert " + path("ours.bmp") + " -depth 8 rgb:" + path("ours.rgb")), 0);
    Bytes rgb = read_bytes(path("ours.rgb"));
    ASSERT_EQ(rgb.size(), size_t{3 * w * h});
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            const uint8_t* p = &rgb[3 * (y * w + x)];
            EXPECT_EQ(uint32_t{p[0]} << 16 | p[1] << 8 | p[2], pixel_rgb(b, x, y)) << x << "," << y;
        }
    }
}

TEST_F(PictureFiles, ImageMagickFilesReadBackWithTheSamePixels) {
    if (!have_imagemagick()) GTEST_SKIP() << "ImageMagick is not installed";
    const int32_t w = 9, h = 6;
    Bytes ppm = forty_colour_ppm(w, h);
    write_bytes(path("in.ppm"), ppm);
    struct Case {
        const char* options;
        uint16_t bits;
    };
    // BMP3 files have the classic 40-byte header; plain BMP: gives the 124-byte header that
    // most editors write today, whose colour table and pixels start further on.
    for (Case c : {Case{"-type TrueColor BMP3:", 24}, Case{"-type Palette -compress none BMP3:", 8},
                   Case{"-type TrueColor BMP:", 24}, Case{"-type Palette -compress none BMP:", 8}}) {
        SCOPED_TRACE(c.options);
        ASSERT_EQ(run("convert " + path("in.ppm") + " " + c.options + path("im.bmp")), 0);
        Bytes file = read_bytes(path("im.bmp"));
        ASSERT_GT(file.size(), 30u);
        ASSERT_EQ(file[28], c.bits);
        Rect r;
        BitmapRef b = load(path("im.bmp"), &r);
        ASSERT_GE(b, 0);
        size_t pixels = ppm.size() - 3 * static_cast<size_t>(w * h);
        for (int32_t y = 0; y < h; ++y) {
            for (int32_t x = 0; x < w; ++x) {
                const uint8_t* p = &ppm[pixels + 3 * (y * w + x)];
                ASSERT_EQ(uint32_t{p[0]} << 16 | p[1] << 8 | p[2], pixel_rgb(b, x, y))
                    << x << "," << y;
            }
        }
        tb_DisposeBitmap(b);
    }
    // ImageMagick's own default for palette files is run-length compressed: refused.
    ASSERT_EQ(run("convert " + path("in.ppm") + " -type Palette BMP3:" + path("rle.bmp")), 0);
    Rect r;
    EXPECT_EQ(load(path("rle.bmp"), &r), -1);
}

}  // namespace
