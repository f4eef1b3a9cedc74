#include "suite/folder_reader.h"

#include <windows.h>

#include "platform/text_conv.h"

namespace corvanta {

std::vector<FolderEntry> Win32FolderReader::Entries(const std::string& folder) const {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAW data{};
  HANDLE find = FindFirstFileW(WidePath(folder + "*.*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    if (RepresentableInGbk(data.cFileName)) entries.push_back({FromWide(data.cFileName), data.dwFileAttributes});
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return entries;
}

}  // namespace corvanta
