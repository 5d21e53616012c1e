// Colour conversion, the rounded shapes and the soft outline, checked on the
// pixels of GDI+ bitmaps.
#include <doctest.h>

#include "gdiplus/gdiplus_layer.h"
#include "skin/controls/paint_helpers.h"
#include "skin_fixture.h"

using namespace skin;

namespace {

// A transparent 40 × 40 ARGB bitmap with a graphics on it.
struct Canvas {
  gx::GxBitmap bitmap;
  gx::GxGraphics graphics;
  Canvas() {
    bitmap.CreateFromScan0(40, 40);
    graphics.CreateFromImage(bitmap);
  }
  ~Canvas() { graphics.Release(); }
  BYTE Alpha(int x, int y) const { return static_cast<BYTE>(bitmap.GetPixel(x, y) >> 24); }
};

std::vector<gx::PointF> RoundedRectPoints(int corner) {
  gx::GxPath path;
  path.Create();
  AddRoundedRect(path, 2, 3, 30, 20, corner);
  return path.GetPoints();
}

bool Same(const std::vector<gx::PointF>& a, const std::vector<gx::PointF>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].X != b[i].X || a[i].Y != b[i].Y) return false;
  }
  return true;
}

}  // namespace

TEST_CASE("ToGdiPlusColor") {
  struct Case {
    COLORREF colour;
    BYTE alpha;
    bool useAlpha;
    gx::ARGB expected;
  };
  const Case cases[] = {
      {0x00332211, 160, true, 0xA0112233},
      {0x000000FF, 0, false, 0xFFFF0000},
      {0x00FFFFFF, 0, true, 0x00FFFFFF},
      {0x00FF0000, 200, false, 0xFF0000FF},
  };
  for (const Case& c : cases) {
    CAPTURE(c.colour);
    CHECK(ToGdiPlusColor(c.colour, c.alpha, c.useAlpha) == c.expected);
  }
}

TEST_CASE("AddRoundedRect clamps the corner to 1..100") {
  test::Engine engine;
  struct Case {
    int corner;
    int sameAs;
  };
  for (const Case& c : {Case{0, 1}, Case{-5, 1}, Case{250, 100}, Case{101, 100}}) {
    CAPTURE(c.corner);
    CHECK(Same(RoundedRectPoints(c.corner), RoundedRectPoints(c.sameAs)));
  }
  CHECK_FALSE(Same(RoundedRectPoints(10), RoundedRectPoints(20)));
}

TEST_CASE("AddRoundedRect fills a rectangle with rounded corners") {
  test::Engine engine;
  Canvas canvas;
  gx::GxPath path;
  path.Create();
  AddRoundedRect(path, 0, 0, 40, 40, 20);
  gx::GxSolidBrush brush;
  brush.Create(0xFF000000);
  canvas.graphics.FillPath(brush, path);
  CHECK(canvas.Alpha(20, 20) == 255);
  CHECK(canvas.Alpha(20, 1) == 255);  // straight top edge
  CHECK(canvas.Alpha(0, 0) == 0);     // corners cut off
  CHECK(canvas.Alpha(39, 0) == 0);
  CHECK(canvas.Alpha(0, 39) == 0);
}

TEST_CASE("AddTopRoundedOutline leaves the bottom open") {
  test::Engine engine;
  Canvas canvas;
  gx::GxPath path;
  path.Create();
  AddTopRoundedOutline(path, 5, 5, 30, 30, 10);
  gx::GxPen pen;
  pen.Create(0xFF000000, 1);
  canvas.graphics.DrawPath(pen, path);
  CHECK(canvas.Alpha(5, 25) > 0);   // left side
  CHECK(canvas.Alpha(35, 25) > 0);  // right side
  CHECK(canvas.Alpha(20, 5) > 0);   // top
  CHECK(canvas.Alpha(20, 35) == 0);  // no bottom edge
  CHECK(canvas.Alpha(5, 5) == 0);   // the corner is rounded
}

TEST_CASE("DrawSoftOutline fades outward from the path") {
  test::Engine engine;
  Canvas canvas;
  gx::GxPath path;
  path.Create();
  path.AddLine(0, 20, 40, 20);
  DrawSoftOutline(canvas.graphics, path, 4, 0x000000FF, 100);
  const gx::ARGB centre = canvas.bitmap.GetPixel(20, 20);
  CHECK((centre & 0x00FFFFFF) == 0x00FF0000);
  // Widths 1..4 centred on the line: every layer on it, fewer further out.
  CHECK(canvas.Alpha(20, 20) > canvas.Alpha(20, 21));
  CHECK(canvas.Alpha(20, 21) > 0);
  CHECK(canvas.Alpha(20, 23) == 0);
}
