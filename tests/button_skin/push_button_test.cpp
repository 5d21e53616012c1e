// Push-button faces composed over a flat backdrop, read from the canvas the
// painter copies to.
#include <doctest.h>

#include "face_fixture.h"
#include "skin/controls/button_paint.h"
#include "skin/controls/button_skin.h"
#include "skin/controls/control_attach.h"

using namespace test;

namespace {

constexpr int kW = 80, kH = 26;

struct PushButton {
  FlatWindow window;
  HWND hwnd;
  PushButton(const char* caption = "")
      : hwnd(Child(window.hwnd, "BUTTON", BS_PUSHBUTTON, 20, 20, kW, kH, caption)) {
    skin::AttachPushButtons(window.index, window.hwnd);
  }
  const skin::ButtonSkinRecord& record() const { return window.record().buttonSkins[0]; }
  void Paint(const Canvas& canvas, UINT state) const {
    skin::PaintPushButton(record(), canvas.dc(), state, {0, 0, kW, kH});
  }
};

// The pixels of the left edge at mid height (the outline and its glow).
int CountEdge(const Canvas& canvas, bool (*test)(COLORREF)) {
  return canvas.Count(0, kH / 2 - 2, 2, kH / 2 + 3, test);
}

}  // namespace

TEST_CASE("a disabled push button is opaque silver with a faint outline and its caption") {
  Engine engine;
  PushButton button("确定");
  Canvas canvas(kW, kH);
  button.Paint(canvas, skin::kStateDisabled);
  // No gradient or sheen: the same silver at the top and the bottom.
  CHECK(canvas.At(6, 3) == 0xC0C0C0);
  CHECK(canvas.At(6, kH - 4) == 0xC0C0C0);
  // The outline: darker than silver, far from black.
  const COLORREF edge = canvas.At(0, kH / 2);
  CHECK(Red(edge) < 0xC0);
  CHECK(Red(edge) > 0x60);
  CHECK(Neutral(edge));
  CHECK(canvas.Count(20, 4, 60, kH - 4, Dark) > 10);
}

TEST_CASE("push button outlines: plain, focus glow, hover accent, pressed") {
  Engine engine;
  PushButton button;
  struct Case {
    UINT state;
    bool glow;    // cyan pixels on the edge
    bool accent;  // red pixels on the edge
    bool tinted;  // red tint inside the face: the hover shade or the pressed inset
  };
  const Case cases[] = {
      {0, false, false, false},
      {skin::kStateFocused, true, false, false},
      {skin::kStateHover, false, true, true},
      {skin::kStateHover | skin::kStateFocused, false, true, true},
      {skin::kStatePressed | skin::kStateFocused, true, false, true},
  };
  for (const Case& c : cases) {
    CAPTURE(c.state);
    Canvas canvas(kW, kH);
    button.Paint(canvas, c.state);
    CHECK((CountEdge(canvas, Cyanish) > 0) == c.glow);
    CHECK((CountEdge(canvas, Reddish) > 0) == c.accent);
    CHECK(Reddish(canvas.At(kW / 2, 3)) == c.tinted);
    // The face is never flat grey: the base lightens it.
    CHECK(canvas.At(kW / 2, kH / 2) != kBackdrop);
  }
}

TEST_CASE("the parent's WM_DRAWITEM draws an owner-drawn push button") {
  Engine engine;
  PushButton button("OK");
  CHECK((GetWindowLongPtrA(button.hwnd, GWL_STYLE) & BS_OWNERDRAW) == BS_OWNERDRAW);
  Canvas canvas(kW, kH);
  DRAWITEMSTRUCT item{ODT_BUTTON, 0, 0, 0, ODS_DISABLED, button.hwnd, canvas.dc(),
                      {0, 0, kW, kH}, 0};
  skin::DrawButtonItem(button.window.index, item);
  CHECK(canvas.At(6, 3) == 0xC0C0C0);
  // Another control type, or another window's index, draws nothing.
  Canvas untouched(kW, kH);
  item.hDC = untouched.dc();
  item.CtlType = ODT_LISTBOX;
  skin::DrawButtonItem(button.window.index, item);
  item.CtlType = ODT_BUTTON;
  skin::DrawButtonItem(button.window.index + 1, item);
  CHECK(untouched.At(6, 3) == 0xFF00FF);
}
