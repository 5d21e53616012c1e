// SkinnedWindowProc: the window procedure of every skinned top-level window.
// The engine draws caption, frame and buttons in the client area, so this
// procedure turns client-area mouse input into caption-button effects,
// moving and sizing, and keeps the cached frame picture in step with the
// window's state. Every message is passed on afterwards to the procedure
// attaching replaced (read from "Hw_hProc"), unless a handler returns.
#include <objidl.h>
#include <gdiplus.h>

#include <commctrl.h>

#include <string>

#include "skin/controls/button_skin.h"
#include "skin/manager/window_messages.h"

namespace skin {

namespace wm = window_messages;

namespace {

LRESULT PassOn(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto prev = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kPrevProcProp));
  if (!prev) return DefWindowProcA(hwnd, message, wParam, lParam);
  return CallWindowProcA(prev, hwnd, message, wParam, lParam);
}

// The exit routine shuts GDI+ down as well: the token is zeroed so the two
// paths never shut it down twice.
void OnQuit() {
  if (globals::gdiplusToken == 0) return;
  Gdiplus::GdiplusShutdown(globals::gdiplusToken);
  globals::gdiplusToken = 0;
}

// The record is freed here; nothing after this may touch it.
void OnNcDestroy(SkinManager& manager, HWND hwnd) {
  manager.ReleaseWindowSkin(hwnd);
  KillTimer(hwnd, wm::FadeTimerId(hwnd));
}

void OnShowWindow(const wm::SkinnedWindow& w, WPARAM shown) {
  if (shown != 1) return;
  if (w.record.isMinimized == 1) {
    w.record.isMinimized = 0;
    return;
  }
  PAINTSTRUCT ps;
  BeginPaint(w.hwnd, &ps);
  w.manager.RenderFrame(w.index, HDC{nullptr});
  EndPaint(w.hwnd, &ps);
}

// Re-renders the frame when a full repaint is pending, else copies the
// cached frame. Both draw through a context of their own (RenderFrame and
// PresentFrame release the context they are handed with ReleaseDC, which
// must never be given one from BeginPaint), so BeginPaint is always paired
// with EndPaint, which validates the update region. A minimised window
// paints nothing of the skin.
LRESULT OnPaint(const wm::SkinnedWindow& w) {
  PAINTSTRUCT ps;
  BeginPaint(w.hwnd, &ps);
  if (!w.record.isMinimized) {
    if (w.record.fullRepaint) {
      w.manager.RenderFrame(w.index, HDC{nullptr});
      w.record.fullRepaint = 0;
    } else {
      w.manager.PresentFrame(w.index, nullptr);
    }
  }
  EndPaint(w.hwnd, &ps);
  return 0;
}

// The first WM_SIZE after start-up comes from the window's creation, before
// anything was painted: it requests no re-render.
void OnSize(const wm::SkinnedWindow& w) {
  w.record.lastHotButton = 0;
  if (globals::firstSizePending) {
    w.record.fullRepaint = 0;
    globals::firstSizePending = 0;
  } else {
    w.record.fullRepaint = 1;
  }
  w.manager.LayoutDockedPanels(w.index);
}

// The command is compared whole: the system's own SC_ values only.
void OnSysCommand(const wm::SkinnedWindow& w, WPARAM command) {
  switch (command) {
    case SC_MAXIMIZE:
      w.record.isMaximized = 1;
      w.record.fullRepaint = 1;
      break;
    case SC_RESTORE:
      w.record.fullRepaint = 1;
      w.record.isMinimized = 0;
      break;
    case SC_MINIMIZE:
      w.record.fullRepaint = 1;
      w.record.isMinimized = 1;
      break;
  }
}

// Draws the new title before the previous procedure stores it.
void OnSetText(const wm::SkinnedWindow& w, LPARAM lParam) {
  if (!w.record.drawCaptionText || !w.record.captionEnabled) return;
  const auto* text = reinterpret_cast<const char*>(lParam);
  w.manager.DrawCaptionTitle(w.index, std::string(text ? text : ""));
}

// Tree views paint their expanded items over the backdrop: repaint them.
void OnNotify(LPARAM lParam) {
  const NMHDR header = *reinterpret_cast<const NMHDR*>(lParam);
  if (header.code == TVN_ITEMEXPANDEDA || header.code == TVN_ITEMEXPANDINGA) {
    InvalidateRect(header.hwndFrom, nullptr, TRUE);
  }
}

}  // namespace

LRESULT CALLBACK SkinnedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return theSkinManager().HandleWindowMessage(window, message, wParam, lParam);
}

LRESULT SkinManager::HandleWindowMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const int index = theWindowRegistry().IndexFromProperty(hwnd);
  SkinWindowRecord* record = theWindowRegistry().At(index);
  // Attaching registers before subclassing and releasing renumbers, so every
  // window reaching here has a record; one without is left to its own procedure.
  if (!record) return PassOn(hwnd, message, wParam, lParam);
  const wm::SkinnedWindow w{*this, hwnd, index, *record};

  switch (message) {
    case WM_QUIT:
      OnQuit();
      break;
    case WM_NCDESTROY:
      OnNcDestroy(*this, hwnd);
      break;
    case WM_SHOWWINDOW:
      OnShowWindow(w, wParam);
      break;
    case WM_ERASEBKGND:
      SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return 1;
    case WM_PAINT:
      return OnPaint(w);
    case WM_LBUTTONDBLCLK:
      wm::OnLeftButtonDoubleClick(w, lParam);
      break;
    case WM_MOUSEMOVE:
      wm::OnMouseMove(w, lParam);
      break;
    case WM_MOUSEHOVER:
      record->mouseInside = 1;
      break;
    case WM_MOUSELEAVE:
      wm::OnMouseLeave(w);
      break;
    case WM_TIMER:
      if (wParam == wm::FadeTimerId(hwnd)) wm::OnFadeTimer(w);
      break;
    case WM_GETMINMAXINFO:
      wm::OnGetMinMaxInfo(w, *reinterpret_cast<MINMAXINFO*>(lParam));
      break;
    case WM_WINDOWPOSCHANGED:
      wm::OnWindowPosChanged(w);
      break;
    case WM_SIZE:
      OnSize(w);
      break;
    case WM_LBUTTONDOWN:
      wm::OnLeftButtonDown(w, lParam);
      break;
    case WM_LBUTTONUP:
      wm::OnLeftButtonUp(w);
      break;
    case WM_SYSCOMMAND:
      OnSysCommand(w, wParam);
      break;
    case WM_QUERYOPEN:
      record->isMinimized = 0;
      break;
    case WM_SETTEXT:
      OnSetText(w, lParam);
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      if (auto answer = wm::AnswerControlColour(message, reinterpret_cast<HDC>(wParam),
                                                reinterpret_cast<HWND>(lParam))) {
        return *answer;
      }
      break;
    case WM_ACTIVATEAPP:
      if (!wParam) wm::StartWorkingSetFlush();
      break;
    case WM_COMMAND:
      wm::RepaintOnCommand(wParam, lParam);
      break;
    case WM_NOTIFY:
      OnNotify(lParam);
      break;
    case WM_DRAWITEM:
      DrawButtonItem(index, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      break;
  }
  return PassOn(hwnd, message, wParam, lParam);
}

}  // namespace skin
