#include "skin/controls/edit_panel.h"

#include "gdiplus/gdiplus_layer.h"
#include "skin/controls/paint_helpers.h"
#include "skin/manager/engine_globals.h"
#include "skin/manager/window_properties.h"

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

bool InEditPanelMode() { return globals::EditPanelEnabled == 1; }

namespace {

// The backdrop of the inner area with the white panel over it; nullptr when
// the edit has no skinned owner.
HDC PanelSurface(HWND edit, const RECT& inner) {
  HDC surface = GetControlBackground(edit, inner);
  if (!surface) return nullptr;
  gx::GxGraphics graphics;
  gx::GxSolidBrush white;
  if (graphics.CreateFromHDC(surface) &&
      white.Create(ToGdiPlusColor(0xFFFFFF, static_cast<BYTE>(globals::EditPanelAlpha), true))) {
    graphics.FillRectangle(white, 0, 0, static_cast<gx::REAL>(inner.right - inner.left),
                           static_cast<gx::REAL>(inner.bottom - inner.top));
  }
  return surface;
}

void DeleteStoredObject(HWND edit, const char* name) {
  HGDIOBJ object = GetPropA(edit, name);
  if (object && object != GetStockObject(NULL_BRUSH)) DeleteObject(object);
  RemovePropA(edit, name);
}

}  // namespace

HBITMAP EditPanelBitmap(HWND edit) {
  const RECT inner = EditInnerRect(edit);
  HDC surface = PanelSurface(edit, inner);
  if (!surface) return nullptr;
  return SurfaceToBitmap(surface, inner.right - inner.left, inner.bottom - inner.top);
}

void PaintEditPanel(HWND edit, HDC dc) {
  const RECT inner = EditInnerRect(edit);
  HDC surface = PanelSurface(edit, inner);
  if (!surface) return;
  const int width = inner.right - inner.left, height = inner.bottom - inner.top;
  if (dc) {
    BitBlt(dc, 0, 0, width, height, surface, 0, 0, SRCCOPY);
  } else {
    HDC windowDc = GetWindowDC(edit);
    BitBlt(windowDc, inner.left, inner.top, width, height, surface, 0, 0, SRCCOPY);
    ReleaseDC(edit, windowDc);
  }
  ReleaseControlBackground(surface);
}

HBRUSH AnswerEditColour(HDC dc, HWND edit) {
  SetTextColor(dc, static_cast<COLORREF>(GetIntProp(edit, kTextColourProp)));
  SetBkMode(dc, TRANSPARENT);
  DeleteEditBrushes(edit);
  HBITMAP bitmap = EditPanelBitmap(edit);
  HBRUSH brush = CreatePatternBrush(bitmap);
  SetPropA(edit, kControlBrushProp, brush);
  SetPropA(edit, kControlBrushBitmapProp, bitmap);
  return brush;
}

void DeleteEditBrushes(HWND edit) {
  DeleteStoredObject(edit, kControlBrushProp);
  DeleteStoredObject(edit, kControlBrushBitmapProp);
}

}  // namespace skin
