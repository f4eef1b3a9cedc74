// Text inside the program is GBK (code page 936) bytes; Windows gets UTF-16. These helpers are the only
// place where the two meet, and they name code page 936 explicitly, so the program reads the same on
// every system code page.
#pragma once

#include <string>
#include <string_view>

namespace corvanta {

inline constexpr unsigned kGbkCodePage = 936;

// GBK bytes to UTF-16. Bytes that are not valid GBK become U+FFFD or the code page's own mapping.
std::wstring ToWide(std::string_view gbk);
// UTF-16 to GBK bytes; characters GBK cannot represent become '?' (never a look-alike).
std::string FromWide(std::wstring_view wide);
// True when every character of the text survives the trip to GBK and back.
bool RepresentableInGbk(std::wstring_view wide);

// Paths inside the program are GBK text too. A folder whose name GBK cannot represent (a user folder in
// Korean, say) is known inside by its lossy GBK text, which holds '?' and so can never name a real file;
// registering it maps that text back to the exact folder at the boundary. Two folders with the same
// lossy text get distinct texts: the returned text is the one registered.
std::string RegisterPathAlias(std::string_view gbkPrefix, std::wstring_view exactPrefix);
// The UTF-16 path for a GBK path, with a registered alias prefix replaced by its exact folder.
std::wstring WidePath(std::string_view gbkPath);

}  // namespace corvanta
