#include "local_http_server.h"

#include <ws2tcpip.h>

#include <algorithm>

namespace corvanta::testing {

namespace {

constexpr int kPollMilliseconds = 20;
constexpr DWORD kSendTimeoutMilliseconds = 2000;
constexpr size_t kStreamChunk = 64 * 1024;
constexpr size_t kMaxRequestBytes = 16 * 1024;
constexpr const char* kVersionFilePath = "/ver/ver.html";
constexpr const char* kProbePage = "<html><body>ok</body></html>";

class WinsockSession {
 public:
  WinsockSession() {
    WSADATA data{};
    WSAStartup(MAKEWORD(2, 2), &data);
  }
  ~WinsockSession() { WSACleanup(); }
};

// Waits up to the poll interval for the socket to become readable.
bool Readable(SOCKET socket) {
  fd_set set;
  FD_ZERO(&set);
  FD_SET(socket, &set);
  timeval wait{0, kPollMilliseconds * 1000};
  return select(0, &set, nullptr, nullptr, &wait) > 0;
}

// The path of the request line ("GET /path HTTP/1.1"); empty when there is none.
std::string RequestPath(SOCKET client) {
  std::string request;
  char buffer[1024];
  while (request.find("\r\n\r\n") == std::string::npos && request.size() < kMaxRequestBytes) {
    const int got = recv(client, buffer, sizeof(buffer), 0);
    if (got <= 0) break;
    request.append(buffer, static_cast<size_t>(got));
  }
  const size_t start = request.find(' ');
  if (start == std::string::npos) return {};
  const size_t end = request.find(' ', start + 1);
  return request.substr(start + 1, end == std::string::npos ? std::string::npos : end - start - 1);
}

std::string Head(const char* status, const std::string& lengthLine) {
  return std::string("HTTP/1.1 ") + status + "\r\nContent-Type: text/html\r\n" + lengthLine + "Connection: close\r\n\r\n";
}

std::string LengthLine(uint64_t length) { return "Content-Length: " + std::to_string(length) + "\r\n"; }

}  // namespace

LocalHttpServer::LocalHttpServer(HttpReply versionReply) : reply_(std::move(versionReply)) {
  static WinsockSession winsock;
  InitializeCriticalSection(&pathsLock_);
  listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  if (listener_ == INVALID_SOCKET) return;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  int size = sizeof(address);
  if (bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
      listen(listener_, SOMAXCONN) != 0 ||
      getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
    return;
  }
  port_ = ntohs(address.sin_port);
  thread_ = CreateThread(nullptr, 0, &LocalHttpServer::ThreadMain, this, 0, nullptr);
  if (thread_ == nullptr) port_ = 0;
}

LocalHttpServer::~LocalHttpServer() {
  stopping_ = true;
  if (thread_ != nullptr) {
    WaitForSingleObject(thread_, INFINITE);
    CloseHandle(thread_);
  }
  for (SOCKET held : heldOpen_) closesocket(held);
  if (listener_ != INVALID_SOCKET) closesocket(listener_);
  DeleteCriticalSection(&pathsLock_);
}

std::string LocalHttpServer::Address() const { return "127.0.0.1:" + std::to_string(port_); }

std::vector<std::string> LocalHttpServer::Paths() const {
  EnterCriticalSection(&pathsLock_);
  std::vector<std::string> copy = paths_;
  LeaveCriticalSection(&pathsLock_);
  return copy;
}

DWORD WINAPI LocalHttpServer::ThreadMain(void* self) {
  static_cast<LocalHttpServer*>(self)->Run();
  return 0;
}

void LocalHttpServer::Run() {
  while (!stopping_) {
    if (!Readable(listener_)) continue;
    SOCKET client = accept(listener_, nullptr, nullptr);
    if (client == INVALID_SOCKET) continue;
    ++accepted_;
    if (reply_.kind == HttpReply::Kind::kSilent) {
      heldOpen_.push_back(client);  // never read, never answered, closed when the server goes
      continue;
    }
    const DWORD timeout = kSendTimeoutMilliseconds;
    setsockopt(client, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&timeout), sizeof(timeout));
    setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout), sizeof(timeout));
    Answer(client);
    shutdown(client, SD_SEND);
    closesocket(client);
  }
}

bool LocalHttpServer::SendAll(SOCKET client, const char* data, size_t size) {
  while (size > 0 && !stopping_) {
    const int sent = send(client, data, static_cast<int>(std::min<size_t>(size, kStreamChunk)), 0);
    if (sent <= 0) return false;
    data += sent;
    size -= static_cast<size_t>(sent);
  }
  return size == 0;
}

void LocalHttpServer::Answer(SOCKET client) {
  const std::string path = RequestPath(client);
  EnterCriticalSection(&pathsLock_);
  paths_.push_back(path);
  LeaveCriticalSection(&pathsLock_);
  if (path != kVersionFilePath) {
    const std::string page = kProbePage;
    const std::string head = Head("200 OK", LengthLine(page.size()));
    SendAll(client, head.data(), head.size());
    SendAll(client, page.data(), page.size());
    return;
  }
  if (reply_.kind == HttpReply::Kind::kNotFound) {
    const std::string head = Head("404 Not Found", LengthLine(reply_.body.size()));
    SendAll(client, head.data(), head.size());
    SendAll(client, reply_.body.data(), reply_.body.size());
    return;
  }
  if (reply_.kind == HttpReply::Kind::kStreamed) {
    StreamBody(client);
    return;
  }
  const std::string head = Head("200 OK", LengthLine(reply_.body.size()));
  if (SendAll(client, head.data(), head.size()) && SendAll(client, reply_.body.data(), reply_.body.size())) {
    bodyBytesSent_ += reply_.body.size();
  }
}

// The body's first bytes, then filler until the announced length (or forever) unless the client goes.
void LocalHttpServer::StreamBody(SOCKET client) {
  const uint64_t total = reply_.streamedBytes;
  const std::string head = Head("200 OK", total != 0 ? LengthLine(total) : std::string());
  if (!SendAll(client, head.data(), head.size())) return;
  std::string chunk = reply_.body;
  chunk.resize(kStreamChunk, 'x');
  const std::string filler(kStreamChunk, 'x');
  uint64_t sent = 0;
  while (!stopping_ && (total == 0 || sent < total)) {
    const std::string& next = sent == 0 ? chunk : filler;
    const size_t size = total == 0 ? next.size() : static_cast<size_t>(std::min<uint64_t>(next.size(), total - sent));
    if (!SendAll(client, next.data(), size)) return;
    sent += size;
    bodyBytesSent_ += size;
  }
}

ScopedEnvironment::ScopedEnvironment(const wchar_t* name, const std::string& value) : name_(name) {
  SetEnvironmentVariableW(name, std::wstring(value.begin(), value.end()).c_str());
}

ScopedEnvironment::~ScopedEnvironment() { SetEnvironmentVariableW(name_.c_str(), nullptr); }

}  // namespace corvanta::testing
