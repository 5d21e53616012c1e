// GetControlBackground: the pixels behind a control, from the owner window's
// surface or a skinned tab's backdrop, with panel tints; and the release of
// the surfaces it hands out.
#include <doctest.h>

#include <cstdlib>

#include "skin/controls/control_framework.h"
#include "skin/controls/paint_helpers.h"
#include "skin_fixture.h"
#include "support/test_support.h"

using namespace skin;

namespace {

constexpr BYTE kWindowTag = 0x40;  // blue of the window surface's pattern
constexpr BYTE kTabTag = 0x90;     // blue of the tab backdrop's pattern

bool Near(int a, int b) { return std::abs(a - b) <= 2; }

bool NearColour(COLORREF a, COLORREF b) {
  return Near(GetRValue(a), GetRValue(b)) && Near(GetGValue(a), GetGValue(b)) &&
         Near(GetBValue(a), GetBValue(b));
}

// `colour` with a white layer of opacity 128 over it.
COLORREF HalfWhite(COLORREF colour) {
  auto mix = [](int c) { return (c * 127 + 255 * 128) / 255; };
  return RGB(mix(GetRValue(colour)), mix(GetGValue(colour)), mix(GetBValue(colour)));
}

// The surface behind `control`'s whole client rectangle; released with the
// object.
struct Backdrop {
  HDC dc;
  Backdrop(HWND control, int w, int h) : dc(GetControlBackground(control, {0, 0, w, h})) {}
  ~Backdrop() { ReleaseControlBackground(dc); }
  COLORREF At(int x, int y) const { return GetPixel(dc, x, y); }
};

// A stand-in for a skinned tab control: "Wxk_Zpf" = 1 and a backdrop surface
// of pattern kTabTag in "Wxk_Cj", as the tab skin leaves them.
struct FakeTab {
  HWND hwnd;
  MemorySurface backdrop;
  FakeTab(HWND parent, int x, int y, int w, int h) : hwnd(test::Container(parent, x, y, w, h)) {
    test::FillPattern(backdrop, w, h, kTabTag);
    SetIntProp(hwnd, kSkinnedTabProp, 1);
    SetPropA(hwnd, kTabBackdropProp, backdrop.dc());
  }
};

}  // namespace

TEST_CASE("a control on a window gets the window surface at its offset, untinted") {
  test::Engine engine;
  test::SkinnedWindow window;
  HWND control = test::Child(window.hwnd, "Static", 0, 30, 40, 50, 20);
  Backdrop back(control, 50, 20);
  REQUIRE(back.dc);
  for (POINT p : {POINT{0, 0}, POINT{49, 19}, POINT{25, 7}}) {
    CHECK(back.At(p.x, p.y) == test::PatternPixel(30 + p.x, 40 + p.y, kWindowTag));
  }
  // A part of the client rectangle starts at that part's corner.
  HDC part = GetControlBackground(control, {10, 5, 20, 15});
  CHECK(GetPixel(part, 0, 0) == test::PatternPixel(40, 45, kWindowTag));
  ReleaseControlBackground(part);
}

TEST_CASE("inside a panel with a white overlay at 128 the backdrop is lightened by half") {
  test::Engine engine;
  test::SkinnedWindow window;
  HWND panel = test::Container(window.hwnd, 20, 20, 150, 100);
  HWND control = test::Child(panel, "Static", 0, 10, 10, 40, 20);
  AttachPanel(panel, {.overlayColour = 0xFFFFFF, .overlayAlpha = 128});
  Backdrop back(control, 40, 20);
  REQUIRE(back.dc);
  for (POINT p : {POINT{0, 0}, POINT{39, 19}, POINT{20, 10}}) {
    CAPTURE(p.x);
    CHECK(NearColour(back.At(p.x, p.y), HalfWhite(test::PatternPixel(30 + p.x, 30 + p.y,
                                                                     kWindowTag))));
  }
}

TEST_CASE("a group-box panel tints a rounded shape from 5 px below its top") {
  test::Engine engine;
  test::SkinnedWindow window;
  HWND group = test::Child(window.hwnd, "Button", BS_GROUPBOX, 20, 20, 120, 80, "分组");
  AttachPanel(group, {.overlayColour = 0xFFFFFF, .overlayAlpha = 128});
  Backdrop back(group, 120, 80);
  REQUIRE(back.dc);
  auto plain = [](int x, int y) { return test::PatternPixel(20 + x, 20 + y, kWindowTag); };
  CHECK(back.At(60, 2) == plain(60, 2));  // the caption rows keep the plain backdrop
  CHECK(back.At(60, 4) == plain(60, 4));
  CHECK(back.At(0, 5) == plain(0, 5));  // the rounded corner
  CHECK(NearColour(back.At(60, 40), HalfWhite(plain(60, 40))));
  CHECK(NearColour(back.At(1, 40), HalfWhite(plain(1, 40))));
}

