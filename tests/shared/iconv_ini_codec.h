// The text conversions of stored profile files through the C library's iconv, for the host tests and the
// fuzz targets: an implementation independent of the platform's, with its conventions (U+FFFD for bytes
// that are not valid text, '?' for characters the target cannot represent).
#pragma once

#include <errno.h>
#include <iconv.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "settings/ini_text.h"

namespace corvanta::testing {

class IconvIniCodec : public IniTextCodec {
 public:
  std::u16string ToUtf16(std::string_view text, IniEncoding from) const override {
    const std::string bytes = Convert(text, from == IniEncoding::kUtf8 ? "UTF-8" : "GBK", "UTF-16LE", "\xFD\xFF", 1);
    std::u16string units(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i) {
      units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                       static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    return units;
  }

  std::string FromUtf16(std::u16string_view text, IniEncoding to) const override {
    std::string bytes;
    for (const char16_t unit : text) {
      bytes += static_cast<char>(unit & 0xFF);
      bytes += static_cast<char>(unit >> 8);
    }
    return Convert(bytes, "UTF-16LE", to == IniEncoding::kUtf8 ? "UTF-8" : "GBK", "?", 2);
  }

 private:
  // Converts what it can; an input it cannot take becomes `replacement` and skips `skip` bytes.
  static std::string Convert(std::string_view in, const char* from, const char* to, std::string_view replacement,
                             size_t skip) {
    iconv_t cd = iconv_open(to, from);
    std::string out;
    char buffer[256];
    char* input = const_cast<char*>(in.data());
    size_t left = in.size();
    while (left > 0) {
      char* output = buffer;
      size_t room = sizeof buffer;
      const size_t result = iconv(cd, &input, &left, &output, &room);
      out.append(buffer, static_cast<size_t>(output - buffer));
      if (result == static_cast<size_t>(-1) && errno != E2BIG) {
        out += replacement;
        const size_t step = std::min(left, skip);
        input += step;
        left -= step;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
      }
    }
    iconv_close(cd);
    return out;
  }
};

}  // namespace corvanta::testing
