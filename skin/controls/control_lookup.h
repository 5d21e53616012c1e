// Lookups that map a window or control back to the engine's records: window
// indices in WindowRegistry, control indices in a window's lists, and the
// skinned tab control a control sits in. Indices are 1-based; 0 = not found.
#pragma once
#include <windows.h>

#include <vector>

#include "skin/manager/skin_manager.h"

namespace skin {

// Position in WindowRegistry of the first record for `window`, else 0.
int FindWindowIndex(HWND window);

// Window index of the nearest ancestor of `control` (the control itself not
// tested) that is a registered window; 0 when the parent chain ends first.
int FindOwnerWindowIndex(HWND control);

// Position of `window` in the panel, button or edit list of window
// `windowIndex`, else 0 (also for a window index that names no record).
// Blank entries never match.
int FindPanelIndex(int windowIndex, HWND window);
int FindButtonIndex(int windowIndex, HWND window);
int FindEditIndex(int windowIndex, HWND window);

// The nearest ancestor whose "Wxk_Zpf" property is 1, else nullptr.
HWND FindSkinnedTabAncestor(HWND window);

// True when the class name is exactly "Button" (case-sensitive) and the style
// has bit 0x4 (the group-box kind, among others).
bool IsGroupBoxButton(HWND window);

// True when the window carries "Wxk_Zpf" = 1 (a tab control whose pages are
// skinned).
bool IsSkinnedTab(HWND window);

// The record of window index `index`, or nullptr.
SkinWindowRecord* WindowRecordAt(int index);

// Position of `window` in `list`, else 0; blank entries never match.
template <class Entry>
int FindInList(const std::vector<Entry>& list, HWND window) {
  if (!window) return 0;
  for (size_t i = 0; i < list.size(); ++i) {
    if (list[i].hwnd == window) return static_cast<int>(i) + 1;
  }
  return 0;
}

}  // namespace skin
