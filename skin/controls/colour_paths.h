// Colour conversion and the path shapes every control painter draws with:
// the rounded rectangle, the open outline with rounded top corners, and the
// soft outline stroked with growing pen widths.
#pragma once
#include <windows.h>

#include "gdiplus/gdiplus_layer.h"

namespace skin {

// Colours every painter draws with (COLORREF). Magenta is the colour key of
// every transparent copy.
inline constexpr COLORREF kWhite = 0xFFFFFF;
inline constexpr COLORREF kBlack = 0x000000;
inline constexpr COLORREF kMagenta = 0xFF00FF;

// The GDI+ colour of a COLORREF (0x00BBGGRR): red, green and blue from the
// COLORREF, alpha = `alpha` when `useAlpha`, else opaque.
constexpr gx::ARGB ToGdiPlusColor(COLORREF colour, BYTE alpha, bool useAlpha) {
  const gx::ARGB a = useAlpha ? alpha : 0xFF;
  return (a << 24) | (static_cast<gx::ARGB>(GetRValue(colour)) << 16) |
         (static_cast<gx::ARGB>(GetGValue(colour)) << 8) | GetBValue(colour);
}

// Appends a closed rounded rectangle. The corner arcs have square boxes of
// side `corner` (clamped to 1..100), so the corner radius is corner / 2; the
// bottom-right box is one pixel larger than the others.
void AddRoundedRect(gx::GxPath& path, float x, float y, float width, float height, int corner);

// Appends an open outline: left side, rounded top corners (boxes of side
// `corner`, not clamped), right side; no bottom edge.
void AddTopRoundedOutline(gx::GxPath& path, int x, int y, int width, int height, int corner);

// Strokes `path` `count` times with one pen of `colour` at `alpha`, widths
// 1, 2, ..., count: the centre line gets every layer, the outer edge one, so
// the outline fades outward.
void DrawSoftOutline(gx::GxGraphics& graphics, const gx::GxPath& path, int count,
                     COLORREF colour, BYTE alpha);

}  // namespace skin