TEST_CASE("on a skinned tab page the backdrop comes from the tab's surface") {
  test::Engine engine;
  test::SkinnedWindow window;
  FakeTab tab(window.hwnd, 10, 10, 180, 130);
  HWND control = test::Child(tab.hwnd, "Static", 0, 25, 35, 40, 20);
  Backdrop back(control, 40, 20);
  REQUIRE(back.dc);
  CHECK(back.At(0, 0) == test::PatternPixel(25, 35, kTabTag));
  CHECK(back.At(39, 19) == test::PatternPixel(64, 54, kTabTag));

  // The tab itself copies from the window surface under it.
  Backdrop self(tab.hwnd, 20, 20);
  CHECK(self.At(0, 0) == test::PatternPixel(10, 10, kWindowTag));
}

TEST_CASE("a tab inside a tab copies from the outer tab's backdrop") {
  test::Engine engine;
  test::SkinnedWindow window;
  FakeTab outer(window.hwnd, 10, 10, 180, 130);
  FakeTab inner(outer.hwnd, 20, 30, 100, 80);
  SetPropA(inner.hwnd, kTabAncestorProp, outer.hwnd);
  Backdrop self(inner.hwnd, 30, 30);
  CHECK(self.At(0, 0) == test::PatternPixel(20, 30, kTabTag));
  CHECK(self.At(5, 6) == test::PatternPixel(25, 36, kTabTag));
}

TEST_CASE("inside a tab, the nearest shading panel's tint is laid") {
  test::Engine engine;
  test::SkinnedWindow window;
  FakeTab tab(window.hwnd, 0, 0, 200, 150);
  HWND outer = test::Container(tab.hwnd, 10, 10, 180, 130);
  HWND inner = test::Container(outer, 10, 10, 150, 100);
  HWND control = test::Child(inner, "Static", 0, 10, 10, 40, 20);
  AttachPanel(outer, {.shadeDescendants = 1, .overlayColour = 0xFFFFFF, .overlayAlpha = 128});
  AttachPanel(inner, {.shadeDescendants = 0, .overlayColour = 0x000000FF, .overlayAlpha = 255});
  // Panels inside a skinned tab take their backdrop from it.
  CHECK(reinterpret_cast<HWND>(GetPropA(outer, kTabAncestorProp)) == tab.hwnd);
  CHECK(FindShadingPanel(window.index, control, tab.hwnd) == 1);
  Backdrop back(control, 40, 20);
  REQUIRE(back.dc);
  CHECK(NearColour(back.At(5, 5), HalfWhite(test::PatternPixel(35, 35, kTabTag))));
}

TEST_CASE("no skinned owner: no surface; the surface list is empty after release") {
  test::Engine engine;
  HWND stray = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  HWND inside = test::Child(stray, "Static", 0, 0, 0, 20, 20);
  const unsigned before = test::CountGdiObjects();
  CHECK(GetControlBackground(inside, {0, 0, 20, 20}) == nullptr);
  CHECK(theMemorySurfaceList().empty());
  CHECK(test::CountGdiObjects() == before);
  DestroyWindow(stray);

  test::SkinnedWindow window;
  HWND control = test::Child(window.hwnd, "Static", 0, 0, 0, 20, 20);
  CHECK(GetControlBackground(control, {0, 0, 0, 20}) == nullptr);  // empty rectangle
  const unsigned start = test::CountGdiObjects();
  HDC first = GetControlBackground(control, {0, 0, 20, 20});
  HDC second = GetControlBackground(control, {0, 0, 10, 10});
  CHECK(theMemorySurfaceList().size() == 2);
  CHECK(ReleaseControlBackground(first));
  CHECK_FALSE(ReleaseControlBackground(first));  // already released
  CHECK(ReleaseControlBackground(second));
  CHECK_FALSE(ReleaseControlBackground(nullptr));
  CHECK(theMemorySurfaceList().empty());
  CHECK(test::CountGdiObjects() == start);
}

TEST_CASE("RegisterSurface refreshes an entry whose handle is handed out again") {
  test::Engine engine;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP one = CreateCompatibleBitmap(dc, 4, 4);
  HBITMAP two = CreateCompatibleBitmap(dc, 4, 4);
  HGDIOBJ displaced = SelectObject(dc, one);
  RegisterSurface(dc, one, displaced);
  SelectObject(dc, two);
  RegisterSurface(dc, two, displaced);
  REQUIRE(theMemorySurfaceList().size() == 1);
  CHECK(theMemorySurfaceList()[0].Bitmap == two);
  CHECK(ReleaseControlBackground(dc));  // deletes `two` and the DC
  CHECK(GetObjectType(two) == 0);
  DeleteObject(one);
}
