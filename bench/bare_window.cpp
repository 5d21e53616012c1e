// The smallest Win32 window program: registers a class, creates a window,
// paints it once and marks the first paint with the window property
// "BenchPainted". The start-up benchmark's baseline.
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      FillRect(dc, &ps.rcPaint, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
      EndPaint(hwnd, &ps);
      SetPropA(hwnd, "BenchPainted", reinterpret_cast<HANDLE>(1));
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = "BareWindow";
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowExA(0, "BareWindow", "Bare", WS_POPUP | WS_SYSMENU, 50, 50, 408, 252,
                              nullptr, nullptr, instance, nullptr);
  ShowWindow(hwnd, show);
  UpdateWindow(hwnd);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}
