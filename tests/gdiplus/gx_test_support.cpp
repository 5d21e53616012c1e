#include "gx_test_support.h"

#include <cstdlib>

namespace gxtest {

namespace {

// GDI+ for the whole test exe. Every test object is local to its test, so
// all are gone before this is destroyed.
class GdiplusSession {
 public:
  GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&token_, &input, nullptr);
  }
  ~GdiplusSession() { Gdiplus::GdiplusShutdown(token_); }

 private:
  ULONG_PTR token_ = 0;
};

GdiplusSession session;

int Channel(gx::ARGB colour, int shift) { return static_cast<int>((colour >> shift) & 0xFF); }

}  // namespace

gx::GxBitmap Canvas(int width, int height, gx::ARGB fill) {
  gx::GxBitmap bitmap;
  bitmap.CreateFromScan0(width, height);
  Paint(bitmap, 0, 0, width, height, fill);
  return bitmap;
}

void Paint(gx::GxBitmap& bitmap, int x, int y, int width, int height, gx::ARGB colour) {
  for (int row = y; row < y + height; ++row) {
    for (int column = x; column < x + width; ++column) bitmap.SetPixel(column, row, colour);
  }
}

bool Near(gx::ARGB a, gx::ARGB b, int tolerance) {
  for (int shift : {0, 8, 16, 24}) {
    if (std::abs(Channel(a, shift) - Channel(b, shift)) > tolerance) return false;
  }
  return true;
}

int CountPixels(const gx::GxBitmap& bitmap, const std::function<bool(gx::ARGB)>& test) {
  int count = 0;
  const int width = static_cast<int>(bitmap.GetWidth());
  const int height = static_cast<int>(bitmap.GetHeight());
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) count += test(bitmap.GetPixel(x, y)) ? 1 : 0;
  }
  return count;
}

bool IsDark(gx::ARGB colour) {
  return Channel(colour, 0) < 128 && Channel(colour, 8) < 128 && Channel(colour, 16) < 128;
}

bool SamePixels(const gx::GxBitmap& a, const gx::GxBitmap& b) {
  if (a.GetWidth() != b.GetWidth() || a.GetHeight() != b.GetHeight()) return false;
  for (UINT y = 0; y < a.GetHeight(); ++y) {
    for (UINT x = 0; x < a.GetWidth(); ++x) {
      if (a.GetPixel(x, y) != b.GetPixel(x, y)) return false;
    }
  }
  return true;
}

}  // namespace gxtest
