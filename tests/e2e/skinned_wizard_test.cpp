// The wizard's skinned window, seen from outside the installer: the links
// the skin leaves on it, and its drawn close button under a real click.
#include <doctest.h>
#include <windows.h>

#include "installer_driver.h"

using e2e::RunningInstaller;

TEST_CASE("the wizard is skinned: linked, restyled and drawn") {
  RunningInstaller installer;
  HWND window = installer.window();
  CHECK(GetPropA(window, "Hw_lbID") == reinterpret_cast<HANDLE>(1));
  CHECK(GetPropA(window, "Hw_hProc") != nullptr);
  CHECK((GetWindowLongPtrA(window, GWL_STYLE) & WS_SYSMENU) != 0);
  // The first paint rendered the frame into a bitmap the window names.
  CHECK(e2e::WaitFor([&] { return GetPropA(window, "Ck_wtjbdx") != nullptr; }, 5000));
}

TEST_CASE("a real click on the drawn close button ends the installer with exit code 0") {
  RunningInstaller installer;
  HWND window = installer.window();
  REQUIRE(e2e::WaitFor([&] { return GetPropA(window, "Ck_wtjbdx") != nullptr; }, 5000));
  // The close button is the strip's last, 40 pixels wide at the client's
  // right edge, 1 to 19 pixels down.
  RECT client{};
  GetClientRect(window, &client);
  POINT close{client.right - 20, 10};
  ClientToScreen(window, &close);
  e2e::ClickAt(close);
  CHECK(installer.WaitForExit() == 0);
}
