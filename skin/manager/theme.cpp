#include "skin/manager/theme.h"

#include <algorithm>
#include <cmath>

#include "app/runtime/runtime_services.h"
#include "gdiplus/gdiplus_layer.h"
#include "skin/controls/colour_paths.h"
#include "skin/controls/window_utils.h"
#include "skin/manager/skin_manager.h"

namespace skin {

namespace {

// Decodes the picture into `image` (a GxImage or a GxBitmap).
template <class Image>
void LoadPicture(Image& image, const PictureSource& picture) {
  if (!picture.fileName.empty()) {
    image.LoadFromFile(picture.fileName);
  } else {
    image.LoadFromBytes(picture.bytes);
  }
}

// The picture a theme stores for `mode`: faded towards `colour` (modes 0 and
// 1), re-encoded as PNG when it came from a file, else the bytes unchanged.
ByteBlob PrepareThemePicture(const PictureSource& picture, int mode, COLORREF colour) {
  if (mode == kImageModeTopLeft) return ProcessBackgroundImage(picture, std::nullopt, colour);
  if (mode == kImageModeTopRight) return ProcessBackgroundImage(picture, std::nullopt, colour, 0);
  if (!picture.fileName.empty()) {
    gx::GxImage image;
    image.LoadFromFile(picture.fileName);
    return image.SaveToBytes(gx::kPngFormat);
  }
  return ByteBlob(picture.bytes.begin(), picture.bytes.end());
}

// A uniformly drawn integer in [low, high] from a generator seeded with `seed`.
int DrawSeeded(runtime::RuntimeServices& services, double seed, int low, int high) {
  services.SeedRandom(static_cast<std::uint32_t>(static_cast<long long>(seed)));
  return services.RandomInt(low, high);
}

}  // namespace

COLORREF ArgbToColorRef(std::uint32_t pixel, int& alpha) {
  alpha = static_cast<int>(pixel >> 24);
  const COLORREF red = (pixel >> 16) & 0xFF, green = (pixel >> 8) & 0xFF, blue = pixel & 0xFF;
  return red + 256 * green + 65536 * blue;
}

COLORREF SampleImageColour(const PictureSource& picture, int count,
                           std::optional<int> rightBand, std::optional<int> bottomBand) {
  constexpr COLORREF kOpaqueTop = 0xFF000000;
  gx::GxBitmap bitmap;
  LoadPicture(bitmap, picture);
  const int width = static_cast<int>(bitmap.GetWidth());
  const int height = static_cast<int>(bitmap.GetHeight());
  // An undecodable picture (or no samples) has nothing to average.
  if (width < 1 || height < 1 || count < 1) return kOpaqueTop;
  // A band wider than the picture still samples inside it.
  const int xLow = std::max(1, rightBand.value_or(0) >= 1 ? width - *rightBand : 1);
  const int yLow = std::max(1, bottomBand.value_or(0) >= 1 ? height - *bottomBand : 1);

  runtime::RuntimeServices& services = runtime::Win32Runtime();
  unsigned long long red = 0, green = 0, blue = 0;
  for (int i = 1; i <= count; ++i) {
    // Seeds truncated to whole days: the same draws all day long.
    const double today = services.Now();
    const int x = DrawSeeded(services, today + 3.0 * i, xLow, width) - 1;
    const int y = DrawSeeded(services, today + i, yLow, height) - 1;
    int alpha = 0;
    const COLORREF colour = ArgbToColorRef(bitmap.GetPixel(x, y), alpha);
    blue += colour / 65536;
    green += (colour % 65536) / 256;
    red += colour % 256;
  }
  const auto average = [count](unsigned long long sum) { return static_cast<COLORREF>(sum / count); };
  return kOpaqueTop + average(red) + 256 * average(green) + 65536 * average(blue);
}

ByteBlob ProcessBackgroundImage(const PictureSource& picture, std::optional<int> fadeWidth,
                                COLORREF colour, std::optional<int> rightHand) {
  gx::GxImage image;
  LoadPicture(image, picture);
  const int width = static_cast<int>(std::floor(static_cast<double>(image.GetWidth())));
  const int height = static_cast<int>(std::floor(static_cast<double>(image.GetHeight())));
  if (width < 1 || height < 1) return {};

  gx::GxBitmap faded;
  faded.CreateFromScan0(width, height, 0, PixelFormat32bppARGB);
  gx::GxGraphics graphics;
  graphics.CreateFromImage(faded);
  graphics.SetCompositingQuality(Gdiplus::CompositingQualityGammaCorrected);
  const gx::RectF whole(0, 0, static_cast<gx::REAL>(width), static_cast<gx::REAL>(height));
  graphics.DrawImageRectRect(image, whole, whole);

  const int fade = fadeWidth.value_or(static_cast<int>(std::floor(width * 0.3)));
  const auto w = static_cast<gx::REAL>(width), h = static_cast<gx::REAL>(height);
  const auto f = static_cast<gx::REAL>(fade);
  const gx::ARGB clearWhite = ToGdiPlusColor(0xFFFFFF, 0, true);
  const gx::ARGB solid = ToGdiPlusColor(colour, 255, true);
  gx::GxBrush side;
  if (rightHand.value_or(1) != 0) {
    side.CreateLineBrush({w - f, 0}, {w, 0}, clearWhite, solid);
    graphics.FillRectangle(side, w - f + 1, 0, f, h);
  } else {
    side.CreateLineBrush({0, 0}, {f, 0}, solid, clearWhite);
    graphics.FillRectangle(side, 0, 0, f, h);
  }
  // The bottom band fades over the same distance, taken from the width.
  gx::GxBrush bottom;
  bottom.CreateLineBrush({0, h - f}, {0, h}, ToGdiPlusColor(colour, 0, true), solid);
  graphics.FillRectangle(bottom, 0, h - f + 1, w, f);
  graphics.Release();

  return faded.SaveToBytes(gx::kPngFormat);
}

void SkinManager::SetBackground(std::string_view fileName, std::span<const std::uint8_t> bytes,
                                std::optional<COLORREF> baseColour, std::optional<COLORREF> accent,
                                std::optional<int> mode) {
  const bool followBase = accent == kAccentFollowsBase;
  if (!followBase) globals::accentColour = accent.value_or(kDefaultAccent);
  if (bytes.empty() && !baseColour && fileName.empty()) return;

  if (fileName.empty() && bytes.empty()) {
    // Only a colour: the theme loses its picture and keeps its mode.
    globals::themeImage.clear();
    globals::themeBaseColour = *baseColour;
    if (followBase) globals::accentColour = globals::themeBaseColour;
  } else {
    const PictureSource picture{bytes, fileName};
    const COLORREF sampled = SampleImageColour(picture, kThemeSamples);
    globals::themeBaseColour = baseColour.value_or(sampled);
    if (followBase) globals::accentColour = globals::themeBaseColour;
    globals::themeMode = mode.value_or(kImageModeTiled);
    globals::themeImage = PrepareThemePicture(picture, globals::themeMode, globals::themeBaseColour);
  }
  RepaintVisibleWindows();
}

void SkinManager::InvalidateHeaders(int index) {
  SkinWindowRecord* record = theWindowRegistry().At(index);
  if (!record) return;
  for (const HeaderSkinRecord& header : record->headerSkins) {
    if (header.hwnd) InvalidateRect(header.hwnd, nullptr, FALSE);
  }
}

void SkinManager::RepaintVisibleWindows() {
  WindowRegistry& registry = theWindowRegistry();
  for (int index = 1; index <= registry.Size(); ++index) {
    HWND window = registry.At(index)->hwnd;
    if (!IsWindowVisible(window)) continue;
    RenderFrame(index);
    InvalidateRect(window, nullptr, FALSE);
    InvalidateVisibleChildren(window);
    InvalidateHeaders(index);
  }
}

}  // namespace skin
