// Window utilities: child rectangles, clipping out children, invalidating
// children, rectangle offsets, the layered style and the caption button.
#include <doctest.h>

#include "skin/controls/paint_helpers.h"
#include "skin_fixture.h"

using namespace skin;

namespace {

bool Equal(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

TEST_CASE("ChildRectInParent and the RectRelativeTo family") {
  test::Engine engine;
  test::SkinnedWindow window;
  HWND panel = test::Container(window.hwnd, 20, 30, 150, 100);
  HWND child = test::Container(panel, 10, 20, 30, 40);
  CHECK(Equal(ChildRectInParent(child), {10, 20, 40, 60}));
  CHECK(Equal(ChildRectInParent(window.hwnd), {0, 0, 0, 0}));  // a registered window
  CHECK(Equal(RectRelativeTo(panel, child), {10, 20, 40, 60}));
  CHECK(Equal(RectRelativeToRoot(child), {30, 50, 60, 90}));
  CHECK(Equal(RectRelativeToOwner(child), {30, 50, 60, 90}));
  CHECK(Equal(RectRelativeToOwner(window.hwnd), {0, 0, 0, 0}));
}

TEST_CASE("GetDcExcludingChildren clips out visible, non-transparent children") {
  test::Engine engine;
  test::SkinnedWindow window;
  test::Child(window.hwnd, "Static", 0, 10, 10, 30, 30);
  test::Child(window.hwnd, "Static", 0, 60, 10, 30, 30, "", WS_EX_TRANSPARENT);
  HWND hidden = test::Child(window.hwnd, "Static", 0, 110, 10, 30, 30);
  ShowWindow(hidden, SW_HIDE);

  HDC dc = GetDcExcludingChildren(window.hwnd);
  CHECK_FALSE(PtVisible(dc, 20, 20));  // opaque child
  CHECK(PtVisible(dc, 70, 20));        // WS_EX_TRANSPARENT child
  CHECK(PtVisible(dc, 120, 20));       // hidden child
  CHECK(PtVisible(dc, 20, 100));       // no child
  ReleaseDC(window.hwnd, dc);

  // A given context is the one clipped and returned.
  HDC given = GetDC(window.hwnd);
  CHECK(GetDcExcludingChildren(window.hwnd, given) == given);
  CHECK_FALSE(PtVisible(given, 20, 20));
  ReleaseDC(window.hwnd, given);
}

TEST_CASE("InvalidateVisibleChildren invalidates every visible direct child, with erase") {
  test::Engine engine;
  test::SkinnedWindow window;
  HWND first = test::Child(window.hwnd, "Static", 0, 10, 10, 30, 30);
  HWND second = test::Child(window.hwnd, "Static", 0, 60, 10, 30, 30);
  UpdateWindow(window.hwnd);
  for (HWND child : {first, second}) {
    ValidateRect(child, nullptr);
    CHECK_FALSE(GetUpdateRect(child, nullptr, FALSE));
  }
  InvalidateVisibleChildren(window.hwnd);
  for (HWND child : {first, second}) {
    RECT update{};
    CHECK(GetUpdateRect(child, &update, FALSE));
    CHECK(Equal(update, {0, 0, 30, 30}));
  }
}

TEST_CASE("IsOwnerDrawnListBox") {
  const test::ClassStyleCase cases[] = {
      {"ListBox", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, true},
      {"ListBox", LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, true},
      {"ListBox", LBS_STANDARD, false},
      {"Edit", 0x10, false},
  };
  test::Engine engine;
  test::SkinnedWindow window;
  test::CheckOnChildren(window.hwnd, cases, IsOwnerDrawnListBox);
}

TEST_CASE("SetLayeredStyle adds the layered bit, and the transparent bit when asked") {
  struct Case {
    bool transparent;
    LONG_PTR expected;
  };
  test::Engine engine;
  for (const Case& c : {Case{false, WS_EX_TOOLWINDOW | WS_EX_LAYERED},
                        Case{true, WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_TRANSPARENT}}) {
    test::SkinnedWindow window;
    SetWindowLongPtrA(window.hwnd, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
    SetLayeredStyle(window.hwnd, c.transparent);
    CHECK(GetWindowLongPtrA(window.hwnd, GWL_EXSTYLE) == c.expected);
  }
}

TEST_CASE("PlaceCaptionButtons puts the strip and every button at width - 36") {
  test::Engine engine;
  test::SkinnedWindow window;
  window.record().captionButtons.resize(2);
  PlaceCaptionButtons(window.index);
  CHECK(window.record().buttonStripX == 200 - 36);
  for (const CaptionButton& button : window.record().captionButtons) {
    CHECK(button.bounds.x == 164.0f);
    CHECK(button.bounds.y == 0.0f);
    CHECK(button.bounds.width == 36.0f);
    CHECK(button.bounds.height == 22.0f);
  }
  PlaceCaptionButtons(99);  // no such window: nothing happens
}
