// Screenshot names: the base name of any time against a plain formatting of its parts, and the free
// name against a set of taken names: never a taken one while a free number is left, and the lowest.
#include <fuzzer/FuzzedDataProvider.h>

#include <set>
#include <string>

#include "capture/screenshot_name.h"
#include "fuzz/fuzz_check.h"

namespace {

// The units of the name as GBK bytes: year, month, day, hour, minute, second.
constexpr const char* kYear = "\xC4\xEA";
constexpr const char* kMonth = "\xD4\xC2";
constexpr const char* kDay = "\xC8\xD5";
constexpr const char* kHour = "\xCA\xB1";
constexpr const char* kMinute = "\xB7\xD6";
constexpr const char* kSecond = "\xC3\xEB";

std::string ExpectedBaseName(const corvanta::ShotTime& t) {
  std::string name = std::to_string(t.year) + kYear + std::to_string(t.month) + kMonth + std::to_string(t.day) + kDay;
  const int lastPart = t.second != 0 ? 3 : t.minute != 0 ? 2 : t.hour != 0 ? 1 : 0;
  if (lastPart >= 1) name += std::to_string(t.hour) + kHour;
  if (lastPart >= 2) name += std::to_string(t.minute) + kMinute;
  if (lastPart >= 3) name += std::to_string(t.second) + kSecond;
  return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace corvanta;
  FuzzedDataProvider in(data, size);
  ShotTime time;
  for (int* part : {&time.year, &time.month, &time.day, &time.hour, &time.minute, &time.second}) {
    *part = in.ConsumeBool() ? in.ConsumeIntegralInRange<int>(0, 60) : in.ConsumeIntegral<int>();
  }
  FUZZ_CHECK(ScreenshotBaseName(time) == ExpectedBaseName(time));

  const std::string base = in.ConsumeRandomLengthString(12);
  const std::string extension = in.ConsumeRandomLengthString(5);
  // Taken: the plain name and a set of numbers, most of them small.
  const bool plainTaken = in.ConsumeBool();
  std::set<int> takenNumbers;
  while (in.remaining_bytes() > 0 && takenNumbers.size() < 64) {
    takenNumbers.insert(in.ConsumeBool() ? in.ConsumeIntegralInRange<int>(2, 70) : in.ConsumeIntegral<int>());
  }
  std::set<std::string> taken;
  if (plainTaken) taken.insert(base + extension);
  for (const int n : takenNumbers) taken.insert(base + "(" + std::to_string(n) + ")" + extension);
  int asked = 0;
  const std::string name = FreeScreenshotName(base, extension, [&](const std::string& candidate) {
    ++asked;
    return taken.contains(candidate);
  });
  FUZZ_CHECK(asked <= 10000);
  std::string expected = base + extension;
  if (plainTaken) {
    int number = 2;
    while (takenNumbers.contains(number)) ++number;
    expected = base + "(" + std::to_string(number) + ")" + extension;
  }
  FUZZ_CHECK(name == expected);
  FUZZ_CHECK(!taken.contains(name));
  return 0;
}
