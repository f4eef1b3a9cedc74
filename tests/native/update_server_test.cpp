#include "update/update_server.h"

#include <gtest/gtest.h>

#include "update/update_layout.h"

namespace corvanta {
namespace {

TEST(UpdateServerTest, BuiltInServerIsTheReservedHostOnPort8064AndTheProbeAPublicPage) {
  EXPECT_EQ(BuiltInServer(), (ServerAddress{"corvanta.example", 8064}));
  EXPECT_EQ(BuiltInProbeUrl(), "http://www.msftconnecttest.com/connecttest.txt");
  const UpdateEndpoints endpoints = EndpointsFor("", "");
  EXPECT_EQ(endpoints.versionFileUrl, "http://corvanta.example:8064/ver/ver.html");
  EXPECT_EQ(endpoints.homepageUrl, "http://corvanta.example:8064/");
  EXPECT_EQ(endpoints.helpPageUrl, "http://corvanta.example:8064/forum.php?mod=viewthread&tid=127&extra=page%3D1");
  EXPECT_EQ(endpoints.probeUrl, "http://www.msftconnecttest.com/connecttest.txt");
  EXPECT_EQ(endpoints.serverAddress, "http://corvanta.example:8064");
}

TEST(UpdateServerTest, OverridesReplaceServerAndProbe) {
  UpdateEndpoints endpoints = EndpointsFor("127.0.0.1:5123", "");
  EXPECT_EQ(endpoints.versionFileUrl, "http://127.0.0.1:5123/ver/ver.html");
  EXPECT_EQ(endpoints.probeUrl, "http://www.msftconnecttest.com/connecttest.txt") << "not the server itself";
  EXPECT_EQ(endpoints.serverAddress, "http://127.0.0.1:5123");

  endpoints = EndpointsFor("127.0.0.1:5123", "http://127.0.0.1:6000/alive");
  EXPECT_EQ(endpoints.versionFileUrl, "http://127.0.0.1:5123/ver/ver.html");
  EXPECT_EQ(endpoints.probeUrl, "http://127.0.0.1:6000/alive");

  // Values that do not parse leave the built-in server and its probe.
  endpoints = EndpointsFor("127.0.0.1:99999", "ftp://elsewhere/");
  EXPECT_EQ(endpoints.versionFileUrl, "http://corvanta.example:8064/ver/ver.html");
  EXPECT_EQ(endpoints.probeUrl, "http://www.msftconnecttest.com/connecttest.txt");
}

TEST(UpdateServerTest, ServerAddressParsing) {
  struct Case {
    const char* text;
    std::optional<ServerAddress> expected;
  };
  const Case cases[] = {
      {"localhost:80", ServerAddress{"localhost", 80}},
      {"my-host.example_1:65535", ServerAddress{"my-host.example_1", 65535}},
      {"bare.example", ServerAddress{"bare.example", 8064}},
      {"", std::nullopt},
      {":8064", std::nullopt},
      {"host:", std::nullopt},
      {"host:0", std::nullopt},
      {"host:65536", std::nullopt},
      {"host:80x", std::nullopt},
      {"host:123456", std::nullopt},
      {"user@host:80", std::nullopt},
      {"ho st:80", std::nullopt},
      {"host:80:90", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseServerAddress(c.text), c.expected) << c.text;
}

TEST(UpdateServerTest, HttpUrlParsing) {
  struct Case {
    const char* url;
    std::optional<HttpTarget> expected;
  };
  const Case cases[] = {
      {"http://127.0.0.1:8064/ver/ver.html", HttpTarget{"127.0.0.1", 8064, "/ver/ver.html"}},
      {"HTTP://Example.org", HttpTarget{"Example.org", 80, "/"}},
      {"http://h:81?x=1", HttpTarget{"h", 81, "/?x=1"}},
      {"http://h/forum.php?a=b&c=page%3D1#top", HttpTarget{"h", 80, "/forum.php?a=b&c=page%3D1"}},
      {"https://h/", std::nullopt},
      {"http://", std::nullopt},
      {"http://:80/", std::nullopt},
      {"http://h:x/", std::nullopt},
      {"h:80/", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseHttpUrl(c.url), c.expected) << c.url;
}

TEST(UpdateServerTest, UpdateWindowLayoutAtDesignAndHigherDpi) {
  const UpdateWindowLayout design = ComputeUpdateWindowLayout(96);
  EXPECT_EQ(design.window, (Size{370, 248}));
  EXPECT_EQ(design.notice, (Rect{10, 10, 344, 136}));
  EXPECT_EQ(design.homepageButton, (Rect{10, 156, 344, 40}));

  const UpdateWindowLayout scaled = ComputeUpdateWindowLayout(144);
  EXPECT_EQ(scaled.window, (Size{555, 372}));
  EXPECT_EQ(scaled.notice, (Rect{15, 15, 516, 204}));
  EXPECT_EQ(scaled.homepageButton, (Rect{15, 234, 516, 60}));

  EXPECT_EQ(DonationWindowSize(96), (Size{408, 586}));
  EXPECT_EQ(DonationWindowSize(120), (Size{510, 733}));
}

}  // namespace
}  // namespace corvanta
