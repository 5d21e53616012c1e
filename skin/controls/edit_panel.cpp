#include "skin/controls/edit_panel.h"

#include "gdiplus/gdiplus_layer.h"
#include "skin/controls/paint_helpers.h"
#include "skin/manager/engine_globals.h"

namespace skin {

namespace {

constexpr int kScrollBarWidth = 17;

// Floors the half of `n` (toward minus infinity, as a negative margin must).
int HalfDown(int n) { return n >= 0 ? n / 2 : -((-n + 1) / 2); }

// A compatible bitmap holding a copy of the surface; the surface is released.
HBITMAP SurfaceToBitmap(HDC surface, int width, int height) {
  HDC copy = CreateCompatibleDC(surface);
  HBITMAP bitmap = CreateCompatibleBitmap(surface, width, height);
  HGDIOBJ displaced = SelectObject(copy, bitmap);
  BitBlt(copy, 0, 0, width, height, surface, 0, 0, SRCCOPY);
  SelectObject(copy, displaced);
  DeleteDC(copy);
  ReleaseControlBackground(surface);
  return bitmap;
}

}  // namespace

RECT EditInnerRect(HWND edit) {
  RECT window{}, client{};
  GetWindowRect(edit, &window);
  GetClientRect(edit, &client);
  const LONG_PTR style = GetWindowLongPtrA(edit, GWL_STYLE);
  const int v = (style & WS_VSCROLL) ? kScrollBarWidth : 0;
  const int h = (style & WS_HSCROLL) ? kScrollBarWidth : 0;
  const int x0 = HalfDown((window.right - window.left) - client.right - v);
  const int y0 = HalfDown((window.bottom - window.top) - client.bottom - h);
  return {x0, y0, x0 + client.right, y0 + client.bottom};
}

HBITMAP EditPanelBitmap(HWND edit) {
  const RECT inner = EditInnerRect(edit);
  HDC surface = GetControlBackground(edit, inner);
  if (!surface) return nullptr;
  const int width = inner.right - inner.left, height = inner.bottom - inner.top;
  {
    gx::GxGraphics graphics;
    graphics.CreateFromHDC(surface);
    gx::GxSolidBrush white;
    white.Create(ToGdiPlusColor(0xFFFFFF, static_cast<BYTE>(globals::EditPanelAlpha), true));
    graphics.FillRectangle(white, 0, 0, static_cast<gx::REAL>(width), static_cast<gx::REAL>(height));
  }
  return SurfaceToBitmap(surface, width, height);
}

}  // namespace skin
