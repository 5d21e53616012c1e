// The translucent white panel that edit-like controls show over the
// window's background while the edit-panel mode is on, and the pattern
// brush through which an edit box paints its text over that panel.
#pragma once
#include <windows.h>

namespace skin {

// True while edit boxes show the panel (EditPanelEnabled = 1).
bool InEditPanelMode();

// The edit's client rectangle in window coordinates, placed as if its
// borders were equal on all sides (scroll bars, 17 pixels, left out).
RECT EditInnerRect(HWND edit);

// A device-compatible bitmap of what lies behind the edit's inner area with
// a white layer of opacity EditPanelAlpha over it. The caller owns it.
// nullptr when the edit has no skinned owner.
HBITMAP EditPanelBitmap(HWND edit);

// Draws the backdrop and the white panel of the edit's inner area: to `dc`
// at (0, 0) when one is given, else to the edit's window context at the
// inner area's place.
void PaintEditPanel(HWND edit, HDC dc);

// The answer to WM_CTLCOLOREDIT for a skinned edit: text colour "Kj_Ztys"
// and transparent background on `dc`, and a new pattern brush of
// EditPanelBitmap, kept in "Kj_dxjb" with its bitmap in "Kj_wtjb" in place
// of the ones handed out before (which are deleted).
HBRUSH AnswerEditColour(HDC dc, HWND edit);

// Deletes the brush and bitmap held in "Kj_dxjb" and "Kj_wtjb" and clears
// both properties, so no later release deletes them again. The stock null
// brush is never deleted.
void DeleteEditBrushes(HWND edit);

}  // namespace skin
