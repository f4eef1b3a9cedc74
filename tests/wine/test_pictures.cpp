#include "test_pictures.h"

#include <algorithm>
#include <cstdint>

namespace corvanta::testing {

namespace {

uint32_t Crc32(const std::string& bytes) {
  uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void AppendBigEndian(std::string& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>(value >> shift & 0xFF));
}

void AppendLittleEndian(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
}

}  // namespace

std::string BmpFile(int width, int height, const ColourAt& colourAt) {
  const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) / 4 * 4;
  const uint32_t imageSize = stride * static_cast<uint32_t>(height);
  std::string bmp = "BM";
  AppendLittleEndian(bmp, 54 + imageSize, 4);
  AppendLittleEndian(bmp, 0, 4);
  AppendLittleEndian(bmp, 54, 4);
  AppendLittleEndian(bmp, 40, 4);
  AppendLittleEndian(bmp, static_cast<uint32_t>(width), 4);
  AppendLittleEndian(bmp, static_cast<uint32_t>(height), 4);
  AppendLittleEndian(bmp, 1, 2);
  AppendLittleEndian(bmp, 24, 2);
  AppendLittleEndian(bmp, 0, 4);
  AppendLittleEndian(bmp, imageSize, 4);
  for (int i = 0; i < 4; ++i) AppendLittleEndian(bmp, 0, 4);
  for (int y = height - 1; y >= 0; --y) {  // bottom row first
    for (int x = 0; x < width; ++x) {
      const COLORREF colour = colourAt(x, y);
      bmp.push_back(static_cast<char>(GetBValue(colour)));
      bmp.push_back(static_cast<char>(GetGValue(colour)));
      bmp.push_back(static_cast<char>(GetRValue(colour)));
    }
    bmp.append(stride - static_cast<uint32_t>(width) * 3, '\0');
  }
  return bmp;
}

std::string BmpFile(int width, int height, COLORREF colour) {
  return BmpFile(width, height, [colour](int, int) { return colour; });
}

std::string PngFile(int width, int height, const ColourAt& colourAt) {
  std::string raw;
  for (int y = 0; y < height; ++y) {
    raw.push_back('\0');  // filter type none
    for (int x = 0; x < width; ++x) {
      const COLORREF colour = colourAt(x, y);
      raw.push_back(static_cast<char>(GetRValue(colour)));
      raw.push_back(static_cast<char>(GetGValue(colour)));
      raw.push_back(static_cast<char>(GetBValue(colour)));
    }
  }
  std::string zlib = "\x78\x01";
  for (size_t at = 0; at < raw.size();) {
    const size_t length = std::min<size_t>(65535, raw.size() - at);
    zlib.push_back(at + length == raw.size() ? 1 : 0);
    AppendLittleEndian(zlib, static_cast<uint32_t>(length), 2);
    AppendLittleEndian(zlib, static_cast<uint32_t>(~length & 0xFFFF), 2);
    zlib.append(raw, at, length);
    at += length;
  }
  uint32_t a = 1, b = 0;
  for (unsigned char byte : raw) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  AppendBigEndian(zlib, b << 16 | a);

  std::string png = "\x89PNG\r\n\x1A\n";
  auto chunk = [&png](const char* type, const std::string& data) {
    AppendBigEndian(png, static_cast<uint32_t>(data.size()));
    const std::string typed = type + data;
    png += typed;
    AppendBigEndian(png, Crc32(typed));
  };
  std::string header;
  AppendBigEndian(header, static_cast<uint32_t>(width));
  AppendBigEndian(header, static_cast<uint32_t>(height));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter, no interlace
  chunk("IHDR", header);
  chunk("IDAT", zlib);
  chunk("IEND", "");
  return png;
}

std::string PngFile(int width, int height, COLORREF colour) {
  return PngFile(width, height, [colour](int, int) { return colour; });
}

}  // namespace corvanta::testing
