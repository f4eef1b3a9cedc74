// Draws the pictures of the effect documentation: every preset of a folder (custom mode) and every
// picture of a folder (picture mode, tiled) rendered by the overlay's own canvas at 240 x 135, then laid
// over a synthetic game picture the way the locked overlay looks on a game: canvas pixels equal to the
// colour key show the game, every other pixel is blended over it at the overlay strength below.
// Writes one 24-bit BMP per file into the output folder.
//
// Usage: render_effects_doc.exe PRESET_FOLDER PICTURE_FOLDER OUTPUT_FOLDER
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "effects/preset.h"
#include "overlay/draw_canvas.h"
#include "overlay/render.h"
#include "platform/files.h"
#include "platform/gdiplus_session.h"
#include "platform/win32_backend.h"
#include "settings/settings_store.h"

namespace corvanta {
namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 135;
// The game picture is drawn on a coarse grid and enlarged, like an emulated game scaled 3x.
constexpr int kGameScale = 3;
constexpr int kGameWidth = kWidth / kGameScale;
constexpr int kGameHeight = kHeight / kGameScale;
// The overlay strength of the pictures: slider position 191 of 255, about 75%.
constexpr int kStrength = 191;
// With the default Ar/Ag/Ab, picture mode keys the same colour as custom mode.
constexpr uint32_t kColourKey = kOverlayBackground;

struct Rgb {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
};

struct Image {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;

  Image(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h) {}
  Rgb& At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
  const Rgb& At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  void Put(int x, int y, Rgb colour) {
    if (x >= 0 && y >= 0 && x < width && y < height) At(x, y) = colour;
  }
};

// ---- The synthetic game picture ----------------------------------------------------------------

uint8_t Mix(int from, int to, int step, int steps) { return static_cast<uint8_t>(from + (to - from) * step / steps); }

void FillBlock(Image& image, int left, int top, int width, int height, Rgb colour) {
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x) image.Put(x, y, colour);
  }
}

// A sprite as rows of characters; each character names a colour of the palette, '.' is see-through.
struct PaletteEntry {
  char key;
  Rgb colour;
};

void DrawSprite(Image& image, int left, int top, const std::vector<const char*>& rows,
                const std::vector<PaletteEntry>& palette) {
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    for (int column = 0; rows[row][column] != '\0'; ++column) {
      for (const PaletteEntry& entry : palette) {
        if (entry.key == rows[row][column]) image.Put(left + column, top + row, entry.colour);
      }
    }
  }
}

constexpr int kHorizon = 31;

void DrawSky(Image& image) {
  for (int y = 0; y < kHorizon; ++y) {
    const Rgb colour{Mix(36, 250, y, kHorizon), Mix(52, 190, y, kHorizon), Mix(150, 170, y, kHorizon)};
    FillBlock(image, 0, y, image.width, 1, colour);
  }
  // A setting sun with a brighter core.
  FillBlock(image, 60, 6, 8, 6, Rgb{255, 170, 40});
  FillBlock(image, 59, 7, 10, 4, Rgb{255, 170, 40});
  FillBlock(image, 62, 8, 4, 2, Rgb{255, 236, 120});
}

void DrawClouds(Image& image) {
  const std::vector<const char*> cloud = {
      "...wwww.....",
      ".wwwwwwww...",
      "wwwwwwwwwwww",
      ".ssssssssss.",
  };
  const std::vector<PaletteEntry> palette = {{'w', Rgb{250, 250, 255}}, {'s', Rgb{200, 196, 230}}};
  DrawSprite(image, 6, 4, cloud, palette);
  DrawSprite(image, 34, 9, cloud, palette);
}

void DrawHills(Image& image) {
  const Rgb hill{46, 120, 84};
  for (int x = 0; x < image.width; ++x) {
    // Two overlapping humps, stepped in blocks of two columns for a coarse look.
    const int column = x / 2 * 2;
    const int first = 7 - (column - 18) * (column - 18) / 40;
    const int second = 9 - (column - 58) * (column - 58) / 50;
    const int height = first > second ? first : second;
    if (height > 0) FillBlock(image, x, kHorizon - height, 1, height, hill);
  }
}

void DrawGround(Image& image) {
  FillBlock(image, 0, kHorizon, image.width, 2, Rgb{96, 200, 64});
  for (int y = kHorizon + 2; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const int brickRow = (y - kHorizon - 2) / 3;
      const bool mortar = (y - kHorizon - 2) % 3 == 2 || (x + brickRow * 3) % 6 == 0;
      image.At(x, y) = mortar ? Rgb{96, 52, 28} : Rgb{176, 100, 52};
    }
  }
}

