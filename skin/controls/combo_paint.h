// The face of a skinned combo box: a white (or translucent white) ground
// with holes for its child windows, a thin frame, the drop-down button with
// its arrow and, for drop-down lists, the selected text.
#pragma once
#include <windows.h>

#include <optional>

namespace skin {

// Paints combo box `index` of window `windowIndex` on its window context.
// Hover not given is false; focus not given comes from the record.
void PaintComboBox(int windowIndex, int index, std::optional<bool> hover = std::nullopt,
                   std::optional<bool> focused = std::nullopt);

// The window's rectangle relative to its parent's window rectangle; all
// zero for a registered window.
RECT RectRelativeToParent(HWND window);

}  // namespace skin
