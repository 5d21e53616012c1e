// The window procedures the attach operations install, one per control
// class. Each passes every message it does not handle on to the procedure it
// replaced, read from the control's "Hw_hProc" property ("Kj_hProc" for
// backdrop controls); a class's painting adds its handlers to its procedure.
#pragma once
#include <windows.h>

namespace skin {

LRESULT CALLBACK ButtonSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EditSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TrackBarSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ProgressSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ListSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK HeaderSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK UpDownSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK StaticSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK PanelSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK BackdropSkinProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace skin
