#include "gdiplus/gx_pen.h"

#include "gdiplus/gx_brush.h"

namespace gx {

bool GxPen::Create(ARGB colour, REAL width, Gdiplus::Unit unit) {
  Gdiplus::GpPen* made = nullptr;
  return Adopt(flat::GdipCreatePen1(colour, width, unit, &made), made);
}

bool GxPen::Create(const GxBrushBase& brush, REAL width, Gdiplus::Unit unit) {
  Gdiplus::GpPen* made = nullptr;
  return Adopt(flat::GdipCreatePen2(brush.GetNativeHandle(), width, unit, &made), made);
}

bool GxPen::SetWidth(REAL width) { return detail::Record(flat::GdipSetPenWidth(handle_, width)); }

}  // namespace gx
