// The file system's folder listing for the portable folder walks, by GBK path.
#pragma once

#include "suite/backdrop_walk.h"

namespace corvanta {

// Every entry of the folder ("*.*") with its attribute bits, in the file system's order; names GBK
// cannot represent are left out (nothing could open them by their lossy GBK text).
class Win32FolderReader : public FolderReader {
 public:
  std::vector<FolderEntry> Entries(const std::string& folder) const override;
};

}  // namespace corvanta
