// Shared by the GDI+ layer tests: GDI+ itself (started once for the exe, as
// the skin manager does in the product) and small pixel helpers.
#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "gdiplus/gdiplus_layer.h"

namespace gxtest {

// Opaque colours used by the tests.
inline constexpr gx::ARGB kWhite = 0xFFFFFFFF;
inline constexpr gx::ARGB kBlack = 0xFF000000;
inline constexpr gx::ARGB kRed = 0xFFFF0000;
inline constexpr gx::ARGB kGreen = 0xFF00FF00;
inline constexpr gx::ARGB kBlue = 0xFF0000FF;

// A 32-bit ARGB bitmap of w × h cleared to `fill`.
gx::GxBitmap Canvas(int width, int height, gx::ARGB fill);
// Fills the rectangle with `colour`, replacing what was there.
void Paint(gx::GxBitmap& bitmap, int x, int y, int width, int height, gx::ARGB colour);
// Whether every channel of a and b differs by at most `tolerance`.
bool Near(gx::ARGB a, gx::ARGB b, int tolerance);
// Number of pixels for which `test` holds.
int CountPixels(const gx::GxBitmap& bitmap, const std::function<bool(gx::ARGB)>& test);
// Whether the pixel is clearly dark (all colour channels below 128).
bool IsDark(gx::ARGB colour);
// Whether two bitmaps of the same size have the same pixels.
bool SamePixels(const gx::GxBitmap& a, const gx::GxBitmap& b);

}  // namespace gxtest
