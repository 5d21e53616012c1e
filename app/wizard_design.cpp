#include <array>
#include <string_view>

#include "app/wizard.h"

namespace app {

framework::WindowDesign WizardDesign(const char* agreement) {
  using framework::ControlKind;
  constexpr int window = framework::kWindowLevel;
  constexpr int page1 = 0;
  constexpr int page2 = 1;
  // Design order is creation order: the tab before the controls of its pages.
  static std::array<framework::ControlDesign, 15> controls{{
      {names::kAgreement, ControlKind::MultiLineEdit, window, 408, 48, 376, 160, nullptr},
      {names::kTab, ControlKind::Tab, window, 7, 32, 400, 376, "1|2"},
      {names::kInstallButton, ControlKind::Button, page1, 88, 40, 224, 64, "一键安装"},
      {names::kProgress, ControlKind::ProgressBar, page1, 40, 112, 296, 8, ""},
      {names::kShortcutCheck, ControlKind::CheckBox, page1, 16, 160, 128, 24, "创建桌面快捷方式"},
      {names::kAgreementCheck, ControlKind::CheckBox, page1, 240, 160, 16, 24, ""},
      {names::kAgreementLink, ControlKind::TransparentLabel, page1, 264, 152, 120, 40, "我已阅读协议"},
      {names::kOptionsToggle, ControlKind::TransparentLabel, page1, 16, 192, 96, 16, "更多选项"},
      {names::kFolderCaption, ControlKind::TransparentLabel, page1, 16, 229, 64, 16, "安装地址："},
      {names::kFolderEdit, ControlKind::Edit, page1, 16, 253, 232, 32, "C:\\Program Files"},
      {names::kBrowseButton, ControlKind::Button, page1, 264, 253, 72, 32, "浏览"},
      {names::kTimer, ControlKind::Timer, page1, 344, -16, 48, 32, ""},
      {names::kDoneMessage, ControlKind::TransparentLabel, page2, 120, 48, 176, 96, "恭喜！软件安装完成"},
      {names::kRunButton, ControlKind::Button, page2, 152, 168, 120, 40, "运行"},
      {names::kFinishButton, ControlKind::Button, page2, 280, 168, 112, 40, "完成"},
  }};
  controls[0].text = agreement;
  return {"窗口", "Tavrin安装向导", 50, 50, 408, 252, controls};
}

int WizardControlId(const char* name) {
  const auto design = WizardDesign("");
  for (size_t i = 0; i < design.controls.size(); ++i)
    if (std::string_view(design.controls[i].name) == name)
      return framework::kFirstControlId + static_cast<int>(i);
  return 0;
}

}  // namespace app
