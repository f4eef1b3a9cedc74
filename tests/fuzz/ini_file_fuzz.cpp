// The INI engine over stored files with a byte-order mark (UTF-16 LE, UTF-8) and without (GBK), through
// the C library's conversions: reads stay within the buffer, a write keeps the mark, touches one line of
// the file at most, reads back and is not repeated.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "fuzz/fuzz_check.h"
#include "fuzz/ini_fuzz_write.h"
#include "settings/ini_text.h"
#include "shared/iconv_ini_codec.h"

namespace corvanta::fuzz {
namespace {

constexpr std::string_view kMarks[] = {"", "\xEF\xBB\xBF", "\xFF\xFE"};

// The file's text in units: bytes, or UTF-16 units as pairs of bytes (a last odd byte left out).
std::u16string Units(std::string_view bytes) {
  std::u16string units;
  switch (EncodingOfIniFile(bytes)) {
    case IniEncoding::kGbk:
      for (const char c : bytes) units += static_cast<char16_t>(static_cast<unsigned char>(c));
      break;
    case IniEncoding::kUtf8:
      for (const char c : bytes.substr(3)) units += static_cast<char16_t>(static_cast<unsigned char>(c));
      break;
    case IniEncoding::kUtf16:
      for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        units += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                       static_cast<unsigned char>(bytes[i + 1]) << 8);
      }
      break;
  }
  return units;
}

bool IsBreak(char16_t unit) { return unit == u'\r' || unit == u'\n'; }

bool OtherLinesKept(std::u16string_view before, std::u16string_view after) {
  size_t head = 0;
  while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
  size_t tail = 0;
  while (tail < before.size() - head && tail < after.size() - head &&
         before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
    ++tail;
  }
  for (size_t i = head; i < before.size() - tail; ++i) {
    if (IsBreak(before[i])) return false;
  }
  return true;
}

// Plain printable ASCII names, and a value that survives the trip to Unicode and back unchanged.
bool PlainName(std::string_view name) {
  const std::string_view trimmed = TrimIniBlanks(name);
  if (trimmed.empty() || trimmed.front() == '[') return false;
  for (const char c : name) {
    if (c < 0x20 || c > 0x7E || c == '=' || c == ']') return false;
  }
  return true;
}

}  // namespace
}  // namespace corvanta::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace corvanta;
  using namespace corvanta::fuzz;
  static const testing::IconvIniCodec codec;
  FuzzedDataProvider in(data, size);
  const std::string_view mark = kMarks[in.ConsumeIntegralInRange<size_t>(0, 2)];
  const IniWrite w = ConsumeIniWrite(in, 10, 20);
  const auto& [section, key, value, buffer] = w;
  const std::string file = std::string(mark) + in.ConsumeRemainingBytesAsString();

  const std::string cut = ReadIniFileValue(file, section, key, buffer, codec);
  FUZZ_CHECK(cut.size() < std::max<size_t>(buffer, 1));

  std::string written = file;
  const bool changed = WriteIniFileValue(written, section, key, value, codec);
  FUZZ_CHECK(changed || written == file);
  if (!PlainName(section) || !PlainName(key) || HasLineBreak(value)) return 0;
  // (A key written first into a file without a mark could itself begin with one.)
  FUZZ_CHECK(EncodingOfIniFile(written) == EncodingOfIniFile(file));
  FUZZ_CHECK(OtherLinesKept(Units(file), Units(written)));
  const IniEncoding encoding = EncodingOfIniFile(file);
  if (encoding != IniEncoding::kGbk) {
    const std::u16string wide = codec.ToUtf16(value, IniEncoding::kGbk);
    if (codec.FromUtf16(wide, IniEncoding::kGbk) != value) return 0;
  }
  CheckWriteSettles(
      written, w,
      [&](const std::string& text) { return ReadIniFileValue(text, w.section, w.key, SIZE_MAX, codec); },
      [&](std::string& text) { return WriteIniFileValue(text, w.section, w.key, w.value, codec); });
  return 0;
}
