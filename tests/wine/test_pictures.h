// Picture files made in the tests: 24-bit BMP and PNG bytes of a given size and colouring.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace corvanta::testing {

using ColourAt = std::function<COLORREF(int x, int y)>;

// A 24-bit bottom-up BMP file; (0, 0) is the top-left pixel.
std::string BmpFile(int width, int height, const ColourAt& colourAt);
std::string BmpFile(int width, int height, COLORREF colour);

// A 24-bit PNG file with its image data in stored (uncompressed) deflate blocks.
std::string PngFile(int width, int height, const ColourAt& colourAt);
std::string PngFile(int width, int height, COLORREF colour);

}  // namespace corvanta::testing
