// The face of a plain push button: a translucent white rounded base, a soft
// vertical shade and a sheen on the upper half, an outline that shows hover
// (accent colour), focus (a glow) or neither, an inset gradient while
// pressed, and the centred caption. Disabled buttons are opaque silver.
#include "skin/controls/button_paint.h"
#include "skin/controls/button_skin.h"
#include "skin/controls/face_canvas.h"

namespace skin {

namespace {

void DrawOutline(FaceCanvas& canvas, const gx::GxPath& base, UINT state, float left, float top,
                 float height) {
  const COLORREF accent = globals::accentColour;
  if (state & kStateHover) {
    canvas.FillGradient(base, {left, top}, {left, top + height - 1}, Alpha(accent, 60),
                        Alpha(accent, 10));
    canvas.Stroke(base, Alpha(accent, 255));
  } else if (state & kStateFocused) {
    DrawSoftOutline(canvas.graphics(), base, 3, kGlow, 120);
    canvas.Stroke(base, Alpha(kBlack, 70));
  } else {
    canvas.Stroke(base, Alpha(kBlack, 120));
  }
}

}  // namespace

void PaintPushButton(const ButtonSkinRecord& record, HDC dc, UINT state, const RECT& rect) {
  const float L = static_cast<float>(rect.left), T = static_cast<float>(rect.top);
  const float W = static_cast<float>(rect.right - rect.left);
  const float H = static_cast<float>(rect.bottom - rect.top);
  FaceCanvas canvas(record.hwnd, rect);
  if (!canvas) return;

  canvas.Fill(RoundedRectPath(L, T, W - 1, H - 1, 5), Alpha(kWhite, 120));
  if (state & kStateDisabled) {
    canvas.FillRect(L, T, W, H, Opaque(kSilver));
    canvas.Stroke(RoundedRectPath(L, T, W - 1, H - 1, 5), Alpha(kBlack, 80));
  } else {
    const gx::GxPath base = RoundedRectPath(L, T, W - 1, H - 1, 5);
    canvas.FillGradient(base, {L, T}, {L, T + H - 1}, Alpha(kWhite, 0), Alpha(kGrey, 60));
    gx::GxPath sheen;
    sheen.Create();
    AddTopRoundedOutline(sheen, rect.left, rect.top, static_cast<int>(W - 1),
                         static_cast<int>(H * 0.5f), 5);
    canvas.FillGradient(sheen, {L, T}, {L, T + H * 0.5f}, Alpha(kWhite, 50), Alpha(kWhite, 10));
    DrawOutline(canvas, base, state, L, T, H);
    if (state & kStatePressed) {
      canvas.FillGradient(RoundedRectPath(L + 2, T + 2, W - 3, H - 3, 5), {2, 2}, {2, H - 2},
                          Alpha(globals::accentColour, 60), Alpha(kWhite, 100));
    }
  }

  const CaptionStyle style =
      ButtonCaptionStyle(record, Gdiplus::StringAlignmentCenter, Gdiplus::StringAlignmentCenter);
  canvas.DrawCaption(record.caption, style, {0, 2, W, H}, CaptionColour(record.hwnd));
  canvas.CopyTo(dc, 0, 0, static_cast<int>(W), static_cast<int>(H));
}

}  // namespace skin
