#include "gdiplus/gx_bitmap.h"

#include <algorithm>
#include <cmath>

#include "gdiplus/gx_graphics.h"

namespace gx {

bool GxBitmap::LoadFromFile(std::string_view fileName, bool icm) {
  return LoadFile(fileName, icm ? flat::GdipCreateBitmapFromFileICM : flat::GdipCreateBitmapFromFile);
}

bool GxBitmap::LoadFromBytes(std::span<const std::uint8_t> bytes, bool icm) {
  return LoadStream(bytes,
                    icm ? flat::GdipCreateBitmapFromStreamICM : flat::GdipCreateBitmapFromStream);
}

bool GxBitmap::CreateFromScan0(INT width, INT height, INT stride, Gdiplus::PixelFormat format,
                               BYTE* scan0) {
  Release();  // also frees the bytes a previous image was decoded from
  Gdiplus::GpBitmap* made = nullptr;
  return Adopt(flat::GdipCreateBitmapFromScan0(width, height, stride, format, scan0, &made), made);
}

bool GxBitmap::CreateFromHBITMAP(HBITMAP bitmap, HPALETTE palette) {
  Release();  // also frees the bytes a previous image was decoded from
  Gdiplus::GpBitmap* made = nullptr;
  return Adopt(flat::GdipCreateBitmapFromHBITMAP(bitmap, palette, &made), made);
}

bool GxBitmap::CreateFromHICON(HICON icon) {
  Release();  // also frees the bytes a previous image was decoded from
  Gdiplus::GpBitmap* made = nullptr;
  return Adopt(flat::GdipCreateBitmapFromHICON(icon, &made), made);
}

HBITMAP GxBitmap::CreateHBITMAP(ARGB background) const {
  HBITMAP bitmap = nullptr;
  if (!detail::Record(flat::GdipCreateHBITMAPFromBitmap(GetBitmapHandle(), &bitmap, background))) {
    return nullptr;
  }
  return bitmap;
}

ARGB GxBitmap::GetPixel(INT x, INT y) const {
  ARGB colour = 0;
  detail::Record(flat::GdipBitmapGetPixel(GetBitmapHandle(), x, y, &colour));
  return colour;
}

bool GxBitmap::SetPixel(INT x, INT y, ARGB colour) {
  return detail::Record(flat::GdipBitmapSetPixel(GetBitmapHandle(), x, y, colour));
}

bool GxBitmap::SetResolution(REAL dpiX, REAL dpiY) {
  return detail::Record(flat::GdipBitmapSetResolution(GetBitmapHandle(), dpiX, dpiY));
}

SIZE GxBitmap::RotatedBounds(UINT width, UINT height, REAL degrees) {
  constexpr double kPi = 3.1415926535;
  const double radians = degrees * kPi / 180.0;
  const double c = std::cos(radians);
  const double s = std::sin(radians);
  // Corners as pixel centres about the middle; the bitmap spans one pixel
  // more than the centres do.
  const double hx = (width - 1.0) / 2.0;
  const double hy = (height - 1.0) / 2.0;
  double minX = 0, maxX = 0, minY = 0, maxY = 0;
  for (const auto& [cx, cy] : {std::pair{-hx, -hy}, {hx, -hy}, {-hx, hy}, {hx, hy}}) {
    const double x = cx * c - cy * s;
    const double y = cx * s + cy * c;
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
  }
  // The small tolerance keeps rounding error of the sine and cosine (right
  // angles) from adding a pixel.
  constexpr double kTolerance = 1e-4;
  return SIZE{static_cast<LONG>(std::ceil(maxX - minX + 1.0 - kTolerance)),
              static_cast<LONG>(std::ceil(maxY - minY + 1.0 - kTolerance))};
}

GxBitmap GxBitmap::RotateBitmap(REAL degrees, const RotateOptions& options) const {
  GxBitmap rotated;
  const UINT width = GetWidth();
  const UINT height = GetHeight();
  const SIZE size = options.size.value_or(RotatedBounds(width, height, degrees));
  if (!rotated.CreateFromScan0(size.cx, size.cy)) return rotated;
  rotated.SetResolution(GetHorizontalResolution(), GetVerticalResolution());

  GxGraphics graphics;
  if (!graphics.CreateFromImage(rotated)) {
    rotated.Release();
    return rotated;
  }
  if (options.fill) graphics.Clear(*options.fill);
  if (options.interpolation) graphics.SetInterpolationMode(*options.interpolation);
  // Each call prepends: the source is moved to the middle of the new bitmap,
  // then rotated about that middle.
  const REAL centreX = size.cx / 2.0f;
  const REAL centreY = size.cy / 2.0f;
  graphics.TranslateWorldTransform(centreX, centreY);
  graphics.RotateWorldTransform(degrees);
  graphics.TranslateWorldTransform(-centreX, -centreY);
  graphics.TranslateWorldTransform((size.cx - static_cast<REAL>(width)) / 2.0f,
                                   (size.cy - static_cast<REAL>(height)) / 2.0f);
  if (!graphics.DrawImage(*this, 0, 0)) rotated.Release();
  return rotated;
}

}  // namespace gx
