// Test fixtures for the frame, caption, status-bar and theme painters: the
// engine started as at program start-up, a window registered the way
// attaching registers it, pictures made on the fly, and surface pixels.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "skin/manager/skin_manager.h"
#include "support/engine_scope.h"

namespace test {

// ConstructEngineObjects + InitSkinModule (GDI+ started); the exit routine on
// destruction. The theme starts with no picture and a grey base colour.
struct Engine : EngineScope {
  Engine() : EngineScope(Theme::PlainGrey) {}
};

// A popup window whose client area is width x height, registered in the
// window registry with the fields attaching sets (caption 25 high, caption
// and title drawn, frame border 3, the caption font and colours) and
// "Hw_lbID". `buttons` become its caption buttons in this order (26 x 18,
// the close button 38 x 18, each with an opaque one-colour picture), with
// a tooltip tool per button; the strip is as wide as attaching makes it.
struct SkinnedWindow {
  SkinnedWindow(int width, int height, std::vector<skin::CaptionCommand> buttons = {},
                bool visible = false);
  ~SkinnedWindow();
  SkinnedWindow(const SkinnedWindow&) = delete;
  SkinnedWindow& operator=(const SkinnedWindow&) = delete;

  HWND hwnd = nullptr;
  int index = 0;
  skin::SkinWindowRecord* record = nullptr;
};

// The window manager of the test: renders with RenderFrame and so on.
skin::SkinManager& Manager();

// A PNG whose pixel (x, y) is colour(x, y) (GDI+ ARGB).
skin::ByteBlob MakePicture(int width, int height,
                           const std::function<std::uint32_t(int, int)>& colour,
                           bool jpeg = false);
// An opaque one-colour PNG.
skin::ByteBlob SolidPicture(int width, int height, COLORREF colour);

// The pixel of a device context's selected bitmap, as a COLORREF.
COLORREF SurfacePixel(HDC dc, int x, int y);
// The pixels of a rectangle, row by row.
std::vector<COLORREF> SurfacePixels(HDC dc, const RECT& rect);

// Colours that are near each other on every channel.
bool Near(COLORREF a, COLORREF b, int tolerance = 8);

}  // namespace test
