#pragma once

#include <string>
#include <string_view>

namespace corvanta {

// The folder that holds the executable, as GBK text without a trailing backslash (see PathText).
std::string ExecutableFolder();

// The GBK text the program uses for a path from Windows (a folder, or a file a dialog chose). When GBK
// cannot represent its name, each such character becomes '?' (which no real path holds) and that text is
// registered as an alias of the exact path, so every path built on it still reaches it.
std::string PathText(std::wstring_view exactPath);

}  // namespace corvanta
