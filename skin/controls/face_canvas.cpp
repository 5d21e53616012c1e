#include "skin/controls/face_canvas.h"

#include "skin/controls/colour_paths.h"
#include "skin/controls/control_background.h"
#include "skin/controls/memory_surface_list.h"
#include "skin/manager/window_properties.h"

namespace skin {

FaceCanvas::FaceCanvas(HWND control, const RECT& rect)
    : surface_(GetControlBackground(control, rect)) {
  if (surface_) graphics_.CreateFromHDC(surface_);
}

FaceCanvas::~FaceCanvas() {
  graphics_.Release();
  if (surface_) ReleaseControlBackground(surface_);
}

void FaceCanvas::Fill(const gx::GxPath& path, gx::ARGB colour) {
  gx::GxSolidBrush brush;
  if (brush.Create(colour)) graphics_.FillPath(brush, path);
}

void FaceCanvas::FillRect(float x, float y, float width, float height, gx::ARGB colour) {
  gx::GxSolidBrush brush;
  if (brush.Create(colour)) graphics_.FillRectangle(brush, x, y, width, height);
}

void FaceCanvas::FillGradient(const gx::GxPath& path, gx::PointF from, gx::PointF to,
                              gx::ARGB start, gx::ARGB end) {
  gx::GxBrush brush;
  if (brush.CreateLineBrush(from, to, start, end)) graphics_.FillPath(brush, path);
}

void FaceCanvas::Stroke(const gx::GxPath& path, gx::ARGB colour, float width) {
  gx::GxPen pen;
  if (pen.Create(colour, width)) graphics_.DrawPath(pen, path);
}

void FaceCanvas::StrokeRect(float x, float y, float width, float height, gx::ARGB colour,
                            float penWidth) {
  gx::GxPen pen;
  if (pen.Create(colour, penWidth)) graphics_.DrawRectangle(pen, x, y, width, height);
}

void FaceCanvas::DrawCaption(std::string_view text, const CaptionStyle& style,
                             const gx::RectF& layout, COLORREF colour) {
  if (text.empty()) return;
  gx::GxFont font;
  gx::GxStringFormat format;
  gx::GxSolidBrush brush;
  if (!font.Create(style.face, style.size, style.style, Gdiplus::UnitWorld) || !format.Create() ||
      !brush.Create(ToGdiPlusColor(colour, 0, false))) {
    return;
  }
  format.SetAlign(style.align);
  if (style.lineAlign) format.SetLineAlign(*style.lineAlign);
  if (style.trimming) format.SetTrimming(*style.trimming);
  graphics_.DrawString(text, font, layout, format, brush);
}

void FaceCanvas::DrawPicture(const gx::GxImage& picture, float x, float y,
                             std::optional<SIZE> size) {
  if (picture.IsEmpty()) return;
  const SIZE natural = PictureSize(picture);
  const SIZE drawn = size.value_or(natural);
  graphics_.DrawImageRectRect(
      picture, {x, y, static_cast<gx::REAL>(drawn.cx), static_cast<gx::REAL>(drawn.cy)},
      {0, 0, static_cast<gx::REAL>(natural.cx), static_cast<gx::REAL>(natural.cy)});
}

void FaceCanvas::CopyTo(HDC dc, int x, int y, int width, int height) {
  graphics_.Flush(Gdiplus::FlushIntentionSync);
  BitBlt(dc, x, y, width, height, surface_, 0, 0, SRCCOPY);
}

gx::GxImage DecodePicture(std::span<const std::uint8_t> bytes) {
  gx::GxImage picture;
  if (!bytes.empty()) picture.LoadFromBytes(bytes);
  return picture;
}

SIZE PictureSize(const gx::GxImage& picture) {
  return {static_cast<LONG>(picture.GetWidth()), static_cast<LONG>(picture.GetHeight())};
}

gx::GxPath RoundedRectPath(float x, float y, float width, float height, int corner) {
  gx::GxPath path;
  path.Create();
  AddRoundedRect(path, x, y, width, height, corner);
  return path;
}

gx::GxPath EllipsePath(float x, float y, float width, float height) {
  gx::GxPath path;
  path.Create();
  path.AddEllipse(x, y, width, height);
  return path;
}

gx::GxPath RectPath(float x, float y, float width, float height) {
  gx::GxPath path;
  path.Create();
  path.AddRectangle(x, y, width, height);
  return path;
}

COLORREF CaptionColour(HWND control) {
  return static_cast<COLORREF>(GetIntProp(control, kTextColourProp));
}

}  // namespace skin
