// Window utilities shared by the painters of the frame, the controls and the
// tab skin: clipping out children, child rectangles, invalidating children,
// window-rectangle offsets, the layered style and the dialog caption button.
#pragma once
#include <windows.h>

namespace skin {

// `dc`, or GetDC(window) when none is given, with the rectangle of every
// visible direct child that lacks WS_EX_TRANSPARENT clipped out. A context
// this call took with GetDC is released by the caller with
// ReleaseDC(window, result).
HDC GetDcExcludingChildren(HWND window, HDC dc = nullptr);

// The child's window rectangle in its parent's client coordinates; an empty
// rectangle for a window registered in WindowRegistry.
RECT ChildRectInParent(HWND child);

// True when the extended style has WS_EX_TRANSPARENT.
bool IsTransparentExStyle(HWND window);

// Invalidates (with erase) every visible direct child of `window`.
void InvalidateVisibleChildren(HWND window);

// True for a "ListBox" with LBS_OWNERDRAWFIXED or LBS_OWNERDRAWVARIABLE.
bool IsOwnerDrawnListBox(HWND window);

// `b`'s window rectangle relative to the top-left corner of `a`'s.
RECT RectRelativeTo(HWND a, HWND b);
// The control's window rectangle relative to its root window's.
RECT RectRelativeToRoot(HWND control);
// The control's window rectangle relative to its owning skinned window's;
// all zero when the control is itself a registered window.
RECT RectRelativeToOwner(HWND control);

// Adds WS_EX_LAYERED, and WS_EX_TRANSPARENT when `transparent`, to the
// extended style; the other bits stay.
void SetLayeredStyle(HWND window, bool transparent);

// Dialog caption layout: the button strip's left edge at window width − 36
// and every caption button's bounds (width − 36, 0, 36, 22).
void PlaceCaptionButtons(int windowIndex);

}  // namespace skin
