// "透明标签": a label that draws only its text, in transparent mode, over
// whatever its parent painted beneath it. It has WS_EX_TRANSPARENT, no
// background brush and erases nothing. Setting its text invalidates the
// parent under it so the old text disappears. A left-button press calls the
// handler given at creation.
#pragma once
#include <windows.h>

namespace framework {

using LabelPressHandler = void (*)(void* context, HWND label);

HWND CreateTransparentLabel(HWND parent, const char* text, int x, int y, int width, int height,
                            int id, LabelPressHandler onPress, void* context);

}  // namespace framework
