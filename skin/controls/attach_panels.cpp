#include <windows.h>
#include <commctrl.h>

#include "skin/controls/child_enumeration.h"
#include "skin/controls/class_procedures.h"
#include "skin/controls/control_attach.h"
#include "skin/controls/control_font.h"
#include "skin/controls/control_subclass.h"

namespace skin {

void AttachChildControls(int windowIndex, HWND parent) {
  AttachPushButtons(windowIndex, parent);
  AttachCheckAndRadioButtons(windowIndex, parent);
  AttachEditsAndComboBoxes(windowIndex, parent);
  AttachTrackBars(windowIndex, parent);
  AttachProgressBars(windowIndex, parent);
  AttachListControls(windowIndex, parent);
  AttachUpDowns(windowIndex, parent);
  AttachHeaders(windowIndex, parent);
}

void AttachPanel(HWND panel, const PanelOptions& options) {
  const int owner = FindOwnerWindowIndex(panel);
  if (!owner || FindPanelIndex(owner, panel) > 0) return;
  std::vector<PanelSkinRecord>& panels = WindowRecordAt(owner)->panels;
  const int index = ChooseSlot(panels);
  // The panel's children are attached (and may grow other lists) before the
  // entry is finished; the panel list itself only changes here.
  {
    PanelSkinRecord& record = panels[static_cast<size_t>(index) - 1];
    record.hwnd = panel;
    record.overlayColour = options.overlayColour.value_or(0);
    record.overlayAlpha = options.overlayAlpha.value_or(255);
    record.panelStyle = options.panelStyle.value_or(0);
    record.shadeDescendants = options.shadeDescendants.value_or(1);
    if (IsGroupBoxButton(panel)) {
      record.isGroupBox = 1;
      ControlFontInfo font = GetControlFontInfo(panel);
      record.fontFace = font.Face;
      record.fontSize = font.Size;
      record.fontStyle = font.Style;
    }
  }
  AttachChildControls(owner, panel);
  PanelSkinRecord& record = WindowRecordAt(owner)->panels[static_cast<size_t>(index) - 1];
  record.subclassed = 1;
  record.prevProc = ReplaceWindowProc(panel, PanelSkinProc);
  LinkControl(panel, owner, index, record.prevProc);
  SetPropA(panel, kTabAncestorProp, FindSkinnedTabAncestor(panel));
}

void AttachBackdropControl(HWND control, std::optional<COLORREF> backColour,
                           COLORREF overlayColour, BYTE overlayAlpha) {
  const int owner = FindOwnerWindowIndex(control);
  if (!owner) return;
  std::vector<BackdropControlRecord>& list = WindowRecordAt(owner)->backdropControls;
  const int index = ChooseSlot(list);
  BackdropControlRecord& record = list[static_cast<size_t>(index) - 1];
  record.hwnd = control;
  record.backColour = backColour.value_or(GetSysColor(COLOR_BTNFACE));
  record.prevProc = ReplaceWindowProc(control, BackdropSkinProc);
  SetIntProp(control, kBackdropIndexProp, index);
  SetIntProp(control, kBackdropOwnerIndexProp, owner);
  SetPropA(control, kBackdropPrevProcProp, reinterpret_cast<HANDLE>(record.prevProc));
  if (FindWindowExA(control, nullptr, nullptr, nullptr)) {
    AttachPanel(control, {.shadeDescendants = 0,
                          .overlayColour = overlayColour,
                          .overlayAlpha = overlayAlpha});
  }
}

void AttachToolbars(HWND dialog) {
  ForEachChildOfClass(dialog, TOOLBARCLASSNAMEA,
                      [](HWND toolbar) { AttachBackdropControl(toolbar, std::nullopt, 0, 0); });
}

}  // namespace skin
