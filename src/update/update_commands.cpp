#include "update/update_commands.h"

#include <shellapi.h>

#include "shell/program.h"
#include "shell/main_window_seam.h"
#include "shell/topmost_hand_over.h"
#include "platform/controls.h"
#include "platform/text_conv.h"
#include "update/donation_window.h"
#include "update/http_fetch.h"
#include "update/update_window.h"
#include "update/version_reply.h"

namespace corvanta {

namespace {

constexpr int kHttpOk = 200;
constexpr DWORD kEnvironmentCapacity = 1024;
// The probe only needs to see that a reply arrives.
constexpr size_t kProbeBytes = 0;
// The whole check, probe and version file together, waits no longer than this; the probe may take the
// first part of it, the version file has what is left.
constexpr uint32_t kCheckMilliseconds = 10000;
constexpr uint32_t kProbeMilliseconds = 4000;

// Every step of one request (connecting, sending, receiving, the body) and the wait for it within the time.
FetchLimits LimitsWithin(uint32_t milliseconds, size_t maxBytes) {
  FetchLimits limits;
  limits.maxBytes = maxBytes;
  limits.connectMilliseconds = milliseconds;
  limits.sendReceiveMilliseconds = milliseconds;
  limits.bodyMilliseconds = milliseconds;
  limits.totalMilliseconds = milliseconds;
  return limits;
}

// The variable's value as GBK text; empty when it is not set.
std::string EnvironmentText(const wchar_t* name) {
  wchar_t value[kEnvironmentCapacity] = {};
  const DWORD length = GetEnvironmentVariableW(name, value, kEnvironmentCapacity);
  if (length == 0 || length >= kEnvironmentCapacity) return {};
  return FromWide(std::wstring_view(value, length));
}

void ShowVersionMessage(const VersionMessage& message) {
  ShowMessageBox(nullptr, message.text, message.caption, MB_OK | MB_TASKMODAL | (message.topmost ? MB_TOPMOST : 0));
}

}  // namespace

void OpenInBrowser(const std::string& url) {
  ShellExecuteW(nullptr, L"open", ToWide(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

UpdateCommands::UpdateCommands(Program& program, MainWindowSeam& main)
    : program_(program), main_(main), pictureModule_(program.Instance()) {}

UpdateCommands::~UpdateCommands() = default;

bool UpdateCommands::Handle(MenuId id) {
  switch (id) {
    case MenuId::kVersionCheck:
      CheckVersion();
      return true;
    case MenuId::kHomepage:
      OpenHomepage();
      return true;
    case MenuId::kHelp:
      OpenHelpPage();
      return true;
    case MenuId::kDonate:
      OpenDonation();
      return true;
    default:
      return false;
  }
}

UpdateEndpoints UpdateCommands::Endpoints() const {
  return EndpointsFor(EnvironmentText(kUpdateServerVariable), EnvironmentText(kProbeUrlVariable));
}

void UpdateCommands::OpenHomepage() { openPage_(Endpoints().homepageUrl); }

void UpdateCommands::OpenHelpPage() { openPage_(Endpoints().helpPageUrl); }

DonationWindow* UpdateCommands::Donation() { return donation_ && donation_->IsOpen() ? donation_.get() : nullptr; }

void UpdateCommands::OpenDonation() {
  if (Donation() != nullptr) return;
  donation_ = MakeWindow<DonationWindow>(program_.Instance(), pictureModule_);
  if (!donation_->Open()) donation_.reset();
}

bool UpdateCommands::MachineIsOnline(const UpdateEndpoints& endpoints) const {
  if (!MachineReportsConnection()) return false;
  return FetchUrl(endpoints.probeUrl, LimitsWithin(kProbeMilliseconds, kProbeBytes)).status != 0;
}

std::string UpdateCommands::FetchVersionReply(const UpdateEndpoints& endpoints, uint32_t milliseconds) const {
  const FetchResult result = FetchUrl(endpoints.versionFileUrl, LimitsWithin(milliseconds, kMaxReplyBytes));
  // An error page is no version file, whatever it holds.
  if (result.status != kHttpOk) return {};
  return std::string(ReplyText(result.body));
}

void UpdateCommands::CheckVersion() {
  if (checkRunning_) return;
  checkRunning_ = true;
  TopmostHandOver handOver(program_.Modes());
  handOver.Take();
  program_.Settings().SetConfig(keys::kVersionNumber, kBuiltInVersion);
  const UpdateEndpoints endpoints = Endpoints();
  const ULONGLONG start = GetTickCount64();
  if (MachineIsOnline(endpoints)) {
    const ULONGLONG spent = GetTickCount64() - start;
    ReportVersion(endpoints, spent < kCheckMilliseconds ? static_cast<uint32_t>(kCheckMilliseconds - spent) : 0);
  } else {
    ShowVersionMessage(NoConnectionMessage());
  }
  handOver.GiveBack();
  checkRunning_ = false;
}

void UpdateCommands::ReportVersion(const UpdateEndpoints& endpoints, uint32_t milliseconds) {
  const std::string reply = FetchVersionReply(endpoints, milliseconds);
  const std::string current = CurrentVersionText(program_.Settings().Config(keys::kVersionNumber));
  const VersionReport report = ReadVersionReply(reply, current);
  ShowVersionMessage(MessageFor(report, current));
  if (report.outcome != VersionOutcome::kNewerVersion) return;
  const std::string homepage = endpoints.homepageUrl;
  OwnedWindow<UpdateWindow> window(program_.Instance(), endpoints.serverAddress,
                                   [this, homepage] { openPage_(homepage); });
  window.RunModal(main_.Hwnd());
}

}  // namespace corvanta
