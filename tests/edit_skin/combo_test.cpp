// Combo box faces read back from the combo's window pixels.
#include <doctest.h>

#include "face_fixture.h"
#include "skin/controls/combo_paint.h"
#include "skin/controls/control_attach.h"

using namespace test;

namespace {

constexpr int kW = 120, kH = 24;

struct ComboBox {
  FlatWindow window;
  HWND hwnd;
  explicit ComboBox(DWORD style)
      : hwnd(Child(window.hwnd, "ComboBox", style, 20, 20, kW, 200, "")) {
    SendMessageA(hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("选项一"));
    SendMessageA(hwnd, CB_SETCURSEL, 0, 0);
    skin::AttachEditsAndComboBoxes(window.index, window.hwnd);
    UpdateWindow(hwnd);
  }
  void Paint(std::optional<bool> hover = std::nullopt) const {
    skin::PaintComboBox(window.index, 1, hover);
  }
  COLORREF At(int x, int y) const {
    HDC dc = GetWindowDC(hwnd);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(hwnd, dc);
    return colour;
  }
  int Height() const {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    return rect.bottom - rect.top;
  }
};

}  // namespace

TEST_CASE("a drop-down list: frame, button with its arrow, and the selected text") {
  Engine engine;
  ComboBox combo(CBS_DROPDOWNLIST);
  const int H = combo.Height();
  // bw 17, bx = W - 19, by 2, bh = H - 4: the 7 x 4 arrow is centred in it.
  const int bx = kW - 19, arrowX = bx + 5, arrowY = 2 + (H - 4 - 4) / 2;
  struct Case {
    bool hover;
  };
  for (const Case c : {Case{false}, Case{true}}) {
    CAPTURE(c.hover);
    combo.Paint(c.hover);
    CHECK(Reddish(combo.At(0, H / 2)) == c.hover);
    CHECK(Reddish(combo.At(bx, H / 2)) == c.hover);  // the button's outline
    CHECK(Reddish(combo.At(bx + 3, H - 5)));         // its face shades into the accent
    CHECK(Dark(combo.At(arrowX, arrowY)));
    CHECK(Dark(combo.At(arrowX + 6, arrowY)));
    CHECK(Dark(combo.At(arrowX + 3, arrowY + 3)));
    CHECK_FALSE(Dark(combo.At(arrowX, arrowY + 3)));
  }
  // The selected text, left of the button, on opaque white (panel mode off).
  int dark = 0;
  for (int x = 2; x < 40; ++x) dark += Dark(combo.At(x, H / 2)) ? 1 : 0;
  CHECK(dark > 3);
  CHECK(combo.At(bx - 4, 3) == 0xFFFFFF);
}

TEST_CASE("panel mode makes the combo's ground translucent") {
  Engine engine;
  skin::globals::EditPanelEnabled = 1;
  ComboBox combo(CBS_DROPDOWNLIST);
  combo.Paint();
  const COLORREF ground = combo.At(kW - 23, 3);
  skin::globals::EditPanelEnabled = 0;
  CHECK(Neutral(ground));
  CHECK(Red(ground) < 0xE0);
  CHECK(Red(ground) > 0xC0);
}

TEST_CASE("a drop-down combo keeps its edit's pixels through the hole") {
  Engine engine;
  ComboBox combo(CBS_DROPDOWN);
  HWND edit = FindWindowExA(combo.hwnd, nullptr, "Edit", nullptr);
  REQUIRE(edit != nullptr);
  RECT inner = skin::RectRelativeToParent(edit);
  // Paint a known colour into the edit's area, then the combo's face.
  HDC dc = GetWindowDC(combo.hwnd);
  HBRUSH green = CreateSolidBrush(RGB(0, 200, 0));
  FillRect(dc, &inner, green);
  DeleteObject(green);
  ReleaseDC(combo.hwnd, dc);
  combo.Paint();
  CHECK(combo.At(inner.left + 2, inner.top + 2) == RGB(0, 200, 0));
  CHECK(combo.At(inner.left - 1 > 0 ? inner.left - 1 : 0, 0) != RGB(0, 200, 0));
}

TEST_CASE("a simple combo box has no drop-down button") {
  Engine engine;
  ComboBox combo(CBS_SIMPLE);
  combo.Paint(true);
  // Where a button's accent face would be, only the edit's own pixels show.
  CHECK_FALSE(Reddish(combo.At(kW - 10, 6)));
  CHECK(Reddish(combo.At(0, 6)));  // the hover frame
}
