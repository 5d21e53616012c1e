// The painters of the skinned button kinds. Each composes the face over the
// control's backdrop (FaceCanvas) and copies it to the screen in one BitBlt.
#pragma once
#include <windows.h>

#include "skin/controls/face_canvas.h"
#include "skin/manager/control_records.h"

namespace skin {

// The caption font of a button record with the given alignments.
inline CaptionStyle ButtonCaptionStyle(const ButtonSkinRecord& record,
                                       Gdiplus::StringAlignment align,
                                       std::optional<Gdiplus::StringAlignment> lineAlign) {
  return {record.fontFace, static_cast<float>(record.fontSize), record.fontStyle, align, lineAlign,
          std::nullopt};
}

// Owner-drawn kinds: the face for `rect`, copied to `dc` at (0, 0).
void PaintPushButton(const ButtonSkinRecord& record, HDC dc, UINT state, const RECT& rect);
void PaintImageButton(const ButtonSkinRecord& record, HDC dc, UINT state, const RECT& rect);
void PaintFourImageButton(const ButtonSkinRecord& record, HDC dc, UINT state, const RECT& rect);

// Check boxes and radio buttons: the face for the client rectangle, copied
// to `dc` at (0, 0).
void PaintCheckBoxOn(const ButtonSkinRecord& record, HDC dc, UINT state);
void PaintRadioButtonOn(const ButtonSkinRecord& record, HDC dc, UINT state);

// The same through a device context of the button's own (GetDC/ReleaseDC).
void PaintCheckBox(const ButtonSkinRecord& record, UINT state);
void PaintRadioButton(const ButtonSkinRecord& record, UINT state);

}  // namespace skin
