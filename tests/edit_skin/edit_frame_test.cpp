// The skinned ring of edit boxes and the panel mode, read back from the
// edit's window pixels and from the brushes handed out.
#include <doctest.h>

#include "face_fixture.h"
#include "support/test_support.h"
#include "skin/controls/control_attach.h"
#include "skin/controls/edit_frame.h"
#include "skin/controls/edit_panel.h"

using namespace test;

namespace {

// Panel mode on or off while the object lives.
struct PanelMode {
  explicit PanelMode(bool on) { skin::globals::EditPanelEnabled = on ? 1 : 0; }
  ~PanelMode() { skin::globals::EditPanelEnabled = 0; }
};

struct EditBox {
  FlatWindow window;
  HWND hwnd;
  explicit EditBox(DWORD exStyle = WS_EX_CLIENTEDGE, DWORD style = 0)
      : hwnd(Child(window.hwnd, "Edit", style, 20, 20, 100, 24, "", exStyle)) {
    skin::AttachEditsAndComboBoxes(window.index, window.hwnd);
    UpdateWindow(hwnd);
  }
  COLORREF At(int x, int y) const {
    HDC dc = GetWindowDC(hwnd);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return colour;
  }
};

// Opaque white at opacity 160 over the grey backdrop.
bool PanelGrey(COLORREF c) { return Neutral(c) && Red(c) >= 0xCC && Red(c) <= 0xD2; }

}  // namespace

TEST_CASE("the edit ring in each state, panel mode off") {
  Engine engine;
  PanelMode mode(false);
  EditBox edit;
  struct Case {
    bool focused, hover;
    bool outerRed, innerRed;
  };
  const Case cases[] = {
      {false, false, false, false},
      {true, false, true, false},
      {false, true, true, true},
      {true, true, true, true},
  };
  for (const Case& c : cases) {
    CAPTURE(c.focused);
    CAPTURE(c.hover);
    skin::PaintEditFrame(edit.hwnd, c.focused, c.hover);
    CHECK(Reddish(edit.At(0, 12)) == c.outerRed);
    CHECK(Reddish(edit.At(1, 12)) == c.innerRed);
    if (!c.innerRed) CHECK(edit.At(1, 12) == 0xFFFFFF);
    if (!c.outerRed) CHECK((Neutral(edit.At(0, 12)) && Red(edit.At(0, 12)) < 0xC0));
  }
}

TEST_CASE("the system repaints none of the ring: WM_NCPAINT draws the skinned one") {
  Engine engine;
  PanelMode mode(false);
  EditBox edit;
  skin::PaintEditFrame(edit.hwnd, true, true);
  RedrawWindow(edit.hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  CHECK(edit.At(1, 12) == 0xFFFFFF);
  CHECK(Neutral(edit.At(0, 12)));
  CHECK(Red(edit.At(0, 12)) < 0xC0);
}

TEST_CASE("panel mode: the ring and the erased background show the panel over the backdrop") {
  Engine engine;
  PanelMode mode(true);
  EditBox edit;
  skin::PaintEditFrame(edit.hwnd, false, false);
  CHECK(PanelGrey(edit.At(1, 12)));

  Canvas canvas(96, 20);
  CHECK(SendMessageA(edit.hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0) == 1);
  CHECK(PanelGrey(canvas.At(5, 5)));
  CHECK(PanelGrey(canvas.At(90, 15)));

  skin::globals::EditPanelEnabled = 0;
  Canvas plain(96, 20);
  SendMessageA(edit.hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(plain.dc()), 0);
  CHECK_FALSE(PanelGrey(plain.At(5, 5)));
}

TEST_CASE("edit panel brushes are replaced on each request and deleted once when the edit goes") {
  Engine engine;
  PanelMode mode(true);
  EditBox edit;
  Canvas canvas(10, 10);
  HBRUSH first = skin::AnswerEditColour(canvas.dc(), edit.hwnd);
  HGDIOBJ firstBitmap = GetPropA(edit.hwnd, skin::kControlBrushBitmapProp);
  CHECK(GetObjectType(first) == OBJ_BRUSH);
  CHECK(GetObjectType(firstBitmap) == OBJ_BITMAP);
  HBRUSH second = skin::AnswerEditColour(canvas.dc(), edit.hwnd);
  HGDIOBJ secondBitmap = GetPropA(edit.hwnd, skin::kControlBrushBitmapProp);
  CHECK(GetPropA(edit.hwnd, skin::kControlBrushProp) == second);
  CHECK(GetObjectType(first) == 0);
  CHECK(GetObjectType(firstBitmap) == 0);

  const unsigned before = CountGdiObjects();
  DestroyWindow(edit.hwnd);
  CHECK(GetObjectType(second) == 0);
  CHECK(GetObjectType(secondBitmap) == 0);
  CHECK(CountGdiObjects() == before - 2);
}

TEST_CASE("an edit with a vertical scroll bar: the system paints the bar, the skin the ring") {
  Engine engine;
  PanelMode mode(false);
  EditBox edit(WS_EX_CLIENTEDGE, WS_VSCROLL | ES_MULTILINE);
  HRGN bars = skin::ScrollBarRegion(edit.hwnd);
  REQUIRE(bars != nullptr);
  RECT box;
  GetRgnBox(bars, &box);
  RECT window;
  GetWindowRect(edit.hwnd, &window);
  CHECK(box.right == window.right - 2);
  CHECK(box.left == box.right - GetSystemMetrics(SM_CXVSCROLL));
  DeleteObject(bars);
  CHECK(skin::ScrollBarRegion(EditBox().hwnd) == nullptr);

  RedrawWindow(edit.hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  CHECK(edit.At(1, 12) == 0xFFFFFF);
  CHECK(edit.At(50, 1) == 0xFFFFFF);
}

TEST_CASE("moving over an edit paints its hover ring once; leaving clears it") {
  Engine engine;
  PanelMode mode(false);
  EditBox edit;
  skin::SkinWindowRecord& owner = edit.window.record();
  SendMessageA(edit.hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  CHECK(owner.hoverKind == 1);
  CHECK(owner.lastHoverControl == 1);
  CHECK(owner.hoverParent == edit.window.hwnd);
  CHECK(Reddish(edit.At(1, 12)));
  SendMessageA(edit.hwnd, WM_MOUSELEAVE, 0, 0);
  CHECK(owner.lastHoverControl == 0);
  CHECK(edit.At(1, 12) == 0xFFFFFF);
}
