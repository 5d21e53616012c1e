// Fixtures of the control-face tests: a skinned window whose background is
// one flat colour (so any tint of a face shows), a canvas that catches what
// a painter copies out, a 宋体 12-pixel font, and colour measures.
#pragma once
#include <windows.h>

#include <cstdlib>
#include <functional>

#include "skin_fixture.h"

namespace test {

inline constexpr COLORREF kBackdrop = 0x808080;
// A red accent: hover looks show red, the fixed focus glow (0xDDCA22) cyan.
inline constexpr COLORREF kRedAccent = 0x0000FF;

// A skinned window (SkinnedWindow) whose background surface is kBackdrop
// everywhere; the accent colour is kRedAccent while it lives.
struct FlatWindow : SkinnedWindow {
  FlatWindow();
  ~FlatWindow();
};

// A 32-bit memory canvas of w × h, first filled with magenta.
class Canvas {
 public:
  Canvas(int w, int h);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  HDC dc() const { return dc_; }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
  // Pixels in [x0, x1) × [y0, y1) matching `test`.
  int Count(int x0, int y0, int x1, int y1, const std::function<bool(COLORREF)>& test) const;

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ displaced_;
};

// A TrueType 宋体 font of 12 pixels, deleted with the object.
struct SongFont {
  SongFont();
  ~SongFont();
  SongFont(const SongFont&) = delete;
  SongFont& operator=(const SongFont&) = delete;
  HFONT font;
};

inline int Red(COLORREF c) { return GetRValue(c); }
inline int Green(COLORREF c) { return GetGValue(c); }
inline int Blue(COLORREF c) { return GetBValue(c); }
// Red clearly above blue (the red accent), and the reverse (the cyan glow).
inline bool Reddish(COLORREF c) { return Red(c) > Blue(c) + 30; }
inline bool Cyanish(COLORREF c) { return Blue(c) > Red(c) + 30; }
inline bool Neutral(COLORREF c) { return std::abs(Red(c) - Blue(c)) < 10; }
// Text pixels: much darker than the backdrop.
inline bool Dark(COLORREF c) { return Red(c) + Green(c) + Blue(c) < 3 * 0x50; }

}  // namespace test
