// Drawing on bitmaps and device contexts: fills, clips, gradients, pens,
// textures, images and GDI interplay, read back as pixels.
#include <doctest.h>

#include "gx_test_support.h"
#include "tests/support/test_support.h"

using namespace gx;
using namespace gxtest;

namespace {

// A 40 × 40 white canvas with a graphics on it.
struct Scene {
  GxBitmap canvas = Canvas(40, 40, kWhite);
  GxGraphics graphics;
  Scene() { REQUIRE(graphics.CreateFromImage(canvas)); }
  ARGB At(int x, int y) {
    graphics.Flush(Gdiplus::FlushIntentionSync);
    return canvas.GetPixel(x, y);
  }
};

GxSolidBrush Solid(ARGB colour) {
  GxSolidBrush brush;
  REQUIRE(brush.Create(colour));
  return brush;
}

}  // namespace

TEST_CASE("fills honour rectangle and path clips") {
  Scene scene;
  const GxSolidBrush red = Solid(kRed);
  REQUIRE(scene.graphics.SetClipRect(0, 0, 20, 20));
  REQUIRE(scene.graphics.FillRectangle(red, 0, 0, 40, 40));
  REQUIRE(scene.graphics.ResetClip());
  CHECK(scene.At(10, 10) == kRed);
  CHECK(scene.At(30, 30) == kWhite);

  // Clip to an ellipse, then cut a rectangle out of it with XOR.
  GxPath ellipse;
  REQUIRE(ellipse.Create());
  REQUIRE(ellipse.AddEllipse(0, 0, 40, 40));
  REQUIRE(scene.graphics.SetClipPath(ellipse));
  REQUIRE(scene.graphics.SetClipRect(15, 15, 10, 10, Gdiplus::CombineModeXor));
  const GxSolidBrush blue = Solid(kBlue);
  REQUIRE(scene.graphics.FillRectangle(blue, 0, 0, 40, 40));
  CHECK(scene.At(10, 20) == kBlue);    // in the ring
  CHECK(scene.At(20, 20) == kWhite);   // the hole
  CHECK(scene.At(1, 38) == kWhite);    // outside the ellipse
  CHECK(scene.At(1, 1) == kRed);       // outside the ellipse, earlier fill
}

TEST_CASE("linear gradients with preset and linear blends, path gradients") {
  struct Case {
    const char* name;
    std::function<void(GxBrush&)> blend;
    ARGB left, middle, right;
  };
  const ARGB presetColours[] = {kRed, kGreen, kBlue};
  const REAL presetPositions[] = {0, 0.5f, 1};
  const Case cases[] = {
      {"plain", [](GxBrush&) {}, kBlack, 0xFF808080, kWhite},
      {"preset", [&](GxBrush& b) { REQUIRE(b.SetPresetBlend(presetColours, presetPositions)); },
       kRed, kGreen, kBlue},
      {"linear blend peaks in the middle", [](GxBrush& b) { REQUIRE(b.SetLinearBlend(0.5f, 1)); },
       kBlack, kWhite, kBlack},
  };
  for (const Case& c : cases) {
    CAPTURE(c.name);
    Scene scene;
    GxBrush brush;
    REQUIRE(brush.CreateLineBrush(PointF(0, 0), PointF(40, 0), kBlack, kWhite));
    c.blend(brush);
    REQUIRE(scene.graphics.FillRectangle(brush, 0, 0, 40, 40));
    CHECK(Near(scene.At(0, 20), c.left, 24));
    CHECK(Near(scene.At(20, 20), c.middle, 24));
    CHECK(Near(scene.At(39, 20), c.right, 24));
  }

  Scene scene;
  GxPath ellipse;
  REQUIRE(ellipse.Create());
  REQUIRE(ellipse.AddEllipse(0, 0, 40, 40));
  GxPathGradientBrush radial;
  REQUIRE(radial.CreateFromPath(ellipse));
  REQUIRE(radial.SetCenterColor(kRed));
  const ARGB surround[] = {kBlue};
  REQUIRE(radial.SetSurroundColors(surround));
  REQUIRE(radial.SetCenterPoint(PointF(20, 20)));
  REQUIRE(radial.SetFocusScales(0, 0));
  REQUIRE(scene.graphics.FillPath(radial, ellipse));
  CHECK(Near(scene.At(20, 20), kRed, 24));
  CHECK(Near(scene.At(20, 1), kBlue, 48));
  CHECK(scene.At(1, 1) == kWhite);
}

TEST_CASE("pens of a colour or a brush stroke lines, rectangles and paths") {
  Scene scene;
  GxPen pen;
  REQUIRE(pen.Create(kRed, 1));
  REQUIRE(pen.SetWidth(3));
  REQUIRE(scene.graphics.DrawLine(pen, 0, 5, 40, 5));
  CHECK(scene.At(20, 5) == kRed);
  CHECK(scene.At(20, 9) == kWhite);

  const GxSolidBrush blue = Solid(kBlue);
  GxPen brushPen;
  REQUIRE(brushPen.Create(blue, 1));
  REQUIRE(scene.graphics.DrawRectangle(brushPen, 10, 10, 20, 20));
  CHECK(scene.At(10, 20) == kBlue);
  CHECK(scene.At(20, 20) == kWhite);

  GxPath path;
  REQUIRE(path.Create());
  REQUIRE(path.AddLine(0, 35, 40, 35));
  REQUIRE(scene.graphics.DrawPath(pen, path));
  CHECK(scene.At(20, 35) == kRed);
}

