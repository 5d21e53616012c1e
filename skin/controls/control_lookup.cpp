#include "skin/controls/control_lookup.h"

#include <cstring>

namespace skin {

SkinWindowRecord* WindowRecordAt(int index) { return theWindowRegistry().At(index); }

int FindWindowIndex(HWND window) {
  return window ? theWindowRegistry().IndexOf(window) : 0;
}

int FindOwnerWindowIndex(HWND control) {
  // GetParent returns nullptr at the top of the chain, so the walk ends.
  for (HWND ancestor = GetParent(control); ancestor; ancestor = GetParent(ancestor)) {
    if (int index = FindWindowIndex(ancestor)) return index;
  }
  return 0;
}

int FindPanelIndex(int windowIndex, HWND window) {
  SkinWindowRecord* record = WindowRecordAt(windowIndex);
  return record ? FindInList(record->panels, window) : 0;
}

int FindButtonIndex(int windowIndex, HWND window) {
  SkinWindowRecord* record = WindowRecordAt(windowIndex);
  return record ? FindInList(record->buttonSkins, window) : 0;
}

int FindEditIndex(int windowIndex, HWND window) {
  SkinWindowRecord* record = WindowRecordAt(windowIndex);
  return record ? FindInList(record->editSkins, window) : 0;
}

bool IsSkinnedTab(HWND window) { return GetIntProp(window, kSkinnedTabProp) == 1; }

HWND FindSkinnedTabAncestor(HWND window) {
  for (HWND ancestor = GetParent(window); ancestor; ancestor = GetParent(ancestor)) {
    if (IsSkinnedTab(ancestor)) return ancestor;
  }
  return nullptr;
}

bool IsGroupBoxButton(HWND window) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  return std::strcmp(name, "Button") == 0 && (GetWindowLongPtrA(window, GWL_STYLE) & 0x4) != 0;
}

}  // namespace skin
