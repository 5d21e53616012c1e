// DrawGlowText: text with a soft halo, for captions, status panes, static
// labels and tab overlay texts drawn over the skinned background.
#pragma once
#include <windows.h>

#include <string_view>

#include "gdiplus/gdiplus_layer.h"

namespace skin {

// Font and alignment of glowing text; the defaults are those used when a
// caller gives none.
struct GlowTextFont {
  std::string_view face = "宋体";
  int style = 0;  // GDI+ font style bits
  float size = 12.0f;
  Gdiplus::StringAlignment align = Gdiplus::StringAlignmentNear;
  Gdiplus::StringAlignment lineAlign = Gdiplus::StringAlignmentNear;
};

// Draws `text` (ANSI code page) in `layout` in `textColour` over a halo of
// `glowColour`, blurred by shrinking the halo by `glowScale` and scaling it
// back. A layout under one pixel draws nothing; a scale below 1 counts as 1.
void DrawGlowText(gx::GxGraphics& graphics, std::string_view text, const gx::RectF& layout,
                  COLORREF textColour, COLORREF glowColour, int glowScale,
                  const GlowTextFont& font = {});

}  // namespace skin
