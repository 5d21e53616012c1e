// The caption under the mouse: hover fades of the caption buttons, presses
// and clicks on them, double clicks on the caption band. A fade runs on the
// window's 20 ms timer: the button entered brightens (intensity 30 .. 240)
// while the one left dims (210 .. 0), eight ticks each.
#include "skin/manager/window_messages.h"

namespace skin::window_messages {

namespace {

constexpr UINT kFadeTickMs = 20;
constexpr int kFadeSteps = 8;
constexpr int kIntensityStep = 30;
constexpr int kFullIntensity = kIntensityStep * kFadeSteps;

// Asks for WM_MOUSEHOVER and WM_MOUSELEAVE.
void TrackHoverAndLeave(HWND hwnd) {
  TRACKMOUSEEVENT track{sizeof(track)};
  track.dwFlags = TME_HOVER | TME_LEAVE;
  track.hwndTrack = hwnd;
  track.dwHoverTime = 1;
  TrackMouseEvent(&track);
}

// The timer stays on while the mouse is over the strip; leaving it only
// clears the flag, and the timer stops itself once the fades are done.
void UpdateFadeTimer(const SkinnedWindow& w, LPARAM lParam) {
  if (!w.manager.PointInButtonStrip(w.index, lParam)) {
    w.record.fadeTimerOn = 0;
    return;
  }
  if (w.record.fadeTimerOn) return;
  SetTimer(w.hwnd, FadeTimerId(w.hwnd), kFadeTickMs, nullptr);
  w.record.fadeTimerOn = 1;
}

void StopFadeTimer(const SkinnedWindow& w) {
  SkinWindowRecord& r = w.record;
  r.fadeTimerOn = 0;
  KillTimer(w.hwnd, FadeTimerId(w.hwnd));
  r.lastHotButton = 0;
  r.fadeIn = {};
  r.fadeOut = {};
}

}  // namespace

void OnMouseMove(const SkinnedWindow& w, LPARAM lParam) {
  SkinWindowRecord& r = w.record;
  RECT client{};
  GetClientRect(w.hwnd, &client);
  if (!r.mouseInside) TrackHoverAndLeave(w.hwnd);
  if (!r.captionEnabled) return;
  UpdateFadeTimer(w, lParam);

  const int hot = w.manager.HitTestCaptionButton(w.index, PointX(lParam), PointY(lParam));
  w.manager.hotButton = hot;
  if (r.lastHotButton >= 1 && r.lastHotButton != hot) {
    // Moving on cuts an earlier dimming short before the next one starts.
    if (r.fadeOut.step < kFadeSteps) w.manager.DrawCaptionButton(w.index, r.fadeOut.button, 0, 0);
    r.fadeOut = {r.lastHotButton, 0};
  }
  if (hot >= 1 && r.lastHotButton != hot) r.fadeIn = {hot, 0};
  r.lastHotButton = hot;
  if (!r.isMaximized) w.manager.UpdateSizeCursor(w.index, lParam, client);
}

void OnFadeTimer(const SkinnedWindow& w) {
  SkinWindowRecord& r = w.record;
  if (r.fadeIn.button >= 1 && r.fadeIn.step < kFadeSteps) {
    ++r.fadeIn.step;
    w.manager.DrawCaptionButton(w.index, r.fadeIn.button, 0, kIntensityStep * r.fadeIn.step);
  }
  if (r.fadeOut.button >= 1 && r.fadeOut.step < kFadeSteps) {
    ++r.fadeOut.step;
    w.manager.DrawCaptionButton(w.index, r.fadeOut.button, 0,
                                kFullIntensity - kIntensityStep * r.fadeOut.step);
  }
  if (r.mouseInside && r.fadeTimerOn) return;
  if (r.fadeOut.step < kFadeSteps && r.fadeOut.button != 0) return;  // still dimming
  StopFadeTimer(w);
}

void OnMouseLeave(const SkinnedWindow& w) {
  SkinWindowRecord& r = w.record;
  r.mouseInside = 0;
  if (r.lastHotButton < 1 || !r.captionEnabled) return;
  if (r.fadeOut.step < kFadeSteps && r.fadeIn.step < kFadeSteps) {
    w.manager.DrawCaptionButton(w.index, r.fadeOut.button);
    r.fadeIn = {};
  }
  r.fadeOut = {r.lastHotButton, 0};
  r.lastHotButton = 0;
}

void OnLeftButtonDown(const SkinnedWindow& w, LPARAM lParam) {
  RECT client{};
  GetClientRect(w.hwnd, &client);
  w.record.fadeIn.button = 0;
  if (!w.record.captionEnabled) return;
  if (!w.record.isMaximized && !w.record.isMinimized) {
    w.manager.BeginMoveOrSize(w.index, lParam, client);
    // The system's modal move or size loop may have run: the window may be gone.
    if (theWindowRegistry().At(w.index) != &w.record) return;
  }
  w.manager.hotButton = w.manager.HitTestCaptionButton(w.index, PointX(lParam), PointY(lParam));
  if (w.manager.hotButton > 0) w.manager.DrawCaptionButton(w.index, w.manager.hotButton, 1);
}

// The button is not hit-tested again: moving off it before the release
// cleared hotButton through the hover handler, so the release does nothing.
void OnLeftButtonUp(const SkinnedWindow& w) {
  const int hot = w.manager.hotButton;
  if (hot > 0 && hot <= static_cast<int>(w.record.captionButtons.size()) && w.record.captionEnabled) {
    w.manager.ActivateCaptionButton(w.index, hot);
  }
}

void OnLeftButtonDoubleClick(const SkinnedWindow& w, LPARAM lParam) {
  if (PointY(lParam) > w.record.captionHeight || !w.record.resizable) return;
  if (const int button = w.manager.FindMaximizeButton(w.index); button > 0) {
    w.manager.ActivateCaptionButton(w.index, button);
  }
}

}  // namespace skin::window_messages
