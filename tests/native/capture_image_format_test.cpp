#include "capture/image_format.h"

#include <gtest/gtest.h>

#include <vector>

#include "capture/bmp_image.h"

namespace corvanta {
namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> head, size_t fill, std::initializer_list<int> tail) {
  std::vector<uint8_t> bytes;
  for (int b : head) bytes.push_back(static_cast<uint8_t>(b));
  bytes.insert(bytes.end(), fill, 0);
  for (int b : tail) bytes.push_back(static_cast<uint8_t>(b));
  return bytes;
}

TEST(CaptureImageFormat, ExtensionsAndEncoders) {
  EXPECT_EQ(FormatExtension(ImageFormat::kBmp), ".bmp");
  EXPECT_EQ(FormatExtension(ImageFormat::kJpeg), ".jpg");
  EXPECT_EQ(FormatExtension(ImageFormat::kGif), ".gif");
  EXPECT_EQ(FormatExtension(ImageFormat::kPng), ".png");
  EXPECT_EQ(EncoderClsidText(ImageFormat::kGif), "{557CF402-1A04-11D3-9A73-0000F81EF32E}");
  EXPECT_EQ(EncoderClsidText(ImageFormat::kPng), "{557CF406-1A04-11D3-9A73-0000F81EF32E}");
}

TEST(CaptureImageFormat, EncodedFilesAreBelievedOnlyWhenPlausible) {
  const std::vector<uint8_t> png = Bytes({0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'},
                                         17, {0, 0, 0, 10, 'I', 'D', 'A', 'T', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                              0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82});
  // Header, screen descriptor with a two-entry colour table, a graphic control extension, an image.
  const std::vector<uint8_t> gif = Bytes({'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0, 0, 0, 255, 255,
                                          255, 0x21, 0xF9, 4, 0, 0, 0, 0, 0, 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2,
                                          0x44, 1, 0},
                                         0, {0x3B});
  // What the encoder writes from a direct-colour image: header, descriptor, trailer, no image.
  const std::vector<uint8_t> emptyGif = Bytes({'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0}, 10, {0x3B});
  const std::vector<uint8_t> jpeg = Bytes({0xFF, 0xD8, 0xFF, 0xE0}, 300, {0xFF, 0xD9});
  const std::vector<uint8_t> bmp = NewBmpImage(*LayOutBmp(2, 2, 24));
  std::vector<uint8_t> shortBmp = bmp;
  shortBmp.resize(bmp.size() - 4);

  struct Row {
    ImageFormat format;
    const std::vector<uint8_t>* bytes;
    bool plausible;
  };
  const std::vector<uint8_t> truncatedPng(png.begin(), png.end() - 1);
  const std::vector<uint8_t> truncatedJpeg(jpeg.begin(), jpeg.end() - 2);
  const Row rows[] = {
      {ImageFormat::kPng, &png, true},       {ImageFormat::kPng, &truncatedPng, false},
      {ImageFormat::kGif, &gif, true},       {ImageFormat::kGif, &emptyGif, false},
      {ImageFormat::kJpeg, &jpeg, true},     {ImageFormat::kJpeg, &truncatedJpeg, false},
      {ImageFormat::kBmp, &bmp, true},       {ImageFormat::kBmp, &shortBmp, false},
      {ImageFormat::kPng, &bmp, false},      {ImageFormat::kBmp, &png, false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(LooksLikeEncodedImage(row.format, *row.bytes), row.plausible)
        << FormatExtension(row.format) << " of " << row.bytes->size() << " bytes";
  }
  EXPECT_FALSE(LooksLikeEncodedImage(ImageFormat::kPng, {}));
}

}  // namespace
}  // namespace corvanta
