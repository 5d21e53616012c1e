#include "gdiplus/gx_path.h"

#include <algorithm>
#include <cmath>

#include "gdiplus/gx_font.h"
#include "gdiplus/gx_text.h"

namespace gx {

using detail::Record;

bool GxPath::Create(Gdiplus::FillMode fillMode) {
  Gdiplus::GpPath* made = nullptr;
  return Adopt(flat::GdipCreatePath(fillMode, &made), made);
}

bool GxPath::Reset() { return Record(flat::GdipResetPath(handle_)); }
bool GxPath::StartFigure() { return Record(flat::GdipStartPathFigure(handle_)); }
bool GxPath::CloseFigure() { return Record(flat::GdipClosePathFigure(handle_)); }

bool GxPath::AddLine(REAL x1, REAL y1, REAL x2, REAL y2) {
  return Record(flat::GdipAddPathLine(handle_, x1, y1, x2, y2));
}

bool GxPath::AddArc(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle) {
  return Record(flat::GdipAddPathArc(handle_, x, y, width, height, startAngle, sweepAngle));
}

bool GxPath::AddRectangle(REAL x, REAL y, REAL width, REAL height) {
  return Record(flat::GdipAddPathRectangle(handle_, x, y, width, height));
}

bool GxPath::AddEllipse(REAL x, REAL y, REAL width, REAL height) {
  return Record(flat::GdipAddPathEllipse(handle_, x, y, width, height));
}

bool GxPath::AddRoundedRectangle(REAL x, REAL y, REAL width, REAL height, int cornerPercent) {
  const int k = std::clamp(cornerPercent, 1, 100);
  const REAL cw = std::trunc(width * k / 100);
  const REAL ch = std::trunc(height * k / 100);
  // Clockwise from the top-right corner; the arcs' ends are joined by lines.
  bool ok = AddArc(x + width - cw, y, cw, ch, 270, 90);
  ok = AddArc(x + width - cw, y + height - ch, cw, ch, 0, 90) && ok;
  ok = AddArc(x, y + height - ch, cw, ch, 90, 90) && ok;
  ok = AddArc(x, y, cw, ch, 180, 90) && ok;
  return CloseFigure() && ok;
}

bool GxPath::AddString(std::string_view text, const GxFontFamily& family, INT style, REAL emSize,
                       const RectF& layout, const GxStringFormat& format) {
  return AddString(TextToWide(text), family, style, emSize, layout, format);
}

bool GxPath::AddString(std::wstring_view text, const GxFontFamily& family, INT style, REAL emSize,
                       const RectF& layout, const GxStringFormat& format) {
  return Record(flat::GdipAddPathString(handle_, text.data(), static_cast<INT>(text.size()),
                                        family.GetNativeHandle(), style, emSize, &layout,
                                        format.GetNativeHandle()));
}

INT GxPath::GetPointCount() const {
  INT count = 0;
  Record(flat::GdipGetPointCount(handle_, &count));
  return count;
}

std::vector<PointF> GxPath::GetPoints() const {
  std::vector<PointF> points(std::max(GetPointCount(), 0));
  if (points.empty()) return points;
  if (!Record(flat::GdipGetPathPoints(handle_, points.data(), static_cast<INT>(points.size())))) {
    points.clear();
  }
  return points;
}

std::optional<RectF> GxPath::GetWorldBounds() const {
  RectF bounds;
  if (!Record(flat::GdipGetPathWorldBounds(handle_, &bounds, nullptr, nullptr))) return std::nullopt;
  return bounds;
}

}  // namespace gx
