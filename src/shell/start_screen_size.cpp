#include "shell/start_screen_size.h"

#include "platform/dpi_scale.h"

namespace corvanta {

Size MinimumWindowSize(int dpi) {
  return {DpiScale(kMinimumWindowWidth, dpi), DpiScale(kMinimumWindowHeight, dpi)};
}

Size EnforceMinimumSize(Size size, bool choosingRegion, int dpi) {
  if (choosingRegion) return size;
  const Size minimum = MinimumWindowSize(dpi);
  if (size.width < minimum.width) size.width = minimum.width;
  if (size.height < minimum.height) size.height = minimum.height;
  return size;
}

}  // namespace corvanta
