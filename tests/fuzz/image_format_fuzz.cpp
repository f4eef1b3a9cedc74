// The check of encoded files: nothing passes without its format's signature and closing marker, and
// files put together with them (a new BMP image, PNG and GIF skeletons around the input) pass.
#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

#include "capture/bmp_image.h"
#include "capture/image_format.h"
#include "fuzz/fuzz_check.h"

namespace {

using Bytes = std::vector<uint8_t>;

bool StartsWith(const Bytes& bytes, const Bytes& prefix) {
  return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}
bool EndsWith(const Bytes& bytes, const Bytes& suffix) {
  return bytes.size() >= suffix.size() && std::equal(suffix.begin(), suffix.end(), bytes.end() - suffix.size());
}

const Bytes kPngSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
const Bytes kPngEnd{'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace corvanta;
  FuzzedDataProvider in(data, size);
  const int32_t width = in.ConsumeIntegralInRange<int32_t>(1, 64);
  const int32_t height = in.ConsumeIntegralInRange<int32_t>(1, 64);
  const int depth = (int[]){1, 4, 8, 16, 24, 32}[in.ConsumeIntegralInRange<int>(0, 5)];
  const Bytes bytes = in.ConsumeRemainingBytes<uint8_t>();

  for (const ImageFormat format : kImageFormats) {
    FUZZ_CHECK(FormatExtension(format).size() == 4 && FormatExtension(format).front() == '.');
    FUZZ_CHECK(EncoderClsidText(format).size() == 38);
    if (!LooksLikeEncodedImage(format, bytes)) continue;
    switch (format) {
      case ImageFormat::kBmp:
        FUZZ_CHECK(StartsWith(bytes, {'B', 'M'}) && bytes.size() >= 58);
        break;
      case ImageFormat::kJpeg:
        FUZZ_CHECK(StartsWith(bytes, {0xFF, 0xD8, 0xFF}) && EndsWith(bytes, {0xFF, 0xD9}) && bytes.size() >= 128);
        break;
      case ImageFormat::kGif:
        FUZZ_CHECK(StartsWith(bytes, {'G', 'I', 'F', '8'}) && bytes.back() == 0x3B);
        break;
      case ImageFormat::kPng:
        FUZZ_CHECK(StartsWith(bytes, kPngSignature) && EndsWith(bytes, kPngEnd));
        break;
    }
  }

  const std::optional<BmpLayout> layout = LayOutBmp(width, height, depth);
  FUZZ_CHECK(layout && LooksLikeEncodedImage(ImageFormat::kBmp, NewBmpImage(*layout)));
  Bytes png = kPngSignature;
  png.insert(png.end(), bytes.begin(), bytes.end());
  png.insert(png.end(), {'I', 'D', 'A', 'T'});
  png.insert(png.end(), kPngEnd.begin(), kPngEnd.end());
  FUZZ_CHECK(LooksLikeEncodedImage(ImageFormat::kPng, png));
  // Header, screen descriptor without a colour table, one image descriptor, the input as image data.
  Bytes gif{'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0, 0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0};
  gif.insert(gif.end(), bytes.begin(), bytes.end());
  gif.resize(std::max<size_t>(gif.size(), 31), 0);
  gif.push_back(0x3B);
  FUZZ_CHECK(LooksLikeEncodedImage(ImageFormat::kGif, gif));
  return 0;
}
