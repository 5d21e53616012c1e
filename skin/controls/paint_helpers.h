// The shared painting helpers of the control skins, also used by the frame,
// caption, status bar and tab skin:
//
//   colour_paths.h        ToGdiPlusColor, AddRoundedRect, AddTopRoundedOutline,
//                         DrawSoftOutline
//   glow_text.h           DrawGlowText (text with a soft halo)
//   window_utils.h        GetDcExcludingChildren, ChildRectInParent,
//                         IsTransparentExStyle, InvalidateVisibleChildren,
//                         IsOwnerDrawnListBox, RectRelativeTo*,
//                         SetLayeredStyle, PlaceCaptionButtons
//   control_background.h  GetControlBackground (what lies behind a control),
//                         FindShadingPanel
//   memory_surface_list.h MemorySurfaceList, RegisterSurface,
//                         ReleaseControlBackground
//
// Every surface GetControlBackground hands out is released with
// ReleaseControlBackground before the paint message returns.
#pragma once

#include "skin/controls/colour_paths.h"
#include "skin/controls/control_background.h"
#include "skin/controls/glow_text.h"
#include "skin/controls/memory_surface_list.h"
#include "skin/controls/window_utils.h"
