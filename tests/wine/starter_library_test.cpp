// The starter effect library that the build copies beside the executable: what the effect list will
// show, in which order, and whether every file is one the program can use.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/win32_backend.h"
#include "settings/first_run.h"
#include "settings/paths.h"
#include "settings/settings_store.h"

namespace corvanta {
namespace {

constexpr COLORREF kColourKey = RGB(208, 222, 227);
// Every tile is 120 x 120, a common multiple of the 2- to 6-pixel periods, so tiling never breaks it.
constexpr uint32_t kTileSize = 120;

struct PresetKey {
  const char* section;
  const char* key;
  int32_t minimum;
  int32_t maximum;
};

// In the order every writer writes them, with the ranges the preset editor produces.
constexpr PresetKey kPresetKeys[] = {
    {"Scantype", "Linetype", 1, 5},
    {"Linetype", "Pixelsize", 0, 50},
    {"Scanlinecolor", "ColorR", 0, 255},
    {"Scanlinecolor", "ColorG", 0, 255},
    {"Scanlinecolor", "ColorB", 0, 255},
    {"ScanlineTransversespacing", "Transverse", 0, 100},
    {"ScanlineVerticalspacing", "Vertical", 0, 100},
    {"ScanlineObliquespacing", "Oblique", 0, 100},
    {"ScanlineAntiskewspacing", "Antiskew", 0, 100},
};

std::string ExecutableFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder = path;
  return folder.substr(0, folder.find_last_of('\\'));
}

// The order NTFS keeps names in: ordinal comparison of the upper-cased names.
bool NtfsLess(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) < std::toupper(static_cast<unsigned char>(y));
  });
}

// Two digits equal to the list index, an underscore, then lower-case letters, digits and underscores:
// such names sort the same on every file system, whatever its case rules.
bool HasStableName(const std::string& name, size_t index) {
  std::string prefix = index < 10 ? "0" : "";
  prefix.append(std::to_string(index)).append("_");
  if (name.compare(0, prefix.size(), prefix) != 0) return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '.';
  });
}

uint32_t BigEndian32(const std::vector<unsigned char>& b, size_t at) {
  return uint32_t{b[at]} << 24 | uint32_t{b[at + 1]} << 16 | uint32_t{b[at + 2]} << 8 | b[at + 3];
}
int32_t LittleEndian32(const std::vector<unsigned char>& b, size_t at) {
  return static_cast<int32_t>(uint32_t{b[at]} | uint32_t{b[at + 1]} << 8 | uint32_t{b[at + 2]} << 16 |
                              uint32_t{b[at + 3]} << 24);
}
uint16_t LittleEndian16(const std::vector<unsigned char>& b, size_t at) {
  return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}

void ExpectValidPng(const std::string& name, const std::vector<unsigned char>& bytes) {
  static const unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  ASSERT_GE(bytes.size(), 45u) << name;
  EXPECT_TRUE(std::equal(std::begin(kSignature), std::end(kSignature), bytes.begin())) << name;
  EXPECT_EQ(BigEndian32(bytes, 8), 13u) << name;
  EXPECT_EQ(std::string(bytes.begin() + 12, bytes.begin() + 16), "IHDR") << name;
  EXPECT_EQ(BigEndian32(bytes, 16), kTileSize) << name;
  EXPECT_EQ(BigEndian32(bytes, 20), kTileSize) << name;
  EXPECT_EQ(bytes[24], 8) << name << ": bit depth";
  EXPECT_EQ(std::string(bytes.end() - 8, bytes.end() - 4), "IEND") << name;
}

void ExpectValidBmp(const std::string& name, const std::vector<unsigned char>& bytes) {
  ASSERT_GE(bytes.size(), 54u) << name;
  EXPECT_EQ(bytes[0], 'B') << name;
  EXPECT_EQ(bytes[1], 'M') << name;
  EXPECT_EQ(static_cast<size_t>(LittleEndian32(bytes, 2)), bytes.size()) << name << ": file size field";
  EXPECT_EQ(LittleEndian32(bytes, 14), 40) << name << ": info header size";
  const int32_t width = LittleEndian32(bytes, 18);
  const int32_t height = LittleEndian32(bytes, 22);
  const uint16_t bitsPerPixel = LittleEndian16(bytes, 28);
  EXPECT_EQ(width, static_cast<int32_t>(kTileSize)) << name;
  EXPECT_EQ(std::abs(height), static_cast<int32_t>(kTileSize)) << name;
  EXPECT_EQ(LittleEndian16(bytes, 26), 1) << name << ": planes";
  EXPECT_TRUE(bitsPerPixel == 24 || bitsPerPixel == 32) << name;
  EXPECT_EQ(LittleEndian32(bytes, 30), BI_RGB) << name;
  const int64_t stride = (int64_t{width} * bitsPerPixel + 31) / 32 * 4;
  EXPECT_LE(LittleEndian32(bytes, 10) + stride * std::abs(height), static_cast<int64_t>(bytes.size())) << name;
}