void DrawCharacters(Image& image) {
  const std::vector<const char*> hero = {
      "..hhhh..",
      ".hhhhhh.",
      "..ffef..",
      "..ffff..",
      ".rrrrrr.",
      "frrrrrrf",
      "..bbbb..",
      "..b..b..",
      ".kk..kk.",
  };
  DrawSprite(image, 14, kHorizon - 9, hero,
             {{'h', Rgb{30, 150, 110}}, {'f', Rgb{252, 200, 150}}, {'e', Rgb{20, 20, 60}},
              {'r', Rgb{236, 124, 28}}, {'b', Rgb{84, 70, 64}}, {'k', Rgb{60, 36, 20}}});

  const std::vector<const char*> slime = {
      "..pppp..",
      ".pppppp.",
      "pwkppwkp",
      "pppppppp",
      "llllllll",
  };
  DrawSprite(image, 48, kHorizon - 5, slime,
             {{'p', Rgb{170, 60, 200}}, {'l', Rgb{110, 30, 140}}, {'w', Rgb{255, 255, 255}}, {'k', Rgb{0, 0, 0}}});

  const std::vector<const char*> gem = {
      "..y..",
      ".yyo.",
      "yywoo",
      ".yoo.",
      "..o..",
  };
  const std::vector<PaletteEntry> gemColours = {
      {'y', Rgb{255, 224, 0}}, {'o', Rgb{230, 140, 0}}, {'w', Rgb{255, 255, 220}}};
  DrawSprite(image, 30, 17, gem, gemColours);
  DrawSprite(image, 37, 15, gem, gemColours);

  const std::vector<const char*> platform = {
      "cccccccccccc",
      "cddcddcddcdd",
      "dddddddddddd",
  };
  DrawSprite(image, 27, 22, platform, {{'c', Rgb{80, 220, 220}}, {'d', Rgb{20, 120, 150}}});
}

Image Enlarge(const Image& source, int scale) {
  Image result(source.width * scale, source.height * scale);
  for (int y = 0; y < result.height; ++y) {
    for (int x = 0; x < result.width; ++x) result.At(x, y) = source.At(x / scale, y / scale);
  }
  return result;
}

Image MakeGamePicture() {
  Image game(kGameWidth, kGameHeight);
  DrawSky(game);
  DrawClouds(game);
  DrawHills(game);
  DrawGround(game);
  DrawCharacters(game);
  return Enlarge(game, kGameScale);
}

// ---- The overlay over the game -----------------------------------------------------------------

uint8_t BlendComponent(uint32_t overlay, uint8_t game) {
  return static_cast<uint8_t>((overlay * kStrength + game * (255u - kStrength) + 127u) / 255u);
}

Image Composite(DrawCanvas& canvas, const Image& game) {
  Image result = game;
  for (int y = 0; y < result.height; ++y) {
    for (int x = 0; x < result.width; ++x) {
      const uint32_t colour = canvas.PixelAt(x, y);
      if (colour == kColourKey) continue;
      Rgb& pixel = result.At(x, y);
      pixel = Rgb{BlendComponent(GetRValue(colour), pixel.r), BlendComponent(GetGValue(colour), pixel.g),
                  BlendComponent(GetBValue(colour), pixel.b)};
    }
  }
  return result;
}

