// Shared by every wrapper with a transform: scaling or rotating about a point.
#pragma once
#include <optional>

#include "gdiplus/gx_object.h"

namespace gx::detail {

// Applies `operation` (a scale or rotation taking the matrix order) about
// point p, with `translate` (dx, dy, order) the same object's translation.
// Without an order the three steps prepend. The step sequence follows the
// order so the result is always "about p": prepending builds the product from
// the right, so it starts with translate(p); appending starts with
// translate(-p). All three steps run; when the middle one fails the two
// translations cancel out.
template <class Translate, class Operation>
bool TransformAbout(PointF p, std::optional<Gdiplus::MatrixOrder> order, Translate translate,
                    Operation operation) {
  const Gdiplus::MatrixOrder applied = order.value_or(Gdiplus::MatrixOrderPrepend);
  const REAL sign = applied == Gdiplus::MatrixOrderAppend ? -1.0f : 1.0f;
  const Status steps[] = {translate(sign * p.X, sign * p.Y, applied), operation(applied),
                          translate(-sign * p.X, -sign * p.Y, applied)};
  // The last status tells why the operation failed: the first failed step.
  for (const Status status : steps) {
    if (status != Gdiplus::Ok) return Record(status);
  }
  return Record(Gdiplus::Ok);
}

// Scales `handle`'s transform by (sx, sy) about p, with the flat functions
// that translate and scale that kind of transform.
template <class Native, class TranslateFn, class ScaleFn>
bool ScaleAbout(Native* handle, REAL sx, REAL sy, PointF p,
                std::optional<Gdiplus::MatrixOrder> order, TranslateFn translate, ScaleFn scale) {
  return TransformAbout(
      p, order,
      [&](REAL dx, REAL dy, Gdiplus::MatrixOrder o) { return translate(handle, dx, dy, o); },
      [&](Gdiplus::MatrixOrder o) { return scale(handle, sx, sy, o); });
}

// Rotates `handle`'s transform by `degrees` about p.
template <class Native, class TranslateFn, class RotateFn>
bool RotateAbout(Native* handle, REAL degrees, PointF p,
                 std::optional<Gdiplus::MatrixOrder> order, TranslateFn translate,
                 RotateFn rotate) {
  return TransformAbout(
      p, order,
      [&](REAL dx, REAL dy, Gdiplus::MatrixOrder o) { return translate(handle, dx, dy, o); },
      [&](Gdiplus::MatrixOrder o) { return rotate(handle, degrees, o); });
}

}  // namespace gx::detail
