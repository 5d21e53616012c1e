// The wizard window "窗口": its design (controls, places, texts) and the
// handlers of its events.
#pragma once
#include <string>

#include "app/framework/framework.h"
#include "app/install.h"
#include "app/runtime/runtime_services.h"

namespace app {

// Names of the wizard's controls, as its design gives them.
namespace names {
inline constexpr char kAgreement[] = "编辑框2";
inline constexpr char kTab[] = "选择夹1";
inline constexpr char kInstallButton[] = "按钮1";
inline constexpr char kProgress[] = "进度条1";
inline constexpr char kShortcutCheck[] = "选择框1";
inline constexpr char kAgreementCheck[] = "选择框2";
inline constexpr char kAgreementLink[] = "透明标签1";
inline constexpr char kOptionsToggle[] = "透明标签2";
inline constexpr char kFolderCaption[] = "透明标签3";
inline constexpr char kFolderEdit[] = "编辑框1";
inline constexpr char kBrowseButton[] = "按钮2";
inline constexpr char kTimer[] = "时钟1";
inline constexpr char kDoneMessage[] = "透明标签4";
inline constexpr char kRunButton[] = "按钮3";
inline constexpr char kFinishButton[] = "按钮4";
}  // namespace names

// Window heights: as designed, with the options collapsed, with them shown.
inline constexpr int kDesignedHeight = 252;
inline constexpr int kCollapsedHeight = 267;
inline constexpr int kExpandedHeight = 398;

// The wizard's design table; `agreement` becomes the text of "编辑框2".
framework::WindowDesign WizardDesign(const char* agreement);

// The control id the form gives the control with this design name (0 when
// there is none): how a program outside the installer finds its controls.
int WizardControlId(const char* name);

// The wizard: its form with every handler connected, and the window side of
// the install procedure.
class Wizard : private InstallHost {
 public:
  Wizard(runtime::RuntimeServices& services, const std::string& agreement);

  framework::Form& form() { return form_; }

 private:
  void OnWindowCreated();
  void OnToggleOptions();
  void OnBrowse();
  void OnShowAgreement();
  void OnInstall();
  void OnRunProduct();
  void OnFinish();

  // InstallHost
  std::string InstallFolderText() override;
  void ShowProgressBar() override;
  void SetProgress(int position) override;
  void SetCurrentPage(int page) override;
  void ShowMessage(const std::string& text, const std::string& caption) override;

  runtime::RuntimeServices& services_;
  const std::string agreement_;
  framework::Form form_;
};

}  // namespace app
