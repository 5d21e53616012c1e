// Brushes: GxSolidBrush (one colour), GxBrush (linear gradient),
// GxPathGradientBrush (from a path's centre to its outline) and
// GxTextureBrush (a tiled image). Fills and pens take any of them as a
// GxBrushBase.
#pragma once
#include <optional>
#include <span>

#include "gdiplus/gx_matrix.h"
#include "gdiplus/gx_object.h"

namespace gx {

class GxImage;
class GxPath;

// What every brush shares: the owned native brush and its kind.
class GxBrushBase : public GxObject<Gdiplus::GpBrush, flat::GdipDeleteBrush> {
 public:
  // Gdiplus::BrushTypeSolidColor … BrushTypeLinearGradient; -1 on failure.
  int GetType() const;

 protected:
  GxBrushBase() = default;
};

namespace detail {
// The transform operations of the brush kinds that have one, given the
// kind's native type and its flat transform functions.
template <class Typed, auto Get, auto Translate, auto Scale, auto Rotate>
class TransformedBrush : public GxBrushBase {
 public:
  // The held brush seen as its specific kind.
  Typed* GetTypedHandle() const { return static_cast<Typed*>(handle_); }

  // Copies the brush transform into `matrix` (created when empty).
  bool GetTransform(GxMatrix& matrix) const {
    if (matrix.IsEmpty() && !matrix.Create()) return false;
    return Record(Get(GetTypedHandle(), matrix.GetNativeHandle()));
  }
  bool TranslateTransform(REAL dx, REAL dy, MatrixOrder order = Gdiplus::MatrixOrderPrepend) {
    return Record(Translate(GetTypedHandle(), dx, dy, order));
  }
  bool ScaleTransform(REAL sx, REAL sy, MatrixOrder order = Gdiplus::MatrixOrderPrepend) {
    return Record(Scale(GetTypedHandle(), sx, sy, order));
  }
  bool RotateTransform(REAL degrees, MatrixOrder order = Gdiplus::MatrixOrderPrepend) {
    return Record(Rotate(GetTypedHandle(), degrees, order));
  }
  bool ScaleAt(REAL sx, REAL sy, PointF p, std::optional<MatrixOrder> order = std::nullopt);
  bool RotateAt(REAL degrees, PointF p, std::optional<MatrixOrder> order = std::nullopt);
};
}  // namespace detail

class GxSolidBrush : public GxBrushBase {
 public:
  bool Create(ARGB colour);
};

// Linear-gradient brush.
class GxBrush
    : public detail::TransformedBrush<Gdiplus::GpLineGradient, flat::GdipGetLineTransform,
                                      flat::GdipTranslateLineTransform,
                                      flat::GdipScaleLineTransform,
                                      flat::GdipRotateLineTransform> {
 public:
  // Colour `start` at `from` to colour `end` at `to`, repeated beyond.
  bool CreateLineBrush(PointF from, PointF to, ARGB start, ARGB end,
                       Gdiplus::WrapMode wrap = Gdiplus::WrapModeTile);
  // Colours at relative positions 0..1 along the gradient (pairs up to the
  // shorter list).
  bool SetPresetBlend(std::span<const ARGB> colours, std::span<const REAL> positions);
  // The end colour peaks with strength `scale` at relative position `focus`.
  bool SetLinearBlend(REAL focus, REAL scale);
};

class GxPathGradientBrush
    : public detail::TransformedBrush<
          Gdiplus::GpPathGradient, flat::GdipGetPathGradientTransform,
          flat::GdipTranslatePathGradientTransform, flat::GdipScalePathGradientTransform,
          flat::GdipRotatePathGradientTransform> {
 public:
  bool CreateFromPath(const GxPath& path);
  bool SetCenterColor(ARGB colour);
  // Colours along the outline; GDI+ refuses more colours than the path has
  // points.
  bool SetSurroundColors(std::span<const ARGB> colours);
  bool SetCenterPoint(PointF centre);
  bool SetFocusScales(REAL xScale, REAL yScale);
};

class GxTextureBrush
    : public detail::TransformedBrush<Gdiplus::GpTexture, flat::GdipGetTextureTransform,
                                      flat::GdipTranslateTextureTransform,
                                      flat::GdipScaleTextureTransform,
                                      flat::GdipRotateTextureTransform> {
 public:
  bool Create(const GxImage& image, Gdiplus::WrapMode wrap = Gdiplus::WrapModeTile);
};

}  // namespace gx
