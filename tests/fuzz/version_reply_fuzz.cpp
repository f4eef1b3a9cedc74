// The version file's reply: the text ends at the first zero byte, the announced version is the first
// "10.2" that starts a character with the bytes after it (whole characters, 11 bytes at most), and the
// outcome follows from where the current version occurs; compared with a plain character walk.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "fuzz/fuzz_check.h"
#include "update/version_reply.h"

namespace {

size_t CharWidth(std::string_view text, size_t at) {
  const auto byte = static_cast<unsigned char>(text[at]);
  return byte >= 0x81 && byte <= 0xFE ? 2 : 1;
}

// The first position, on a character boundary, where `needle` occurs; npos when nowhere.
size_t FindOnBoundary(std::string_view text, std::string_view needle) {
  for (size_t at = 0; at + needle.size() <= text.size(); at += CharWidth(text, at)) {
    if (text.substr(at, needle.size()) == needle) return at;
  }
  return std::string_view::npos;
}

std::string ExpectedLatest(std::string_view reply) {
  const size_t start = FindOnBoundary(reply, "10.2");
  if (start == std::string_view::npos) return {};
  const std::string_view rest = reply.substr(start);
  size_t end = 0;
  while (end < rest.size() && end + CharWidth(rest, end) <= std::min<size_t>(11, rest.size())) {
    end += CharWidth(rest, end);
  }
  return std::string(rest.substr(0, end));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace corvanta;
  FuzzedDataProvider in(data, size);
  const std::string stored = in.ConsumeRandomLengthString(16);
  const std::string body = in.ConsumeRemainingBytesAsString();

  const std::string_view reply = ReplyText(body);
  FUZZ_CHECK(reply.find('\0') == std::string_view::npos);
  FUZZ_CHECK(std::string_view(body).starts_with(reply));
  FUZZ_CHECK(reply.size() == body.size() || body[reply.size()] == '\0');

  const std::string latest = LatestVersionIn(reply);
  FUZZ_CHECK(latest == ExpectedLatest(reply));
  FUZZ_CHECK(latest.empty() || (latest.starts_with("10.2") && latest.size() <= 11));

  const std::string current = CurrentVersionText(stored);
  FUZZ_CHECK(current == (stored.empty() ? std::string(kBuiltInVersion) : stored));
  const VersionReport report = ReadVersionReply(reply, current);
  FUZZ_CHECK(report.latest == latest);
  const VersionOutcome expected = FindOnBoundary(reply, current) != std::string_view::npos ? VersionOutcome::kUpToDate
                                  : latest.empty() ? VersionOutcome::kServerNotReachable
                                                   : VersionOutcome::kNewerVersion;
  FUZZ_CHECK(report.outcome == expected);

  const VersionMessage message = MessageFor(report, current);
  FUZZ_CHECK(message.topmost == (report.outcome != VersionOutcome::kServerNotReachable));
  if (message.topmost) {
    FUZZ_CHECK(message.text.find(latest) != std::string::npos);
    FUZZ_CHECK(message.text.find(current) != std::string::npos);
  }
  return 0;
}