void PutLittleEndian(std::vector<unsigned char>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

// A bottom-up 24-bit BMP file without a palette.
std::vector<unsigned char> EncodeBmp24(const Image& image) {
  const uint32_t rowBytes = (static_cast<uint32_t>(image.width) * 3 + 3) / 4 * 4;
  const uint32_t pixelBytes = rowBytes * static_cast<uint32_t>(image.height);
  constexpr uint32_t kHeaderBytes = 14 + 40;
  std::vector<unsigned char> out;
  out.reserve(kHeaderBytes + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  PutLittleEndian(out, kHeaderBytes + pixelBytes, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, kHeaderBytes, 4);
  PutLittleEndian(out, 40, 4);
  PutLittleEndian(out, static_cast<uint32_t>(image.width), 4);
  PutLittleEndian(out, static_cast<uint32_t>(image.height), 4);
  PutLittleEndian(out, 1, 2);   // planes
  PutLittleEndian(out, 24, 2);  // bits per pixel
  PutLittleEndian(out, 0, 4);   // BI_RGB
  PutLittleEndian(out, pixelBytes, 4);
  PutLittleEndian(out, 2835, 4);  // 72 dpi
  PutLittleEndian(out, 2835, 4);
  PutLittleEndian(out, 0, 4);
  PutLittleEndian(out, 0, 4);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const Rgb& pixel = image.At(x, y);
      out.push_back(pixel.b);
      out.push_back(pixel.g);
      out.push_back(pixel.r);
    }
    for (uint32_t pad = static_cast<uint32_t>(image.width) * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  return out;
}

bool WriteFileBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

std::string Stem(const std::string& fileName) {
  const size_t dot = fileName.rfind('.');
  return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

// ---- One run over the two folders --------------------------------------------------------------

class DocRenderer {
 public:
  DocRenderer(HWND host, std::string outputFolder) : outputFolder_(std::move(outputFolder)), game_(MakeGamePicture()) {
    created_ = canvas_.Create(host, GetModuleHandleA(nullptr), 0, 0, kWidth, kHeight);
  }

  bool Ready() const { return created_; }
  int Failures() const { return failures_; }
  int Written() const { return written_; }

  void RenderPresets(const std::string& folder) {
    Win32SettingsBackend backend;
    const SettingsStore settings(backend, folder);
    const std::vector<std::string> names = ListFiles(folder + "\\*.ini");
    if (names.empty()) Fail("no presets in " + folder);
    for (const std::string& name : names) {
      const Scanlines scanlines = ScanlinesOf(ReadPreset(settings, folder + "\\" + name));
      PrepareCanvas(canvas_, kWidth, kHeight, scanlines);
      DrawGrid(canvas_, kWidth, kHeight, scanlines.grid);
      Save(name);
    }
  }

  // Pictures in the order of the effect list: every PNG file, then every BMP file.
  void RenderPictures(const std::string& folder) {
    std::vector<std::string> names = ListFiles(folder + "\\*.png");
    for (const std::string& name : ListFiles(folder + "\\*.bmp")) names.push_back(name);
    if (names.empty()) Fail("no pictures in " + folder);
    for (const std::string& name : names) {
      RenderRequest request;
      request.displayMode = DisplayMode::kPicture;
      request.picturePath = folder + "\\" + name;
      request.placement = Placement::kTiled;
      RenderDisplayMode(canvas_, kWidth, kHeight, request);
      if (!canvas_.HasPicture()) {
        Fail("cannot decode " + request.picturePath);
        continue;
      }
      Save(name);
    }
  }

 private:
  void Save(const std::string& sourceName) {
    const std::string stem = Stem(sourceName);
    if (!stems_.insert(stem).second) {
      Fail("two files would both be drawn as " + stem + ".bmp");
      return;
    }
    const std::string path = outputFolder_ + "\\" + stem + ".bmp";
    if (!WriteFileBytes(path, EncodeBmp24(Composite(canvas_, game_)))) {
      Fail("cannot write " + path);
      return;
    }
    ++written_;
    std::printf("%s\n", path.c_str());
  }

  void Fail(const std::string& message) {
    std::fprintf(stderr, "render_effects_doc: %s\n", message.c_str());
    ++failures_;
  }

  std::string outputFolder_;
  Image game_;
  OwnedWindow<DrawCanvas> canvas_;
  bool created_ = false;
  std::set<std::string> stems_;
  int written_ = 0;
  int failures_ = 0;
};

int Run(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: render_effects_doc.exe PRESET_FOLDER PICTURE_FOLDER OUTPUT_FOLDER\n");
    return 2;
  }
  const GdiplusSession gdiplus;
  HWND host = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, kWidth, kHeight, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  int failures = 1;
  {
    DocRenderer renderer(host, argv[3]);
    if (renderer.Ready()) {
      renderer.RenderPresets(argv[1]);
      renderer.RenderPictures(argv[2]);
      failures = renderer.Failures();
      std::printf("%d pictures written, %d failures\n", renderer.Written(), failures);
    } else {
      std::fprintf(stderr, "render_effects_doc: cannot create the drawing canvas\n");
    }
  }
  DestroyWindow(host);
  return failures == 0 ? 0 : 1;
}

}  // namespace
}  // namespace corvanta

int main(int argc, char** argv) { return corvanta::Run(argc, argv); }
