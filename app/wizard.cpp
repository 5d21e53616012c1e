#include "app/wizard.h"

#include "app/message_box.h"
#include "app/payload/payload.h"
#include "skin/manager/skin_manager.h"

namespace app {

using framework::ControlEvent;
using framework::FormEvent;

Wizard::Wizard(runtime::RuntimeServices& services, const std::string& agreement)
    : services_(services), agreement_(agreement), form_(WizardDesign(agreement_.c_str())) {
  form_.On(FormEvent::Created, [this] { OnWindowCreated(); });
  form_.On(ControlEvent::LeftButtonDown, names::kOptionsToggle, [this] { OnToggleOptions(); });
  form_.On(ControlEvent::Click, names::kBrowseButton, [this] { OnBrowse(); });
  form_.On(ControlEvent::LeftButtonDown, names::kAgreementLink, [this] { OnShowAgreement(); });
  form_.On(ControlEvent::Click, names::kInstallButton, [this] { OnInstall(); });
  form_.On(ControlEvent::Click, names::kRunButton, [this] { OnRunProduct(); });
  form_.On(ControlEvent::Click, names::kFinishButton, [this] { OnFinish(); });
  // The window's activation and the timer's periodic event have no work.
}

// The background JPEG becomes the theme picture, stretched (mode 3); the
// window is then skinned, not resizable from its frame.
void Wizard::OnWindowCreated() {
  skin::SkinManager& manager = skin::theSkinManager();
  manager.SetBackground({}, payload::Resource(TAVRIN_RES_BACKGROUND), std::nullopt, std::nullopt,
                        skin::kImageModeStretched);
  skin::AttachOptions options;
  options.resizable = 0;
  manager.AttachWindow(form_.Handle(), options);
  form_.SetVisible(names::kProgress, false);
}

void Wizard::OnToggleOptions() {
  if (form_.Text(names::kOptionsToggle) == "更多选项") {
    form_.SetText(names::kOptionsToggle, "收起");
    form_.SetWindowHeight(kExpandedHeight);
  } else {
    form_.SetText(names::kOptionsToggle, "更多选项");
    form_.SetWindowHeight(kCollapsedHeight);
  }
}

// A cancelled dialog gives "", so the box then holds a lone backslash, which
// the install procedure rejects.
void Wizard::OnBrowse() {
  form_.SetText(names::kFolderEdit, services_.BrowseForFolder(form_.Handle(), "") + "\\");
}

void Wizard::OnShowAgreement() {
  ShowSkinnedMessageBox(form_.Handle(), form_.Text(names::kAgreement), MB_OK, "使用协议");
}

void Wizard::OnInstall() {
  app::OnInstall(*this, services_, InstallerPayload());
}

// The runtime quotes the program path, so a folder with spaces starts the
// product and not some other program.
void Wizard::OnRunProduct() {
  services_.RunProgram(form_.Text(names::kFolderEdit) + "\\Tavrin\\Tavrin.exe", "", false,
                       std::nullopt);
  services_.EndProcess(0);
}

void Wizard::OnFinish() {
  services_.EndProcess(0);
}

std::string Wizard::InstallFolderText() {
  return form_.Text(names::kFolderEdit);
}

void Wizard::ShowProgressBar() {
  form_.SetVisible(names::kProgress, true);
}

void Wizard::SetProgress(int position) {
  form_.SetProgressPosition(names::kProgress, position);
}

void Wizard::SetCurrentPage(int page) {
  form_.SetCurrentPage(names::kTab, page);
}

void Wizard::ShowMessage(const std::string& text, const std::string& caption) {
  ShowSkinnedMessageBox(form_.Handle(), text, MB_OK, caption);
}

}  // namespace app
