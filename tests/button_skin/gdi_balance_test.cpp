// Painting a button leaves no GDI object behind.
#include <doctest.h>

#include "face_fixture.h"
#include "gdiplus/gdiplus_layer.h"
#include "skin/controls/button_skin.h"
#include "skin/controls/control_attach.h"
#include "support/test_support.h"

using namespace test;

TEST_CASE("1,000 repaints of each button kind create no lasting GDI object") {
  Engine engine;
  FlatWindow window;
  SongFont font;
  struct Case {
    DWORD style;
    int kind;  // the kind set after attach (image buttons), or -1
    UINT state;
  };
  const Case cases[] = {
      {BS_PUSHBUTTON, -1, skin::kStateFocused | skin::kStatePressed},
      {BS_AUTOCHECKBOX, -1, skin::kStateHover},
      {BS_AUTORADIOBUTTON, -1, skin::kStateHover},
      {BS_PUSHBUTTON, 1, skin::kStateHover | skin::kStateFocused},
      {BS_PUSHBUTTON, 3, skin::kStateHover},
  };
  gx::GxBitmap picture;
  picture.CreateFromScan0(16, 16);
  const skin::ByteBlob png = picture.SaveToBytes(gx::kPngFormat);
  for (const Case& c : cases) {
    CAPTURE(c.style);
    CAPTURE(c.kind);
    HWND button = Child(window.hwnd, "BUTTON", c.style, 10, 10, 90, 26, "按钮");
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font.font), 0);
    skin::AttachChildControls(window.index, window.hwnd);
    skin::ButtonSkinRecord& record = window.record().buttonSkins.back();
    REQUIRE(record.hwnd == button);
    if (c.kind >= 0) {
      record.kind = c.kind;
      record.iconFlag = 1;
      record.image = png;
    }
    skin::RepaintButton(button, c.state, false);  // first use may cache fonts
    const unsigned before = CountGdiObjects();
    for (int i = 0; i < 1000; ++i) skin::RepaintButton(button, c.state, i % 2 == 0);
    CHECK(CountGdiObjects() == before);
    DestroyWindow(button);
  }
}
