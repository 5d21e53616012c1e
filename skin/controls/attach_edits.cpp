#include "skin/controls/child_enumeration.h"
#include "skin/controls/class_procedures.h"
#include "skin/controls/control_attach.h"
#include "skin/controls/control_subclass.h"

namespace skin {

namespace {

void AttachEdit(int windowIndex, HWND edit) {
  AttachToList(windowIndex, &SkinWindowRecord::editSkins, edit, EditSkinProc);
  SetIntProp(edit, kTextColourProp, 0);
}

// A combo box with a selection shows that item's text as its window text.
void ShowSelectedItemText(HWND combo) {
  const LRESULT selection = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (selection < 0) return;
  const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, selection, 0);
  if (length < 0) return;
  Text text(static_cast<size_t>(length) + 1, '\0');
  SendMessageA(combo, CB_GETLBTEXT, selection, reinterpret_cast<LPARAM>(text.data()));
  SendMessageA(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

void AttachEditsAndComboBoxes(int windowIndex, HWND parent) {
  if (!globals::ControlsSkinned) return;
  ForEachChildOfClass(parent, "Edit", [&](HWND edit) {
    if (FindEditIndex(windowIndex, edit) == 0) AttachEdit(windowIndex, edit);
  });
  ForEachChildOfClass(parent, "ComboBox", [&](HWND combo) {
    ShowSelectedItemText(combo);
    AttachToList(windowIndex, &SkinWindowRecord::comboSkins, combo, ComboSkinProc);
    HWND inner = FindWindowExA(combo, nullptr, "Edit", nullptr);
    if (inner && globals::EditPanelEnabled == 1) AttachEdit(windowIndex, inner);
  });
}

}  // namespace skin
