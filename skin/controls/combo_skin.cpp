// ComboSkinProc: combo boxes are drawn entirely by the skin (PaintComboBox);
// in panel mode their edit child gets the translucent panel brush and is
// redrawn whenever its text changes or scrolls.
#include <cstring>

#include "skin/controls/class_procedures.h"
#include "skin/controls/combo_paint.h"
#include "skin/controls/control_subclass.h"
#include "skin/controls/edit_panel.h"

namespace skin {

namespace {

using ComboRef = ControlRef<ComboSkinRecord>;

ComboRef FindCombo(HWND combo) { return FindControlRecord(combo, &SkinWindowRecord::comboSkins); }

void Paint(const ComboRef& ref, std::optional<bool> hover = std::nullopt,
           std::optional<bool> focused = std::nullopt) {
  PaintComboBox(ref.windowIndex, ref.controlIndex, hover, focused);
}

bool IsEditWindow(HWND window) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  return std::strcmp(name, "Edit") == 0;
}

LRESULT OnPaint(HWND combo, const ComboRef& ref, WPARAM wParam, LPARAM lParam) {
  PAINTSTRUCT ps;
  BeginPaint(combo, &ps);
  Paint(ref);
  EndPaint(combo, &ps);
  return DefWindowProcA(combo, WM_PAINT, wParam, lParam);
}

// The edit's text or scroll position changed: redraw it over the panel.
void OnCommand(WPARAM wParam, LPARAM lParam) {
  if (!globals::ControlsSkinned || globals::EditPanelEnabled != 1) return;
  const auto edit = reinterpret_cast<HWND>(lParam);
  const WORD code = HIWORD(wParam);
  if (!IsEditWindow(edit)) return;
  if (code == EN_CHANGE || code == EN_UPDATE || code == EN_HSCROLL || code == EN_VSCROLL) {
    InvalidateRect(edit, nullptr, TRUE);
  }
}

void OnMouseMove(HWND combo, const ComboRef& ref) {
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, combo, 0};
  TrackMouseEvent(&track);
  SkinWindowRecord& owner = *ref.window;
  owner.hoverControl = ref.controlIndex;
  if (owner.hoverControl != owner.lastHoverControl || owner.hoverKind != 3) Paint(ref, true);
  owner.lastHoverControl = owner.hoverControl;
  owner.hoverKind = 3;
}

}  // namespace

LRESULT CALLBACK ComboSkinProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
  ComboRef ref = FindCombo(combo);
  if (!ref) return CallPreviousProc(combo, message, wParam, lParam);
  switch (message) {
    case WM_MOVE:
      Paint(ref);
      break;
    case WM_SETFOCUS:
      ref.entry->focused = 1;
      Paint(ref, std::nullopt, true);
      break;
    case WM_KILLFOCUS:
      ref.entry->focused = 0;
      break;
    case WM_SETTEXT:
      if (FindWindowExA(combo, nullptr, "Edit", nullptr)) InvalidateRect(combo, nullptr, TRUE);
      break;
    case WM_PAINT:
      return OnPaint(combo, ref, wParam, lParam);
    case WM_ERASEBKGND:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return 1;
    case WM_NCPAINT:
      Paint(ref);
      return DefWindowProcA(combo, WM_NCPAINT, 0xFFFFFFFF, lParam);
    case WM_COMMAND:
      OnCommand(wParam, lParam);
      break;
    case WM_CTLCOLOREDIT:
      if (InEditPanelMode()) {
        return reinterpret_cast<LRESULT>(
            AnswerEditColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
      }
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(combo, ref);
      break;
    case WM_MOUSELEAVE:
      Paint(ref, false);
      ref.window->lastHoverControl = 0;
      break;
  }
  return CallPreviousProc(combo, message, wParam, lParam);
}

}  // namespace skin
