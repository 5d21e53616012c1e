#include "skin/controls/child_enumeration.h"
#include "skin/controls/class_procedures.h"
#include "skin/controls/control_attach.h"
#include "skin/controls/control_font.h"
#include "skin/controls/control_subclass.h"

namespace skin {

namespace {

constexpr LONG_PTR kOwnerDrawBits = 0xB;  // BS_OWNERDRAW

// Kinds 0 (BS_PUSHBUTTON), 1 (BS_DEFPUSHBUTTON) and 8 (BS_USERBUTTON).
bool IsPushButton(LONG_PTR style) {
  return !HasBits(style, 0x2) && !HasBits(style, 0x4) && !HasBits(style, 0x9);
}

// Kinds 2, 3 and 0xA (check boxes); three-state boxes have bit 0x4.
bool IsCheckBox(LONG_PTR style) { return HasBits(style, 0x2) && !HasBits(style, 0x4); }

// Kind 9 (BS_AUTORADIOBUTTON) only; BS_RADIOBUTTON (4) is left alone.
bool IsAutoRadioButton(LONG_PTR style) {
  return HasBits(style, 0x9) && !HasBits(style, 0x2) && !HasBits(style, 0x4);
}

ButtonSkinRecord& AttachButton(int windowIndex, HWND button) {
  return AttachToList(windowIndex, &SkinWindowRecord::buttonSkins, button, ButtonSkinProc);
}

}  // namespace

void AttachPushButtons(int windowIndex, HWND parent) {
  if (!globals::ControlsSkinned) return;
  ForEachChildOfClass(parent, "BUTTON", [&](HWND button) {
    const LONG_PTR style = StyleOf(button);
    if (!IsPushButton(style) || HasBits(style, kOwnerDrawBits)) return;
    if (FindButtonIndex(windowIndex, button) > 0) return;
    ButtonSkinRecord& record = AttachButton(windowIndex, button);
    record.kind = 0;
    record.caption = WindowText(button);
    SetWindowLongPtrA(button, GWL_STYLE, style | kOwnerDrawBits);
    ControlFontInfo font = GetControlFontInfo(button);
    record.fontFace = font.Face.empty() ? Text("宋体") : font.Face;
    record.fontSize = font.Size == 0 ? 12 : font.Size;
    record.fontStyle = font.Style;
  });
}

void AttachCheckAndRadioButtons(int windowIndex, HWND parent) {
  if (!globals::ControlsSkinned) return;
  ForEachChildOfClass(parent, "BUTTON", [&](HWND button) {
    const LONG_PTR style = StyleOf(button);
    const bool checkBox = IsCheckBox(style);
    if (!(checkBox || IsAutoRadioButton(style)) || HasBits(style, kOwnerDrawBits)) return;
    const int checked = SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    ButtonSkinRecord& record = AttachButton(windowIndex, button);
    record.checked = checked;
    record.caption = WindowText(button);
    record.parentWindow = parent;
    record.kind = checkBox ? 5 : 4;
    ControlFontInfo font = GetControlFontInfo(button);
    record.fontFace = font.Face;
    record.fontSize = font.Size;
    record.fontStyle = font.Style;
  });
}

}  // namespace skin
