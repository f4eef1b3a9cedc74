// Files by GBK path: every name goes to Windows as UTF-16 through WidePath, so the program reaches the
// same files whatever the system code page.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace corvanta {

// File names (no folder, GBK bytes) matching a wildcard pattern, in the order the file system returns
// them; folders are left out, and so are names GBK cannot represent (nothing could open them by their
// lossy GBK text).
std::vector<std::string> ListFiles(const std::string& pattern);

// True for a file, false for a folder or nothing.
bool FileExists(const std::string& path);

// The whole file, or nothing when it is missing, a folder or cannot be read.
std::optional<std::vector<unsigned char>> TryReadWholeFile(const std::string& path);
// The whole file, or an empty vector when it cannot be read.
std::vector<unsigned char> ReadWholeFile(const std::string& path);

// Replaces the file's contents, or creates it, through a sibling temporary file moved over it, so a
// crash midway leaves the old file whole. False when the folder is missing, the name is a folder, the
// file is read-only or cannot be replaced.
bool WriteWholeFile(const std::string& path, const std::vector<unsigned char>& bytes);

// Deletes a file; false when it could not be deleted (missing, a folder, read-only, in use).
bool DeleteFileAt(const std::string& path);

}  // namespace corvanta
