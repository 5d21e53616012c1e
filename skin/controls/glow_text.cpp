#include "skin/controls/glow_text.h"

#include <algorithm>

#include "skin/controls/colour_paths.h"

namespace skin {

namespace {

// A 32-bit ARGB bitmap with a graphics drawing into it. The graphics goes
// before the bitmap it draws into.
struct Canvas {
  gx::GxBitmap bitmap;
  gx::GxGraphics graphics;

  Canvas(int width, int height) {
    if (bitmap.CreateFromScan0(width, height, 0, PixelFormat32bppARGB)) {
      graphics.CreateFromImage(bitmap);
    }
  }
  ~Canvas() { graphics.Release(); }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
};

void DrawText(gx::GxGraphics& graphics, std::string_view text, const gx::GxFont& font,
              const gx::GxStringFormat& format, const gx::RectF& box, gx::ARGB colour) {
  gx::GxSolidBrush brush;
  if (brush.Create(colour)) graphics.DrawString(text, font, box, format, brush);
}

}  // namespace

void DrawGlowText(gx::GxGraphics& graphics, std::string_view text, const gx::RectF& layout,
                  COLORREF textColour, COLORREF glowColour, int glowScale,
                  const GlowTextFont& font) {
  const int w = static_cast<int>(layout.Width);
  const int h = static_cast<int>(layout.Height);
  // GDI+ refuses zero-sized bitmaps and the halo shrink divides by the scale.
  if (w < 1 || h < 1) return;
  const int c = std::max(glowScale, 1);
  const float half = static_cast<float>(c) / 2;
  const float W = static_cast<float>(w);
  const float H = static_cast<float>(h);

  gx::GxFont gdiFont;
  // Sizes are in display units; GDI+ versions that refuse that unit for fonts
  // get the same size in pixels, which is what the display unit means on screen.
  if (!gdiFont.Create(font.face, font.size, font.style, Gdiplus::UnitDisplay)) {
    gdiFont.Create(font.face, font.size, font.style, Gdiplus::UnitPixel);
  }
  gx::GxStringFormat format;
  format.Create();
  format.SetAlign(font.align);
  format.SetLineAlign(font.lineAlign);
  const gx::ARGB glow = ToGdiPlusColor(glowColour, 0, false);

  // The halo source, shrunk by the scale and blown up again: a blur.
  Canvas blurred(w, h);
  {
    Canvas source(w, h);
    source.graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    source.graphics.SetCompositingQuality(Gdiplus::CompositingQualityGammaCorrected);
    source.graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    source.graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeNone);
    DrawText(source.graphics, text, gdiFont, format, {half, half, half + W, half + H}, glow);

    const int sw = std::max(w / c, 1);
    const int sh = std::max(h / c, 1);
    Canvas shrunk(sw, sh);
    shrunk.graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    shrunk.graphics.SetCompositingQuality(Gdiplus::CompositingQualityHighQuality);
    shrunk.graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeNone);
    shrunk.graphics.DrawImageRectRect(source.bitmap, {0, 0, float(sw), float(sh)}, {0, 0, W, H});

    blurred.graphics.SetCompositingQuality(Gdiplus::CompositingQualityGammaCorrected);
    blurred.graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    blurred.graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    blurred.graphics.DrawImageRectRect(shrunk.bitmap, {0, 0, W, H},
                                       {0, 0, float(sw), float(sh)});
  }

  // Thicken the halo with four faint copies offset by one pixel.
  const gx::ARGB faint = ToGdiPlusColor(glowColour, 60, true);
  const float top = 0.7f * static_cast<float>(c);
  for (const gx::PointF& offset : {gx::PointF{half - 1, top}, gx::PointF{half + 1, top},
                                  gx::PointF{half, top - 1}, gx::PointF{half, top + 1}}) {
    DrawText(blurred.graphics, text, gdiFont, format, {offset.X, offset.Y, W, H}, faint);
  }

  graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  graphics.DrawImageRectRect(blurred.bitmap,
                             {layout.X - half, layout.Y - 0.6f * static_cast<float>(c), W, H},
                             {0, 0, W, H});
  DrawText(graphics, text, gdiFont, format, {layout.X, layout.Y, W, H},
           ToGdiPlusColor(textColour, 0, false));
}

}  // namespace skin
