// GetControlFontInfo: the face, em size and GDI+ style of a control's font.
#pragma once
#include <windows.h>

#include "skin/manager/engine_globals.h"

namespace skin {

struct ControlFontInfo {
  Text Face;      // family name; empty when GDI+ cannot describe the font
  int Size = 0;   // em size, truncated toward zero
  int Style = 0;  // GDI+ font style bits: 1 bold, 2 italic, 4 underline, 8 strikeout
};

// Describes the font the control answers to WM_GETFONT (the control's device
// context's font when it has none). The font handle stays the control's.
ControlFontInfo GetControlFontInfo(HWND control);

}  // namespace skin
