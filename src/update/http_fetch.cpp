#include "update/http_fetch.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <optional>

#include "platform/message_wait.h"
#include "platform/text_conv.h"
#include "update/update_server.h"

namespace corvanta {

namespace {

constexpr DWORD kChunkBytes = 4096;
constexpr const wchar_t* kUserAgent = L"Corvanta";
constexpr DWORD kRequestFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE |
                                INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_UI;

class InternetHandle {
 public:
  explicit InternetHandle(HINTERNET handle) : handle_(handle) {}
  ~InternetHandle() {
    if (handle_ != nullptr) InternetCloseHandle(handle_);
  }
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;
  HINTERNET Get() const { return handle_; }

 private:
  HINTERNET handle_;
};

void SetTimeout(HINTERNET handle, DWORD option, DWORD milliseconds) {
  InternetSetOptionW(handle, option, &milliseconds, sizeof(milliseconds));
}

// Set on every level: a request takes its timeouts from the connection it was opened on.
void SetTimeouts(HINTERNET handle, const FetchLimits& limits) {
  SetTimeout(handle, INTERNET_OPTION_CONNECT_TIMEOUT, limits.connectMilliseconds);
  SetTimeout(handle, INTERNET_OPTION_SEND_TIMEOUT, limits.sendReceiveMilliseconds);
  SetTimeout(handle, INTERNET_OPTION_RECEIVE_TIMEOUT, limits.sendReceiveMilliseconds);
  SetTimeout(handle, INTERNET_OPTION_DATA_SEND_TIMEOUT, limits.sendReceiveMilliseconds);
  SetTimeout(handle, INTERNET_OPTION_DATA_RECEIVE_TIMEOUT, limits.sendReceiveMilliseconds);
}

int StatusOf(HINTERNET request) {
  DWORD status = 0;
  DWORD size = sizeof(status);
  if (!HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr)) return 0;
  return static_cast<int>(status);
}

// Chunk by chunk into a buffer that never grows beyond maxBytes.
std::string ReadBody(HINTERNET request, const FetchLimits& limits) {
  std::string body;
  body.reserve(std::min(limits.maxBytes, kMaxReplyBytes));
  const ULONGLONG deadline = GetTickCount64() + limits.bodyMilliseconds;
  char chunk[kChunkBytes];
  while (body.size() < limits.maxBytes && GetTickCount64() < deadline) {
    const DWORD wanted = static_cast<DWORD>(std::min<size_t>(kChunkBytes, limits.maxBytes - body.size()));
    DWORD got = 0;
    if (!InternetReadFile(request, chunk, wanted, &got) || got == 0) break;
    body.append(chunk, got);
  }
  return body;
}

// One request shared by the waiting caller and the transfer thread; the last of the two frees it.
struct FetchJob {
  std::string url;
  FetchLimits limits;
  FetchResult result;
  HANDLE done = nullptr;
  LONG references = 2;
};

void Release(FetchJob* job) {
  if (InterlockedDecrement(&job->references) != 0) return;
  CloseHandle(job->done);
  delete job;
}

// Hands the result over as soon as it is read; the handles close afterwards.
void Transfer(FetchJob& job) {
  const std::optional<HttpTarget> target = ParseHttpUrl(job.url);
  if (!target) return;
  InternetHandle session(InternetOpenW(kUserAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (session.Get() == nullptr) return;
  SetTimeouts(session.Get(), job.limits);
  InternetHandle connection(InternetConnectW(session.Get(), ToWide(target->host).c_str(),
                                             static_cast<INTERNET_PORT>(target->port), nullptr, nullptr,
                                             INTERNET_SERVICE_HTTP, 0, 0));
  if (connection.Get() == nullptr) return;
  SetTimeouts(connection.Get(), job.limits);
  InternetHandle request(HttpOpenRequestW(connection.Get(), L"GET", ToWide(target->path).c_str(), nullptr, nullptr,
                                          nullptr, kRequestFlags, 0));
  if (request.Get() == nullptr) return;
  SetTimeouts(request.Get(), job.limits);
  if (!HttpSendRequestW(request.Get(), nullptr, 0, nullptr, 0)) return;
  job.result.status = StatusOf(request.Get());
  job.result.body = ReadBody(request.Get(), job.limits);
  SetEvent(job.done);
}

DWORD WINAPI TransferThread(void* parameter) {
  auto* job = static_cast<FetchJob*>(parameter);
  Transfer(*job);
  SetEvent(job->done);  // also when the request failed
  Release(job);
  return 0;
}

}  // namespace

FetchResult FetchUrl(const std::string& url, const FetchLimits& limits) {
  auto* job = new FetchJob{url, limits, {}, CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  if (job->done == nullptr) {
    delete job;
    return {};
  }
  HANDLE thread = CreateThread(nullptr, 0, &TransferThread, job, 0, nullptr);
  if (thread == nullptr) {
    job->references = 1;
    Release(job);
    return {};
  }
  CloseHandle(thread);
  FetchResult result;
  if (WaitServingPaintAndTimers(job->done, limits.totalMilliseconds)) result = std::move(job->result);
  Release(job);
  return result;
}

bool MachineReportsConnection() {
  DWORD flags = 0;
  return InternetGetConnectedState(&flags, 0) != FALSE;
}

}  // namespace corvanta
