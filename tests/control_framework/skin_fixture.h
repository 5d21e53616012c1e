// Test set-up shared by the control framework and painting helper tests: the
// engine started as at program start-up, a registered top-level window with
// a background surface of known pixels, and child windows of any class.
#pragma once
#include <windows.h>

#include <doctest.h>

#include "skin/manager/skin_manager.h"
#include "support/engine_scope.h"

namespace test {

// The engine as at program start-up, with the common control classes
// registered.
struct Engine : EngineScope {
  Engine();
};

// The colour of pixel (x, y) of a pattern surface: red x, green y, blue `tag`.
constexpr COLORREF PatternPixel(int x, int y, BYTE tag) {
  return RGB(x & 0xFF, y & 0xFF, tag);
}

// Selects into `surface` a 32-bit bitmap of w × h pixels filled with
// PatternPixel(x, y, tag).
void FillPattern(skin::MemorySurface& surface, int w, int h, BYTE tag);

// A popup window at (0, 0) of 200 × 150 (a plain class), registered in
// WindowRegistry as attach does ("Hw_lbID"), with a background surface of
// pattern tag 0x40 as the frame painter would leave it. Destroyed with the
// object (its record stays in the registry until the engine exits).
struct SkinnedWindow {
  SkinnedWindow();
  ~SkinnedWindow();
  SkinnedWindow(const SkinnedWindow&) = delete;
  SkinnedWindow& operator=(const SkinnedWindow&) = delete;

  skin::SkinWindowRecord& record() const;
  HWND hwnd;
  int index;
};

// A window procedure as an integer, so checks can print it.
inline INT_PTR Addr(WNDPROC proc) { return reinterpret_cast<INT_PTR>(proc); }

// The window's current procedure, as an integer.
inline INT_PTR ProcOf(HWND window) { return GetWindowLongPtrA(window, GWLP_WNDPROC); }

// A visible child window of `className` at (x, y, w, h) inside `parent`.
HWND Child(HWND parent, const char* className, DWORD style, int x = 10, int y = 10, int w = 60,
           int h = 30, const char* text = "", DWORD exStyle = 0);

// A class and style, and what a predicate on windows should answer for it.
struct ClassStyleCase {
  const char* className;
  DWORD style;
  bool expected;
};

// A child of the plain class, for containers and tab stand-ins.
HWND Container(HWND parent, int x, int y, int w, int h);

// Checks `predicate` on a fresh child of `parent` for every case.
template <class Predicate, size_t N>
void CheckOnChildren(HWND parent, const ClassStyleCase (&cases)[N], Predicate predicate) {
  for (const ClassStyleCase& c : cases) {
    CAPTURE(c.className);
    CAPTURE(c.style);
    HWND control = Child(parent, c.className, c.style);
    CHECK(predicate(control) == c.expected);
    DestroyWindow(control);
  }
}

}  // namespace test
