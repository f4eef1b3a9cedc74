#include "platform/text_conv.h"

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace corvanta {

namespace {

struct PathAlias {
  std::string gbk;
  std::wstring exact;
};

// Registered once per program directory, read from any thread.
SRWLOCK aliasLock = SRWLOCK_INIT;
std::vector<PathAlias>& Aliases() {
  static std::vector<PathAlias> aliases;
  return aliases;
}

bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char a = text[i];
    char b = prefix[i];
    if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
    if (b >= 'A' && b <= 'Z') b = static_cast<char>(b - 'A' + 'a');
    if (a != b) return false;
  }
  return true;
}

}  // namespace

std::wstring ToWide(std::string_view gbk) {
  if (gbk.empty()) return {};
  const int length = MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), static_cast<int>(gbk.size()), wide.data(), length);
  return wide;
}

std::string FromWide(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int length = WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string gbk(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), gbk.data(),
                      length, nullptr, nullptr);
  return gbk;
}

bool RepresentableInGbk(std::wstring_view wide) { return ToWide(FromWide(wide)) == wide; }

std::string RegisterPathAlias(std::string_view gbkPrefix, std::wstring_view exactPrefix) {
  AcquireSRWLockExclusive(&aliasLock);
  std::string text(gbkPrefix);
  auto holder = [&](const std::string& candidate) -> const PathAlias* {
    for (const PathAlias& alias : Aliases()) {
      if (alias.gbk == candidate) return &alias;
    }
    return nullptr;
  };
  // '?' names no real file, so "?2", "?3", ... keep two lossy texts apart without meeting a real path.
  for (int n = 2; holder(text) != nullptr && holder(text)->exact != exactPrefix; ++n) {
    text = std::string(gbkPrefix) + "?" + std::to_string(n);
  }
  if (holder(text) == nullptr) Aliases().push_back(PathAlias{text, std::wstring(exactPrefix)});
  ReleaseSRWLockExclusive(&aliasLock);
  return text;
}

std::wstring WidePath(std::string_view gbkPath) {
  AcquireSRWLockShared(&aliasLock);
  const PathAlias* match = nullptr;
  for (const PathAlias& alias : Aliases()) {
    const bool atBoundary = gbkPath.size() == alias.gbk.size() ||
                            (gbkPath.size() > alias.gbk.size() && gbkPath[alias.gbk.size()] == '\\');
    if (atBoundary && StartsWithIgnoringAsciiCase(gbkPath, alias.gbk) &&
        (match == nullptr || alias.gbk.size() > match->gbk.size())) {
      match = &alias;
    }
  }
  std::wstring wide = match == nullptr ? ToWide(gbkPath) : match->exact + ToWide(gbkPath.substr(match->gbk.size()));
  ReleaseSRWLockShared(&aliasLock);
  return wide;
}

}  // namespace corvanta
