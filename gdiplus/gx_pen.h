// GxPen: a pen of one colour or of a brush, for lines and outlines.
#pragma once
#include "gdiplus/gx_object.h"

namespace gx {

class GxBrushBase;

class GxPen : public GxObject<Gdiplus::GpPen, flat::GdipDeletePen> {
 public:
  bool Create(ARGB colour, REAL width = 1, Gdiplus::Unit unit = Gdiplus::UnitWorld);
  bool Create(const GxBrushBase& brush, REAL width = 1, Gdiplus::Unit unit = Gdiplus::UnitWorld);
  bool SetWidth(REAL width);
};

}  // namespace gx
