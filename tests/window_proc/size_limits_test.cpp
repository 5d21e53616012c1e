#include <doctest.h>

#include "attached_window.h"

namespace {

using test::AttachedWindow;

// The taskbar the maximised height leaves free. Wine's is 0 pixels high
// under Xvfb: one 40 pixels high is then made along the bottom edge, on top
// of the Z order so that it is the one found.
struct Taskbar {
  Taskbar() {
    if (Height() > 0) return;
    WNDCLASSA cls{};
    cls.lpfnWndProc = DefWindowProcA;
    cls.lpszClassName = "Shell_TrayWnd";
    RegisterClassA(&cls);
    const int screenH = GetSystemMetrics(SM_CYSCREEN);
    made = CreateWindowExA(WS_EX_TOOLWINDOW, "Shell_TrayWnd", nullptr, WS_POPUP, 0, screenH - 40,
                           GetSystemMetrics(SM_CXSCREEN), 40, nullptr, nullptr, nullptr, nullptr);
    SetWindowPos(made, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  ~Taskbar() {
    if (made) DestroyWindow(made);
  }
  int Height() const {
    RECT r{};
    GetWindowRect(FindWindowA("Shell_TrayWnd", nullptr), &r);
    return r.bottom - r.top;
  }
  HWND made = nullptr;
};

MINMAXINFO AskLimits(const AttachedWindow& w) {
  MINMAXINFO info{};
  info.ptMaxSize = {1111, 2222};
  info.ptMaxPosition = {-3, -4};
  w.Send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  return info;
}

}  // namespace

TEST_CASE("tracking limits: 200 x 150 up to the screen, the maximised height above the taskbar") {
  test::Engine engine;
  Taskbar taskbar;
  REQUIRE(taskbar.Height() > 0);
  AttachedWindow w(WS_MAXIMIZEBOX, 400, 300);
  const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);

  MINMAXINFO info = AskLimits(w);
  CHECK(info.ptMinTrackSize.x == 200);
  CHECK(info.ptMinTrackSize.y == 150);
  CHECK(info.ptMaxTrackSize.x == screenW);
  CHECK(info.ptMaxTrackSize.y == screenH);
  CHECK(info.ptMaxSize.x == 1111);
  CHECK(info.ptMaxPosition.y == -4);

  w.Send(WM_SYSCOMMAND, SC_MAXIMIZE);
  info = AskLimits(w);
  CHECK(info.ptMaxTrackSize.x == screenW);
  CHECK(info.ptMaxTrackSize.y == screenH - taskbar.Height());
}

TEST_CASE("a client area grown to the full screen is shrunk above the taskbar and marked maximised") {
  test::Engine engine;
  Taskbar taskbar;
  const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
  struct Case {
    DWORD style;
    bool corrected;
  };
  for (const Case c : {Case{WS_MAXIMIZEBOX, true}, Case{WS_MINIMIZEBOX, false}}) {
    CAPTURE(c.style);
    AttachedWindow w(c.style, 400, 300);
    SetWindowPos(w.hwnd, nullptr, 0, 0, screenW, screenH, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client{};
    GetClientRect(w.hwnd, &client);
    CHECK(client.right == screenW);
    CHECK(client.bottom == (c.corrected ? screenH - taskbar.Height() : screenH));
    CHECK(w.record->isMaximized == (c.corrected ? 1 : 0));
    // The caption buttons follow the new width.
    CHECK(w.record->buttonStripX == screenW - w.record->buttonStripWidth + 1);
  }
}

TEST_CASE("system commands track the window's state; the first WM_SIZE asks for no re-render") {
  test::Engine engine;
  AttachedWindow w(WS_MAXIMIZEBOX | WS_MINIMIZEBOX, 400, 300);
  REQUIRE(skin::globals::firstSizePending == 1);
  w.record->lastHotButton = 2;
  w.Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(400, 300));
  CHECK(w.record->fullRepaint == 0);
  CHECK(w.record->lastHotButton == 0);
  CHECK(skin::globals::firstSizePending == 0);
  w.Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(400, 300));
  CHECK(w.record->fullRepaint == 1);

  struct Step {
    UINT message;
    WPARAM wParam;
    int minimized, maximized;
  };
  const Step steps[] = {
      {WM_SYSCOMMAND, SC_MINIMIZE, 1, 0},
      {WM_QUERYOPEN, 0, 0, 0},
      {WM_SYSCOMMAND, SC_MINIMIZE, 1, 0},
      {WM_SYSCOMMAND, SC_RESTORE, 0, 0},
      {WM_SYSCOMMAND, SC_MAXIMIZE, 0, 1},
      // Compared whole: the low bits make it another command.
      {WM_SYSCOMMAND, SC_MINIMIZE | 2, 0, 1},
      {WM_SYSCOMMAND, SC_RESTORE, 0, 1},
  };
  for (const Step& s : steps) {
    CAPTURE(s.wParam);
    w.record->fullRepaint = 0;
    w.Send(s.message, s.wParam);
    CHECK(w.record->isMinimized == s.minimized);
    CHECK(w.record->isMaximized == s.maximized);
    CHECK(w.record->fullRepaint == (s.message == WM_SYSCOMMAND && (s.wParam & 0xF) == 0 ? 1 : 0));
  }
}
