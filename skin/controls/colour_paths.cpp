#include "skin/controls/colour_paths.h"

#include <algorithm>

namespace skin {

void AddRoundedRect(gx::GxPath& path, float x, float y, float width, float height, int corner) {
  const float r = static_cast<float>(std::clamp(corner, 1, 100));
  const float right = x + width;
  const float bottom = y + height;
  path.AddArc(right - r, y, r, r, 270, 90);
  path.AddArc(right - r - 1, bottom - r - 1, r + 1, r + 1, 0, 90);
  path.AddArc(x, bottom - r, r, r, 90, 90);
  path.AddArc(x, y, r, r, 180, 90);
  path.CloseFigure();
}

void AddTopRoundedOutline(gx::GxPath& path, int x, int y, int width, int height, int corner) {
  const auto f = [](int v) { return static_cast<float>(v); };
  path.AddLine(f(x), f(y + height), f(x), f(y + corner));
  path.AddArc(f(x), f(y), f(corner), f(corner), 180, 90);
  path.AddLine(f(x + corner), f(y), f(x + width - corner), f(y));
  path.AddArc(f(x + width - corner), f(y), f(corner), f(corner), 270, 90);
  path.AddLine(f(x + width), f(y + corner), f(x + width), f(y + height));
}

void DrawSoftOutline(gx::GxGraphics& graphics, const gx::GxPath& path, int count,
                     COLORREF colour, BYTE alpha) {
  gx::GxPen pen;
  if (!pen.Create(ToGdiPlusColor(colour, alpha, true), 1.0f, Gdiplus::UnitWorld)) return;
  for (int width = 1; width <= count; ++width) {
    pen.SetWidth(static_cast<float>(width));
    graphics.DrawPath(pen, path);
  }
}

}  // namespace skin
