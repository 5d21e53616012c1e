// Fixtures of the attach and skinned-window-procedure tests: the engine
// started as at program start-up, and a real top-level window attached
// with AttachWindow whose original procedure records what is passed on.
#pragma once
#include <windows.h>

#include <optional>
#include <vector>

#include "skin/manager/skin_manager.h"
#include "support/engine_scope.h"
#include "support/test_support.h"

namespace test {

// ConstructEngineObjects + InitSkinModule; the exit routine on destruction.
// The theme has no picture and a grey base colour.
struct Engine : EngineScope {
  Engine() : EngineScope(Theme::PlainGrey) {}
};

// A message that reached the window's original procedure.
struct Passed {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// Every message the recording procedure received, oldest first.
inline std::vector<Passed>& PassedMessages() {
  static std::vector<Passed> passed;
  return passed;
}

// How many passed messages are `message` (with `wParam`, when given).
inline int CountPassed(UINT message, std::optional<WPARAM> wParam = std::nullopt) {
  int count = 0;
  for (const Passed& p : PassedMessages()) {
    if (p.message == message && (!wParam || p.wParam == *wParam)) ++count;
  }
  return count;
}

// Records every message. The system commands and the caption press the
// skin sends stop here, so no modal move or size loop (and no real
// minimise or close) runs inside a test.
inline LRESULT CALLBACK RecordingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  PassedMessages().push_back({message, wParam, lParam});
  if (message == WM_SYSCOMMAND || message == WM_NCLBUTTONDOWN) return 0;
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

inline const char* RecordingClass() {
  static const char* name = [] {
    WNDCLASSA cls{};
    cls.style = CS_DBLCLKS;
    cls.lpfnWndProc = RecordingProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    cls.lpszClassName = "TavrinAttachTest";
    RegisterClassA(&cls);
    return cls.lpszClassName;
  }();
  return name;
}

// A popup window (its client area is width x height) at (40, 40), attached
// with `options`; destroyed with the object.
struct AttachedWindow {
  AttachedWindow(DWORD style, int width, int height, const skin::AttachOptions& options = {},
                 bool visible = false) {
    hwnd = CreateWindowExA(0, RecordingClass(), "Attach test", WS_POPUP | style, 40, 40, width,
                           height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    skin::theSkinManager().AttachWindow(hwnd, options);
    index = static_cast<int>(skin::GetIntProp(hwnd, skin::kIndexProp));
    record = skin::theWindowRegistry().At(index);
    if (visible) {
      ShowWindow(hwnd, SW_SHOWNOACTIVATE);
      UpdateWindow(hwnd);
    }
    PassedMessages().clear();
  }
  ~AttachedWindow() { DestroyWindow(hwnd); }
  AttachedWindow(const AttachedWindow&) = delete;
  AttachedWindow& operator=(const AttachedWindow&) = delete;

  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return SendMessageA(hwnd, message, wParam, lParam);
  }
  LRESULT SendAt(UINT message, int x, int y) const { return Send(message, 0, MAKELPARAM(x, y)); }

  HWND hwnd = nullptr;
  int index = 0;
  skin::SkinWindowRecord* record = nullptr;
};

}  // namespace test
