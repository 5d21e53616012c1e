// A wizard and runtime services that record every call in one list, in order,
// for checking the install procedure step by step.
#pragma once
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/install.h"

namespace test {

using CallLog = std::vector<std::string>;

class RecordingHost : public app::InstallHost {
 public:
  RecordingHost(CallLog& log, std::string folder) : folder(std::move(folder)), log_(log) {}

  std::string InstallFolderText() override { return folder; }
  void ShowProgressBar() override { log_.push_back("show progress"); }
  void SetProgress(int position) override { log_.push_back("progress " + std::to_string(position)); }
  void SetCurrentPage(int page) override { log_.push_back("page " + std::to_string(page)); }
  void ShowMessage(const std::string& text, const std::string& caption) override {
    log_.push_back("message " + caption + ": " + text);
  }

  std::string folder;  // the text of the install-folder box; tests change it

 private:
  CallLog& log_;
};

class RecordingServices : public runtime::RuntimeServices {
  using Outcome = runtime::Outcome;

 public:
  static constexpr DWORD kFailure = ERROR_ACCESS_DENIED;

  explicit RecordingServices(CallLog& log) : log_(log) {}

  // The call (as logged) that fails; empty: none.
  std::string failingCall;
  // Runs after each call is logged.
  std::function<void(const std::string& call)> afterCall;

  Outcome CreateDir(const std::string& path) override { return Record("dir " + path); }
  Outcome WriteFile(const std::string& path, std::span<const std::uint8_t> bytes) override {
    return Record("write " + path + " (" + std::to_string(bytes.size()) + " bytes)");
  }
  std::optional<std::string> GetSpecialFolder(runtime::SpecialFolder which) override {
    const bool desktop = which == runtime::SpecialFolder::Desktop;
    if (!Record(desktop ? "desktop folder" : "start menu folder").ok()) return std::nullopt;
    return desktop ? "C:\\users\\tester\\Desktop\\" : "C:\\users\\tester\\Start Menu\\";
  }
  Outcome CreateShortcut(const std::string& linkPath, const std::string& target) override {
    return Record("link " + linkPath + " -> " + target);
  }

  // Not used by the procedure.
  std::string BrowseForFolder(HWND, const std::string&) override { return Unexpected("browse"), ""; }
  bool FileExists(const std::string&) override { return Unexpected("file exists"), false; }
  Outcome RunProgram(const std::string&, const std::string&, bool, std::optional<int>) override {
    return Unexpected("run");
  }
  [[noreturn]] void EndProcess(UINT) override { throw std::logic_error("end process"); }
  std::string GetEnvironment(const std::string&) override { return Unexpected("environment"), ""; }
  double Now() override { return Unexpected("now"), 0; }
  void SeedRandom(std::uint32_t) override { Unexpected("seed"); }
  int RandomInt(int, int) override { return Unexpected("random"), 0; }

 private:
  Outcome Record(const std::string& call) {
    log_.push_back(call);
    if (afterCall) afterCall(call);
    return {call == failingCall ? kFailure : 0};
  }
  Outcome Unexpected(const std::string& call) {
    log_.push_back("unexpected " + call);
    return {};
  }

  CallLog& log_;
};

}  // namespace test
