// The skin of push buttons, image buttons, check boxes and auto radio
// buttons: painting outside paint messages and the parent's WM_DRAWITEM
// route. ButtonSkinProc (class_procedures.h) handles the buttons' messages.
#pragma once
#include <windows.h>

namespace skin {

// Paint-state bits (DRAWITEMSTRUCT itemState); other bits are ignored.
inline constexpr UINT kStatePressed = ODS_SELECTED;   // 0x1
inline constexpr UINT kStateDisabled = ODS_DISABLED;  // 0x4
inline constexpr UINT kStateFocused = ODS_FOCUS;      // 0x10
inline constexpr UINT kStateHover = ODS_HOTLIGHT;     // 0x40

// Paints a skinned button through a context of its own (GetDC), its client
// rectangle, with `state` plus the hover bit when `hover`.
void RepaintButton(HWND button, UINT state, bool hover);

// The WM_DRAWITEM route of the parent procedures: draws an owner-drawn
// push, image or four-image button of window `windowIndex`; other items
// (and check boxes and radio buttons) draw nothing here.
void DrawButtonItem(int windowIndex, DRAWITEMSTRUCT item);

}  // namespace skin
