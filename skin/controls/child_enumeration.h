// Walking the direct children of a parent by window class, as every attach
// operation does.
#pragma once
#include <windows.h>

#include "skin/manager/engine_globals.h"

namespace skin {

// Calls `visit` for every direct child of `parent` whose class is `className`
// (compared without regard to case), in z-order. The next child is looked up
// after `visit` returns, so a visit may restyle or subclass the child.
template <class Visit>
void ForEachChildOfClass(HWND parent, const char* className, Visit visit) {
  for (HWND child = FindWindowExA(parent, nullptr, className, nullptr); child;
       child = FindWindowExA(parent, child, className, nullptr)) {
    visit(child);
  }
}

// True when every bit of `mask` is set in `style`.
constexpr bool HasBits(LONG_PTR style, LONG_PTR mask) { return (style & mask) == mask; }

inline LONG_PTR StyleOf(HWND window) { return GetWindowLongPtrA(window, GWL_STYLE); }

// The window's text ("" when it has none), read into a buffer of the
// reported length plus one.
inline Text WindowText(HWND window) {
  Text text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  const int read = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<size_t>(read > 0 ? read : 0));
  return text;
}

}  // namespace skin
