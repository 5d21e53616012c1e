// GxBitmap: an image whose pixels can be made, read and converted to and
// from GDI bitmaps and icons, and rotated into a new bitmap.
#pragma once
#include <optional>

#include "gdiplus/gx_image.h"

namespace gx {

// What RotateBitmap may be told besides the angle.
struct RotateOptions {
  std::optional<SIZE> size;  // default: RotatedBounds of the source
  std::optional<ARGB> fill;  // colour of the corners the source leaves bare
  std::optional<Gdiplus::InterpolationMode> interpolation;
};

class GxBitmap : public GxImage {
 public:
  // The held image seen as a bitmap.
  Gdiplus::GpBitmap* GetBitmapHandle() const { return static_cast<Gdiplus::GpBitmap*>(handle_); }

  // These hide GxImage's loaders: a bitmap is decoded as a bitmap.
  bool LoadFromFile(std::string_view fileName, bool icm = false);
  bool LoadFromBytes(std::span<const std::uint8_t> bytes, bool icm = false);

  // A bitmap of the given size and pixel format; with no `scan0` GDI+
  // allocates the pixels (transparent black for alpha formats).
  bool CreateFromScan0(INT width, INT height, INT stride = 0,
                       Gdiplus::PixelFormat format = PixelFormat32bppARGB, BYTE* scan0 = nullptr);
  bool CreateFromHBITMAP(HBITMAP bitmap, HPALETTE palette = nullptr);
  bool CreateFromHICON(HICON icon);
  // A new GDI bitmap of these pixels composed over `background`; the caller
  // deletes it. Null on failure.
  HBITMAP CreateHBITMAP(ARGB background) const;

  // The pixel at column x, row y; 0 on failure.
  ARGB GetPixel(INT x, INT y) const;
  bool SetPixel(INT x, INT y, ARGB colour);
  bool SetResolution(REAL dpiX, REAL dpiY);

  // Size that holds a width × height bitmap rotated by `degrees` whole.
  static SIZE RotatedBounds(UINT width, UINT height, REAL degrees);
  // A new 32-bit ARGB bitmap holding this one rotated by `degrees` about its
  // centre, with this one's resolution; empty on failure.
  GxBitmap RotateBitmap(REAL degrees, const RotateOptions& options = {}) const;
};

}  // namespace gx
