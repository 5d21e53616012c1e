// The subclassing protocol shared by every control class: choosing a slot in
// a window record's list, replacing the window procedure, the properties that
// lead back to the record, and passing messages on to the replaced procedure.
#pragma once
#include <windows.h>

#include <vector>

#include "skin/controls/control_lookup.h"

namespace skin {

// The slot rule: a list holding exactly one blank entry (hwnd nullptr) reuses
// it; otherwise a zeroed entry is appended. Returns the 1-based index.
template <class Entry>
int ChooseSlot(std::vector<Entry>& list) {
  if (list.size() == 1 && !list[0].hwnd) return 1;
  list.emplace_back();
  return static_cast<int>(list.size());
}

// Installs `proc` as the window's procedure; returns the one it replaced.
inline WNDPROC ReplaceWindowProc(HWND window, WNDPROC proc) {
  return reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
}

// Stamps "Hw_lbID", "Hw_FuID" and "Hw_hProc" on an attached control or panel.
inline void LinkControl(HWND control, int windowIndex, int controlIndex, WNDPROC prevProc) {
  SetIntProp(control, kIndexProp, controlIndex);
  SetIntProp(control, kOwnerIndexProp, windowIndex);
  SetPropA(control, kPrevProcProp, reinterpret_cast<HANDLE>(prevProc));
}

// Puts `control` in list `member` of window `windowIndex`, subclasses it with
// `proc` and links it. Returns the new entry, for the caller to fill in the
// class's own fields.
template <class Entry>
Entry& AttachToList(int windowIndex, std::vector<Entry> SkinWindowRecord::*member, HWND control,
                    WNDPROC proc) {
  std::vector<Entry>& list = WindowRecordAt(windowIndex)->*member;
  const int index = ChooseSlot(list);
  Entry& entry = list[static_cast<size_t>(index) - 1];
  entry.hwnd = control;
  entry.prevProc = ReplaceWindowProc(control, proc);
  LinkControl(control, windowIndex, index, entry.prevProc);
  return entry;
}

// Passes a message on to the procedure named by the window's `prevProcProp`
// property ("Hw_hProc", or "Kj_hProc" for backdrop controls): the property,
// not the record, is the source of the previous procedure. A window without
// the property gets DefWindowProcA.
inline LRESULT CallPreviousProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                const char* prevProcProp = kPrevProcProp) {
  auto prev = reinterpret_cast<WNDPROC>(GetPropA(window, prevProcProp));
  if (!prev) return DefWindowProcA(window, message, wParam, lParam);
  return CallWindowProcA(prev, window, message, wParam, lParam);
}

// The window record and list entry of a control, found from its owner- and
// control-index properties; nullptr when either reads below 1 or names no
// record (the control is then treated as not skinned).
template <class Entry>
struct ControlRef {
  SkinWindowRecord* window = nullptr;
  Entry* entry = nullptr;
  int windowIndex = 0;
  int controlIndex = 0;
  explicit operator bool() const { return entry != nullptr; }
};

template <class Entry>
ControlRef<Entry> FindControlRecord(HWND control, std::vector<Entry> SkinWindowRecord::*member,
                                    const char* ownerProp = kOwnerIndexProp,
                                    const char* indexProp = kIndexProp) {
  const int windowIndex = static_cast<int>(GetIntProp(control, ownerProp));
  const int controlIndex = static_cast<int>(GetIntProp(control, indexProp));
  SkinWindowRecord* window = WindowRecordAt(windowIndex);
  if (!window) return {};
  Entry* entry = EntryAt(window->*member, controlIndex);
  if (!entry) return {};
  return {window, entry, windowIndex, controlIndex};
}

}  // namespace skin