class StarterLibraryTest : public ::testing::Test {
 protected:
  StarterLibraryTest()
      : settings_(backend_, ExecutableFolder()),
        presets_(ListFiles(settings_.PathOf(paths::kPresetPattern))),
        pictures_(ListFiles(settings_.PathOf(paths::kPngPattern))) {
    const std::vector<std::string> bmps = ListFiles(settings_.PathOf(paths::kBmpPattern));
    pngCount_ = pictures_.size();
    pictures_.insert(pictures_.end(), bmps.begin(), bmps.end());
  }

  std::string PicturePath(const std::string& name) const {
    return settings_.PathOf(std::string(paths::kPictureFolder) + "\\" + name);
  }

  Win32SettingsBackend backend_;
  SettingsStore settings_;
  std::vector<std::string> presets_;
  std::vector<std::string> pictures_;  // PNG files first, then BMP files, as the effect list shows them
  size_t pngCount_ = 0;
};

TEST_F(StarterLibraryTest, ListsInTheSameNameOrderOnEveryFileSystem) {
  ASSERT_GE(presets_.size(), 30u);
  ASSERT_GE(pngCount_, 1u);
  ASSERT_GT(pictures_.size(), pngCount_) << "at least one BMP picture";
  ASSERT_GE(pictures_.size(), 6u);
  EXPECT_TRUE(std::is_sorted(presets_.begin(), presets_.end(), NtfsLess));
  EXPECT_TRUE(std::is_sorted(pictures_.begin(), pictures_.begin() + pngCount_, NtfsLess));
  EXPECT_TRUE(std::is_sorted(pictures_.begin() + pngCount_, pictures_.end(), NtfsLess));
  // The numbering runs on from the PNG files into the BMP files, like the list indexes.
  for (size_t i = 0; i < presets_.size(); ++i) EXPECT_TRUE(HasStableName(presets_[i], i)) << presets_[i];
  for (size_t i = 0; i < pictures_.size(); ++i) EXPECT_TRUE(HasStableName(pictures_[i], i)) << pictures_[i];
}

TEST_F(StarterLibraryTest, FreshInstallEnablesTheClassicPresetAndThe3xScanlineTile) {
  ASSERT_GT(presets_.size(), static_cast<size_t>(kFirstRunSelection.custom));
  ASSERT_GT(pictures_.size(), static_cast<size_t>(kFirstRunSelection.picture));
  EXPECT_EQ(presets_[kFirstRunSelection.custom], "23_classic_crt_3px.ini");
  EXPECT_EQ(pictures_[kFirstRunSelection.picture], "03_scanlines_3x.png");
}

TEST_F(StarterLibraryTest, EveryPresetIsCanonicalInRangeAndCoversTheCanvas) {
  for (const std::string& name : presets_) {
    const std::string path = settings_.PathOf(std::string(paths::kPresetFolder) + "\\" + name);
    int32_t v[9] = {};
    std::string canonical;
    std::string lastSection;
    for (size_t i = 0; i < 9; ++i) {
      const PresetKey& key = kPresetKeys[i];
      v[i] = settings_.ReadInt(path, key.section, key.key);
      EXPECT_GE(v[i], key.minimum) << name << " " << key.key;
      EXPECT_LE(v[i], key.maximum) << name << " " << key.key;
      if (lastSection != key.section) canonical.append("[").append(key.section).append("]\r\n");
      lastSection = key.section;
      canonical.append(key.key).append("=").append(std::to_string(v[i])).append("\r\n");
    }
    const std::vector<unsigned char> bytes = ReadWholeFile(path);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), canonical) << name << ": nine keys, CRLF, nothing else";

    const auto [lineType, pixelSize, red, green, blue, transverse, vertical, oblique, antiskew] = v;
    EXPECT_NE(RGB(red, green, blue), kColourKey) << name;
    // A family has about canvas size / pixel size lines: a smaller spacing stops them short of the
    // far edge, and the 45-degree families need twice as much because they start on the top edge.
    EXPECT_GE(pixelSize, 1) << name;
    EXPECT_TRUE(transverse == 0 || transverse >= pixelSize) << name;
    EXPECT_TRUE(vertical == 0 || vertical >= pixelSize) << name;
    EXPECT_TRUE(oblique <= 1 || oblique >= 2 * pixelSize) << name;
    EXPECT_TRUE(antiskew <= 1 || antiskew >= 2 * pixelSize) << name;
    EXPECT_TRUE(transverse > 0 || vertical > 0 || oblique > 1 || antiskew > 1) << name << " draws nothing";
    // Patterned pens wider than one pixel draw solid, which would belie the preset's name.
    EXPECT_TRUE(lineType == 1 || pixelSize == 1) << name;
  }
}

