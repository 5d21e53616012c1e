#include "skin/controls/edit_frame.h"

#include "skin/controls/control_subclass.h"
#include "skin/controls/edit_panel.h"
#include "skin/controls/face_canvas.h"

namespace skin {

namespace {

LONG_PTR StyleOf(HWND window) { return GetWindowLongPtrA(window, GWL_STYLE); }

// Floors the half of `n` (toward minus infinity).
int HalfDown(int n) { return n >= 0 ? n / 2 : -((-n + 1) / 2); }

RECT ScrollBarRect(HWND window, LONG object) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  GetScrollBarInfo(window, object, &info);
  return info.rcScrollBar;
}

SIZE WindowSize(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

// The inner area (client plus scroll bars), centred in the window
// rectangle, in window coordinates.
RECT InnerArea(HWND edit, SIZE size) {
  RECT client;
  GetClientRect(edit, &client);
  const RECT vbar = ScrollBarRect(edit, OBJID_VSCROLL);
  const RECT hbar = ScrollBarRect(edit, OBJID_HSCROLL);
  int iw = client.right - client.left;
  int ih = client.bottom - client.top;
  if (StyleOf(edit) & WS_VSCROLL) iw += vbar.right - vbar.left;
  if (StyleOf(edit) & WS_HSCROLL) ih += hbar.bottom - hbar.top;
  const int left = HalfDown(size.cx - iw), top = HalfDown(size.cy - ih);
  return {left, top, left + iw, top + ih};
}

}  // namespace

bool HasScrollBars(HWND window) { return (StyleOf(window) & (WS_VSCROLL | WS_HSCROLL)) != 0; }
bool HasHScroll(HWND window) { return (StyleOf(window) & WS_HSCROLL) != 0; }
bool HasVScroll(HWND window) { return (StyleOf(window) & WS_VSCROLL) != 0; }

HRGN ScrollBarRegion(HWND edit) {
  HRGN horizontal = nullptr, vertical = nullptr;
  if (HasHScroll(edit)) {
    const RECT bar = ScrollBarRect(edit, OBJID_HSCROLL);
    horizontal = CreateRectRgnIndirect(&bar);
  }
  if (HasVScroll(edit)) {
    RECT bar = ScrollBarRect(edit, OBJID_VSCROLL);
    if (horizontal) bar.bottom += bar.right - bar.left;  // the corner square
    vertical = CreateRectRgnIndirect(&bar);
  }
  if (!horizontal || !vertical) return horizontal ? horizontal : vertical;
  HRGN both = CreateRectRgn(0, 0, 0, 0);
  CombineRgn(both, horizontal, vertical, RGN_OR);
  DeleteObject(horizontal);
  DeleteObject(vertical);
  return both;
}

void DrawEditBorder(HWND edit, std::optional<bool> focused, std::optional<bool> hover,
                    gx::GxGraphics& graphics) {
  auto ref = FindControlRecord(edit, &SkinWindowRecord::editSkins);
  if (!ref) return;
  const bool isHover = hover.value_or(ref.entry->hovered != 0);
  const bool isFocused = focused.value_or(ref.entry->focused != 0);
  const SIZE size = WindowSize(edit);
  const float W = static_cast<float>(size.cx), H = static_cast<float>(size.cy);
  gx::GxPen pen;
  if (isHover) {
    if (pen.Create(Alpha(globals::accentColour, 180), 2)) {
      graphics.DrawRectangle(pen, 1, 1, W - 2, H - 2);
    }
  } else if (pen.Create(isFocused ? Alpha(globals::accentColour, 180) : Alpha(kBlack, 80), 1)) {
    graphics.DrawRectangle(pen, 0, 0, W - 1, H - 1);
  }
}

void PaintEditFrame(HWND edit, std::optional<bool> focused, std::optional<bool> hover) {
  const SIZE size = WindowSize(edit);
  const RECT inner = InnerArea(edit, size);
  FaceCanvas canvas(edit, {0, 0, size.cx, size.cy});
  if (!canvas) return;
  const float W = static_cast<float>(size.cx), H = static_cast<float>(size.cy);
  gx::GxGraphics& graphics = canvas.graphics();
  graphics.SetClipRect(0, 0, W, H);
  graphics.SetClipRect(static_cast<float>(inner.left), static_cast<float>(inner.top),
                       static_cast<float>(inner.right - inner.left),
                       static_cast<float>(inner.bottom - inner.top), Gdiplus::CombineModeXor);
  canvas.FillRect(0, 0, W, H,
                  InEditPanelMode() ? Alpha(kWhite, static_cast<BYTE>(globals::EditPanelAlpha))
                                    : Opaque(kWhite));
  DrawEditBorder(edit, focused, hover, graphics);

  HDC dc = GetWindowDC(edit);
  ExcludeClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
  canvas.CopyTo(dc, 0, 0, size.cx, size.cy);
  ReleaseDC(edit, dc);
}

}  // namespace skin
