// Server addresses and http URLs: what parses is a host of letters, digits, '.', '-', '_' and a port of
// 1..65535, and formatting it and parsing again gives the same address; the endpoints always parse.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "fuzz/fuzz_check.h"
#include "update/update_server.h"

namespace {

bool IsHost(std::string_view host) {
  if (host.empty()) return false;
  for (const char c : host) {
    const bool letterOrDigit = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (!letterOrDigit && c != '.' && c != '-' && c != '_') return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace corvanta;
  FuzzedDataProvider in(data, size);
  const std::string probe = in.ConsumeRandomLengthString(64);
  const std::string text = in.ConsumeRemainingBytesAsString();

  if (const std::optional<ServerAddress> address = ParseServerAddress(text)) {
    FUZZ_CHECK(IsHost(address->host));
    FUZZ_CHECK(address->port >= 1 && address->port <= 65535);
    FUZZ_CHECK(text.starts_with(address->host));
    FUZZ_CHECK(ParseServerAddress(address->host + ":" + std::to_string(address->port)) == address);
    const std::optional<HttpTarget> url = ParseHttpUrl(UrlOf(*address, "/x?y"));
    FUZZ_CHECK(url && url->host == address->host && url->port == address->port && url->path == "/x?y");
  }
  for (const std::string& candidate : {text, "http://" + text, "HTTP://" + text}) {
    const std::optional<HttpTarget> target = ParseHttpUrl(candidate);
    if (!target) continue;
    FUZZ_CHECK(IsHost(target->host));
    FUZZ_CHECK(target->port >= 1 && target->port <= 65535);
    FUZZ_CHECK(target->path.starts_with('/') && target->path.find('#') == std::string::npos);
    FUZZ_CHECK(ParseHttpUrl(UrlOf({target->host, target->port}, target->path)) == target);
  }

  const UpdateEndpoints endpoints = EndpointsFor(text, probe);
  for (const std::string* url : {&endpoints.versionFileUrl, &endpoints.homepageUrl, &endpoints.helpPageUrl,
                                 &endpoints.probeUrl}) {
    FUZZ_CHECK(ParseHttpUrl(*url).has_value());
  }
  const ServerAddress server = ParseServerAddress(text).value_or(BuiltInServer());
  FUZZ_CHECK(endpoints.serverAddress == "http://" + server.host + ":" + std::to_string(server.port));
  FUZZ_CHECK(ParseHttpUrl(endpoints.versionFileUrl)->path == kVersionFilePath);
  FUZZ_CHECK(endpoints.probeUrl == (ParseHttpUrl(probe) ? probe : BuiltInProbeUrl()));
  FUZZ_CHECK(endpoints.probeUrl != endpoints.homepageUrl || ParseHttpUrl(probe));
  return 0;
}
