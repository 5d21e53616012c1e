#include <doctest.h>

#include "attached_window.h"

namespace {

using test::AttachedWindow;
using test::CountPassed;
using test::PassedMessages;

// What a left-button press started: the system command it sent (SC_SIZE
// with an edge), a caption move (0xF012 for WM_NCLBUTTONDOWN/HTCAPTION), or 0.
WPARAM StartedBy(const AttachedWindow& w, int x, int y) {
  PassedMessages().clear();
  w.SendAt(WM_LBUTTONDOWN, x, y);
  w.SendAt(WM_LBUTTONUP, x, y);
  for (const test::Passed& p : PassedMessages()) {
    if (p.message == WM_SYSCOMMAND) return p.wParam;
    if (p.message == WM_NCLBUTTONDOWN && p.wParam == HTCAPTION) return SC_MOVE | HTCAPTION;
  }
  return 0;
}

constexpr WPARAM kMove = SC_MOVE | HTCAPTION;

}  // namespace

TEST_CASE("presses on the frame size or move the window as its zones say") {
  test::Engine engine;
  struct Case {
    int resizable;
    int x, y;
    WPARAM started;
  };
  const Case cases[] = {
      {1, 2, 50, SC_SIZE | WMSZ_LEFT},
      {1, 5, 50, 0},
      {1, 2, 5, SC_SIZE | WMSZ_TOPLEFT},
      {1, 397, 150, SC_SIZE | WMSZ_RIGHT},
      {1, 200, 298, SC_SIZE | WMSZ_BOTTOM},
      {1, 395, 295, SC_SIZE | WMSZ_BOTTOMRIGHT},
      {1, 5, 295, SC_SIZE | WMSZ_BOTTOMLEFT},
      {1, 200, 1, SC_SIZE | WMSZ_TOP},
      {1, 200, 20, kMove},
      {1, 200, 150, 0},
      // Not resizable: the caption band moves, the edges and corners do nothing.
      {0, 200, 1, kMove},
      {0, 2, 5, kMove},
      {0, 2, 50, 0},
      {0, 200, 298, 0},
      {0, 395, 295, 0},
  };
  for (const Case& c : cases) {
    CAPTURE(c.resizable);
    CAPTURE(c.x);
    CAPTURE(c.y);
    skin::AttachOptions options;
    options.resizable = c.resizable;
    AttachedWindow w(0, 400, 300, options);
    w.record->fullRepaint = 0;
    CHECK(StartedBy(w, c.x, c.y) == c.started);
    const bool sized = c.started != 0 && c.started != kMove;
    CHECK(w.record->fullRepaint == (sized ? 1 : 0));
  }
}

TEST_CASE("a press in the button strip or on a disabled caption starts nothing") {
  test::Engine engine;
  AttachedWindow w(WS_MINIMIZEBOX, 400, 300);
  // Below the buttons, inside the strip.
  CHECK(StartedBy(w, w.record->buttonStripX + 10, 21) == 0);
  skin::AttachOptions disabled;
  disabled.captionEnabled = 0;
  AttachedWindow still(0, 400, 300, disabled);
  CHECK(StartedBy(still, 2, 50) == 0);
  CHECK(StartedBy(still, 200, 10) == 0);
}

TEST_CASE("a caption button acts on press and release over it, never when released off it") {
  test::Engine engine;
  AttachedWindow w(WS_MINIMIZEBOX, 400, 300, {}, true);
  const skin::FloatRect close = w.record->captionButtons[1].bounds;
  const int x = static_cast<int>(close.x + close.width / 2), y = static_cast<int>(close.y + 8);

  w.SendAt(WM_MOUSEMOVE, x, y);
  w.SendAt(WM_LBUTTONDOWN, x, y);
  w.SendAt(WM_MOUSEMOVE, 200, 150);
  w.SendAt(WM_LBUTTONUP, 200, 150);
  CHECK(CountPassed(WM_SYSCOMMAND) == 0);

  w.SendAt(WM_MOUSEMOVE, x, y);
  w.SendAt(WM_LBUTTONDOWN, x, y);
  w.SendAt(WM_LBUTTONUP, x, y);
  CHECK(CountPassed(WM_SYSCOMMAND, SC_CLOSE) == 1);
}

TEST_CASE("a double click on the caption maximises and restores only a resizable window with a maximise button") {
  test::Engine engine;
  struct Case {
    DWORD style;
    int resizable;
    int y;
    int commands;
  };
  const Case cases[] = {
      {WS_MAXIMIZEBOX, 1, 10, 2},
      {WS_MAXIMIZEBOX, 1, 60, 0},
      {WS_MAXIMIZEBOX, 0, 10, 0},
      {WS_MINIMIZEBOX, 1, 10, 0},
  };
  for (const Case& c : cases) {
    CAPTURE(c.style);
    CAPTURE(c.resizable);
    skin::AttachOptions options;
    options.resizable = c.resizable;
    AttachedWindow w(c.style, 400, 300, options);
    w.SendAt(WM_LBUTTONDBLCLK, 100, c.y);
    const int afterFirst = w.record->isMaximized;
    w.SendAt(WM_LBUTTONDBLCLK, 100, c.y);
    CHECK(CountPassed(WM_SYSCOMMAND, SC_MAXIMIZE) + CountPassed(WM_SYSCOMMAND, SC_RESTORE) == c.commands);
    if (c.commands) {
      CHECK(afterFirst == 1);
      CHECK(CountPassed(WM_SYSCOMMAND, SC_RESTORE) == 1);
    }
  }
}