TEST_CASE("texture brushes tile their image") {
  GxBitmap tile = Canvas(2, 2, kRed);
  Paint(tile, 1, 0, 1, 2, kBlue);
  GxTextureBrush texture;
  REQUIRE(texture.Create(tile));
  Scene scene;
  // Texels are sampled at pixel centres, without blending neighbours.
  REQUIRE(scene.graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor));
  REQUIRE(scene.graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf));
  REQUIRE(scene.graphics.FillRectangle(texture, 0, 0, 40, 40));
  CHECK(scene.At(10, 7) == kRed);
  CHECK(scene.At(11, 7) == kBlue);

  REQUIRE(texture.ScaleTransform(2, 2));  // columns now two pixels wide
  REQUIRE(scene.graphics.FillRectangle(texture, 0, 0, 40, 40));
  CHECK(scene.At(8, 3) == kRed);
  CHECK(scene.At(9, 3) == kRed);
  CHECK(scene.At(10, 3) == kBlue);
}

TEST_CASE("images draw at their size or into a rectangle with the chosen interpolation") {
  GxBitmap picture = Canvas(2, 2, kRed);
  Paint(picture, 1, 1, 1, 1, kBlue);
  Scene scene;
  REQUIRE(scene.graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor));
  CHECK(scene.graphics.GetInterpolationMode() == Gdiplus::InterpolationModeNearestNeighbor);
  REQUIRE(scene.graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf));
  REQUIRE(scene.graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias));
  REQUIRE(scene.graphics.SetCompositingQuality(Gdiplus::CompositingQualityHighQuality));
  REQUIRE(scene.graphics.DrawImageRectRect(picture, RectF(0, 0, 20, 20), RectF(0, 0, 2, 2)));
  CHECK(scene.At(5, 5) == kRed);
  CHECK(scene.At(15, 15) == kBlue);
  CHECK(scene.At(25, 25) == kWhite);

  REQUIRE(scene.graphics.DrawImage(picture, 30, 30));
  CHECK(scene.At(30, 30) == kRed);
  CHECK(scene.At(31, 31) == kBlue);
  CHECK(scene.At(32, 32) == kWhite);
}

TEST_CASE("GDI and GDI+ share surfaces without leaking GDI objects") {
  const unsigned before = test::CountGdiObjects();
  {
    // GDI+ drawing into a DIB section through a memory DC.
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 8, -8, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    REQUIRE(dib);
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, dib);
    for (const bool withDevice : {false, true}) {
      CAPTURE(withDevice);
      GxGraphics graphics;
      REQUIRE(graphics.CreateFromHDC(dc, withDevice ? std::optional<HANDLE>(nullptr) : std::nullopt));
      REQUIRE(graphics.FillRectangle(Solid(withDevice ? kRed : kBlue), 0, 0, 8, 8));
      REQUIRE(graphics.Flush());
      graphics.Release();
      CHECK((static_cast<const DWORD*>(bits)[9] & 0xFFFFFF) == (withDevice ? 0xFF0000u : 0x0000FFu));
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(dib);

    // GDI drawing into a GDI+ bitmap through the graphics' DC.
    Scene scene;
    const HDC gdiplusDc = scene.graphics.GetDC();
    REQUIRE(gdiplusDc);
    const RECT box = {0, 0, 10, 10};
    const HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    FillRect(gdiplusDc, &box, green);
    DeleteObject(green);
    REQUIRE(scene.graphics.ReleaseDC(gdiplusDc));
    CHECK((scene.At(5, 5) & 0xFFFFFF) == 0x00FF00u);
    CHECK(scene.At(15, 15) == kWhite);
  }
  CHECK(test::CountGdiObjects() == before);
}

// Not counted for GDI objects: creating a window makes user32 allocate some.
TEST_CASE("graphics on a window draw onto it, with and without colour management") {
  const HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20,
                                      nullptr, nullptr, nullptr, nullptr);
  REQUIRE(window);
  test::PumpMessages(50);
  for (const bool icm : {false, true}) {
    CAPTURE(icm);
    GxGraphics graphics;
    REQUIRE(graphics.CreateFromHWND(window, icm));
    REQUIRE(graphics.Clear(icm ? kRed : kBlue));
    REQUIRE(graphics.Flush(Gdiplus::FlushIntentionSync));
    const HDC windowDc = GetDC(window);
    CHECK(GetPixel(windowDc, 10, 10) == (icm ? RGB(255, 0, 0) : RGB(0, 0, 255)));
    ReleaseDC(window, windowDc);
  }
  DestroyWindow(window);
}
