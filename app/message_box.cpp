#include "app/message_box.h"

namespace app {

int ShowSkinnedMessageBox(HWND owner, const std::string& text, UINT style,
                          const std::optional<std::string>& caption) {
  return MessageBoxExA(owner, text.c_str(), caption ? caption->c_str() : nullptr, style, 0) - 1;
}

}  // namespace app
