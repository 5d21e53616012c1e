#include "skin/controls/window_utils.h"

#include <cstring>

#include "skin/controls/control_lookup.h"

namespace skin {

namespace {

// Calls `visit` for every direct child of `window`, in z-order.
template <class Visit>
void ForEachChild(HWND window, Visit visit) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    visit(child);
  }
}

}  // namespace

HDC GetDcExcludingChildren(HWND window, HDC dc) {
  if (!dc) dc = GetDC(window);
  ForEachChild(window, [dc](HWND child) {
    if (!IsWindowVisible(child) || IsTransparentExStyle(child)) return;
    RECT r = ChildRectInParent(child);
    ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
  });
  return dc;
}

RECT ChildRectInParent(HWND child) {
  if (FindWindowIndex(child)) return RECT{};
  RECT r{};
  GetWindowRect(child, &r);
  POINT origin{};
  ClientToScreen(GetParent(child), &origin);
  OffsetRect(&r, -origin.x, -origin.y);
  return r;
}

bool IsTransparentExStyle(HWND window) {
  return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0;
}

void InvalidateVisibleChildren(HWND window) {
  ForEachChild(window, [](HWND child) {
    if (IsWindowVisible(child)) InvalidateRect(child, nullptr, TRUE);
  });
}

bool IsOwnerDrawnListBox(HWND window) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  return lstrcmpiA(name, "ListBox") == 0 &&
         (GetWindowLongPtrA(window, GWL_STYLE) & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE));
}

RECT RectRelativeTo(HWND a, HWND b) {
  RECT ra{}, rb{};
  GetWindowRect(a, &ra);
  GetWindowRect(b, &rb);
  OffsetRect(&rb, -ra.left, -ra.top);
  return rb;
}

RECT RectRelativeToRoot(HWND control) {
  return RectRelativeTo(GetAncestor(control, GA_ROOT), control);
}

RECT RectRelativeToOwner(HWND control) {
  if (FindWindowIndex(control)) return RECT{};
  SkinWindowRecord* owner = WindowRecordAt(FindOwnerWindowIndex(control));
  return owner ? RectRelativeTo(owner->hwnd, control) : RECT{};
}

void SetLayeredStyle(HWND window, bool transparent) {
  LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE) | WS_EX_LAYERED;
  if (transparent) style |= WS_EX_TRANSPARENT;
  SetWindowLongPtrA(window, GWL_EXSTYLE, style);
}

void PlaceCaptionButtons(int windowIndex) {
  SkinWindowRecord* record = WindowRecordAt(windowIndex);
  if (!record) return;
  RECT r{};
  GetWindowRect(record->hwnd, &r);
  const int left = (r.right - r.left) - 36;
  record->buttonStripX = left;
  for (CaptionButton& button : record->captionButtons) {
    button.bounds = FloatRect{static_cast<float>(left), 0, 36, 22};
  }
}

}  // namespace skin
