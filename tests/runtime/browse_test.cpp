#include <doctest.h>

#include <thread>

#include "app/runtime/runtime_services.h"
#include "support/com_apartment.h"
#include "support/temp_folder.h"

namespace {

BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM found) {
  char className[16] = "";
  GetClassNameA(window, className, sizeof className);
  if (std::string(className) != "#32770" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

// Waits for the folder-browse dialog of `threadId` and presses `button` in it.
void PressWhenShown(DWORD threadId, int button) {
  for (int attempt = 0; attempt < 500; ++attempt) {
    HWND dialog = nullptr;
    EnumThreadWindows(threadId, FindVisibleDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog) {
      PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
      return;
    }
    Sleep(20);
  }
}

}  // namespace

TEST_CASE("BrowseForFolder gives the chosen folder, or nothing when cancelled") {
  test::ComApartment com;
  const DWORD self = GetCurrentThreadId();
  {
    std::thread presser(PressWhenShown, self, IDCANCEL);
    CHECK(runtime::Win32Runtime().BrowseForFolder(nullptr, "选择安装地址") == "");
    presser.join();
  }
  {
    // With nothing selected the dialog answers its root, the desktop.
    std::thread presser(PressWhenShown, self, IDOK);
    const std::string chosen = runtime::Win32Runtime().BrowseForFolder(nullptr, "");
    presser.join();
    CHECK(test::IsDirectory(chosen));
  }
}
