// The window properties that link skinned windows and controls to the
// engine's records. Values are pointer-sized integers or handles; a property
// that was never set reads as 0, which is never a valid index.
#pragma once
#include <windows.h>

namespace skin {

// Previous window procedure of a skinned window or control.
inline constexpr char kPrevProcProp[] = "Hw_hProc";
// Window index of a skinned control's owner window.
inline constexpr char kOwnerIndexProp[] = "Hw_FuID";
// Window index of a skinned window; control index of a skinned control.
inline constexpr char kIndexProp[] = "Hw_lbID";
// Window index of a backdrop control's owner window.
inline constexpr char kBackdropOwnerIndexProp[] = "Kj_FuID";
// Previous window procedure and control index of a backdrop control.
inline constexpr char kBackdropPrevProcProp[] = "Kj_hProc";
inline constexpr char kBackdropIndexProp[] = "Kj_lbID";
// Text colour (COLORREF) of an edit box or a control given a text colour.
inline constexpr char kTextColourProp[] = "Kj_Ztys";
// 1 on a tab control whose child windows are skinned.
inline constexpr char kSkinnedTabProp[] = "Wxk_Zpf";
// Memory DC holding a skinned tab control's painted backdrop.
inline constexpr char kTabBackdropProp[] = "Wxk_Cj";
// On panels and skinned tab controls: the nearest ancestor with "Wxk_Zpf" = 1.
inline constexpr char kTabAncestorProp[] = "Mb_zpf";
// Brush last handed to a control through WM_CTLCOLOR*, and the bitmap under it.
inline constexpr char kControlBrushProp[] = "Kj_dxjb";
inline constexpr char kControlBrushBitmapProp[] = "Kj_wtjb";
// Object the first frame bitmap displaced from surfaceDC, and the frame bitmap.
inline constexpr char kSurfaceDisplacedProp[] = "Ck_Ycjdx";
inline constexpr char kFrameBitmapProp[] = "Ck_wtjbdx";

inline INT_PTR GetIntProp(HWND window, const char* name) {
  return reinterpret_cast<INT_PTR>(GetPropA(window, name));
}

inline void SetIntProp(HWND window, const char* name, INT_PTR value) {
  SetPropA(window, name, reinterpret_cast<HANDLE>(value));
}

}  // namespace skin
