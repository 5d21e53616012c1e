// ButtonSkinProc: focus, caption, hover and click handling of skinned push
// buttons, image buttons, check boxes and auto radio buttons. Owner-drawn
// kinds are painted through the parent's WM_DRAWITEM (DrawButtonItem); check
// boxes and radio buttons are painted here, after the system's own button
// procedure has changed their state.
#include "skin/controls/button_paint.h"
#include "skin/controls/button_skin.h"
#include "skin/controls/class_procedures.h"
#include "skin/controls/control_subclass.h"

namespace skin {

namespace {

enum ButtonKind : int { kPush = 0, kImage = 1, kFourImage = 3, kRadio = 4, kCheck = 5 };

using ButtonRef = ControlRef<ButtonSkinRecord>;

ButtonRef FindButton(HWND button) {
  return FindControlRecord(button, &SkinWindowRecord::buttonSkins);
}

// Paints any kind on `dc` for the client rectangle.
void PaintOn(const ButtonSkinRecord& record, HDC dc, UINT state) {
  RECT client;
  GetClientRect(record.hwnd, &client);
  switch (record.kind) {
    case kPush: PaintPushButton(record, dc, state, client); break;
    case kImage: PaintImageButton(record, dc, state, client); break;
    case kFourImage: PaintFourImageButton(record, dc, state, client); break;
    case kRadio: PaintRadioButtonOn(record, dc, state); break;
    case kCheck: PaintCheckBoxOn(record, dc, state); break;
  }
}

LRESULT OnPaint(HWND button, const ButtonSkinRecord& record, WPARAM wParam, LPARAM lParam) {
  if (record.kind != kRadio && record.kind != kCheck) {
    return CallPreviousProc(button, WM_PAINT, wParam, lParam);
  }
  PAINTSTRUCT ps;
  BeginPaint(button, &ps);
  record.kind == kCheck ? PaintCheckBox(record, 0) : PaintRadioButton(record, 0);
  EndPaint(button, &ps);
  return DefWindowProcA(button, WM_PAINT, wParam, lParam);
}

LRESULT OnEraseBackground(HWND button, HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  return static_cast<LRESULT>(SetTextColor(dc, CaptionColour(button)));
}

// A check or a click changes the state of check boxes and radio buttons: the
// system's procedure acts first, then the face is redrawn over whatever it
// drew. A radio button is drawn with the pressed bit (which draws as normal).
LRESULT OnCheckChange(HWND button, int kind, UINT message, WPARAM wParam, LPARAM lParam) {
  if (kind != kRadio && kind != kCheck) return CallPreviousProc(button, message, wParam, lParam);
  CallPreviousProc(button, message, wParam, lParam);
  // Passing the message on may have attached other controls: look again.
  if (ButtonRef ref = FindButton(button)) {
    kind == kRadio ? PaintRadioButton(*ref.entry, kStatePressed) : PaintCheckBox(*ref.entry, 0);
  }
  return DefWindowProcA(button, message, wParam, lParam);
}

// The hover look is drawn once per entry into a button, not on every move.
void OnMouseMove(HWND button, const ButtonRef& ref) {
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, button, 0};
  TrackMouseEvent(&track);
  SkinWindowRecord& owner = *ref.window;
  owner.hoverControl = ref.controlIndex;
  if (owner.lastHoverControl != owner.hoverControl || owner.hoverKind != 0) {
    RepaintButton(button, 0, true);
    owner.lastHoverControl = owner.hoverControl;
    owner.hoverKind = 0;
  }
}

void OnMouseLeave(HWND button, const ButtonRef& ref) {
  ref.window->lastHoverControl = 0;
  RepaintButton(button, ref.entry->focused ? kStateFocused : 0, false);
}

}  // namespace

void RepaintButton(HWND button, UINT state, bool hover) {
  ButtonRef ref = FindButton(button);
  if (!ref) return;
  HDC dc = GetDC(button);
  PaintOn(*ref.entry, dc, hover ? state | kStateHover : state);
  ReleaseDC(button, dc);
}

void DrawButtonItem(int windowIndex, DRAWITEMSTRUCT item) {
  if (item.CtlType != ODT_BUTTON) return;
  SkinWindowRecord* window = WindowRecordAt(windowIndex);
  const int index = static_cast<int>(GetIntProp(item.hwndItem, kIndexProp));
  ButtonSkinRecord* record = window ? EntryAt(window->buttonSkins, index) : nullptr;
  // An index read from another window's list would paint the wrong record.
  if (!record || record->hwnd != item.hwndItem) return;
  switch (record->kind) {
    case kImage: PaintImageButton(*record, item.hDC, item.itemState, item.rcItem); break;
    case kPush: PaintPushButton(*record, item.hDC, item.itemState, item.rcItem); break;
    case kFourImage: PaintFourImageButton(*record, item.hDC, item.itemState, item.rcItem); break;
  }
}

LRESULT CALLBACK ButtonSkinProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  ButtonRef ref = FindButton(button);
  if (!ref) return CallPreviousProc(button, message, wParam, lParam);
  ButtonSkinRecord& record = *ref.entry;
  switch (message) {
    case WM_MOVE:
      InvalidateRect(button, nullptr, TRUE);
      break;
    case WM_SETFOCUS:
      record.focused = 1;
      break;
    case WM_KILLFOCUS:
      record.focused = 0;
      break;
    case WM_SETTEXT:
      record.caption = lParam ? reinterpret_cast<const char*>(lParam) : "";
      break;
    case WM_PAINT:
      return OnPaint(button, record, wParam, lParam);
    case WM_ERASEBKGND:
      return OnEraseBackground(button, reinterpret_cast<HDC>(wParam));
    case WM_NCPAINT:
      return 1;
    case WM_KEYDOWN:
      if (wParam != VK_SPACE) break;
      [[fallthrough]];
    case BM_SETCHECK:
    case WM_LBUTTONDOWN:
      return OnCheckChange(button, record.kind, message, wParam, lParam);
    case WM_MOUSEMOVE:
      OnMouseMove(button, ref);
      break;
    case WM_LBUTTONUP:
      ref.window->lastHoverControl = 0;
      break;
    case WM_LBUTTONDBLCLK:
      return 0;
    case WM_MOUSELEAVE:
      OnMouseLeave(button, ref);
      break;
  }
  return CallPreviousProc(button, message, wParam, lParam);
}

}  // namespace skin
