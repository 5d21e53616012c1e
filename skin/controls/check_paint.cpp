// The faces of check boxes and auto radio buttons: the box or the round
// button at the left, vertically centred, a hover tint with a soft glow, the
// live check state (BM_GETCHECK) and the caption to the right. Disabled ones
// are an opaque silver rectangle with a faint outline and the caption.
#include "skin/controls/button_paint.h"
#include "skin/controls/button_skin.h"
#include "skin/resources/pictures.h"

namespace skin {

namespace {

struct ClientBox {
  float L, T, W, H;
};

ClientBox ClientBoxOf(HWND button, RECT& client) {
  GetClientRect(button, &client);
  return {static_cast<float>(client.left), static_cast<float>(client.top),
          static_cast<float>(client.right - client.left),
          static_cast<float>(client.bottom - client.top)};
}

bool IsChecked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void DrawDisabled(FaceCanvas& canvas, const ClientBox& box) {
  canvas.FillRect(box.L, box.T, box.W, box.H, Opaque(kSilver));
  canvas.Stroke(RoundedRectPath(box.L, box.T, box.W - 1, box.H - 1, 5), Alpha(kBlack, 80));
}

void DrawBox(FaceCanvas& canvas, HWND button, const ClientBox& box, UINT state) {
  const float M = box.T + (box.H - 13) / 2;
  canvas.DrawPicture(DecodePicture(pictures::ControlPictureBytes(
                         pictures::ControlPicture::CheckBoxEmpty)),
                     box.L, M);
  if (IsChecked(button)) {
    canvas.DrawPicture(DecodePicture(pictures::ControlPictureBytes(
                           pictures::ControlPicture::CheckBoxChecked)),
                       box.L, M);
  }
  if (state & kStateHover) {
    const gx::GxPath square = RectPath(box.L, M, 13, 13);
    const float y = box.T + (box.H - 12) / 2 + 1;
    canvas.FillGradient(square, {box.L + 3, y}, {box.L + 11, y + 11},
                        Alpha(globals::accentColour, 100), Alpha(kBlack, 0));
    DrawSoftOutline(canvas.graphics(), square, 2, kGlow, 30);
  }
}

void DrawRadio(FaceCanvas& canvas, HWND button, const ClientBox& box, UINT state) {
  const float L = box.L, C = box.T + (box.H - 12) / 2;
  canvas.graphics().SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
  canvas.Stroke(EllipsePath(L + 2, C, 12, 12), Alpha(kBlack, 200));
  const gx::GxPath disc = EllipsePath(L + 3, box.T + (box.H - 11) / 2 + 1, 9, 9);
  canvas.Stroke(disc, Alpha(kWhite, 255));
  canvas.Fill(disc, Alpha(kWhite, 255));
  canvas.FillGradient(disc, {L + 3, C + 1}, {L + 10, C + 11}, Alpha(kBlack, 100),
                      Alpha(kBlack, 0));
  if (state & kStateHover) {
    canvas.FillGradient(disc, {L + 3, C + 1}, {L + 11, C + 12}, Alpha(globals::accentColour, 100),
                        Alpha(kBlack, 0));
    DrawSoftOutline(canvas.graphics(), disc, 2, kGlow, 30);
  }
  if (IsChecked(button)) {
    const gx::GxPath dot = EllipsePath(L + 5, C + 3, 6, 6);
    canvas.Stroke(dot, Alpha(kBlack, 200));
    gx::GxPathGradientBrush centre;
    const gx::ARGB surround[] = {Alpha(kTeal, 255)};
    if (centre.CreateFromPath(dot) && centre.SetCenterColor(Alpha(kWhite, 100)) &&
        centre.SetSurroundColors(surround)) {
      canvas.graphics().FillPath(centre, dot);
    }
  }
}

// Composes one check box or radio button face: `drawMark` draws the box or
// the round button; the caption starts `captionLeft` pixels right of the
// client's left edge and is `captionShrink` pixels narrower than the client.
template <class DrawMark>
void PaintCheckFace(const ButtonSkinRecord& record, HDC dc, UINT state, DrawMark drawMark,
                    float captionLeft, float captionShrink) {
  RECT client;
  const ClientBox box = ClientBoxOf(record.hwnd, client);
  FaceCanvas canvas(record.hwnd, client);
  if (!canvas) return;
  if (state & kStateDisabled) {
    DrawDisabled(canvas, box);
  } else {
    drawMark(canvas, record.hwnd, box, state);
  }
  const CaptionStyle style =
      ButtonCaptionStyle(record, Gdiplus::StringAlignmentNear, Gdiplus::StringAlignmentCenter);
  canvas.DrawCaption(record.caption, style,
                     {box.L + captionLeft, 2, box.W - captionShrink, box.H},
                     CaptionColour(record.hwnd));
  canvas.CopyTo(dc, 0, 0, static_cast<int>(box.W), static_cast<int>(box.H));
}

// Runs `paint` on a device context of the button's own.
template <class Paint>
void PaintThroughOwnDc(HWND button, Paint paint) {
  HDC dc = GetDC(button);
  paint(dc);
  ReleaseDC(button, dc);
}

}  // namespace

void PaintCheckBoxOn(const ButtonSkinRecord& record, HDC dc, UINT state) {
  PaintCheckFace(record, dc, state, DrawBox, 17, 19);
}

void PaintRadioButtonOn(const ButtonSkinRecord& record, HDC dc, UINT state) {
  PaintCheckFace(record, dc, state, DrawRadio, 18, 0);
}

void PaintCheckBox(const ButtonSkinRecord& record, UINT state) {
  PaintThroughOwnDc(record.hwnd, [&](HDC dc) { PaintCheckBoxOn(record, dc, state); });
}

void PaintRadioButton(const ButtonSkinRecord& record, UINT state) {
  PaintThroughOwnDc(record.hwnd, [&](HDC dc) { PaintRadioButtonOn(record, dc, state); });
}

}  // namespace skin
