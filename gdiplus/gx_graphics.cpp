#include "gdiplus/gx_graphics.h"

#include "gdiplus/gx_brush.h"
#include "gdiplus/gx_font.h"
#include "gdiplus/gx_image.h"
#include "gdiplus/gx_path.h"
#include "gdiplus/gx_pen.h"
#include "gdiplus/gx_text.h"
#include "gdiplus/gx_transform_about.h"

namespace gx {

using detail::Record;

bool GxGraphics::CreateFromHWND(HWND window, bool icm) {
  Gdiplus::GpGraphics* made = nullptr;
  return Adopt(icm ? flat::GdipCreateFromHWNDICM(window, &made)
                   : flat::GdipCreateFromHWND(window, &made),
               made);
}

bool GxGraphics::CreateFromHDC(HDC dc, std::optional<HANDLE> device) {
  Gdiplus::GpGraphics* made = nullptr;
  return Adopt(device ? flat::GdipCreateFromHDC2(dc, *device, &made)
                      : flat::GdipCreateFromHDC(dc, &made),
               made);
}

bool GxGraphics::CreateFromImage(const GxImage& image) {
  Gdiplus::GpGraphics* made = nullptr;
  return Adopt(flat::GdipGetImageGraphicsContext(image.GetNativeHandle(), &made), made);
}

bool GxGraphics::Flush(Gdiplus::FlushIntention intention) {
  return Record(flat::GdipFlush(handle_, intention));
}

HDC GxGraphics::GetDC() {
  HDC dc = nullptr;
  if (!Record(flat::GdipGetDC(handle_, &dc))) return nullptr;
  return dc;
}

bool GxGraphics::ReleaseDC(HDC dc) { return Record(flat::GdipReleaseDC(handle_, dc)); }

bool GxGraphics::SetCompositingQuality(Gdiplus::CompositingQuality quality) {
  return Record(flat::GdipSetCompositingQuality(handle_, quality));
}

bool GxGraphics::SetInterpolationMode(Gdiplus::InterpolationMode mode) {
  return Record(flat::GdipSetInterpolationMode(handle_, mode));
}

Gdiplus::InterpolationMode GxGraphics::GetInterpolationMode() const {
  Gdiplus::InterpolationMode mode = Gdiplus::InterpolationModeInvalid;
  Record(flat::GdipGetInterpolationMode(handle_, &mode));
  return mode;
}

bool GxGraphics::SetSmoothingMode(Gdiplus::SmoothingMode mode) {
  return Record(flat::GdipSetSmoothingMode(handle_, mode));
}

bool GxGraphics::SetPixelOffsetMode(Gdiplus::PixelOffsetMode mode) {
  return Record(flat::GdipSetPixelOffsetMode(handle_, mode));
}

bool GxGraphics::SetTextRenderingHint(Gdiplus::TextRenderingHint hint) {
  return Record(flat::GdipSetTextRenderingHint(handle_, hint));
}

bool GxGraphics::ResetWorldTransform() { return Record(flat::GdipResetWorldTransform(handle_)); }

bool GxGraphics::GetWorldTransform(GxMatrix& matrix) const {
  if (matrix.IsEmpty() && !matrix.Create()) return false;
  return Record(flat::GdipGetWorldTransform(handle_, matrix.GetNativeHandle()));
}

bool GxGraphics::TranslateWorldTransform(REAL dx, REAL dy, MatrixOrder order) {
  return Record(flat::GdipTranslateWorldTransform(handle_, dx, dy, order));
}

bool GxGraphics::ScaleWorldTransform(REAL sx, REAL sy, MatrixOrder order) {
  return Record(flat::GdipScaleWorldTransform(handle_, sx, sy, order));
}

bool GxGraphics::RotateWorldTransform(REAL degrees, MatrixOrder order) {
  return Record(flat::GdipRotateWorldTransform(handle_, degrees, order));
}

bool GxGraphics::ScaleAt(REAL sx, REAL sy, PointF p, std::optional<MatrixOrder> order) {
  return detail::ScaleAbout(handle_, sx, sy, p, order, flat::GdipTranslateWorldTransform,
                            flat::GdipScaleWorldTransform);
}

bool GxGraphics::RotateAt(REAL degrees, PointF p, std::optional<MatrixOrder> order) {
  return detail::RotateAbout(handle_, degrees, p, order, flat::GdipTranslateWorldTransform,
                             flat::GdipRotateWorldTransform);
}

bool GxGraphics::Clear(ARGB colour) { return Record(flat::GdipGraphicsClear(handle_, colour)); }

bool GxGraphics::DrawLine(const GxPen& pen, REAL x1, REAL y1, REAL x2, REAL y2) {
  return Record(flat::GdipDrawLine(handle_, pen.GetNativeHandle(), x1, y1, x2, y2));
}

bool GxGraphics::DrawRectangle(const GxPen& pen, REAL x, REAL y, REAL width, REAL height) {
  return Record(flat::GdipDrawRectangle(handle_, pen.GetNativeHandle(), x, y, width, height));
}

bool GxGraphics::DrawPath(const GxPen& pen, const GxPath& path) {
  return Record(flat::GdipDrawPath(handle_, pen.GetNativeHandle(), path.GetNativeHandle()));
}

bool GxGraphics::FillRectangle(const GxBrushBase& brush, REAL x, REAL y, REAL width, REAL height) {
  return Record(flat::GdipFillRectangle(handle_, brush.GetNativeHandle(), x, y, width, height));
}

bool GxGraphics::FillPath(const GxBrushBase& brush, const GxPath& path) {
  return Record(flat::GdipFillPath(handle_, brush.GetNativeHandle(), path.GetNativeHandle()));
}

bool GxGraphics::DrawString(std::string_view text, const GxFont& font, const RectF& layout,
                            const GxStringFormat& format, const GxBrushBase& brush) {
  return DrawString(TextToWide(text), font, layout, format, brush);
}

bool GxGraphics::DrawString(std::wstring_view text, const GxFont& font, const RectF& layout,
                            const GxStringFormat& format, const GxBrushBase& brush) {
  return Record(flat::GdipDrawString(handle_, text.data(), static_cast<INT>(text.size()),
                                     font.GetNativeHandle(), &layout, format.GetNativeHandle(),
                                     brush.GetNativeHandle()));
}

std::optional<RectF> GxGraphics::MeasureString(std::string_view text, const GxFont& font,
                                               const RectF& layout, const GxStringFormat& format) {
  return MeasureString(TextToWide(text), font, layout, format);
}

std::optional<RectF> GxGraphics::MeasureString(std::wstring_view text, const GxFont& font,
                                               const RectF& layout, const GxStringFormat& format) {
  RectF bounds;
  if (!Record(flat::GdipMeasureString(handle_, text.data(), static_cast<INT>(text.size()),
                                      font.GetNativeHandle(), &layout, format.GetNativeHandle(),
                                      &bounds, nullptr, nullptr))) {
    return std::nullopt;
  }
  return bounds;
}

bool GxGraphics::DrawImage(const GxImage& image, REAL x, REAL y) {
  return Record(flat::GdipDrawImage(handle_, image.GetNativeHandle(), x, y));
}

bool GxGraphics::DrawImageRectRect(const GxImage& image, const RectF& destination,
                                   const RectF& source, Gdiplus::Unit unit,
                                   const Gdiplus::GpImageAttributes* attributes) {
  return Record(flat::GdipDrawImageRectRect(
      handle_, image.GetNativeHandle(), destination.X, destination.Y, destination.Width,
      destination.Height, source.X, source.Y, source.Width, source.Height, unit, attributes,
      nullptr, nullptr));
}

bool GxGraphics::SetClipPath(const GxPath& path, Gdiplus::CombineMode mode) {
  return Record(flat::GdipSetClipPath(handle_, path.GetNativeHandle(), mode));
}

bool GxGraphics::SetClipRect(REAL x, REAL y, REAL width, REAL height, Gdiplus::CombineMode mode) {
  return Record(flat::GdipSetClipRect(handle_, x, y, width, height, mode));
}

bool GxGraphics::ResetClip() { return Record(flat::GdipResetClip(handle_)); }

}  // namespace gx
