#include "update/update_server.h"

#include <cctype>

namespace corvanta {

#ifndef CORVANTA_UPDATE_HOST
#define CORVANTA_UPDATE_HOST "corvanta.example"
#endif
#ifndef CORVANTA_UPDATE_PORT
#define CORVANTA_UPDATE_PORT 8064
#endif
#ifndef CORVANTA_PROBE_URL
#define CORVANTA_PROBE_URL "http://www.msftconnecttest.com/connecttest.txt"
#endif

namespace {

constexpr std::string_view kScheme = "http://";
constexpr int kDefaultHttpPort = 80;
constexpr int kHighestPort = 65535;
constexpr size_t kMaxPortDigits = 5;

bool IsHostCharacter(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '.' || c == '-' || c == '_';
}

bool IsHost(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (!IsHostCharacter(c)) return false;
  }
  return true;
}

// 1..65535 written with digits only; 0 for anything else.
int ParsePort(std::string_view text) {
  if (text.empty() || text.size() > kMaxPortDigits) return 0;
  int port = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return 0;
    port = port * 10 + (c - '0');
  }
  return port <= kHighestPort ? port : 0;
}

// "host" or "host:port" with the given port for a bare host.
std::optional<ServerAddress> ParseAuthority(std::string_view text, int defaultPort) {
  const size_t colon = text.find(':');
  const std::string_view host = text.substr(0, colon);
  if (!IsHost(host)) return std::nullopt;
  if (colon == std::string_view::npos) return ServerAddress{std::string(host), defaultPort};
  const int port = ParsePort(text.substr(colon + 1));
  if (port == 0) return std::nullopt;
  return ServerAddress{std::string(host), port};
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  }
  return true;
}

}  // namespace

ServerAddress BuiltInServer() { return {CORVANTA_UPDATE_HOST, CORVANTA_UPDATE_PORT}; }

std::string BuiltInProbeUrl() { return CORVANTA_PROBE_URL; }

std::optional<ServerAddress> ParseServerAddress(std::string_view text) {
  return ParseAuthority(text, BuiltInServer().port);
}

std::optional<HttpTarget> ParseHttpUrl(std::string_view url) {
  if (!StartsWithNoCase(url, kScheme)) return std::nullopt;
  const std::string_view rest = url.substr(kScheme.size());
  const size_t pathStart = rest.find_first_of("/?#");
  const std::optional<ServerAddress> server = ParseAuthority(rest.substr(0, pathStart), kDefaultHttpPort);
  if (!server) return std::nullopt;
  std::string path(pathStart == std::string_view::npos ? std::string_view{} : rest.substr(pathStart));
  path = path.substr(0, path.find('#'));
  if (path.empty() || path.front() != '/') path.insert(0, "/");
  return HttpTarget{server->host, server->port, path};
}

std::string UrlOf(const ServerAddress& server, std::string_view path) {
  return std::string(kScheme) + server.host + ":" + std::to_string(server.port) + std::string(path);
}

UpdateEndpoints EndpointsFor(std::string_view serverOverride, std::string_view probeOverride) {
  const ServerAddress server = ParseServerAddress(serverOverride).value_or(BuiltInServer());
  UpdateEndpoints endpoints;
  endpoints.versionFileUrl = UrlOf(server, kVersionFilePath);
  endpoints.homepageUrl = UrlOf(server, kHomepagePath);
  endpoints.helpPageUrl = UrlOf(server, kHelpPagePath);
  endpoints.probeUrl = ParseHttpUrl(probeOverride) ? std::string(probeOverride) : BuiltInProbeUrl();
  endpoints.serverAddress = UrlOf(server, "");
  return endpoints;
}

}  // namespace corvanta
