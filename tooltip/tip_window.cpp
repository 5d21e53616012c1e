#include "tooltip/tip_window.h"

#include <commctrl.h>

#include <utility>

namespace tooltip {

TipWindow::TipWindow(TipWindow&& other) noexcept
    : hwnd_(std::exchange(other.hwnd_, nullptr)), owner_(std::exchange(other.owner_, nullptr)) {}

TipWindow& TipWindow::operator=(TipWindow&& other) noexcept {
  if (this != &other) {
    Destroy();
    hwnd_ = std::exchange(other.hwnd_, nullptr);
    owner_ = std::exchange(other.owner_, nullptr);
  }
  return *this;
}

TipWindow::~TipWindow() { Destroy(); }

void TipWindow::Destroy() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  hwnd_ = nullptr;
}

HWND TipWindow::Create(HWND owner, TipShape shape) {
  Destroy();
  owner_ = owner;
  DWORD style = TTS_ALWAYSTIP;
  if (shape == TipShape::Balloon) style |= TTS_BALLOON;
  hwnd_ = CreateWindowExA(0, TOOLTIPS_CLASSA, "", style, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                          GetModuleHandleA(nullptr), nullptr);
  return hwnd_;
}

// Sends one tool message with a TOOLINFOA describing (owner, id). The record
// is the original 40-byte layout on 32-bit Windows (TTTOOLINFOA_V1_SIZE), which
// every comctl32 version accepts.
void TipWindow::SendTool(UINT message, UINT_PTR id, const RECT& rect, const char* text) const {
  TOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.uFlags = TTF_SUBCLASS;
  info.hwnd = owner_;
  info.uId = id;
  info.rect = rect;
  info.lpszText = const_cast<char*>(text);
  SendMessageA(hwnd_, message, 0, reinterpret_cast<LPARAM>(&info));
}

void TipWindow::AddTool(const RECT& rect, const char* text, UINT_PTR id) {
  SendTool(TTM_ADDTOOLA, id, rect, text);
}

void TipWindow::AddCallbackTool(const RECT& rect, UINT_PTR id) {
  SendTool(TTM_ADDTOOLA, id, rect, LPSTR_TEXTCALLBACKA);
}

void TipWindow::SetBackColour(COLORREF colour) {
  SendMessageA(hwnd_, TTM_SETTIPBKCOLOR, colour, 0);
}

void TipWindow::SetTextColour(COLORREF colour) {
  SendMessageA(hwnd_, TTM_SETTIPTEXTCOLOR, colour, 0);
}

void TipWindow::SetMaxWidth(int width) { SendMessageA(hwnd_, TTM_SETMAXTIPWIDTH, 0, width); }

void TipWindow::DeleteTool(UINT_PTR id) { SendTool(TTM_DELTOOLA, id, RECT{}, nullptr); }

void TipWindow::MoveTool(UINT_PTR id, const RECT& rect) {
  SendTool(TTM_NEWTOOLRECTA, id, rect, nullptr);
}

void TipWindow::UpdateToolText(UINT_PTR id, const char* text) {
  SendTool(TTM_UPDATETIPTEXTA, id, RECT{}, text);
}

}  // namespace tooltip
