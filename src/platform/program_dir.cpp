#include "platform/program_dir.h"

#include <windows.h>

#include <vector>

namespace corvanta {

std::string ExecutableFolder() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) {
      std::string path(buffer.data(), length);
      const size_t slash = path.find_last_of('\\');
      return slash == std::string::npos ? std::string() : path.substr(0, slash);
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace corvanta
