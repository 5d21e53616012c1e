#include "app/framework/transparent_label.h"

namespace framework {
namespace {

constexpr char kClassName[] = "TavrinTransparentLabel";

struct LabelState {
  LabelPressHandler onPress;
  void* context;
  HFONT font = nullptr;  // borrowed: the form owns its font
};

LabelState* StateOf(HWND label) {
  return reinterpret_cast<LabelState*>(GetWindowLongPtrA(label, GWLP_USERDATA));
}

// The label owns a copy of its creation state from WM_NCCREATE to
// WM_NCDESTROY, so a failed creation leaks nothing and frees nothing twice.
void OnNcCreate(HWND label, const CREATESTRUCTA& create) {
  const auto& initial = *static_cast<const LabelState*>(create.lpCreateParams);
  SetWindowLongPtrA(label, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new LabelState(initial)));
}

void OnPaint(HWND label) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(label, &ps);
  char text[512];
  GetWindowTextA(label, text, sizeof text);
  RECT client;
  GetClientRect(label, &client);
  HGDIOBJ previousFont = SelectObject(dc, StateOf(label)->font ? StateOf(label)->font
                                                               : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  DrawTextA(dc, text, -1, &client, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, previousFont);
  EndPaint(label, &ps);
}

// The old text is part of what the parent shows through the label: the
// parent must repaint that area before the label draws the new text on it.
LRESULT OnSetText(HWND label, WPARAM wParam, LPARAM lParam) {
  LRESULT result = DefWindowProcA(label, WM_SETTEXT, wParam, lParam);
  HWND parent = GetParent(label);
  RECT area;
  GetWindowRect(label, &area);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
  InvalidateRect(parent, &area, TRUE);
  InvalidateRect(label, nullptr, FALSE);
  return result;
}

LRESULT CALLBACK LabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      OnNcCreate(label, *reinterpret_cast<CREATESTRUCTA*>(lParam));
      break;
    case WM_ERASEBKGND:
      return 1;  // nothing of its own beneath the text
    case WM_PAINT:
      OnPaint(label);
      return 0;
    case WM_SETTEXT:
      return OnSetText(label, wParam, lParam);
    case WM_SETFONT:
      StateOf(label)->font = reinterpret_cast<HFONT>(wParam);
      if (LOWORD(lParam)) InvalidateRect(label, nullptr, FALSE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(StateOf(label)->font);
    case WM_LBUTTONDOWN:
      StateOf(label)->onPress(StateOf(label)->context, label);
      return 0;
    case WM_NCDESTROY:
      delete StateOf(label);
      SetWindowLongPtrA(label, GWLP_USERDATA, 0);
      break;
  }
  return DefWindowProcA(label, message, wParam, lParam);
}

void RegisterLabelClass() {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = LabelProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  wc.lpszClassName = kClassName;
  RegisterClassExA(&wc);  // fails harmlessly when already registered
}

}  // namespace

HWND CreateTransparentLabel(HWND parent, const char* text, int x, int y, int width, int height,
                            int id, LabelPressHandler onPress, void* context) {
  RegisterLabelClass();
  LabelState initial{onPress, context};
  return CreateWindowExA(WS_EX_TRANSPARENT, kClassName, text, WS_CHILD | WS_VISIBLE, x, y, width,
                         height, parent, reinterpret_cast<HMENU>(INT_PTR{id}),
                         GetModuleHandleA(nullptr), &initial);
}

}  // namespace framework
