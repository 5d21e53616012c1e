// Shared set-up of the skin manager tests: the engine started as at program
// start-up, and skinned-looking windows registered the way attach registers them.
#pragma once
#include <windows.h>

#include <vector>

#include "skin/manager/skin_manager.h"
#include "support/engine_scope.h"

namespace test {

// The engine as at program start-up, for the whole test case.
using EngineFixture = EngineScope;

// A top-level window of a plain class, destroyed with the object.
struct TestWindow {
  HWND hwnd;
  explicit TestWindow(HWND parent = nullptr);
  ~TestWindow();
  TestWindow(const TestWindow&) = delete;
  TestWindow& operator=(const TestWindow&) = delete;
};

// Appends a record for `window` to the registry and stamps its "Hw_lbID", as
// attach does. Returns the record.
skin::SkinWindowRecord& RegisterWindow(HWND window);

// Puts `control` in `list` by the slot rule (the single blank entry is reused,
// otherwise the list grows).
template <class Entry>
void AddControl(std::vector<Entry>& list, HWND control) {
  if (list.size() != 1 || list[0].hwnd) list.emplace_back();
  list.back().hwnd = control;
}

}  // namespace test
