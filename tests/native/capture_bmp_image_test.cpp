#include "capture/bmp_image.h"

#include <gtest/gtest.h>

#include "capture/indexed_image.h"

namespace corvanta {
namespace {

uint32_t U32At(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | uint32_t{bytes[at + 1]} << 8 | uint32_t{bytes[at + 2]} << 16 | uint32_t{bytes[at + 3]} << 24;
}
uint32_t U16At(const std::vector<uint8_t>& bytes, size_t at) { return bytes[at] | uint32_t{bytes[at + 1]} << 8; }

std::vector<uint8_t> Image(int64_t width, int64_t height, int depth) {
  const std::optional<BmpLayout> layout = LayOutBmp(width, height, depth);
  return layout ? NewBmpImage(*layout) : std::vector<uint8_t>{};
}

TEST(CaptureBmpImage, SizesAndOffsetsPerDepth) {
  struct Row {
    int width, height, depth;
    uint32_t stride, pixelOffset, fileBytes;
  };
  const Row rows[] = {
      {1, 1, 24, 4, 54, 58},        {3, 2, 1, 4, 62, 70},        {33, 1, 1, 8, 62, 70},
      {7, 3, 4, 4, 118, 130},       {5, 2, 8, 8, 1078, 1094},    {3, 2, 16, 8, 54, 70},
      {1920, 1080, 32, 7680, 54, 54 + 7680 * 1080},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.width << "x" << row.height << "@" << row.depth);
    const std::vector<uint8_t> bytes = Image(row.width, row.height, row.depth);
    ASSERT_EQ(bytes.size(), row.fileBytes);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(U32At(bytes, 2), row.fileBytes);
    EXPECT_EQ(U32At(bytes, 6), 0u);
    EXPECT_EQ(U32At(bytes, 10), row.pixelOffset);
    EXPECT_EQ(U32At(bytes, 14), 40u);
    EXPECT_EQ(static_cast<int32_t>(U32At(bytes, 18)), row.width);
    EXPECT_EQ(static_cast<int32_t>(U32At(bytes, 22)), row.height);  // positive: bottom-up
    EXPECT_EQ(U16At(bytes, 26), 1u);
    EXPECT_EQ(U16At(bytes, 28), static_cast<uint32_t>(row.depth));
    for (size_t at = 30; at < 54; at += 4) EXPECT_EQ(U32At(bytes, at), 0u) << "header field at " << at;
    EXPECT_EQ(BmpStride(row.width, row.depth), row.stride);
    for (size_t at = row.pixelOffset; at < bytes.size(); ++at) ASSERT_EQ(bytes[at], 0) << "pixel byte " << at;
  }
}

TEST(CaptureBmpImage, RefusedLayouts) {
  EXPECT_FALSE(LayOutBmp(0, 5, 32));
  EXPECT_FALSE(LayOutBmp(5, -1, 32));
  EXPECT_FALSE(LayOutBmp(-100, -100, 24));
  for (int depth : {0, 2, 3, 12, 15, 48, 64}) EXPECT_FALSE(LayOutBmp(4, 4, depth)) << depth;
  // 512 MiB is the largest file: 8192 x 16383 at 32 bpp is just under it, one row more is over.
  EXPECT_TRUE(LayOutBmp(8192, 16383, 32));
  EXPECT_FALSE(LayOutBmp(8192, 16384, 32));
  EXPECT_FALSE(LayOutBmp(int64_t{1} << 40, 1, 32));
  EXPECT_FALSE(LayOutBmp(1, int64_t{1} << 40, 1));
  EXPECT_FALSE(LayOutBmp(70000, 70000, 32));  // the product would overflow 32 bits
  // A side longer than the limit in bytes still fits at 1 bpp; the limit is the file's size.
  const std::optional<BmpLayout> wide = LayOutBmp(1056998656, 1, 1);
  ASSERT_TRUE(wide);
  EXPECT_EQ(wide->fileBytes, 62u + 132124832u);
  EXPECT_EQ(LayOutBmp(INT32_MAX, 1, 1)->fileBytes, 62u + 268435456u);
  EXPECT_FALSE(LayOutBmp(int64_t{INT32_MAX} + 1, 1, 1));  // no 32-bit side
  EXPECT_FALSE(LayOutBmp(INT64_MAX, 1, 1));
}

TEST(CaptureBmpImage, FixedPalettesAreStoredInFull) {
  auto entry = [](const std::vector<uint8_t>& bytes, size_t i) {
    const size_t at = 54 + 4 * i;
    return RgbQuad{bytes[at], bytes[at + 1], bytes[at + 2], bytes[at + 3]};
  };
  auto rgb = [](int r, int g, int b) {
    return RgbQuad{static_cast<uint8_t>(b), static_cast<uint8_t>(g), static_cast<uint8_t>(r), 0};
  };
  const std::vector<uint8_t> one = Image(1, 1, 1);
  EXPECT_EQ(entry(one, 0), rgb(0, 0, 0));
  EXPECT_EQ(entry(one, 1), rgb(255, 255, 255));

  const int standard[16][3] = {{0, 0, 0},     {128, 0, 0},   {0, 128, 0},     {128, 128, 0},
                               {0, 0, 128},   {128, 0, 128}, {0, 128, 128},   {128, 128, 128},
                               {192, 192, 192}, {255, 0, 0}, {0, 255, 0},     {255, 255, 0},
                               {0, 0, 255},   {255, 0, 255}, {0, 255, 255},   {255, 255, 255}};
  const std::vector<uint8_t> four = Image(1, 1, 4);
  for (size_t i = 0; i < 16; ++i) {
    EXPECT_EQ(entry(four, i), rgb(standard[i][0], standard[i][1], standard[i][2])) << i;
  }

  const int head[10][3] = {{0, 0, 0},     {128, 0, 0},   {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
                           {128, 0, 128}, {0, 128, 128}, {192, 192, 192}, {192, 220, 192}, {166, 202, 240}};
  const int tail[10][3] = {{255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},   {0, 255, 0},
                           {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255}, {255, 255, 255}};
  const std::vector<uint8_t> eight = Image(1, 1, 8);
  for (size_t i = 0; i < 10; ++i) {
    EXPECT_EQ(entry(eight, i), rgb(head[i][0], head[i][1], head[i][2])) << i;
    EXPECT_EQ(entry(eight, 246 + i), rgb(tail[i][0], tail[i][1], tail[i][2])) << 246 + i;
  }
  for (int i = 10; i < 246; ++i) {
    EXPECT_EQ(entry(eight, i), rgb(32 * (i % 8), 32 * ((i / 8) % 8), 64 * (i / 64))) << i;
  }
  // Depths without a palette put the pixels right after the headers.
  for (int depth : {16, 24, 32}) {
    EXPECT_EQ(PaletteEntries(depth), 0u);
    EXPECT_EQ(U32At(Image(1, 1, depth), 10), 54u);
  }
}

TEST(CaptureBmpImage, ReadHeaderChecksTheBytes) {
  std::vector<uint8_t> bytes = Image(3, 2, 8);
  const std::optional<BmpHeader> header = ReadBmpHeader(bytes);
  ASSERT_TRUE(header);
  EXPECT_EQ(header->layout.width, 3);
  EXPECT_EQ(header->palette.size(), 1024u);
  EXPECT_EQ(header->pixels.size(), 8u);
  EXPECT_FALSE(ReadBmpHeader(std::vector<uint8_t>(bytes.begin(), bytes.end() - 1)));  // a pixel byte short
  bytes[30] = 1;  // compressed
  EXPECT_FALSE(ReadBmpHeader(bytes));
  EXPECT_FALSE(ReadBmpHeader(NoImage()));
}

// Writes one pixel of an image at (x, y), y counted from the top.
void SetPixel(std::vector<uint8_t>& image, int x, int y, uint32_t value) {
  const BmpHeader header = *ReadBmpHeader(image);
  uint8_t* row = image.data() + header.layout.pixelOffset + (header.layout.height - 1 - y) * header.layout.stride;
  switch (header.layout.depth) {
    case 1:
      row[x / 8] |= static_cast<uint8_t>(value << (7 - x % 8));
      break;
    case 4:
      row[x / 2] |= static_cast<uint8_t>(value << (x % 2 ? 0 : 4));
      break;
    case 16:
      row[2 * x] = static_cast<uint8_t>(value);
      row[2 * x + 1] = static_cast<uint8_t>(value >> 8);
      break;
    default: {
      const int bytesPerPixel = header.layout.depth / 8;
      for (int i = 0; i < bytesPerPixel; ++i) row[bytesPerPixel * x + i] = static_cast<uint8_t>(value >> 8 * i);
    }
  }
}

uint8_t IndexAt(const std::vector<uint8_t>& image, int x, int y) {
  const BmpHeader header = *ReadBmpHeader(image);
  return header.pixels[(header.layout.height - 1 - y) * header.layout.stride + x];
}

TEST(CaptureIndexedImage, EveryDepthBecomesTheSame8BitPicture) {
  // Top row white, red, black; bottom row black, black, (0,128,128).
  struct Row {
    int depth;
    uint32_t white, red, teal;
  };
  const Row rows[] = {{4, 15, 9, 6}, {8, 255, 249, 6}, {16, 0x7FFF, 0x7C00, 0x0210},
                      {24, 0xFFFFFF, 0xFF0000, 0x008080}, {32, 0xFFFFFF, 0xFF0000, 0x008080}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.depth);
    std::vector<uint8_t> source = Image(3, 2, row.depth);
    SetPixel(source, 0, 0, row.white);
    SetPixel(source, 1, 0, row.red);
    SetPixel(source, 2, 1, row.teal);
    const std::optional<std::vector<uint8_t>> indexed = ToIndexed8(source);
    ASSERT_TRUE(indexed);
    const BmpHeader header = *ReadBmpHeader(*indexed);
    EXPECT_EQ(header.layout.depth, 8);
    EXPECT_EQ(header.layout.width, 3);
    EXPECT_EQ(header.layout.height, 2);
    EXPECT_EQ(IndexAt(*indexed, 0, 0), 255);
    EXPECT_EQ(IndexAt(*indexed, 1, 0), 249);
    EXPECT_EQ(IndexAt(*indexed, 2, 0), 0);
    EXPECT_EQ(IndexAt(*indexed, 0, 1), 0);
    EXPECT_EQ(IndexAt(*indexed, 2, 1), 6);
  }
  std::vector<uint8_t> mono = Image(9, 1, 1);
  SetPixel(mono, 8, 0, 1);  // the first pixel of the second byte
  const std::vector<uint8_t> indexed = *ToIndexed8(mono);
  EXPECT_EQ(IndexAt(indexed, 7, 0), 0);
  EXPECT_EQ(IndexAt(indexed, 8, 0), 255);
  EXPECT_FALSE(ToIndexed8(NoImage()));
}

TEST(CaptureIndexedImage, NearestEntryOfTheFixedPalette) {
  EXPECT_EQ(NearestPaletteIndex(192, 220, 192), 8);
  EXPECT_EQ(NearestPaletteIndex(160, 160, 164), 247);
  EXPECT_EQ(NearestPaletteIndex(250, 250, 250), 255);
  EXPECT_EQ(NearestPaletteIndex(33, 65, 60), 81);  // cube entry (32, 64, 64)
  EXPECT_EQ(NearestPaletteIndex(0, 128, 128), 6);  // also cube entry 160: the lower index wins
}

}  // namespace
}  // namespace corvanta
