// GxPath: a graphics path of lines, arcs, shapes and text outlines, for
// filling, stroking and clipping.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gdiplus/gx_object.h"

namespace gx {

class GxFontFamily;
class GxStringFormat;

class GxPath : public GxObject<Gdiplus::GpPath, flat::GdipDeletePath> {
 public:
  bool Create(Gdiplus::FillMode fillMode = Gdiplus::FillModeAlternate);
  bool Reset();
  bool StartFigure();
  bool CloseFigure();

  bool AddLine(REAL x1, REAL y1, REAL x2, REAL y2);
  bool AddArc(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
  bool AddRectangle(REAL x, REAL y, REAL width, REAL height);
  bool AddEllipse(REAL x, REAL y, REAL width, REAL height);
  // A closed rectangle whose corners are quarter ellipses `cornerPercent`
  // per cent of the width and height across (clamped to 1..100; 100 makes
  // the rectangle an ellipse-like capsule).
  bool AddRoundedRectangle(REAL x, REAL y, REAL width, REAL height, int cornerPercent);
  // Text outlines (ANSI code page, or already UTF-16) laid out in `layout`.
  bool AddString(std::string_view text, const GxFontFamily& family, INT style, REAL emSize,
                 const RectF& layout, const GxStringFormat& format);
  bool AddString(std::wstring_view text, const GxFontFamily& family, INT style, REAL emSize,
                 const RectF& layout, const GxStringFormat& format);

  INT GetPointCount() const;
  std::vector<PointF> GetPoints() const;
  // The bounds of the path's points; nullopt on failure.
  std::optional<RectF> GetWorldBounds() const;
};

}  // namespace gx
