// The translucent white panel that edit-like controls show over the
// window's background while the edit-panel mode is on.
#pragma once
#include <windows.h>

namespace skin {

// The edit's client rectangle in window coordinates, placed as if its
// borders were equal on all sides (scroll bars, 17 pixels, left out).
RECT EditInnerRect(HWND edit);

// A device-compatible bitmap of what lies behind the edit's inner area with
// a white layer of opacity EditPanelAlpha over it. The caller owns it.
// nullptr when the edit has no skinned owner.
HBITMAP EditPanelBitmap(HWND edit);

}  // namespace skin
