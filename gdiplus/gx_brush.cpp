#include "gdiplus/gx_brush.h"

#include <algorithm>

#include "gdiplus/gx_image.h"
#include "gdiplus/gx_path.h"
#include "gdiplus/gx_transform_about.h"

namespace gx {

using detail::Record;

int GxBrushBase::GetType() const {
  Gdiplus::BrushType type{};
  if (!Record(flat::GdipGetBrushType(handle_, &type))) return -1;
  return type;
}

template <class Typed, auto Get, auto Translate, auto Scale, auto Rotate>
bool detail::TransformedBrush<Typed, Get, Translate, Scale, Rotate>::ScaleAt(
    REAL sx, REAL sy, PointF p, std::optional<MatrixOrder> order) {
  return ScaleAbout(GetTypedHandle(), sx, sy, p, order, Translate, Scale);
}

template <class Typed, auto Get, auto Translate, auto Scale, auto Rotate>
bool detail::TransformedBrush<Typed, Get, Translate, Scale, Rotate>::RotateAt(
    REAL degrees, PointF p, std::optional<MatrixOrder> order) {
  return RotateAbout(GetTypedHandle(), degrees, p, order, Translate, Rotate);
}

// The three brush kinds with a transform.
template class detail::TransformedBrush<Gdiplus::GpLineGradient, flat::GdipGetLineTransform,
                                        flat::GdipTranslateLineTransform,
                                        flat::GdipScaleLineTransform, flat::GdipRotateLineTransform>;
template class detail::TransformedBrush<
    Gdiplus::GpPathGradient, flat::GdipGetPathGradientTransform,
    flat::GdipTranslatePathGradientTransform, flat::GdipScalePathGradientTransform,
    flat::GdipRotatePathGradientTransform>;
template class detail::TransformedBrush<Gdiplus::GpTexture, flat::GdipGetTextureTransform,
                                        flat::GdipTranslateTextureTransform,
                                        flat::GdipScaleTextureTransform,
                                        flat::GdipRotateTextureTransform>;

bool GxSolidBrush::Create(ARGB colour) {
  Gdiplus::GpSolidFill* made = nullptr;
  return Adopt(flat::GdipCreateSolidFill(colour, &made), made);
}

bool GxBrush::CreateLineBrush(PointF from, PointF to, ARGB start, ARGB end,
                              Gdiplus::WrapMode wrap) {
  Gdiplus::GpLineGradient* made = nullptr;
  return Adopt(flat::GdipCreateLineBrush(&from, &to, start, end, wrap, &made), made);
}

bool GxBrush::SetPresetBlend(std::span<const ARGB> colours, std::span<const REAL> positions) {
  const auto count = static_cast<INT>(std::min(colours.size(), positions.size()));
  return Record(
      flat::GdipSetLinePresetBlend(GetTypedHandle(), colours.data(), positions.data(), count));
}

bool GxBrush::SetLinearBlend(REAL focus, REAL scale) {
  return Record(flat::GdipSetLineLinearBlend(GetTypedHandle(), focus, scale));
}

bool GxPathGradientBrush::CreateFromPath(const GxPath& path) {
  Gdiplus::GpPathGradient* made = nullptr;
  return Adopt(flat::GdipCreatePathGradientFromPath(path.GetNativeHandle(), &made), made);
}

bool GxPathGradientBrush::SetCenterColor(ARGB colour) {
  return Record(flat::GdipSetPathGradientCenterColor(GetTypedHandle(), colour));
}

bool GxPathGradientBrush::SetSurroundColors(std::span<const ARGB> colours) {
  INT count = static_cast<INT>(colours.size());
  return Record(
      flat::GdipSetPathGradientSurroundColorsWithCount(GetTypedHandle(), colours.data(), &count));
}

bool GxPathGradientBrush::SetCenterPoint(PointF centre) {
  return Record(flat::GdipSetPathGradientCenterPoint(GetTypedHandle(), &centre));
}

bool GxPathGradientBrush::SetFocusScales(REAL xScale, REAL yScale) {
  return Record(flat::GdipSetPathGradientFocusScales(GetTypedHandle(), xScale, yScale));
}

bool GxTextureBrush::Create(const GxImage& image, Gdiplus::WrapMode wrap) {
  Gdiplus::GpTexture* made = nullptr;
  return Adopt(flat::GdipCreateTexture(image.GetNativeHandle(), wrap, &made), made);
}

}  // namespace gx
