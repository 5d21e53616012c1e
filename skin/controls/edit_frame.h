// The skinned non-client ring of edit boxes: a thin line over the window's
// backdrop (accent coloured when focused or under the mouse), with the
// system left to paint only the scroll bars.
#pragma once
#include <windows.h>

#include <optional>

#include "gdiplus/gdiplus_layer.h"

namespace skin {

// Style tests: WS_VSCROLL or WS_HSCROLL; only WS_HSCROLL; only WS_VSCROLL.
bool HasScrollBars(HWND window);
bool HasHScroll(HWND window);
bool HasVScroll(HWND window);

// A region in screen coordinates covering the edit's scroll bars (with the
// corner square when it has both); nullptr when it has none. The caller
// deletes it.
HRGN ScrollBarRegion(HWND edit);

// Draws the ring between the window rectangle and the inner area; a state
// not given is taken from the edit's record.
void PaintEditFrame(HWND edit, std::optional<bool> focused = std::nullopt,
                    std::optional<bool> hover = std::nullopt);

// Strokes the border line onto graphics covering the edit's window
// rectangle; a state not given is taken from the record (nothing is drawn
// for an edit without a record).
void DrawEditBorder(HWND edit, std::optional<bool> focused, std::optional<bool> hover,
                    gx::GxGraphics& graphics);

}  // namespace skin
