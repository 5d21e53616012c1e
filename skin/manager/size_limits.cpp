// The tracking sizes of a skinned window and the correction that keeps a
// maximised window off the taskbar. The window has no system caption, so
// the system would otherwise maximise it over the whole screen.
#include "skin/manager/window_messages.h"

namespace skin::window_messages {

namespace {

// The screen height less the taskbar's, the taskbar taken to lie along the
// bottom edge; without a taskbar, the whole screen height.
int HeightAboveTaskbar() {
  RECT taskbar{};
  if (HWND tray = FindWindowA("Shell_TrayWnd", nullptr)) GetWindowRect(tray, &taskbar);
  return GetSystemMetrics(SM_CYSCREEN) - (taskbar.bottom - taskbar.top);
}

}  // namespace

// ptMaxSize and ptMaxPosition are left as they came.
void OnGetMinMaxInfo(const SkinnedWindow& w, MINMAXINFO& info) {
  const SkinWindowRecord& r = w.record;
  int maxWidth = r.maxTrackWidth, maxHeight = r.maxTrackHeight;
  if (r.isMaximized) {
    maxWidth = GetSystemMetrics(SM_CXSCREEN);
    maxHeight = HeightAboveTaskbar();
  }
  info.ptMinTrackSize = {r.minTrackWidth, r.minTrackHeight};
  info.ptMaxTrackSize = {maxWidth, maxHeight};
}

// A window with a maximise button whose client area reached the full
// screen is shrunk to the height above the taskbar and marked maximised.
void OnWindowPosChanged(const SkinnedWindow& w) {
  if (w.record.showMaximizeButton == 1) {
    RECT client{};
    GetClientRect(w.hwnd, &client);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    if (client.right == screenWidth && client.bottom == GetSystemMetrics(SM_CYSCREEN)) {
      w.record.isMaximized = 1;
      SetWindowPos(w.hwnd, nullptr, 0, 0, screenWidth, HeightAboveTaskbar(),
                   SWP_NOZORDER | SWP_NOOWNERZORDER);
    }
  }
  w.manager.LayoutCaptionButtons(w.index);
  if (w.record.statusBarHeight > 0) w.manager.LayoutStatusBar(w.index);
}

}  // namespace skin::window_messages
