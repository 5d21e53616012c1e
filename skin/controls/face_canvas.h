// FaceCanvas: the memory surface a control face is composed on (what lies
// behind the control, from GetControlBackground) with a GDI+ graphics on it,
// and the few drawing steps every button, edit and combo painter repeats.
#pragma once
#include <windows.h>

#include <optional>
#include <span>
#include <string_view>

#include "gdiplus/gdiplus_layer.h"
#include "skin/controls/colour_paths.h"

namespace skin {

// The fixed colours of the control faces (COLORREF).
inline constexpr COLORREF kSilver = 0xC0C0C0;
inline constexpr COLORREF kGrey = 0x808080;
inline constexpr COLORREF kTeal = 0x808000;  // RGB 0, 128, 128
inline constexpr COLORREF kGlow = 0xDDCA22;  // the focus glow, whatever the theme's accent

// A COLORREF at opacity `alpha`, and opaque, as GDI+ colours.
constexpr gx::ARGB Alpha(COLORREF colour, BYTE alpha) {
  return ToGdiPlusColor(colour, alpha, true);
}
constexpr gx::ARGB Opaque(COLORREF colour) { return ToGdiPlusColor(colour, 0, false); }

// Text placement of a caption: alignments, optional trimming, and the font.
struct CaptionStyle {
  std::string_view face;
  float size = 12;  // pixels
  int style = 0;    // GDI+ font style bits
  Gdiplus::StringAlignment align = Gdiplus::StringAlignmentNear;
  std::optional<Gdiplus::StringAlignment> lineAlign;  // not given: the format's default (top)
  std::optional<Gdiplus::StringTrimming> trimming;
};

class FaceCanvas {
 public:
  // Takes the backdrop of `rect` (the control's own coordinates); the
  // canvas is empty (operator bool false) when the control has no skinned
  // owner or the rectangle is empty.
  FaceCanvas(HWND control, const RECT& rect);
  // The graphics is deleted before the surface is handed back.
  ~FaceCanvas();
  FaceCanvas(const FaceCanvas&) = delete;
  FaceCanvas& operator=(const FaceCanvas&) = delete;

  explicit operator bool() const { return surface_ != nullptr; }
  gx::GxGraphics& graphics() { return graphics_; }
  HDC surface() const { return surface_; }

  void Fill(const gx::GxPath& path, gx::ARGB colour);
  void FillRect(float x, float y, float width, float height, gx::ARGB colour);
  // A linear gradient from `from` (colour `start`) to `to` (colour `end`).
  void FillGradient(const gx::GxPath& path, gx::PointF from, gx::PointF to, gx::ARGB start,
                    gx::ARGB end);
  void Stroke(const gx::GxPath& path, gx::ARGB colour, float width = 1);
  void StrokeRect(float x, float y, float width, float height, gx::ARGB colour,
                  float penWidth = 1);
  void DrawCaption(std::string_view text, const CaptionStyle& style, const gx::RectF& layout,
                   COLORREF colour);
  // Draws a decoded picture at (x, y), scaled to `size` or in its natural
  // size when none is given. An empty picture (one that did not decode) is
  // left out.
  void DrawPicture(const gx::GxImage& picture, float x, float y,
                   std::optional<SIZE> size = std::nullopt);

  // Flushes GDI+ and copies width × height from the surface's (0, 0) to
  // `dc` at (x, y).
  void CopyTo(HDC dc, int x, int y, int width, int height);

 private:
  HDC surface_ = nullptr;
  gx::GxGraphics graphics_;
};

// The picture decoded from file bytes; empty when the bytes do not decode.
gx::GxImage DecodePicture(std::span<const std::uint8_t> bytes);
// A picture's natural size in pixels (0 × 0 for an empty one).
SIZE PictureSize(const gx::GxImage& picture);

// A new path holding AddRoundedRect(x, y, width, height, corner).
gx::GxPath RoundedRectPath(float x, float y, float width, float height, int corner);
// A new path holding one ellipse, or one rectangle.
gx::GxPath EllipsePath(float x, float y, float width, float height);
gx::GxPath RectPath(float x, float y, float width, float height);

// The caption colour of a control: its "Kj_Ztys" property (black when unset).
COLORREF CaptionColour(HWND control);

}  // namespace skin
