#include <doctest.h>

#include "attached_window.h"

namespace {

using test::AttachedWindow;
using test::CountPassed;

HANDLE FrameBitmap(const AttachedWindow& w) { return GetPropA(w.hwnd, skin::kFrameBitmapProp); }

void Repaint(const AttachedWindow& w) {
  InvalidateRect(w.hwnd, nullptr, FALSE);
  UpdateWindow(w.hwnd);
}

// The pixel the screen shows at a client point of the window.
COLORREF ScreenPixel(HWND hwnd, int x, int y) {
  HDC dc = GetDC(hwnd);
  const COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(hwnd, dc);
  return pixel;
}

}  // namespace

TEST_CASE("painting renders the frame on a pending full repaint, copies it otherwise, and skips a minimised window") {
  test::Engine engine;
  AttachedWindow w(WS_MINIMIZEBOX, 300, 200, {}, true);
  const HANDLE first = FrameBitmap(w);
  REQUIRE(first != nullptr);
  CHECK(w.record->fullRepaint == 0);
  // What the frame shows reached the screen.
  const COLORREF inside = GetPixel(w.record->surface.dc(), 150, 100);
  CHECK(ScreenPixel(w.hwnd, 150, 100) == inside);

  // A plain repaint copies the cached frame: no new frame bitmap.
  Repaint(w);
  CHECK(FrameBitmap(w) == first);
  CHECK(GetUpdateRect(w.hwnd, nullptr, FALSE) == FALSE);

  w.Send(WM_SYSCOMMAND, SC_MINIMIZE);
  Repaint(w);
  CHECK(FrameBitmap(w) == first);
  CHECK(w.record->fullRepaint == 1);
  CHECK(GetUpdateRect(w.hwnd, nullptr, FALSE) == FALSE);

  w.Send(WM_SYSCOMMAND, SC_RESTORE);
  Repaint(w);
  CHECK(FrameBitmap(w) != first);
  CHECK(w.record->fullRepaint == 0);
}

TEST_CASE("painting releases every GDI object it makes") {
  test::Engine engine;
  AttachedWindow w(WS_MINIMIZEBOX, 300, 200, {}, true);
  Repaint(w);
  const unsigned before = test::CountGdiObjects();
  for (int i = 0; i < 5; ++i) {
    w.record->fullRepaint = 1;
    Repaint(w);
    Repaint(w);
  }
  CHECK(test::CountGdiObjects() == before);
}

TEST_CASE("erasing the background paints nothing and answers 1") {
  test::Engine engine;
  AttachedWindow w(0, 300, 200);
  HDC dc = GetDC(w.hwnd);
  SetBkMode(dc, OPAQUE);
  CHECK(w.Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc)) == 1);
  CHECK(GetBkMode(dc) == TRANSPARENT);
  ReleaseDC(w.hwnd, dc);
  CHECK(CountPassed(WM_ERASEBKGND) == 0);
}

TEST_CASE("a new title is drawn into the caption before the window stores it") {
  test::Engine engine;
  AttachedWindow w(0, 300, 200, {}, true);
  const RECT title{20, 4, 200, 22};
  const auto before = [&] {
    std::vector<COLORREF> p;
    for (int x = title.left; x < title.right; ++x) p.push_back(GetPixel(w.record->surface.dc(), x, 12));
    return p;
  }();
  SetWindowTextA(w.hwnd, "一个更长的新标题 WWWWWW");
  std::vector<COLORREF> after;
  for (int x = title.left; x < title.right; ++x) after.push_back(GetPixel(w.record->surface.dc(), x, 12));
  CHECK(after != before);
  CHECK(CountPassed(WM_SETTEXT) == 1);
}

TEST_CASE("with the edit panel off every control colour message reaches the previous procedure") {
  test::Engine engine;
  AttachedWindow w(0, 300, 200);
  HWND edit = CreateWindowExA(0, "Edit", "", WS_CHILD, 10, 40, 80, 20, w.hwnd, nullptr, nullptr, nullptr);
  skin::globals::EditPanelEnabled = 0;
  HDC dc = GetDC(w.hwnd);
  const UINT messages[] = {WM_CTLCOLOREDIT, WM_CTLCOLORSTATIC, WM_CTLCOLORLISTBOX, WM_CTLCOLORBTN,
                           WM_CTLCOLORSCROLLBAR};
  for (UINT message : messages) {
    CAPTURE(message);
    w.Send(message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit));
    CHECK(CountPassed(message) == 1);
  }
  ReleaseDC(w.hwnd, dc);
}

TEST_CASE("in edit-panel mode buttons get the null brush and statics a pattern brush that replaces the last") {
  test::Engine engine;
  AttachedWindow w(0, 300, 200, {}, true);
  HWND button = CreateWindowExA(0, "Button", "", WS_CHILD | BS_CHECKBOX, 10, 40, 80, 20, w.hwnd, nullptr,
                                nullptr, nullptr);
  HWND label = CreateWindowExA(0, "Static", "", WS_CHILD | WS_VISIBLE, 10, 70, 80, 20, w.hwnd, nullptr,
                               nullptr, nullptr);
  SetPropA(label, skin::kTextColourProp, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(0x0000FF)));
  skin::globals::EditPanelEnabled = 1;
  HDC dc = GetDC(w.hwnd);

  const LRESULT nullBrush = w.Send(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(button));
  CHECK(nullBrush == reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
  CHECK(GetPropA(button, skin::kControlBrushProp) == GetStockObject(NULL_BRUSH));
  CHECK(CountPassed(WM_CTLCOLORBTN) == 0);

  const auto first = reinterpret_cast<HGDIOBJ>(
      w.Send(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)));
  CHECK(GetObjectType(first) == OBJ_BRUSH);
  CHECK(GetTextColor(dc) == 0x0000FF);
  HGDIOBJ firstBitmap = GetPropA(label, skin::kControlBrushBitmapProp);
  CHECK(GetObjectType(firstBitmap) == OBJ_BITMAP);
  const unsigned objects = test::CountGdiObjects();
  const auto second = reinterpret_cast<HGDIOBJ>(
      w.Send(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)));
  CHECK(GetObjectType(second) == OBJ_BRUSH);
  CHECK(test::CountGdiObjects() == objects);
  CHECK(GetPropA(label, skin::kControlBrushProp) == second);
  CHECK(CountPassed(WM_CTLCOLORSTATIC) == 0);
  ReleaseDC(w.hwnd, dc);
  DeleteObject(second);
  DeleteObject(GetPropA(label, skin::kControlBrushBitmapProp));
  skin::globals::EditPanelEnabled = 0;
}

TEST_CASE("destroying the window frees its record; WM_QUIT shuts GDI+ down once") {
  test::Engine engine;
  {
    AttachedWindow w(0, 300, 200);
    CHECK(skin::theWindowRegistry().Size() == 1);
    REQUIRE(skin::globals::gdiplusToken != 0);
    w.Send(WM_QUIT);
    CHECK(skin::globals::gdiplusToken == 0);
    w.Send(WM_QUIT);
    CHECK(CountPassed(WM_QUIT) == 2);
  }
  CHECK(skin::theWindowRegistry().Size() == 0);
  skin::globals::gdiplusToken = skin::StartGdiPlus();
}
