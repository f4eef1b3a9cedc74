// The maker's web server: the version file, the homepage and the help page all live there. Its host and
// port are build settings (CORVANTA_UPDATE_HOST, CORVANTA_UPDATE_PORT), and so is the public page that
// the connectivity probe asks (CORVANTA_PROBE_URL), which lies elsewhere: a server that is down must not
// look like a machine without a network. The environment variables CORVANTA_UPDATE_SERVER ("host:port")
// and CORVANTA_PROBE_URL replace the server and the probe's page at run time, so that tests can answer
// with servers of their own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvanta {

inline constexpr const wchar_t* kUpdateServerVariable = L"CORVANTA_UPDATE_SERVER";
inline constexpr const wchar_t* kProbeUrlVariable = L"CORVANTA_PROBE_URL";

inline constexpr std::string_view kVersionFilePath = "/ver/ver.html";
inline constexpr std::string_view kHomepagePath = "/";
inline constexpr std::string_view kHelpPagePath = "/forum.php?mod=viewthread&tid=127&extra=page%3D1";

struct ServerAddress {
  std::string host;
  int port = 0;
  bool operator==(const ServerAddress&) const = default;
};

// The server this build was configured with.
ServerAddress BuiltInServer();
// The probe's page this build was configured with.
std::string BuiltInProbeUrl();

// "host:port", or a bare host with the built-in port; empty when the text is no such address (a host
// of letters, digits, '.', '-' and '_'; a port from 1 to 65535).
std::optional<ServerAddress> ParseServerAddress(std::string_view text);

// One plain HTTP request target.
struct HttpTarget {
  std::string host;
  int port = 80;
  std::string path;  // with its query; begins with '/'
  bool operator==(const HttpTarget&) const = default;
};

// "http://host[:port][/path?query]"; empty for any other scheme or a malformed address.
std::optional<HttpTarget> ParseHttpUrl(std::string_view url);

// "http://host:port" + path.
std::string UrlOf(const ServerAddress& server, std::string_view path);

struct UpdateEndpoints {
  std::string versionFileUrl;
  std::string homepageUrl;
  std::string helpPageUrl;
  std::string probeUrl;       // the connectivity probe: the built-in public page unless replaced
  std::string serverAddress;  // as the update window's button shows it
};

// The endpoints for the values of the two environment variables (empty when unset). A value that does
// not parse is ignored.
UpdateEndpoints EndpointsFor(std::string_view serverOverride, std::string_view probeOverride);

}  // namespace corvanta
