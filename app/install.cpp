#include "app/install.h"

#include <optional>

namespace app {
namespace {

using runtime::Outcome;
using runtime::SpecialFolder;

constexpr const char* kCaption = "提示";
// The product's main program: the target of both shortcuts.
constexpr const char* kMainProgram = "\\Tavrin\\Tavrin.exe";

struct FolderStep {
  const char* suffix;
  int progress;
};
constexpr std::array<FolderStep, 4> kFolders{{
    {"\\Tavrin", 10},
    {"\\Tavrin\\pz", 18},
    {"\\Tavrin\\pz\\cxpz", 30},
    {"\\Tavrin\\pz\\exe", 35},
}};
// Progress after each payload file, in payload order.
constexpr std::array<int, 4> kFileProgress{49, 70, 75, 86};
constexpr int kDesktopLinkProgress = 91;
constexpr int kStartMenuProgress = 100;
// The procedure asks for page 3; the tab control clamps it to its last page,
// the completion page.
constexpr int kCompletionPage = 3;

// One run of the procedure. Every step reads the install folder afresh from
// the wizard and builds its paths by plain concatenation; a folder ending in a
// backslash therefore gives a doubled separator, which the file system reads
// as one. The first failing step stops the run with a message.
class InstallRun {
 public:
  InstallRun(InstallHost& host, runtime::RuntimeServices& services)
      : host_(host), services_(services) {}

  bool Run(std::span<const PayloadFile, 4> payload) {
    const std::string base = host_.InstallFolderText();
    // "" or a lone backslash is what a cancelled browse leaves behind.
    if (base.empty() || base == "\\") {
      host_.ShowMessage("请先浏览正确安装地址！", kCaption);
      return false;
    }
    host_.ShowProgressBar();

    for (const FolderStep& folder : kFolders) {
      if (!CreateFolder(Base() + folder.suffix)) return false;
      host_.SetProgress(folder.progress);
    }
    for (std::size_t i = 0; i < payload.size(); ++i) {
      const std::string path = Base() + payload[i].suffix;
      if (!Succeeded(services_.WriteFile(path, payload[i].bytes), "无法写入文件", path)) {
        return false;
      }
      host_.SetProgress(kFileProgress[i]);
    }

    const auto desktop = Lookup(SpecialFolder::Desktop);
    if (!desktop || !CreateShortcut(*desktop + "Tavrin")) return false;
    host_.SetProgress(kDesktopLinkProgress);

    // The special folder ends with a backslash, so "\Tavrin" doubles it.
    const auto startMenuForFolder = Lookup(SpecialFolder::StartMenu);
    if (!startMenuForFolder || !CreateFolder(*startMenuForFolder + "\\Tavrin")) return false;
    const auto startMenu = Lookup(SpecialFolder::StartMenu);
    if (!startMenu || !CreateShortcut(*startMenu + "Tavrin\\Tavrin")) return false;
    host_.SetProgress(kStartMenuProgress);

    host_.SetCurrentPage(kCompletionPage);
    return true;
  }

 private:
  std::string Base() { return host_.InstallFolderText(); }

  bool CreateFolder(const std::string& path) {
    return Succeeded(services_.CreateDir(path), "无法创建文件夹", path);
  }

  bool CreateShortcut(const std::string& linkPath) {
    return Succeeded(services_.CreateShortcut(linkPath, Base() + kMainProgram), "无法创建快捷方式",
                     linkPath);
  }

  std::optional<std::string> Lookup(SpecialFolder which) {
    auto folder = services_.GetSpecialFolder(which);
    if (!folder) {
      // Without the folder the link would land relative to the current
      // directory, so the lookup failing stops the install.
      Fail("无法找到系统文件夹", which == SpecialFolder::Desktop ? "桌面" : "开始菜单", "");
    }
    return folder;
  }

  bool Succeeded(Outcome outcome, const char* what, const std::string& path) {
    if (!outcome.ok()) Fail(what, path, runtime::DescribeError(outcome.error));
    return outcome.ok();
  }

  void Fail(const char* what, const std::string& subject, const std::string& reason) {
    std::string text = std::string("安装失败：") + what + "\r\n" + subject;
    if (!reason.empty()) text += "\r\n" + reason;
    host_.ShowMessage(text, kCaption);
  }

  InstallHost& host_;
  runtime::RuntimeServices& services_;
};

}  // namespace

bool OnInstall(InstallHost& host, runtime::RuntimeServices& services,
               std::span<const PayloadFile, 4> payload) {
  return InstallRun(host, services).Run(payload);
}

}  // namespace app
