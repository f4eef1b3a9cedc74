// A tiny HTTP server on 127.0.0.1 inside the test program, on its own thread, for the version check.
// It answers the version file's path with the reply it is given and every other path (the
// connectivity probe) with a short page; a silent server accepts connections and never answers.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

namespace corvanta::testing {

struct HttpReply {
  enum class Kind { kBody, kStreamed, kNotFound, kSilent };
  Kind kind = Kind::kBody;
  std::string body;              // kBody: the whole body; kStreamed: its first bytes
  uint64_t streamedBytes = 0;    // kStreamed: the announced length (0: no length, endless)

  static HttpReply Body(std::string body) { return {Kind::kBody, std::move(body), 0}; }
  static HttpReply NotFound(std::string body) { return {Kind::kNotFound, std::move(body), 0}; }
  // The first bytes, then 'x' up to the announced length, or forever when it is 0.
  static HttpReply Streamed(std::string start, uint64_t length) { return {Kind::kStreamed, std::move(start), length}; }
  static HttpReply Silent() { return {Kind::kSilent, {}, 0}; }
};

class LocalHttpServer {
 public:
  explicit LocalHttpServer(HttpReply versionReply);
  ~LocalHttpServer();
  LocalHttpServer(const LocalHttpServer&) = delete;
  LocalHttpServer& operator=(const LocalHttpServer&) = delete;

  bool Listening() const { return port_ != 0; }
  int Port() const { return port_; }
  // "127.0.0.1:port", as CORVANTA_UPDATE_SERVER takes it.
  std::string Address() const;
  // The paths asked for so far, in order.
  std::vector<std::string> Paths() const;
  // Bytes of body the server managed to send.
  uint64_t BodyBytesSent() const { return bodyBytesSent_; }
  int ConnectionsAccepted() const { return accepted_; }

 private:
  static DWORD WINAPI ThreadMain(void* self);
  void Run();
  void Answer(SOCKET client);
  bool SendAll(SOCKET client, const char* data, size_t size);
  void StreamBody(SOCKET client);

  HttpReply reply_;
  SOCKET listener_ = INVALID_SOCKET;
  int port_ = 0;
  HANDLE thread_ = nullptr;
  std::atomic<bool> stopping_{false};
  std::atomic<uint64_t> bodyBytesSent_{0};
  std::atomic<int> accepted_{0};
  std::vector<SOCKET> heldOpen_;
  mutable CRITICAL_SECTION pathsLock_;
  std::vector<std::string> paths_;
};

// Sets an environment variable of this process for the life of the object.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const wchar_t* name, const std::string& value);
  ~ScopedEnvironment();
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  std::wstring name_;
};

}  // namespace corvanta::testing
