#pragma once

#include <string>
#include <string_view>

namespace corvanta {

// The folder that holds the executable, as GBK text without a trailing backslash (see ProgramDirText).
std::string ExecutableFolder();

// The GBK text the program uses for a folder. When GBK cannot represent the folder's name, each such
// character becomes '?' (which no real path holds) and that text is registered as an alias of the exact
// folder, so every path built on it still reaches the folder.
std::string ProgramDirText(std::wstring_view exactFolder);

}  // namespace corvanta
