// GxMatrix: a 3×2 affine matrix, as used for world and brush transforms.
#pragma once
#include <array>
#include <optional>

#include "gdiplus/gx_object.h"

namespace gx {

using MatrixOrder = Gdiplus::MatrixOrder;

class GxMatrix : public GxObject<Gdiplus::GpMatrix, flat::GdipDeleteMatrix> {
 public:
  // The identity.
  bool Create();
  bool Create(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy);
  // m11, m12, m21, m22, dx, dy; all 0 on failure.
  std::array<REAL, 6> GetElements() const;

  bool Translate(REAL dx, REAL dy, MatrixOrder order = Gdiplus::MatrixOrderPrepend);
  bool Scale(REAL sx, REAL sy, MatrixOrder order = Gdiplus::MatrixOrderPrepend);
  bool Rotate(REAL degrees, MatrixOrder order = Gdiplus::MatrixOrderPrepend);
  // Scale or rotation about point p (see detail::TransformAbout).
  bool ScaleAt(REAL sx, REAL sy, PointF p, std::optional<MatrixOrder> order = std::nullopt);
  bool RotateAt(REAL degrees, PointF p, std::optional<MatrixOrder> order = std::nullopt);
};

}  // namespace gx
