// A colour as three components, and its one conversion to and from the platform's COLORREF value,
// red + green * 256 + blue * 65536. No platform calls.
#pragma once

#include <cstdint>

namespace corvanta {

struct Colour {
  int32_t red = 0;
  int32_t green = 0;
  int32_t blue = 0;
  bool operator==(const Colour&) const = default;
};

// The low 8 bits of each component, as the platform's RGB macro takes them.
constexpr uint32_t ToColorRef(Colour colour) {
  return static_cast<uint32_t>(colour.red & 0xFF) | static_cast<uint32_t>(colour.green & 0xFF) << 8 |
         static_cast<uint32_t>(colour.blue & 0xFF) << 16;
}

constexpr Colour ColourOf(uint32_t colorRef) {
  return Colour{static_cast<int32_t>(colorRef & 0xFF), static_cast<int32_t>(colorRef >> 8 & 0xFF),
                static_cast<int32_t>(colorRef >> 16 & 0xFF)};
}

}  // namespace corvanta
