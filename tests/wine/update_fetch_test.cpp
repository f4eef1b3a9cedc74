// The bounded HTTP GET of the version check against servers inside the test program: the body and
// status, the 64 KiB cut of a 100 MB or endless reply without holding more, and giving up on a server
// that never answers. The figures are printed; the bounds are generous.
#include <windows.h>
#include <psapi.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <vector>

#include "local_http_server.h"
#include "update/http_fetch.h"

namespace corvanta {
namespace {

using testing::HttpReply;
using testing::LocalHttpServer;

constexpr uint64_t kHundredMegabytes = 100ull * 1024 * 1024;
constexpr size_t kMemoryGrowthBound = 24u * 1024 * 1024;

std::string VersionUrl(const LocalHttpServer& server) { return "http://" + server.Address() + "/ver/ver.html"; }

// The process's committed memory (Wine reports PrivateUsage as 0, PagefileUsage as the commit charge).
size_t CommittedBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
  return counters.PagefileUsage;
}

// Samples the process's committed memory every few milliseconds on its own thread and keeps the highest.
class MemorySampler {
 public:
  MemorySampler() : baseline_(CommittedBytes()), highest_(baseline_) {
    thread_ = CreateThread(nullptr, 0, &MemorySampler::Run, this, 0, nullptr);
  }
  ~MemorySampler() { Stop(); }
  MemorySampler(const MemorySampler&) = delete;
  MemorySampler& operator=(const MemorySampler&) = delete;
  void Stop() {
    stop_ = true;
    if (thread_ != nullptr) {
      WaitForSingleObject(thread_, INFINITE);
      CloseHandle(thread_);
      thread_ = nullptr;
    }
  }
  size_t Growth() const { return highest_ > baseline_ ? highest_ - baseline_ : 0; }

 private:
  static DWORD WINAPI Run(void* self) {
    auto* sampler = static_cast<MemorySampler*>(self);
    while (!sampler->stop_) {
      const size_t now = CommittedBytes();
      if (now > sampler->highest_) sampler->highest_ = now;
      Sleep(2);
    }
    return 0;
  }
  size_t baseline_;
  std::atomic<size_t> highest_;
  std::atomic<bool> stop_{false};
  HANDLE thread_ = nullptr;
};

TEST(UpdateFetchTest, BodyAndStatusOfAnAnswer) {
  LocalHttpServer ok(HttpReply::Body("<p>10.2021.010</p>"));
  ASSERT_TRUE(ok.Listening());
  FetchResult result = FetchUrl(VersionUrl(ok));
  EXPECT_EQ(result.status, 200);
  EXPECT_EQ(result.body, "<p>10.2021.010</p>");

  LocalHttpServer missing(HttpReply::NotFound("<p>no such page 10.2021.010</p>"));
  result = FetchUrl(VersionUrl(missing));
  EXPECT_EQ(result.status, 404);

  // Nothing listens on a port whose server has gone.
  int closedPort = 0;
  {
    LocalHttpServer gone(HttpReply::Body(""));
    closedPort = gone.Port();
  }
  result = FetchUrl("http://127.0.0.1:" + std::to_string(closedPort) + "/ver/ver.html");
  EXPECT_EQ(result.status, 0);
  EXPECT_TRUE(result.body.empty());
  EXPECT_EQ(FetchUrl("https://127.0.0.1/").status, 0) << "only plain http is asked for";
}

TEST(UpdateFetchTest, LongRepliesAreCutAt64KiBWithoutHoldingMore) {
  {
    // The sampler does see a buffer of the size the check rules out.
    MemorySampler calibration;
    std::vector<char> buffer(2 * kMemoryGrowthBound, 1);
    Sleep(50);
    calibration.Stop();
    ASSERT_GT(calibration.Growth(), kMemoryGrowthBound) << static_cast<int>(buffer[1000]);
  }
  struct Case {
    const char* name;
    uint64_t announced;  // 0: endless, without a length
  };
  for (const Case& c : {Case{"100 MB", kHundredMegabytes}, Case{"endless", 0}}) {
    LocalHttpServer server(HttpReply::Streamed("10.2021.010", c.announced));
    ASSERT_TRUE(server.Listening());
    MemorySampler sampler;
    const ULONGLONG start = GetTickCount64();
    const FetchResult result = FetchUrl(VersionUrl(server));
    const ULONGLONG elapsed = GetTickCount64() - start;
    sampler.Stop();
    EXPECT_EQ(result.status, 200) << c.name;
    EXPECT_EQ(result.body.size(), kMaxReplyBytes) << c.name;
    EXPECT_EQ(result.body.substr(0, 11), "10.2021.010") << c.name;
    EXPECT_LT(sampler.Growth(), kMemoryGrowthBound) << c.name;
    std::printf("[ figure ] %s reply: %llu ms, committed memory grew by at most %zu KiB, server sent %llu KiB\n",
                c.name, static_cast<unsigned long long>(elapsed), sampler.Growth() / 1024,
                static_cast<unsigned long long>(server.BodyBytesSent() / 1024));
  }
}

TEST(UpdateFetchTest, ServerThatNeverAnswersIsGivenUp) {
  LocalHttpServer silent(HttpReply::Silent());
  ASSERT_TRUE(silent.Listening());
  FetchLimits limits;
  limits.connectMilliseconds = 1000;
  limits.sendReceiveMilliseconds = 1000;
  limits.bodyMilliseconds = 1000;
  const ULONGLONG start = GetTickCount64();
  const FetchResult result = FetchUrl(VersionUrl(silent), limits);
  const ULONGLONG elapsed = GetTickCount64() - start;
  EXPECT_EQ(result.status, 0);
  EXPECT_TRUE(result.body.empty());
  EXPECT_EQ(silent.ConnectionsAccepted(), 1);
  EXPECT_LT(elapsed, 20000u) << "a one-second limit must not wait this long";
  std::printf("[ figure ] silent server given up after %llu ms (limits of 1000 ms)\n",
              static_cast<unsigned long long>(elapsed));
}

}  // namespace
}  // namespace corvanta
