#include "update/version_reply.h"

#include <gtest/gtest.h>

#include <string>

namespace corvanta {
namespace {

using namespace std::string_literals;

struct ReplyCase {
  const char* name;
  std::string body;
  std::string latest;
  VersionOutcome outcome;
};

TEST(UpdateVersionReplyTest, OutcomeAndLatestForEachKindOfReply) {
  const ReplyCase cases[] = {
      {"exactly the built-in version", "10.2021.009", "10.2021.009", VersionOutcome::kUpToDate},
      {"newer inside HTML", "<html><body><p>v10.2021.010</p></body></html>", "10.2021.010",
       VersionOutcome::kNewerVersion},
      {"older counts as newer", "10.2020.005", "10.2020.005", VersionOutcome::kNewerVersion},
      {"only 11.0", "latest: 11.0", "", VersionOutcome::kServerNotReachable},
      {"empty", "", "", VersionOutcome::kServerNotReachable},
      {"a list holding the current version", "10.2022.001\r\n10.2021.009\r\n", "10.2022.001",
       VersionOutcome::kUpToDate},
      {"short at the end", "ver 10.2021", "10.2021", VersionOutcome::kNewerVersion},
      {"first of two", "10.2023.001 10.2024.002", "10.2023.001", VersionOutcome::kNewerVersion},
      {"GBK text before the version", "最新版本10.2021.010", "10.2021.010", VersionOutcome::kNewerVersion},
      // The cut never leaves half a character: "10.2021.0" + a two-byte character is 11 bytes.
      {"GBK character at the cut", "10.2021.0版本", "10.2021.0版", VersionOutcome::kNewerVersion},
      {"lead byte at byte 11", "10.2021.01版", "10.2021.01", VersionOutcome::kNewerVersion},
  };
  for (const ReplyCase& c : cases) {
    const VersionReport report = ReadVersionReply(c.body, std::string(kBuiltInVersion));
    EXPECT_EQ(report.latest, c.latest) << c.name;
    EXPECT_EQ(report.outcome, c.outcome) << c.name;
  }
}

TEST(UpdateVersionReplyTest, ReplyEndsAtTheFirstZeroByte) {
  EXPECT_EQ(ReplyText("10.2021.010\0" "10.2021.009"s), "10.2021.010");
  EXPECT_EQ(ReplyText("\0" "10.2021.009"s), "");
  EXPECT_EQ(ReplyText("no zero"), "no zero");
  const std::string reply(ReplyText("\0" "10.2021.009"s));
  EXPECT_EQ(ReadVersionReply(reply, std::string(kBuiltInVersion)).outcome, VersionOutcome::kServerNotReachable);
}

TEST(UpdateVersionReplyTest, AnEmptyStoredVersionNeverCountsAsFound) {
  // When Config/Number could not be written, the read-back is empty; the built-in text stands in.
  const std::string current = CurrentVersionText("");
  EXPECT_EQ(current, "10.2021.009");
  EXPECT_EQ(ReadVersionReply("", current).outcome, VersionOutcome::kServerNotReachable);
  EXPECT_EQ(ReadVersionReply("", "").outcome, VersionOutcome::kServerNotReachable);
  EXPECT_EQ(CurrentVersionText("10.2021.008"), "10.2021.008");
  EXPECT_EQ(ReadVersionReply("10.2021.009", "10.2021.008").outcome, VersionOutcome::kNewerVersion);
}

TEST(UpdateVersionReplyTest, MessageTextsCaptionsAndTopmost) {
  const VersionMessage offline = NoConnectionMessage();
  EXPECT_EQ(offline.text, "名称:Corvanta\r\n最新版本号：10.2021.009\r\n当前版本号：10.2021.009\r\n软件作者:Tarnwick!\r\n2021.9");
  EXPECT_EQ(offline.caption, "版本信息:");
  EXPECT_TRUE(offline.topmost);

  const VersionMessage newer = MessageFor({VersionOutcome::kNewerVersion, "10.2021.010"}, "10.2021.009");
  EXPECT_EQ(newer.text, "名称:Corvanta\r\n发现新版本：10.2021.010\r\n当前版本号：10.2021.009\r\n软件作者:Tarnwick!\r\n2021.9");
  EXPECT_EQ(newer.caption, "版本信息:");
  EXPECT_TRUE(newer.topmost);

  const VersionMessage upToDate = MessageFor({VersionOutcome::kUpToDate, "10.2022.001"}, "10.2021.009");
  EXPECT_EQ(upToDate.text, "名称:Corvanta\r\n最新版本号：10.2022.001\r\n当前版本号：10.2021.009\r\n软件作者:Tarnwick!\r\n2021.9");
  EXPECT_TRUE(upToDate.topmost);

  const VersionMessage unreachable = MessageFor({VersionOutcome::kServerNotReachable, ""}, "10.2021.009");
  EXPECT_EQ(unreachable.text, "暂时无法连接到服务器，请稍后再试！");
  EXPECT_EQ(unreachable.caption, "信息：");
  EXPECT_FALSE(unreachable.topmost);
}

}  // namespace
}  // namespace corvanta
