// The skinned window's answers to its child controls' WM_CTLCOLOR* messages
// in edit-panel mode: edit boxes and statics paint over a pattern brush of
// their backdrop under a white panel, buttons and plain list boxes paint
// over nothing. The brush handed out last is kept on the control
// ("Kj_dxjb", its bitmap "Kj_wtjb") and deleted when the next one is made.
#include <cstring>

#include "skin/controls/edit_panel.h"
#include "skin/controls/window_utils.h"
#include "skin/manager/window_messages.h"

namespace skin::window_messages {

namespace {

bool InPanelMode() { return globals::ControlsSkinned && globals::EditPanelEnabled; }

// The class name compared whole and with its case as written.
bool HasClass(HWND window, const char* name) {
  char buffer[64] = {};
  GetClassNameA(window, buffer, sizeof(buffer));
  return std::strcmp(buffer, name) == 0;
}

// The null brush is a stock object: never deleted.
void DeleteStoredObject(HWND control, const char* name) {
  HGDIOBJ object = GetPropA(control, name);
  if (object && object != GetStockObject(NULL_BRUSH)) DeleteObject(object);
}

void PrepareText(HDC dc, HWND control) {
  SetTextColor(dc, static_cast<COLORREF>(GetIntProp(control, kTextColourProp)));
  SetBkMode(dc, TRANSPARENT);
}

LRESULT PanelBrush(HDC dc, HWND control) {
  return reinterpret_cast<LRESULT>(AnswerEditColour(dc, control));
}

LRESULT NullBrush(HDC dc, HWND control) {
  PrepareText(dc, control);
  DeleteStoredObject(control, kControlBrushProp);
  HGDIOBJ brush = GetStockObject(NULL_BRUSH);
  SetPropA(control, kControlBrushProp, brush);
  return reinterpret_cast<LRESULT>(brush);
}

}  // namespace

std::optional<LRESULT> AnswerControlColour(UINT message, HDC dc, HWND control) {
  if (!InPanelMode()) return std::nullopt;
  switch (message) {
    case WM_CTLCOLOREDIT:
      // A combo box's edit is answered by the combo box's own skin.
      if (HasClass(GetParent(control), "ComboBox")) return std::nullopt;
      return PanelBrush(dc, control);
    case WM_CTLCOLORSTATIC:
      return PanelBrush(dc, control);
    case WM_CTLCOLORLISTBOX:
      if (!HasClass(control, "ListBox") || IsOwnerDrawnListBox(control)) return std::nullopt;
      return NullBrush(dc, control);
    case WM_CTLCOLORBTN:
      return NullBrush(dc, control);
  }
  return std::nullopt;
}

// Controls that scroll or change their text over the panel repaint it whole.
void RepaintOnCommand(WPARAM wParam, LPARAM lParam) {
  if (!InPanelMode()) return;
  const auto control = reinterpret_cast<HWND>(lParam);
  const WORD code = HIWORD(wParam);
  bool repaint = false;
  if (HasClass(control, "Edit")) {
    repaint = code == EN_VSCROLL || code == EN_HSCROLL || code == EN_CHANGE || code == EN_UPDATE;
  } else if (HasClass(control, "ListBox")) {
    repaint = code == LBN_SELCHANGE || code == LBN_SELCANCEL;
  } else if (HasClass(control, "ComboBox")) {
    repaint = code == CBN_KILLFOCUS || code == CBN_SELCHANGE;
  }
  if (repaint) InvalidateRect(control, nullptr, TRUE);
}

}  // namespace skin::window_messages
