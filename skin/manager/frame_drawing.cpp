#include "skin/manager/frame_drawing.h"

#include <utility>

#include "skin/controls/colour_paths.h"
#include "skin/controls/window_utils.h"

namespace skin {

SIZE ClientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return {client.right, client.bottom};
}

HBITMAP CreateSurfaceBitmap(int width, int height) {
  if (width < 1 || height < 1) return nullptr;
  gx::GxBitmap bitmap;
  bitmap.CreateFromScan0(width, height, 0, PixelFormat32bppARGB);
  return bitmap.CreateHBITMAP(0);
}

gx::GxBrush VerticalGradient(float x, float top, float bottom, gx::ARGB start, gx::ARGB end) {
  gx::GxBrush brush;
  brush.CreateLineBrush({x, top}, {x, bottom}, start, end);
  return brush;
}

void AddTopRightRoundedOutline(gx::GxPath& path, int x, int y, int width, int height,
                               int corner) {
  const auto X = static_cast<float>(x), Y = static_cast<float>(y);
  const auto w = static_cast<float>(width), h = static_cast<float>(height);
  const auto r = static_cast<float>(corner);
  path.AddLine(X, Y + h, X, Y);
  path.AddLine(X, Y, X + w - r, Y);
  path.AddArc(X + w - r, Y, r, r, 270, 90);
  path.AddLine(X + w, Y + r, X + w, Y + h);
}

void DrawPicture(gx::GxGraphics& graphics, std::span<const std::uint8_t> bytes,
                 const gx::RectF& box) {
  if (bytes.empty()) return;
  gx::GxImage picture;
  if (!picture.LoadFromBytes(bytes)) return;
  const gx::RectF source(0, 0, static_cast<gx::REAL>(picture.GetWidth()),
                         static_cast<gx::REAL>(picture.GetHeight()));
  graphics.DrawImageRectRect(picture, box, source);
}

void DrawHaloText(gx::GxGraphics& graphics, std::string_view text, const gx::RectF& box,
                  COLORREF textColour, COLORREF haloColour, int haloWidth,
                  const GlowTextFont& font) {
  gx::GxFont face;
  face.Create(font.face, font.size, font.style, Gdiplus::UnitWorld);
  gx::GxStringFormat format;
  format.Create();
  format.SetAlign(font.align);
  format.SetLineAlign(font.lineAlign);

  gx::GxSolidBrush halo;
  halo.Create(ToGdiPlusColor(haloColour, 150, true));
  const auto d = static_cast<gx::REAL>(haloWidth);
  for (auto [dx, dy] : {std::pair{d, 0.0f}, {-d, 0.0f}, {0.0f, d}, {0.0f, -d}}) {
    const gx::RectF shifted(box.X + dx, box.Y + dy, box.Width, box.Height);
    graphics.DrawString(text, face, shifted, format, halo);
  }
  gx::GxSolidBrush ink;
  ink.Create(ToGdiPlusColor(textColour, 255, true));
  graphics.DrawString(text, face, box, format, ink);
}

ElementGraphics::ElementGraphics(gx::GxGraphics* given, HDC surface)
    : given_(given), surface_(surface) {
  if (!given_) own_.CreateFromHDC(surface);
}

void ElementGraphics::ShowIfOwned(HWND window, int x, int y, int width, int height,
                                  bool clipChildren) {
  if (!owned()) return;
  own_.Flush(Gdiplus::FlushIntentionSync);
  ShowSurfaceRect(window, surface_, x, y, width, height, clipChildren);
}

void ShowSurfaceRect(HWND window, HDC surface, int x, int y, int width, int height,
                     bool clipChildren) {
  HDC screen = clipChildren ? GetDcExcludingChildren(window) : GetDC(window);
  BitBlt(screen, x, y, width, height, surface, x, y, SRCCOPY);
  ReleaseDC(window, screen);
}

}  // namespace skin
