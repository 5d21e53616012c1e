#include <doctest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "attached_window.h"

namespace {

using test::AttachedWindow;

// A visible child of the window, validated: only a new invalidation leaves
// an update region.
HWND ValidatedChild(const AttachedWindow& w, const char* cls) {
  HWND child = CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE, 10, 40, 120, 60, w.hwnd, nullptr,
                               nullptr, nullptr);
  UpdateWindow(child);
  ValidateRect(child, nullptr);
  return child;
}

bool NeedsPaint(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }

}  // namespace

TEST_CASE("in edit-panel mode the scrolling and changing notifications repaint their control") {
  test::Engine engine;
  AttachedWindow w(0, 300, 200, {}, true);
  struct Case {
    const char* cls;
    WORD code;
    bool panelMode;
    bool repainted;
  };
  const Case cases[] = {
      {"Edit", EN_CHANGE, true, true},     {"Edit", EN_UPDATE, true, true},
      {"Edit", EN_VSCROLL, true, true},    {"Edit", EN_HSCROLL, true, true},
      {"Edit", EN_SETFOCUS, true, false},  {"ListBox", LBN_SELCHANGE, true, true},
      {"ListBox", LBN_SELCANCEL, true, true}, {"ListBox", LBN_DBLCLK, true, false},
      {"ComboBox", CBN_KILLFOCUS, true, true}, {"ComboBox", CBN_SELCHANGE, true, true},
      {"ComboBox", CBN_DROPDOWN, true, false}, {"Edit", EN_CHANGE, false, false},
  };
  for (const Case& c : cases) {
    CAPTURE(c.cls);
    CAPTURE(c.code);
    skin::globals::EditPanelEnabled = c.panelMode ? 1 : 0;
    HWND control = ValidatedChild(w, c.cls);
    w.Send(WM_COMMAND, MAKEWPARAM(1, c.code), reinterpret_cast<LPARAM>(control));
    CHECK(NeedsPaint(control) == c.repainted);
    CHECK(test::CountPassed(WM_COMMAND) >= 1);
    DestroyWindow(control);
  }
  skin::globals::EditPanelEnabled = 0;
}

TEST_CASE("a tree view's expanding and expanded items repaint it") {
  test::Engine engine;
  AttachedWindow w(0, 300, 200, {}, true);
  HWND tree = ValidatedChild(w, WC_TREEVIEWA);
  for (UINT code : {TVN_ITEMEXPANDEDA, TVN_ITEMEXPANDINGA, TVN_SELCHANGEDA}) {
    CAPTURE(code);
    ValidateRect(tree, nullptr);
    NMHDR header{tree, 1, code};
    w.Send(WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&header));
    CHECK(NeedsPaint(tree) == (code != TVN_SELCHANGEDA));
  }
}

TEST_CASE("losing activation flushes the working set in process: nothing is written to the Windows folder") {
  test::Engine engine;
  AttachedWindow w(0, 300, 200);
  char windir[MAX_PATH] = "";
  GetWindowsDirectoryA(windir, MAX_PATH);
  const std::string flusher = std::string(windir) + "\\empty.exe";
  REQUIRE(GetFileAttributesA(flusher.c_str()) == INVALID_FILE_ATTRIBUTES);
  w.Send(WM_ACTIVATEAPP, 0);
  test::PumpMessages(200);
  CHECK(GetFileAttributesA(flusher.c_str()) == INVALID_FILE_ATTRIBUTES);
  CHECK(test::CountPassed(WM_ACTIVATEAPP) == 1);
}
