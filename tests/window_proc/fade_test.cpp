#include <doctest.h>

#include <cstdlib>
#include <vector>

#include "attached_window.h"

// The hover fades are observed in the pixels of the window's frame surface:
// every intensity a button can be drawn at is rendered once as a reference,
// and after each tick of the fade timer the button's pixels are matched to
// the nearest reference.
namespace {

using test::AttachedWindow;
using test::CountPassed;

// A window 400 x 300 with the minimise, maximise and close buttons, shown
// and painted, with the mouse taken as inside (WM_MOUSEHOVER came).
struct FadeWindow : AttachedWindow {
  FadeWindow() : AttachedWindow(WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 400, 300, {}, true) {
    Send(WM_MOUSEHOVER);
    for (int button = 1; button <= 2; ++button) {
      for (int intensity = 0; intensity <= 240; intensity += 30) {
        skin::theSkinManager().DrawCaptionButton(index, button, 0, intensity);
        references[button - 1].push_back(Pixels(button));
      }
      skin::theSkinManager().DrawCaptionButton(index, button, 0, 0);
    }
  }

  // The inner part of the button's drawn box, away from the separators.
  std::vector<COLORREF> Pixels(int button) const {
    const skin::FloatRect& b = record->captionButtons[static_cast<size_t>(button) - 1].bounds;
    std::vector<COLORREF> pixels;
    for (int y = 2; y < 18; ++y) {
      for (int x = static_cast<int>(b.x) + 2; x < static_cast<int>(b.x) + 22; ++x) {
        pixels.push_back(GetPixel(record->surface.dc(), x, y));
      }
    }
    return pixels;
  }

  // The intensity whose reference is nearest to what the button shows.
  int Intensity(int button) const {
    const std::vector<COLORREF> now = Pixels(button);
    long best = -1;
    int found = -1;
    for (size_t k = 0; k < references[button - 1].size(); ++k) {
      long distance = 0;
      for (size_t i = 0; i < now.size(); ++i) {
        const COLORREF a = now[i], b = references[button - 1][k][i];
        distance += std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
                    std::abs(GetBValue(a) - GetBValue(b));
      }
      if (best < 0 || distance < best) {
        best = distance;
        found = static_cast<int>(k) * 30;
      }
    }
    return found;
  }

  POINT Middle(int button) const {
    const skin::FloatRect& b = record->captionButtons[static_cast<size_t>(button) - 1].bounds;
    return {static_cast<LONG>(b.x + b.width / 2), static_cast<LONG>(b.y + b.height / 2)};
  }
  void MoveTo(int button) const { SendAt(WM_MOUSEMOVE, Middle(button).x, Middle(button).y); }
  void Tick() const { Send(WM_TIMER, reinterpret_cast<WPARAM>(hwnd)); }

  std::vector<std::vector<COLORREF>> references[2];
};

}  // namespace

TEST_CASE("the reference renders of the intensities are told apart") {
  test::Engine engine;
  FadeWindow w;
  for (int button = 1; button <= 2; ++button) {
    for (size_t k = 1; k < w.references[button - 1].size(); ++k) {
      CHECK(w.references[button - 1][k] != w.references[button - 1][k - 1]);
    }
  }
}

TEST_CASE("moving from one caption button to the next dims the first and brightens the second") {
  test::Engine engine;
  FadeWindow w;
  w.MoveTo(1);
  CHECK(w.record->fadeTimerOn == 1);
  for (int step = 1; step <= 8; ++step) {
    w.Tick();
    CHECK(w.Intensity(1) == 30 * step);
  }
  w.MoveTo(2);
  for (int step = 1; step <= 8; ++step) {
    CAPTURE(step);
    w.Tick();
    CHECK(w.Intensity(1) == 240 - 30 * step);
    CHECK(w.Intensity(2) == 30 * step);
  }
  // The mouse is still over the strip: the timer goes on.
  w.Tick();
  CHECK(w.record->fadeTimerOn == 1);
  CHECK(w.record->lastHotButton == 2);
}

TEST_CASE("moving back before the dimming ends draws the dimming button unlit at once") {
  test::Engine engine;
  FadeWindow w;
  w.MoveTo(1);
  for (int step = 1; step <= 8; ++step) w.Tick();
  w.MoveTo(2);
  for (int step = 1; step <= 3; ++step) w.Tick();
  REQUIRE(w.Intensity(1) == 150);
  w.MoveTo(1);
  CHECK(w.Intensity(1) == 0);
  w.Tick();
  CHECK(w.Intensity(1) == 30);
  CHECK(w.Intensity(2) == 210);
}

TEST_CASE("leaving the window dims the lit button fully, then the timer stops") {
  test::Engine engine;
  FadeWindow w;
  w.MoveTo(1);
  for (int step = 1; step <= 8; ++step) w.Tick();
  w.Send(WM_MOUSELEAVE);
  for (int step = 1; step <= 8; ++step) {
    CAPTURE(step);
    CHECK(w.record->fadeOut.button == 1);
    w.Tick();
    CHECK(w.Intensity(1) == 240 - 30 * step);
  }
  CHECK(w.record->fadeTimerOn == 0);
  CHECK(w.record->fadeOut.button == 0);
  CHECK(w.record->lastHotButton == 0);
  // KillTimer ran: no fade tick reaches the window any more.
  test::PassedMessages().clear();
  test::PumpMessages(100);
  CHECK(CountPassed(WM_TIMER, reinterpret_cast<WPARAM>(w.hwnd)) == 0);
}

TEST_CASE("the fade runs on the window's own 20 ms timer") {
  test::Engine engine;
  FadeWindow w;
  // The real cursor over the button too, so hover tracking reports no leave.
  POINT screen = w.Middle(2);
  ClientToScreen(w.hwnd, &screen);
  SetCursorPos(screen.x, screen.y);
  w.MoveTo(2);
  const DWORD start = GetTickCount();
  while (w.Intensity(2) != 240 && GetTickCount() - start < 3000) test::PumpMessages(10);
  CHECK(w.Intensity(2) == 240);
  // Eight ticks or more were needed; each passed on to the previous procedure.
  CHECK(CountPassed(WM_TIMER, reinterpret_cast<WPARAM>(w.hwnd)) >= 8);
}

TEST_CASE("a timer of another id is passed on untouched") {
  test::Engine engine;
  FadeWindow w;
  w.MoveTo(1);
  w.Send(WM_TIMER, 77);
  CHECK(w.record->fadeIn.step == 0);
  CHECK(CountPassed(WM_TIMER, 77) == 1);
}
