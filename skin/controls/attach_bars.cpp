#include <windows.h>
#include <commctrl.h>

#include "skin/controls/child_enumeration.h"
#include "skin/controls/class_procedures.h"
#include "skin/controls/control_attach.h"
#include "skin/controls/control_subclass.h"

namespace skin {

namespace {

// 3 without ticks; else 0 ticks on top, 2 on both sides, 1 below.
int TickPlacement(LONG_PTR style) {
  if (HasBits(style, TBS_NOTICKS)) return 3;
  if (HasBits(style, TBS_TOP)) return 0;
  if (HasBits(style, TBS_BOTH)) return 2;
  return 1;
}

}  // namespace

void AttachTrackBars(int windowIndex, HWND parent) {
  if (!globals::ControlsSkinned) return;
  ForEachChildOfClass(parent, TRACKBAR_CLASSA, [&](HWND trackBar) {
    const LONG_PTR style = StyleOf(trackBar);
    TrackBarSkinRecord& record =
        AttachToList(windowIndex, &SkinWindowRecord::trackBarSkins, trackBar, TrackBarSkinProc);
    record.vertical = HasBits(style, TBS_VERT);
    record.tickPlacement = TickPlacement(style);
    record.selectionRange = HasBits(style, TBS_ENABLESELRANGE);
  });
}

void AttachProgressBars(int windowIndex, HWND parent) {
  if (!globals::ControlsSkinned) return;
  ForEachChildOfClass(parent, PROGRESS_CLASSA, [&](HWND progress) {
    const LONG_PTR style = StyleOf(progress);
    ProgressSkinRecord& record =
        AttachToList(windowIndex, &SkinWindowRecord::progressSkins, progress, ProgressSkinProc);
    record.vertical = HasBits(style, PBS_VERTICAL);
  });
}

void AttachUpDowns(int windowIndex, HWND parent) {
  if (!globals::ControlsSkinned) return;
  ForEachChildOfClass(parent, UPDOWN_CLASSA, [&](HWND upDown) {
    const LONG_PTR style = StyleOf(upDown);
    UpDownSkinRecord& record =
        AttachToList(windowIndex, &SkinWindowRecord::updownSkins, upDown, UpDownSkinProc);
    record.horizontal = HasBits(style, UDS_HORZ);
  });
}

}  // namespace skin
