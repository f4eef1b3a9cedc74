// One plain HTTP GET through WinINet, bounded in size and in time: the version check waits for it on the
// UI thread, so neither an endless reply nor a server that never answers (nor a name lookup that hangs)
// may hold it long.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace corvanta {

inline constexpr size_t kMaxReplyBytes = 64 * 1024;

struct FetchLimits {
  size_t maxBytes = kMaxReplyBytes;  // the body is cut here; nothing beyond is read
  uint32_t connectMilliseconds = 5000;
  uint32_t sendReceiveMilliseconds = 5000;  // each send and each receive
  uint32_t bodyMilliseconds = 10000;        // reading the whole body
  uint32_t totalMilliseconds = 20000;       // the caller waits no longer than this for the result
};

struct FetchResult {
  int status = 0;  // the HTTP status code; 0 when no reply arrived
  std::string body;
};

// The reply to a GET of the URL ("http://host[:port]/path"), without the cache. The body is read in
// small chunks until its end, maxBytes or bodyMilliseconds, whichever comes first. The transfer runs on
// a thread of its own, which also closes the connection after the result is handed over (WinINet may
// read what is left of a long reply then); the caller waits for the result at most totalMilliseconds
// and gets an empty result when it did not come in time. While it waits, its thread's windows paint and
// their timers run, but input to them is dropped (platform/message_wait.h).
FetchResult FetchUrl(const std::string& url, const FetchLimits& limits = {});

// Whether Windows reports a network connection (InternetGetConnectedState).
bool MachineReportsConnection();

}  // namespace corvanta
