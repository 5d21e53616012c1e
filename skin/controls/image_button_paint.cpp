// The faces of image buttons: one picture with a caption beside or below it
// (kind 1), or a picture per state (kind 3), whose missing hover, pressed
// and disabled looks are derived from the normal picture.
#include "skin/controls/button_paint.h"
#include "skin/controls/button_skin.h"

namespace skin {

namespace {

struct Box {
  float L, T, W, H;
};

Box BoxOf(const RECT& rect) {
  return {static_cast<float>(rect.left), static_cast<float>(rect.top),
          static_cast<float>(rect.right - rect.left), static_cast<float>(rect.bottom - rect.top)};
}

void DrawImageButtonBackground(FaceCanvas& canvas, const Box& b, UINT state) {
  const float L = b.L, T = b.T, W = b.W, H = b.H;
  if (state & kStateDisabled) {
    canvas.FillGradient(RoundedRectPath(L + 2, T + 2, W - 6, H - 6, 5), {1, 1}, {1, H},
                        Alpha(kGrey, 50), Alpha(kWhite, 0));
  } else if (state & kStateHover) {
    canvas.FillGradient(RoundedRectPath(L + 2, T + 1, W - 5, H - 4, 2), {L + 1, T + 1},
                        {L + 1, T + 1 + H - 5}, Alpha(kWhite, 50), Alpha(kWhite, 40));
    // A bright line along the bottom, brightest in the middle.
    gx::GxBrush shine;
    gx::GxPen line;
    if (shine.CreateLineBrush({L + 1, T + 1}, {W - 1, T + 1}, Alpha(kWhite, 10),
                              Alpha(kWhite, 255)) &&
        shine.SetLinearBlend(0.5f, 0.8f) && line.Create(shine, 2)) {
      canvas.graphics().DrawLine(line, L + 1, H - 4, W - 1, H - 4);
    }
  }
  if (state & (kStateFocused | kStateHover)) {
    canvas.FillGradient(RoundedRectPath(L + 2, T + 2, W - 5, H - 5, 2), {2, 3}, {2, H},
                        Alpha(kWhite, 60), Alpha(kWhite, 50));
    canvas.Stroke(RoundedRectPath(L, T, W - 2, H - 2, 5), Alpha(kBlack, 60));
    canvas.Stroke(RoundedRectPath(L + 1, T + 1, W - 4, H - 4, 5), Alpha(kWhite, 120));
  }
}

void DrawPictureAndCaption(FaceCanvas& canvas, const ButtonSkinRecord& record, const Box& b) {
  RECT client;
  GetClientRect(record.hwnd, &client);
  const float CW = static_cast<float>(client.right), CH = static_cast<float>(client.bottom);
  const COLORREF colour = CaptionColour(record.hwnd);
  const gx::GxImage picture = DecodePicture(record.image);

  if (record.iconFlag != 0 && !record.image.empty()) {
    const int N = static_cast<int>(CH * 0.8f);
    const float n = static_cast<float>(N);
    const float x = record.caption.empty() ? (b.W - n) / 2 : 3;
    canvas.DrawPicture(picture, x, (b.H - n) / 2, SIZE{N, N});
    canvas.DrawCaption(record.caption,
                       ButtonCaptionStyle(record, Gdiplus::StringAlignmentNear,
                                          Gdiplus::StringAlignmentCenter),
                       {n + 5, 2, CW - n - 7, CH}, colour);
  } else if (record.iconFlag != 0) {
    canvas.DrawCaption(record.caption,
                       ButtonCaptionStyle(record, Gdiplus::StringAlignmentCenter,
                                          Gdiplus::StringAlignmentCenter),
                       {0, 0, b.W, b.H}, colour);
  } else {
    const int N = static_cast<int>((b.H - static_cast<float>(record.fontSize) - 2) * 0.8f);
    const float n = static_cast<float>(N), top = b.H * 0.05f;
    canvas.DrawPicture(picture, (b.W - n) / 2, top, SIZE{N, N});
    CaptionStyle style = ButtonCaptionStyle(record, Gdiplus::StringAlignmentCenter, std::nullopt);
    style.trimming = Gdiplus::StringTrimmingEllipsisCharacter;
    canvas.DrawCaption(record.caption, style, {0, n + top + 2, b.W, b.H - n}, colour);
  }
}

// The derived look of a missing state picture: a rounded plate of `extra`
// pixels more than the picture, outlined and shaded, under the picture.
void DrawDerivedPlate(FaceCanvas& canvas, SIZE size, float extra, int corner, gx::ARGB outline,
                      gx::ARGB top, gx::ARGB bottom) {
  const float w = static_cast<float>(size.cx), h = static_cast<float>(size.cy);
  const gx::GxPath plate = RoundedRectPath(0, 0, w + extra, h + extra, corner);
  canvas.Stroke(plate, outline);
  canvas.FillGradient(plate, {0, 0}, {0, h + extra}, top, bottom);
}

}  // namespace

void PaintImageButton(const ButtonSkinRecord& record, HDC dc, UINT state, const RECT& rect) {
  const Box b = BoxOf(rect);
  FaceCanvas canvas(record.hwnd, rect);
  if (!canvas) return;
  DrawImageButtonBackground(canvas, b, state);
  DrawPictureAndCaption(canvas, record, b);
  canvas.CopyTo(dc, 0, 0, static_cast<int>(b.W), static_cast<int>(b.H));
}

void PaintFourImageButton(const ButtonSkinRecord& record, HDC dc, UINT state, const RECT& rect) {
  const Box b = BoxOf(rect);
  FaceCanvas canvas(record.hwnd, rect);
  if (!canvas) return;
  const gx::GxImage normal = DecodePicture(record.image);
  const SIZE size = PictureSize(normal);
  const COLORREF accent = globals::accentColour;

  if (state & kStateDisabled) {
    if (!record.disabledImage.empty()) {
      canvas.DrawPicture(DecodePicture(record.disabledImage), 2, 2);
    } else {
      DrawDerivedPlate(canvas, size, 2, 5, Alpha(kBlack, 80), Alpha(kWhite, 60),
                       Alpha(kBlack, 100));
      canvas.DrawPicture(normal, 2, 2, size);
    }
  } else if (state & kStateHover) {
    if (!record.hoverImage.empty()) {
      canvas.DrawPicture(DecodePicture(record.hoverImage), 2, 2);
    } else {
      DrawDerivedPlate(canvas, size, 3, 3, Alpha(accent, 250), Alpha(kWhite, 120),
                       Alpha(accent, 100));
      canvas.DrawPicture(normal, 2, 2, size);
    }
  } else if (state & kStatePressed) {
    if (!record.pressedImage.empty()) {
      canvas.DrawPicture(DecodePicture(record.pressedImage), 2, 2);
    } else {
      DrawDerivedPlate(canvas, size, 3, 3, Alpha(accent, 250), Alpha(kBlack, 60),
                       Alpha(kWhite, 100));
      canvas.DrawPicture(normal, 2, 2, size);
    }
  } else {
    canvas.DrawPicture(normal, 2, 2, size);
  }
  canvas.CopyTo(dc, 0, 0, static_cast<int>(b.W), static_cast<int>(b.H));
}

}  // namespace skin
