#pragma once

#include <string>
#include <vector>

namespace corvanta {

// File names (no folder, GBK bytes) matching a wildcard pattern, in the order the file system returns
// them (FindFirstFileA/FindNextFileA); folders are left out.
std::vector<std::string> ListFiles(const std::string& pattern);

bool FileExists(const std::string& path);

// The whole file, or an empty vector when it cannot be read.
std::vector<unsigned char> ReadWholeFile(const std::string& path);

}  // namespace corvanta
