// Check boxes and radio buttons: their faces, and the messages that change
// their caption and state.
#include <doctest.h>

#include "face_fixture.h"
#include "skin/controls/button_paint.h"
#include "skin/controls/button_skin.h"
#include "skin/controls/control_attach.h"

using namespace test;

namespace {

struct CheckButton {
  FlatWindow window;
  SongFont font;
  HWND hwnd;
  CheckButton(DWORD style, int height, const char* caption = "")
      : hwnd(Child(window.hwnd, "BUTTON", style, 10, 10, 120, height, caption)) {
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font.font), 0);
    skin::AttachCheckAndRadioButtons(window.index, window.hwnd);
  }
  const skin::ButtonSkinRecord& record() const { return window.record().buttonSkins[0]; }
};

// The box border is dark grey (64, 70, 78) in the picture.
bool BoxBorder(COLORREF c) { return c == RGB(64, 70, 78); }

}  // namespace

TEST_CASE("a check box with an empty caption still centres its 13 x 13 box") {
  Engine engine;
  struct Case {
    int height;
    int top;
  };
  for (const Case c : {Case{29, 8}, Case{17, 2}, Case{13, 0}}) {
    CAPTURE(c.height);
    CheckButton box(BS_AUTOCHECKBOX, c.height);
    Canvas canvas(120, c.height);
    skin::PaintCheckBoxOn(box.record(), canvas.dc(), 0);
    CHECK(BoxBorder(canvas.At(6, c.top)));
    CHECK(BoxBorder(canvas.At(6, c.top + 12)));
    CHECK(BoxBorder(canvas.At(0, c.top + 6)));
    CHECK(BoxBorder(canvas.At(12, c.top + 6)));
    if (c.top > 0) CHECK(canvas.At(6, c.top - 1) == kBackdrop);
    CHECK(canvas.At(13, c.top + 6) == kBackdrop);
  }
}

TEST_CASE("a check box's caption follows WM_SETTEXT") {
  Engine engine;
  CheckButton box(BS_AUTOCHECKBOX, 20);
  Canvas before(120, 20);
  skin::PaintCheckBoxOn(box.record(), before.dc(), 0);
  CHECK(before.Count(17, 0, 120, 20, Dark) == 0);

  SendMessageA(box.hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("桌面快捷方式"));
  CHECK(box.record().caption == "桌面快捷方式");
  Canvas after(120, 20);
  skin::PaintCheckBoxOn(box.record(), after.dc(), 0);
  CHECK(after.Count(17, 0, 120, 20, Dark) > 20);
  CHECK(after.Count(14, 0, 17, 20, Dark) == 0);  // the caption starts at x 17
}

TEST_CASE("check and hover looks of check boxes and radio buttons") {
  Engine engine;
  struct Case {
    DWORD style;
    int height;
    int x, y;  // a pixel the check mark covers
    bool (*checkedLook)(COLORREF);
  };
  // The check mark and the radio dot are teal: green and blue above red.
  auto teal = [](COLORREF c) { return Green(c) > Red(c) + 30 && Blue(c) > Red(c) + 30; };
  const Case cases[] = {{BS_AUTOCHECKBOX, 19, 4, 11, teal},
                       {BS_AUTORADIOBUTTON, 20, 6, 9, teal}};
  for (const Case& c : cases) {
    CAPTURE(c.style);
    CheckButton button(c.style, c.height);
    const auto paint = [&](const Canvas& canvas, UINT state) {
      c.style == BS_AUTOCHECKBOX ? skin::PaintCheckBoxOn(button.record(), canvas.dc(), state)
                                 : skin::PaintRadioButtonOn(button.record(), canvas.dc(), state);
    };
    Canvas unchecked(120, c.height), hover(120, c.height), checked(120, c.height),
        disabled(120, c.height);
    paint(unchecked, 0);
    paint(hover, skin::kStateHover);
    SendMessageA(button.hwnd, BM_SETCHECK, BST_CHECKED, 0);
    paint(checked, 0);
    paint(disabled, skin::kStateDisabled);
    CHECK_FALSE(c.checkedLook(unchecked.At(c.x, c.y)));
    CHECK(c.checkedLook(checked.At(c.x, c.y)));
    CHECK(hover.Count(0, 0, 16, c.height, Reddish) > 10);
    CHECK(unchecked.Count(0, 0, 16, c.height, Reddish) == 0);
    CHECK(disabled.At(c.x, c.y) == 0xC0C0C0);
  }
}

TEST_CASE("BM_SETCHECK repaints a radio button at once") {
  Engine engine;
  CheckButton radio(BS_AUTORADIOBUTTON, 20);
  UpdateWindow(radio.hwnd);
  SendMessageA(radio.hwnd, BM_SETCHECK, BST_CHECKED, 0);
  // Read the screen before any paint message could run.
  HDC screen = GetDC(radio.hwnd);
  const COLORREF dot = GetPixel(screen, 6, 9);
  ReleaseDC(radio.hwnd, screen);
  CHECK(Green(dot) > Red(dot) + 30);
}

TEST_CASE("a double click does nothing beyond the first click") {
  Engine engine;
  CheckButton box(BS_AUTOCHECKBOX, 20);
  for (UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) {
    SendMessageA(box.hwnd, message, MK_LBUTTON, MAKELPARAM(5, 5));
  }
  CHECK(SendMessageA(box.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED);
  CHECK(SendMessageA(box.hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5)) == 0);
  CHECK(GetCapture() != box.hwnd);
}

TEST_CASE("the hover look is painted once per entry and cleared on leave") {
  Engine engine;
  CheckButton box(BS_AUTOCHECKBOX, 20);
  skin::SkinWindowRecord& owner = box.window.record();
  SendMessageA(box.hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  CHECK(owner.hoverControl == 1);
  CHECK(owner.lastHoverControl == 1);
  CHECK(owner.hoverKind == 0);
  HDC screen = GetDC(box.hwnd);
  CHECK(Reddish(GetPixel(screen, 6, 6)));
  SendMessageA(box.hwnd, WM_MOUSELEAVE, 0, 0);
  CHECK(owner.lastHoverControl == 0);
  CHECK_FALSE(Reddish(GetPixel(screen, 6, 6)));
  ReleaseDC(box.hwnd, screen);
}
