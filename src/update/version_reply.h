// What the version file's reply says: the latest version it announces, whether the running version is
// the latest one, and the message box that reports it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvanta {

// The version of this program, as the version file writes it.
inline constexpr std::string_view kBuiltInVersion = "10.2021.009";
// A version text starts with this and is this many bytes long.
inline constexpr std::string_view kVersionPrefix = "10.2";
inline constexpr size_t kVersionLength = 11;

// The reply's bytes as text: everything before the first zero byte.
std::string_view ReplyText(std::string_view body);

// The kVersionLength bytes from the first kVersionPrefix of the reply (fewer at its end, and never
// half of a GBK character); empty when the reply holds no kVersionPrefix.
std::string LatestVersionIn(std::string_view reply);

// The current version as read back from Config/Number. The version check writes the built-in text
// there first; an empty read means the write did not reach the file, and the built-in text stands in,
// so that an empty text never counts as found in the reply.
std::string CurrentVersionText(std::string_view stored);

enum class VersionOutcome { kUpToDate, kNewerVersion, kServerNotReachable };

struct VersionReport {
  VersionOutcome outcome = VersionOutcome::kServerNotReachable;
  std::string latest;
};

// Up to date when the current version text occurs anywhere in the reply; otherwise a newer version when
// the reply announces one, and the server counts as not reachable when it does not. Versions are not
// ordered: a reply with an older version announces a "newer" one too.
VersionReport ReadVersionReply(std::string_view reply, std::string_view current);

struct VersionMessage {
  std::string text;
  std::string caption;
  bool topmost = false;
};

// The box shown when the machine is offline: the built-in version as both latest and current.
VersionMessage NoConnectionMessage();
VersionMessage MessageFor(const VersionReport& report, std::string_view current);

}  // namespace corvanta