TEST_F(StarterLibraryTest, EveryPictureHasAValidHeaderOfTileSize) {
  for (size_t i = 0; i < pictures_.size(); ++i) {
    const std::vector<unsigned char> bytes = ReadWholeFile(PicturePath(pictures_[i]));
    if (i < pngCount_) {
      ExpectValidPng(pictures_[i], bytes);
    } else {
      ExpectValidBmp(pictures_[i], bytes);
    }
  }
}

class GdiplusScope {
 public:
  GdiplusScope() {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token_, &input, nullptr);
  }
  ~GdiplusScope() { Gdiplus::GdiplusShutdown(token_); }
  GdiplusScope(const GdiplusScope&) = delete;
  GdiplusScope& operator=(const GdiplusScope&) = delete;

 private:
  ULONG_PTR token_ = 0;
};

// Decoded as the program decodes pictures: through GDI+, pixels 0xAARRGGBB, top row first.
std::vector<uint32_t> DecodeArgb(const std::string& path, UINT& width, UINT& height) {
  using namespace Gdiplus::DllExports;
  std::vector<uint32_t> pixels;
  wchar_t widePath[MAX_PATH] = {};
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, widePath, MAX_PATH);
  Gdiplus::GpBitmap* bitmap = nullptr;
  width = height = 0;
  if (GdipCreateBitmapFromFile(widePath, &bitmap) != Gdiplus::Ok) return pixels;
  GdipGetImageWidth(bitmap, &width);
  GdipGetImageHeight(bitmap, &height);
  pixels.resize(size_t{width} * height);
  for (UINT y = 0; y < height; ++y) {
    for (UINT x = 0; x < width; ++x) {
      Gdiplus::ARGB argb = 0;
      GdipBitmapGetPixel(bitmap, x, y, &argb);
      pixels[y * width + x] = static_cast<uint32_t>(argb);
    }
  }
  GdipDisposeImage(bitmap);
  return pixels;
}

TEST_F(StarterLibraryTest, PicturesDecodeOpaqueWithTheColourKeyExact) {
  constexpr uint32_t kKeyArgb = 0xFF000000u | 208u << 16 | 222u << 8 | 227u;
  GdiplusScope gdiplus;
  for (const std::string& name : pictures_) {
    UINT width = 0, height = 0;
    const std::vector<uint32_t> pixels = DecodeArgb(PicturePath(name), width, height);
    ASSERT_EQ(width, kTileSize) << name;
    ASSERT_EQ(height, kTileSize) << name;
    size_t opaque = 0, nearMisses = 0;
    for (uint32_t pixel : pixels) {
      if (pixel >> 24 == 0xFF) ++opaque;
      const int dr = std::abs(static_cast<int>(pixel >> 16 & 0xFF) - 208);
      const int dg = std::abs(static_cast<int>(pixel >> 8 & 0xFF) - 222);
      const int db = std::abs(static_cast<int>(pixel & 0xFF) - 227);
      // Almost the key looks transparent in a preview but stays visible on the overlay.
      if (pixel != kKeyArgb && std::max({dr, dg, db}) <= 8) ++nearMisses;
    }
    EXPECT_EQ(opaque, pixels.size()) << name;
    EXPECT_EQ(nearMisses, 0u) << name;
  }
  // The default tile: two clear rows, then the line.
  UINT width = 0, height = 0;
  const std::vector<uint32_t> tile = DecodeArgb(PicturePath("03_scanlines_3x.png"), width, height);
  ASSERT_EQ(tile.size(), size_t{kTileSize} * kTileSize);
  for (uint32_t y = 0; y < kTileSize; ++y) {
    EXPECT_EQ(tile[y * kTileSize] == kKeyArgb, y % 3 != 2) << "row " << y;
  }
}

}  // namespace
}  // namespace corvanta
