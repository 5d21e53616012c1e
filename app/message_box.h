// Message boxes of the installer, owned by the wizard.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace app {

// Shows a system message box and returns the button code minus one (IDOK
// gives 0, IDCANCEL 1, … IDNO 6).
int ShowSkinnedMessageBox(HWND owner, const std::string& text, UINT style,
                          const std::optional<std::string>& caption = std::nullopt);

}  // namespace app
