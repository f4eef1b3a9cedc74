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
    const std::string bytes = Convert(from == IniEncoding::kUtf8 ? utf8ToUtf16_ : gbkToUtf16_, text, "\xFD\xFF", 1);
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
    return Convert(to == IniEncoding::kUtf8 ? utf16ToUtf8_ : utf16ToGbk_, bytes, "?", 2);
  }

  IconvIniCodec() = default;
  IconvIniCodec(const IconvIniCodec&) = delete;
  IconvIniCodec& operator=(const IconvIniCodec&) = delete;
  ~IconvIniCodec() override {
    for (iconv_t cd : {gbkToUtf16_, utf8ToUtf16_, utf16ToGbk_, utf16ToUtf8_}) iconv_close(cd);
  }

 private:
  // Converts what it can; an input it cannot take becomes `replacement` and skips `skip` bytes.
  static std::string Convert(iconv_t cd, std::string_view in, std::string_view replacement, size_t skip) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
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
    return out;
  }

  // Opened once: opening a conversion costs far more than a short conversion.
  iconv_t gbkToUtf16_ = iconv_open("UTF-16LE", "GBK");
  iconv_t utf8ToUtf16_ = iconv_open("UTF-16LE", "UTF-8");
  iconv_t utf16ToGbk_ = iconv_open("GBK", "UTF-16LE");
  iconv_t utf16ToUtf8_ = iconv_open("UTF-8", "UTF-16LE");
};

}  // namespace corvanta::testing
