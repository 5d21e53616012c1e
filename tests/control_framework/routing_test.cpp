// The installed procedures pass messages on through the replaced procedure
// named by the control's property.
#include <doctest.h>

#include <string>

#include "skin/controls/control_framework.h"
#include "skin_fixture.h"

using namespace skin;

namespace {

UINT lastMessage = 0;
HWND lastWindow = nullptr;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  lastMessage = message;
  lastWindow = window;
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

TEST_CASE("subclassed controls keep working through their own procedures") {
  test::Engine engine;
  test::SkinnedWindow window;
  HWND edit = test::Child(window.hwnd, "Edit", 0);
  HWND box = test::Child(window.hwnd, "Button", BS_AUTOCHECKBOX);
  AttachChildControls(window.index, window.hwnd);

  SetWindowTextA(edit, "文字");
  char text[16] = {};
  GetWindowTextA(edit, text, sizeof text);
  CHECK(std::string(text) == "文字");
  SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
  CHECK(SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED);
}

TEST_CASE("every class procedure forwards to the procedure in its property") {
  struct Case {
    WNDPROC proc;
    const char* prevProp;
  };
  const Case cases[] = {
      {ButtonSkinProc, kPrevProcProp},   {EditSkinProc, kPrevProcProp},
      {ComboSkinProc, kPrevProcProp},    {TrackBarSkinProc, kPrevProcProp},
      {ProgressSkinProc, kPrevProcProp}, {ListSkinProc, kPrevProcProp},
      {HeaderSkinProc, kPrevProcProp},   {UpDownSkinProc, kPrevProcProp},
      {StaticSkinProc, kPrevProcProp},   {PanelSkinProc, kPrevProcProp},
      {BackdropSkinProc, kBackdropPrevProcProp},
  };
  test::Engine engine;
  test::SkinnedWindow window;
  HWND control = test::Container(window.hwnd, 0, 0, 20, 20);
  for (const Case& c : cases) {
    SetPropA(control, c.prevProp, reinterpret_cast<HANDLE>(RecordingProc));
    lastMessage = 0;
    CallWindowProcA(c.proc, control, WM_USER + 7, 0, 0);
    CHECK(lastMessage == WM_USER + 7);
    CHECK(lastWindow == control);
    RemovePropA(control, c.prevProp);
  }
}
