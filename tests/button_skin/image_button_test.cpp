// Image buttons: the picture and caption placement of kind 1 and the derived
// state looks of kind 3.
#include <doctest.h>

#include "face_fixture.h"
#include "gdiplus/gdiplus_layer.h"
#include "skin/controls/button_paint.h"
#include "skin/controls/button_skin.h"
#include "skin/controls/control_attach.h"

using namespace test;

namespace {

// PNG bytes of a w × h picture of one opaque colour (0xAARRGGBB).
skin::ByteBlob SolidPng(int w, int h, gx::ARGB colour) {
  gx::GxBitmap bitmap;
  bitmap.CreateFromScan0(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) bitmap.SetPixel(x, y, colour);
  }
  return bitmap.SaveToBytes(gx::kPngFormat);
}

bool PureGreen(COLORREF c) { return c == RGB(0, 255, 0); }
// Mostly green: the scaled picture's edges blend with what lies under them.
bool Greenish(COLORREF c) { return GetGValue(c) > 150 && GetRValue(c) < 110 && GetBValue(c) < 110; }

struct ImageButton {
  FlatWindow window;
  HWND hwnd;
  ImageButton(int w, int h, const char* caption)
      : hwnd(Child(window.hwnd, "BUTTON", BS_PUSHBUTTON, 10, 10, w, h, caption)) {
    skin::AttachPushButtons(window.index, window.hwnd);
  }
  skin::ButtonSkinRecord& record() const { return window.record().buttonSkins[0]; }
};

}  // namespace

TEST_CASE(
    "an icon image button 100 x 30 draws its picture 24 x 24 at (3, 3), the caption from x 29") {
  Engine engine;
  ImageButton button(100, 30, "安装");
  skin::ButtonSkinRecord& record = button.record();
  record.kind = 1;
  record.iconFlag = 1;
  record.image = SolidPng(12, 12, 0xFF00FF00);
  Canvas canvas(100, 30);
  skin::PaintImageButton(record, canvas.dc(), 0, {0, 0, 100, 30});
  const int area = canvas.Count(0, 0, 100, 30, Greenish);
  CHECK(area >= 23 * 23);
  CHECK(area <= 25 * 25);
  CHECK(Greenish(canvas.At(4, 4)));
  CHECK(Greenish(canvas.At(25, 25)));
  CHECK_FALSE(Greenish(canvas.At(1, 15)));
  CHECK_FALSE(Greenish(canvas.At(28, 15)));
  CHECK(canvas.Count(27, 0, 29, 30, Dark) == 0);
  CHECK(canvas.Count(29, 0, 45, 30, Dark) > 10);

  // Without a caption the picture is centred: (100 - 24) / 2 = 38.
  record.caption.clear();
  Canvas centred(100, 30);
  skin::PaintImageButton(record, centred.dc(), 0, {0, 0, 100, 30});
  CHECK(Greenish(centred.At(39, 4)));
  CHECK_FALSE(Greenish(centred.At(36, 4)));
  CHECK(Greenish(centred.At(60, 25)));
  CHECK_FALSE(Greenish(centred.At(63, 25)));
}

TEST_CASE("a four-image button with only its picture derives hover, pressed and disabled looks") {
  Engine engine;
  ImageButton button(30, 30, "");
  skin::ButtonSkinRecord& record = button.record();
  record.kind = 3;
  record.image = SolidPng(20, 20, 0xFF00FF00);
  struct Case {
    UINT state;
    bool accentEdge;  // the plate's left edge in the accent colour
    bool darkened;    // the plate darker than the backdrop near its bottom
  };
  const Case cases[] = {
      {0, false, false},
      {skin::kStateHover, true, false},
      {skin::kStatePressed, true, false},
      {skin::kStateDisabled, false, true},
  };
  for (const Case& c : cases) {
    CAPTURE(c.state);
    Canvas canvas(30, 30);
    skin::PaintFourImageButton(record, canvas.dc(), c.state, {0, 0, 30, 30});
    CHECK(canvas.Count(0, 0, 30, 30, PureGreen) == 20 * 20);
    CHECK(PureGreen(canvas.At(2, 2)));
    CHECK(Reddish(canvas.At(0, 10)) == c.accentEdge);
    CHECK((Red(canvas.At(1, 20)) < 0x70) == c.darkened);
    if (c.state == 0) CHECK(canvas.At(0, 10) == kBackdrop);
  }
}

TEST_CASE("a four-image button shows a given state picture instead of the derived look") {
  Engine engine;
  ImageButton button(30, 30, "");
  skin::ButtonSkinRecord& record = button.record();
  record.kind = 3;
  record.image = SolidPng(20, 20, 0xFF00FF00);
  record.hoverImage = SolidPng(10, 10, 0xFFFF0000);
  Canvas canvas(30, 30);
  skin::PaintFourImageButton(record, canvas.dc(), skin::kStateHover, {0, 0, 30, 30});
  CHECK(canvas.Count(0, 0, 30, 30, [](COLORREF c) { return c == RGB(255, 0, 0); }) == 100);
  CHECK(canvas.At(0, 10) == kBackdrop);
}
