// EditSkinProc: the skinned ring of edit boxes, their hover and focus looks,
// and in panel mode the translucent panel under the text, which is redrawn
// whenever the edit scrolls, is typed in or has a selection dragged.
#include <cstring>

#include "skin/controls/class_procedures.h"
#include "skin/controls/control_subclass.h"
#include "skin/controls/edit_frame.h"
#include "skin/controls/edit_panel.h"

namespace skin {

namespace {

using EditRef = ControlRef<EditSkinRecord>;

EditRef FindEdit(HWND edit) { return FindControlRecord(edit, &SkinWindowRecord::editSkins); }

void Invalidate(HWND edit) { InvalidateRect(edit, nullptr, TRUE); }

bool ParentIsComboBox(HWND edit) {
  char name[16] = {};
  GetClassNameA(GetParent(edit), name, sizeof name);
  return std::strcmp(name, "ComboBox") == 0;
}

// The record's focus state; false for an edit without a record.
bool RecordFocused(HWND edit) {
  EditRef ref = FindEdit(edit);
  return ref && ref.entry->focused != 0;
}

void SetFocused(HWND edit, int focused) {
  if (EditRef ref = FindEdit(edit)) ref.entry->focused = focused;
}

void OnKillFocus(HWND edit) {
  SetFocused(edit, 0);
  if (ParentIsComboBox(edit)) {
    PaintEditFrame(edit, RecordFocused(edit), false);
  } else {
    Invalidate(edit);
  }
}

LRESULT OnEraseBackground(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!InEditPanelMode()) return CallPreviousProc(edit, message, wParam, lParam);
  const auto dc = reinterpret_cast<HDC>(wParam);
  SetBkMode(dc, TRANSPARENT);
  PaintEditPanel(edit, dc);
  return 1;
}

// The skin draws the ring; the system is left to draw the scroll bars only.
// The region the message brings belongs to the system and is not used.
LRESULT OnNcPaint(HWND edit, LPARAM lParam) {
  PaintEditFrame(edit);
  if (!HasScrollBars(edit)) return DefWindowProcA(edit, WM_NCPAINT, 0xFFFFFFFF, lParam);
  HRGN bars = ScrollBarRegion(edit);
  const LRESULT result = DefWindowProcA(edit, WM_NCPAINT, reinterpret_cast<WPARAM>(bars), lParam);
  DeleteObject(bars);
  return result;
}

// The hover ring is painted once per entry into an edit box.
void OnMouseMove(HWND edit) {
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, edit, 0};
  TrackMouseEvent(&track);
  EditRef ref = FindEdit(edit);
  if (!ref) return;
  SkinWindowRecord& owner = *ref.window;
  owner.hoverControl = ref.controlIndex;
  HWND parent = GetParent(edit);
  if (owner.lastHoverControl != owner.hoverControl || owner.hoverKind != 1 ||
      owner.hoverParent != parent) {
    PaintEditFrame(edit, ref.entry->focused != 0, true);
    owner.lastHoverControl = owner.hoverControl;
    owner.hoverKind = 1;
    owner.hoverParent = parent;
  }
  // A selection being dragged is redrawn over the panel.
  if (ref.entry->buttonDown == 1 && !HasScrollBars(edit)) Invalidate(edit);
}

void OnLeftButtonDown(HWND edit) {
  if (EditRef ref = FindEdit(edit)) ref.entry->buttonDown = 1;
  if (InEditPanelMode() && !HasScrollBars(edit)) Invalidate(edit);
}

void OnLeftButtonUp(HWND edit) {
  if (EditRef ref = FindEdit(edit)) ref.entry->buttonDown = 0;
}

void OnMouseLeave(HWND edit) {
  EditRef ref = FindEdit(edit);
  if (ref) ref.window->lastHoverControl = 0;
  PaintEditFrame(edit, ref && ref.entry->focused != 0, false);
}

}  // namespace

LRESULT CALLBACK EditSkinProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      DeleteEditBrushes(edit);
      break;
    case WM_MOVE:
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (InEditPanelMode()) Invalidate(edit);
      break;
    case WM_SETFOCUS:
      SetFocused(edit, 1);
      break;
    case WM_KILLFOCUS:
      OnKillFocus(edit);
      break;
    case WM_PAINT:
      PaintEditFrame(edit);
      break;
    case WM_ERASEBKGND:
      return OnEraseBackground(edit, message, wParam, lParam);
    case WM_NCPAINT:
      return OnNcPaint(edit, lParam);
    case WM_KEYDOWN:
      if (InEditPanelMode() && !HasScrollBars(edit)) Invalidate(edit);
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(edit);
      break;
    case WM_LBUTTONDOWN:
      OnLeftButtonDown(edit);
      break;
    case WM_LBUTTONUP:
      OnLeftButtonUp(edit);
      break;
    case WM_MOUSELEAVE:
      OnMouseLeave(edit);
      break;
  }
  return CallPreviousProc(edit, message, wParam, lParam);
}

}  // namespace skin
