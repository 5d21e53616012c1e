#include "engine_fixture.h"

#include <memory>

namespace test {

TestWindow::TestWindow(HWND parent)
    : hwnd(CreateWindowExA(0, PlainWindowClass(), "", parent ? WS_CHILD : WS_POPUP, 0, 0, 100, 60,
                           parent, nullptr, GetModuleHandleA(nullptr), nullptr)) {}

TestWindow::~TestWindow() { DestroyWindow(hwnd); }

skin::SkinWindowRecord& RegisterWindow(HWND window) {
  auto record = std::make_unique<skin::SkinWindowRecord>();
  record->hwnd = window;
  skin::SkinWindowRecord& added = *record;
  int index = skin::theWindowRegistry().Append(std::move(record));
  skin::SetIntProp(window, skin::kIndexProp, index);
  return added;
}

}  // namespace test
