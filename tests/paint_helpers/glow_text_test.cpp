// DrawGlowText on a transparent bitmap: text pixels, halo pixels, and no
// failure for degenerate layouts and scales.
#include <doctest.h>

#include "gdiplus/gdiplus_layer.h"
#include "skin/controls/paint_helpers.h"
#include "skin_fixture.h"

using namespace skin;

namespace {

struct Canvas {
  gx::GxBitmap bitmap;
  gx::GxGraphics graphics;
  Canvas(int w, int h) {
    bitmap.CreateFromScan0(w, h);
    graphics.CreateFromImage(bitmap);
  }
  ~Canvas() { graphics.Release(); }
};

// Counts opaque-ish dark pixels (text) and light translucent or light pixels
// (halo) in the bitmap.
struct Census {
  int dark = 0;
  int light = 0;
  int touched = 0;
};

Census Count(const gx::GxBitmap& bitmap, int w, int h) {
  Census census;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const gx::ARGB p = bitmap.GetPixel(x, y);
      const int alpha = p >> 24;
      const int red = (p >> 16) & 0xFF;
      if (alpha == 0) continue;
      ++census.touched;
      if (alpha > 200 && red < 60) ++census.dark;
      if (red > 200) ++census.light;
    }
  }
  return census;
}

}  // namespace

TEST_CASE("glowing text: dark text over a light halo") {
  test::Engine engine;
  Canvas canvas(120, 40);
  DrawGlowText(canvas.graphics, "安装向导", {10, 10, 100, 24}, 0x000000, 0xFFFFFF, 4,
               {.face = "黑体", .size = 14});
  Census census = Count(canvas.bitmap, 120, 40);
  CHECK(census.dark > 10);
  CHECK(census.light > 10);
  // Nothing is drawn far left of the layout box (the halo starts c/2 left).
  for (int y = 0; y < 40; ++y) CHECK((canvas.bitmap.GetPixel(2, y) >> 24) == 0);
}

TEST_CASE("glowing text never makes an empty bitmap: degenerate sizes and scales") {
  struct Case {
    gx::RectF layout;
    int scale;
    bool draws;
  };
  const Case cases[] = {
      {{0, 0, 0, 20}, 4, false},   {{0, 0, 100, 0.5f}, 4, false}, {{0, 0, 100, 20}, 0, true},
      {{0, 0, 100, 20}, -3, true}, {{0, 0, 3, 3}, 8, true},        {{0, 0, 100, 20}, 500, true},
  };
  test::Engine engine;
  for (const Case& c : cases) {
    CAPTURE(c.scale);
    CAPTURE(c.layout.Width);
    Canvas canvas(120, 40);
    DrawGlowText(canvas.graphics, "文字", c.layout, 0x000000, 0xFFFFFF, c.scale);
    if (!c.draws) CHECK(Count(canvas.bitmap, 120, 40).touched == 0);
  }
  CHECK(gx::LastStatus() == Gdiplus::Ok);
}
