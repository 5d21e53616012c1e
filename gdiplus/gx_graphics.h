// GxGraphics: a GDI+ drawing surface over a window, a device context or an
// image, with its quality settings, world transform, clip and the drawing
// operations the skin engine paints with.
#pragma once
#include <optional>
#include <string_view>

#include "gdiplus/gx_matrix.h"
#include "gdiplus/gx_object.h"

namespace gx {

class GxBrushBase;
class GxFont;
class GxImage;
class GxPath;
class GxPen;
class GxStringFormat;

class GxGraphics : public GxObject<Gdiplus::GpGraphics, flat::GdipDeleteGraphics> {
 public:
  bool CreateFromHWND(HWND window, bool icm = false);
  // With `device`, GDI+ draws for that device (GdipCreateFromHDC2).
  bool CreateFromHDC(HDC dc, std::optional<HANDLE> device = std::nullopt);
  // Draws into `image` (GdipGetImageGraphicsContext).
  bool CreateFromImage(const GxImage& image);
  bool Flush(Gdiplus::FlushIntention intention = Gdiplus::FlushIntentionFlush);
  // A device context for GDI drawing on this surface; hand it back with
  // ReleaseDC before drawing with GDI+ again. Null on failure.
  HDC GetDC();
  bool ReleaseDC(HDC dc);

  bool SetCompositingQuality(Gdiplus::CompositingQuality quality);
  bool SetInterpolationMode(Gdiplus::InterpolationMode mode);
  Gdiplus::InterpolationMode GetInterpolationMode() const;
  bool SetSmoothingMode(Gdiplus::SmoothingMode mode);
  bool SetPixelOffsetMode(Gdiplus::PixelOffsetMode mode);
  bool SetTextRenderingHint(Gdiplus::TextRenderingHint hint);

  bool ResetWorldTransform();
  // Copies the world transform into `matrix` (created when empty).
  bool GetWorldTransform(GxMatrix& matrix) const;
  bool TranslateWorldTransform(REAL dx, REAL dy, MatrixOrder order = Gdiplus::MatrixOrderPrepend);
  bool ScaleWorldTransform(REAL sx, REAL sy, MatrixOrder order = Gdiplus::MatrixOrderPrepend);
  bool RotateWorldTransform(REAL degrees, MatrixOrder order = Gdiplus::MatrixOrderPrepend);
  bool ScaleAt(REAL sx, REAL sy, PointF p, std::optional<MatrixOrder> order = std::nullopt);
  bool RotateAt(REAL degrees, PointF p, std::optional<MatrixOrder> order = std::nullopt);

  bool Clear(ARGB colour);
  bool DrawLine(const GxPen& pen, REAL x1, REAL y1, REAL x2, REAL y2);
  bool DrawRectangle(const GxPen& pen, REAL x, REAL y, REAL width, REAL height);
  bool DrawPath(const GxPen& pen, const GxPath& path);
  bool FillRectangle(const GxBrushBase& brush, REAL x, REAL y, REAL width, REAL height);
  bool FillPath(const GxBrushBase& brush, const GxPath& path);

  // Text in the ANSI code page, or already in UTF-16. An empty format object
  // means GDI+'s default format.
  bool DrawString(std::string_view text, const GxFont& font, const RectF& layout,
                  const GxStringFormat& format, const GxBrushBase& brush);
  bool DrawString(std::wstring_view text, const GxFont& font, const RectF& layout,
                  const GxStringFormat& format, const GxBrushBase& brush);
  // The box the text occupies when laid out in `layout` (a zero width or
  // height means no limit); nullopt on failure.
  std::optional<RectF> MeasureString(std::string_view text, const GxFont& font,
                                     const RectF& layout, const GxStringFormat& format);
  std::optional<RectF> MeasureString(std::wstring_view text, const GxFont& font,
                                     const RectF& layout, const GxStringFormat& format);

  // Draws the image at (x, y) in its physical size (pixels scaled by the
  // ratio of its resolution to the surface's).
  bool DrawImage(const GxImage& image, REAL x, REAL y);
  // Draws the `source` part of the image (in `unit`) into `destination`.
  bool DrawImageRectRect(const GxImage& image, const RectF& destination, const RectF& source,
                         Gdiplus::Unit unit = Gdiplus::UnitPixel,
                         const Gdiplus::GpImageAttributes* attributes = nullptr);

  bool SetClipPath(const GxPath& path, Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
  bool SetClipRect(REAL x, REAL y, REAL width, REAL height,
                   Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
  bool ResetClip();
};

}  // namespace gx
