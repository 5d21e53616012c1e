// The handlers of SkinnedWindowProc, grouped by concern across the files of
// the skinned window procedure. Each works on one skinned window: its
// handle, its window index and its record.
#pragma once
#include <windows.h>

#include <optional>

#include "skin/manager/skin_manager.h"

namespace skin::window_messages {

struct SkinnedWindow {
  SkinManager& manager;
  HWND hwnd;
  int index;
  SkinWindowRecord& record;
};

// Signed client coordinates of a mouse message.
inline int PointX(LPARAM lParam) { return static_cast<short>(LOWORD(lParam)); }
inline int PointY(LPARAM lParam) { return static_cast<short>(HIWORD(lParam)); }

// Timer id of the caption-button fade: the window handle's value.
inline UINT_PTR FadeTimerId(HWND hwnd) { return reinterpret_cast<UINT_PTR>(hwnd); }

// caption_mouse.cpp: hover fades, presses and clicks on the caption.
void OnMouseMove(const SkinnedWindow& w, LPARAM lParam);
void OnMouseLeave(const SkinnedWindow& w);
void OnFadeTimer(const SkinnedWindow& w);
void OnLeftButtonDown(const SkinnedWindow& w, LPARAM lParam);
void OnLeftButtonUp(const SkinnedWindow& w);
void OnLeftButtonDoubleClick(const SkinnedWindow& w, LPARAM lParam);

// size_limits.cpp: tracking sizes and the full-screen correction.
void OnGetMinMaxInfo(const SkinnedWindow& w, MINMAXINFO& info);
void OnWindowPosChanged(const SkinnedWindow& w);

// control_colours.cpp: the answers to WM_CTLCOLOR* in edit-panel mode
// (nullopt: pass the message on) and the repaints WM_COMMAND asks for.
std::optional<LRESULT> AnswerControlColour(UINT message, HDC dc, HWND control);
void RepaintOnCommand(WPARAM wParam, LPARAM lParam);

// working_set.cpp: trims the process's working set on a thread of its own.
void StartWorkingSetFlush();

}  // namespace skin::window_messages
