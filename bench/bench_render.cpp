// One full render of the wizard's frame, and one paint of a skinned push
// button, each against plain drawing of the same area in the same run.
#include <cstdio>
#include <functional>
#include <vector>

#include "bench_support.h"
#include "gdiplus/gdiplus_layer.h"
#include "skin/manager/skin_manager.h"
#include "skinned_fixture.h"

namespace {

constexpr int kRuns = 200;
constexpr int kWidth = 408, kHeight = 398;

double MedianOf(const std::function<void()>& work) {
  work();  // warm caches
  std::vector<double> samples;
  for (int i = 0; i < kRuns; ++i) {
    const double start = bench::Now();
    work();
    samples.push_back(bench::Now() - start);
  }
  return bench::Median(samples);
}

// A memory surface of the window's size, as the frame renders into.
struct Surface {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap;
  HGDIOBJ previous;
  Surface(int width, int height) {
    HDC screen = GetDC(nullptr);
    bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    previous = SelectObject(dc, bitmap);
  }
  ~Surface() {
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
};

}  // namespace

int main() {
  bench::SkinnedFixture fixture;
  Surface surface(kWidth, kHeight);

  const double render = MedianOf([&] { skin::theSkinManager().RenderFrame(fixture.index()); });
  // The part of a render spent giving the window its rounded region.
  const double region = MedianOf([&] {
    SetWindowRgn(fixture.window(), nullptr, TRUE);
    SetWindowPos(fixture.window(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowRgn(fixture.window(), CreateRoundRectRgn(0, 0, kWidth + 1, kHeight + 1, 5, 5), TRUE);
  });
  // Where the rest goes: each element drawn alone on the surface.
  skin::SkinManager& manager = skin::theSkinManager();
  auto onSurface = [&](auto draw) {
    return MedianOf([&] {
      gx::GxGraphics graphics;
      graphics.CreateFromHDC(surface.dc);
      draw(graphics);
    });
  };
  const double background =
      onSurface([&](gx::GxGraphics& g) { manager.PaintBackground(g, fixture.index()); });
  const double border = onSurface([&](gx::GxGraphics& g) { manager.PaintBorder(fixture.index(), g); });
  const double title = onSurface(
      [&](gx::GxGraphics& g) { manager.DrawCaptionTitle(fixture.index(), std::nullopt, &g); });
  const double buttons = onSurface([&](gx::GxGraphics& g) {
    for (int b = 1; b <= 2; ++b) manager.DrawCaptionButton(fixture.index(), b, 0, 0, &g);
  });
  const double decodeAndDraw = MedianOf([&] {
    gx::GxImage image;
    image.LoadFromBytes(fixture.jpeg());
    gx::GxGraphics graphics;
    graphics.CreateFromHDC(surface.dc);
    graphics.DrawImageRectRect(image, {0, 0, kWidth, kHeight},
                               {0, 0, static_cast<float>(image.GetWidth()),
                                static_cast<float>(image.GetHeight())});
  });
  const double fill = MedianOf([&] {
    gx::GxGraphics graphics;
    graphics.CreateFromHDC(surface.dc);
    gx::GxSolidBrush brush;
    brush.Create(0xFF336699);
    graphics.FillRectangle(brush, 0, 0, kWidth, kHeight);
  });
  HDC screen = GetDC(fixture.window());
  const double blitWindow =
      MedianOf([&] { BitBlt(screen, 0, 0, kWidth, kHeight, surface.dc, 0, 0, SRCCOPY); });

  RECT r;
  GetClientRect(fixture.button(), &r);
  const double buttonPaint = MedianOf(
      [&] { RedrawWindow(fixture.button(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); });
  const double blitButton =
      MedianOf([&] { BitBlt(screen, 95, 80, r.right, r.bottom, surface.dc, 0, 0, SRCCOPY); });
  ReleaseDC(fixture.window(), screen);

  bench::Report("full frame render (408x398)", render, "decode + stretch-draw JPEG",
                decodeAndDraw, 1.5);
  bench::Report("  of which the rounded region", region, "decode + stretch-draw JPEG", decodeAndDraw);
  bench::Report("  of which the background", background, "decode + stretch-draw JPEG",
                decodeAndDraw);
  bench::Report("  of which the border", border, "decode + stretch-draw JPEG", decodeAndDraw);
  bench::Report("  of which the title", title, "decode + stretch-draw JPEG", decodeAndDraw);
  bench::Report("  of which the caption buttons", buttons, "decode + stretch-draw JPEG",
                decodeAndDraw);
  bench::Report("full frame render (408x398)", render, "one full-surface GDI+ fill", fill);
  bench::Report("full frame render (408x398)", render, "one BitBlt of the window", blitWindow);
  bench::Report("one push-button paint (224x64)", buttonPaint, "one BitBlt of its rectangle",
                blitButton, 20);
  return 0;
}
