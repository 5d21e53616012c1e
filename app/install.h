// The install procedure run by the wizard's "一键安装" button: validates the
// install folder, creates the product's folders, writes the four payload
// files, creates the desktop and Start-menu shortcuts, advances the progress
// bar after each step and turns the wizard to its completion page.
#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "app/runtime/runtime_services.h"

namespace app {

// One program file the installer writes: the path suffix appended to the
// install folder, and its bytes.
struct PayloadFile {
  const char* suffix;
  std::span<const std::uint8_t> bytes;
};

// The four payload files in the order they are written, with their bytes from
// the installer's resources.
std::array<PayloadFile, 4> InstallerPayload();

// What the procedure needs of the wizard window.
class InstallHost {
 public:
  virtual ~InstallHost() = default;
  virtual std::string InstallFolderText() = 0;   // text of "编辑框1", read before each step
  virtual void ShowProgressBar() = 0;            // makes "进度条1" visible
  virtual void SetProgress(int position) = 0;    // position of "进度条1"
  virtual void SetCurrentPage(int page) = 0;     // current page of "选择夹1" (clamped)
  // A message box (MB_OK) owned by the wizard.
  virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
};

// Runs the whole procedure synchronously. Returns true when every step
// succeeded and the completion page was shown; on the first failure it stops,
// shows a "提示" box naming the path and the system's reason, and returns
// false with the wizard left on its first page.
bool OnInstall(InstallHost& host, runtime::RuntimeServices& services,
               std::span<const PayloadFile, 4> payload);

}  // namespace app
