// GetControlBackground: what lies behind a control, copied from the owner
// window's background surface or from a skinned tab control's backdrop, with
// the translucent tint of the panel the control sits in.
#pragma once
#include <windows.h>

namespace skin {

// A new memory surface of the rectangle's size (the rectangle is in the
// control's client coordinates) whose pixel (0, 0) shows what lies behind the
// rectangle's top-left corner. The surface is listed in MemorySurfaceList;
// the caller hands it back with ReleaseControlBackground. nullptr when the
// control has no skinned owner or the rectangle is empty.
HDC GetControlBackground(HWND control, const RECT& rect);

// The control index of the first ancestor of `control` below `stop` that is
// a panel of window `windowIndex` shading its descendants; 0 when none.
int FindShadingPanel(int windowIndex, HWND control, HWND stop);

}  // namespace skin
