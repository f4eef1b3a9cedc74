#include "update/version_reply.h"

#include <algorithm>

#include "settings/text.h"

namespace corvanta {

namespace {

constexpr std::string_view kVersionCaption = "版本信息:";
constexpr std::string_view kDefaultCaption = "信息：";
constexpr std::string_view kServerNotReachableText = "暂时无法连接到服务器，请稍后再试！";
constexpr std::string_view kNameLine = "名称:Corvanta\r\n";
constexpr std::string_view kAuthorLines = "\r\n软件作者:Tarnwick!\r\n2021.9";

// The longest start of text of at most maxBytes that ends on a whole GBK character.
std::string_view WholeCharacters(std::string_view text, size_t maxBytes) {
  const size_t limit = std::min(maxBytes, text.size());
  size_t end = 0;
  while (end < limit) {
    const size_t width = IsGbkLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
    if (end + width > limit) break;
    end += width;
  }
  return text.substr(0, end);
}

std::string VersionText(std::string_view latestLabel, std::string_view latest, std::string_view current) {
  std::string text(kNameLine);
  text += latestLabel;
  text += latest;
  text += "\r\n当前版本号：";
  text += current;
  text += kAuthorLines;
  return text;
}

}  // namespace

std::string_view ReplyText(std::string_view body) { return body.substr(0, body.find('\0')); }

std::string LatestVersionIn(std::string_view reply) {
  const size_t start = FindText(reply, kVersionPrefix);
  if (start == kNotFound) return {};
  return std::string(WholeCharacters(reply.substr(start), kVersionLength));
}

std::string CurrentVersionText(std::string_view stored) {
  return std::string(stored.empty() ? kBuiltInVersion : stored);
}

VersionReport ReadVersionReply(std::string_view reply, std::string_view current) {
  VersionReport report;
  report.latest = LatestVersionIn(reply);
  if (!current.empty() && FindText(reply, current) != kNotFound) {
    report.outcome = VersionOutcome::kUpToDate;
  } else if (reply.empty() || report.latest.empty()) {
    report.outcome = VersionOutcome::kServerNotReachable;
  } else {
    report.outcome = VersionOutcome::kNewerVersion;
  }
  return report;
}

VersionMessage NoConnectionMessage() {
  return {VersionText("最新版本号：", kBuiltInVersion, kBuiltInVersion), std::string(kVersionCaption), true};
}

VersionMessage MessageFor(const VersionReport& report, std::string_view current) {
  switch (report.outcome) {
    case VersionOutcome::kUpToDate:
      return {VersionText("最新版本号：", report.latest, current), std::string(kVersionCaption), true};
    case VersionOutcome::kNewerVersion:
      return {VersionText("发现新版本：", report.latest, current), std::string(kVersionCaption), true};
    case VersionOutcome::kServerNotReachable:
      break;
  }
  return {std::string(kServerNotReachableText), std::string(kDefaultCaption), false};
}

}  // namespace corvanta
