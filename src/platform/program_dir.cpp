#include "platform/program_dir.h"

#include <windows.h>

#include <vector>

#include "platform/text_conv.h"

namespace corvanta {

namespace {

std::wstring ModulePath() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::wstring(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

size_t CharacterLengthAt(std::wstring_view text, size_t at) {
  const bool pair = IS_HIGH_SURROGATE(text[at]) && at + 1 < text.size() && IS_LOW_SURROGATE(text[at + 1]);
  return pair ? 2 : 1;
}

// Character by character, so an unrepresentable character always becomes '?' and never a look-alike
// that could name another real folder.
std::string LossyGbkText(std::wstring_view folder) {
  std::string text;
  for (size_t at = 0; at < folder.size();) {
    const std::wstring_view character = folder.substr(at, CharacterLengthAt(folder, at));
    text += RepresentableInGbk(character) ? FromWide(character) : std::string("?");
    at += character.size();
  }
  return text;
}

}  // namespace

std::string PathText(std::wstring_view exactPath) {
  if (RepresentableInGbk(exactPath)) return FromWide(exactPath);
  return RegisterPathAlias(LossyGbkText(exactPath), exactPath);
}

std::string ExecutableFolder() {
  const std::wstring path = ModulePath();
  const size_t slash = path.find_last_of(L'\\');
  return slash == std::wstring::npos ? std::string() : PathText(std::wstring_view(path).substr(0, slash));
}

}  // namespace corvanta
