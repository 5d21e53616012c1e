#include "gdiplus/gx_matrix.h"

#include "gdiplus/gx_transform_about.h"

namespace gx {

bool GxMatrix::Create() {
  Gdiplus::GpMatrix* made = nullptr;
  return Adopt(flat::GdipCreateMatrix(&made), made);
}

bool GxMatrix::Create(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy) {
  Gdiplus::GpMatrix* made = nullptr;
  return Adopt(flat::GdipCreateMatrix2(m11, m12, m21, m22, dx, dy, &made), made);
}

std::array<REAL, 6> GxMatrix::GetElements() const {
  std::array<REAL, 6> elements{};
  if (!detail::Record(flat::GdipGetMatrixElements(handle_, elements.data()))) elements = {};
  return elements;
}

bool GxMatrix::Translate(REAL dx, REAL dy, MatrixOrder order) {
  return detail::Record(flat::GdipTranslateMatrix(handle_, dx, dy, order));
}

bool GxMatrix::Scale(REAL sx, REAL sy, MatrixOrder order) {
  return detail::Record(flat::GdipScaleMatrix(handle_, sx, sy, order));
}

bool GxMatrix::Rotate(REAL degrees, MatrixOrder order) {
  return detail::Record(flat::GdipRotateMatrix(handle_, degrees, order));
}

bool GxMatrix::ScaleAt(REAL sx, REAL sy, PointF p, std::optional<MatrixOrder> order) {
  return detail::ScaleAbout(handle_, sx, sy, p, order, flat::GdipTranslateMatrix,
                            flat::GdipScaleMatrix);
}

bool GxMatrix::RotateAt(REAL degrees, PointF p, std::optional<MatrixOrder> order) {
  return detail::RotateAbout(handle_, degrees, p, order, flat::GdipTranslateMatrix,
                             flat::GdipRotateMatrix);
}

}  // namespace gx
