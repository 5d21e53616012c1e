// Drawing pieces shared by the frame, caption and status-bar painters: the
// ARGB surface bitmaps, vertical gradients, the outline with one rounded
// corner, pictures decoded from bytes, haloed text, and showing a part of a
// window's background surface on screen.
#pragma once
#include <windows.h>

#include <cstdint>
#include <span>
#include <string_view>

#include "gdiplus/gdiplus_layer.h"
#include "skin/controls/colour_paths.h"
#include "skin/controls/glow_text.h"

namespace skin {

// The caption colour the frame painters add to the shared ones (COLORREF).
inline constexpr COLORREF kRed = 0x0000FF;

// The client area's width and height.
SIZE ClientSize(HWND window);

// A new W x H GDI bitmap made from a 32-bit ARGB GDI+ bitmap over background
// 0; the caller owns it. Null when either side is below 1.
HBITMAP CreateSurfaceBitmap(int width, int height);

// A linear-gradient brush running down from (x, top) to (x, bottom).
gx::GxBrush VerticalGradient(float x, float top, float bottom, gx::ARGB start, gx::ARGB end);

// Appends an open outline: left side up, top edge, the top-right corner
// rounded in an r x r box, right side down. It matches the window's rounded
// corner above the close button.
void AddTopRightRoundedOutline(gx::GxPath& path, int x, int y, int width, int height, int corner);

// Decodes `bytes` and draws the picture stretched into `box`; an empty or
// undecodable picture draws nothing.
void DrawPicture(gx::GxGraphics& graphics, std::span<const std::uint8_t> bytes,
                 const gx::RectF& box);

// Haloed text: `text` drawn four times in `haloColour` at alpha 150, shifted
// by `haloWidth` left, right, up and down, then once in opaque `textColour`.
// The font size is in pixels (GDI+ world units on the surfaces).
inline constexpr GlowTextFont kHaloTextFont{"宋体", 0, 13.0f};
void DrawHaloText(gx::GxGraphics& graphics, std::string_view text, const gx::RectF& box,
                  COLORREF textColour, COLORREF haloColour, int haloWidth = 1,
                  const GlowTextFont& font = kHaloTextFont);

// The graphics an element is drawn with: the caller's, or (when the caller
// gave none) a new one on the window's background surface, in which case the
// element shows itself on screen afterwards.
class ElementGraphics {
 public:
  ElementGraphics(gx::GxGraphics* given, HDC surface);
  ElementGraphics(const ElementGraphics&) = delete;
  ElementGraphics& operator=(const ElementGraphics&) = delete;

  gx::GxGraphics& get() { return given_ ? *given_ : own_; }
  bool owned() const { return given_ == nullptr; }
  // When the graphics is this object's own: finishes its drawing and copies
  // the rectangle from the surface to the window (see ShowSurfaceRect).
  void ShowIfOwned(HWND window, int x, int y, int width, int height, bool clipChildren = false);

 private:
  gx::GxGraphics* given_;
  HDC surface_;
  gx::GxGraphics own_;
};

// Copies the rectangle (x, y, width, height) of the background surface to
// the same place in the window. With `clipChildren`, the window's visible
// children are left out (GetDcExcludingChildren).
void ShowSurfaceRect(HWND window, HDC surface, int x, int y, int width, int height,
                     bool clipChildren = false);

}  // namespace skin
