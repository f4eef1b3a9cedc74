#pragma once

#include <string>

namespace corvanta {

// The folder that holds the executable, without a trailing backslash.
std::string ExecutableFolder();

}  // namespace corvanta
