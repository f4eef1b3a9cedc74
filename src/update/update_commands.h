// The four tray commands that reach the maker: the version check, the homepage, the help page and the
// donation window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "shell/menu_layout.h"
#include "update/update_server.h"

namespace corvanta {

class DonationWindow;
class MainWindowSeam;
class Program;

// Opens a page in the default web browser (ShellExecuteW "open"); nothing is reported when it fails.
void OpenInBrowser(const std::string& url);

class UpdateCommands {
 public:
  using PageOpener = std::function<void(const std::string& url)>;

  UpdateCommands(Program& program, MainWindowSeam& main);
  ~UpdateCommands();
  UpdateCommands(const UpdateCommands&) = delete;
  UpdateCommands& operator=(const UpdateCommands&) = delete;

  // Runs kVersionCheck, kHomepage, kHelp and kDonate; false for any other command.
  bool Handle(MenuId id);

  // Asks the server for the version file and reports in a message box. Both requests together take at
  // most about 10 s, during which the program's windows paint and their timers run but take no input.
  // A second check while one runs does nothing.
  void CheckVersion();
  void OpenHomepage();
  void OpenHelpPage();
  // Opens the donation window unless it is open.
  void OpenDonation();

  // The donation window while it is open, nullptr otherwise.
  DonationWindow* Donation();
  bool CheckRunning() const { return checkRunning_; }

  // Tests open pages without a browser, and read the donation picture from the program file.
  void SetPageOpener(PageOpener opener) { openPage_ = std::move(opener); }
  void SetPictureModule(HMODULE module) { pictureModule_ = module; }

 private:
  // The server and probe as the environment sets them now.
  UpdateEndpoints Endpoints() const;
  bool MachineIsOnline(const UpdateEndpoints& endpoints) const;
  // The version file's text, waiting for it at most the given time; empty when none came.
  std::string FetchVersionReply(const UpdateEndpoints& endpoints, uint32_t milliseconds) const;
  void ReportVersion(const UpdateEndpoints& endpoints, uint32_t milliseconds);

  Program& program_;
  MainWindowSeam& main_;
  PageOpener openPage_ = OpenInBrowser;
  HMODULE pictureModule_;
  std::unique_ptr<DonationWindow> donation_;
  bool checkRunning_ = false;
};

}  // namespace corvanta
